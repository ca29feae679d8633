// The framework layer's drawing classes: GDI objects, device contexts and
// the DCs of a window. afxwin.h includes this before CWnd.
#pragma once

#include "gdiobject.h"
#include "gdipenbrush.h"
#include "gdifont.h"
#include "gdibitmap.h"
#include "gdirgn.h"
#include "gdidc.h"
#include "gdiwindc.h"
