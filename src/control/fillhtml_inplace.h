// The in-place HTML fillers: markers overwritten inside the document, which
// keeps its length. Internal to the HTML filler.
#pragma once

#include <windows.h>
#include "afxstr.h"
#include "control/fillhtml_value.h"

namespace qvhtml {

// Blanks the span [nStart, nEnd) with spaces and writes the value over its
// start. A value longer than the span is cut to it: nothing after the
// marker is overwritten.
void OverwriteMarker(wchar_t* pText, size_t nStart, size_t nEnd, const CString& strValue);

// Fills the markers that open with "<" and close with chEnd in place
// (names read as the general filler reads them, without skipping tags,
// ignoring case). False when the block cannot be locked.
bool FillMarkersInPlace(HGLOBAL hDocument, const CaptionTable& captions, char* pRecord, wchar_t chEnd);

}  // namespace qvhtml
