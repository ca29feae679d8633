// The demo's ward page: wards, rooms and beds in a "TreeList" window.
#pragma once
#include <windows.h>

// Creates the page as a child of `parent` filling `rc`: a TreeList with the columns
// patient, admitted on and fee, check boxes, and in-place editing of a cell on a
// double click. Returns the page window (it owns the tree).
HWND CreateWardTreePage(HWND parent, const RECT& rc);
