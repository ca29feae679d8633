// The font of the grid's cells and of its header: the device context's
// current font in the Ming face, so that the records' Chinese text shows.
#pragma once

#include "afxwin.h"

// The tallest font the grid and its header draw with, in pixels. Fonts are
// made from row heights and enlarged sizes that programs pass; glyphs far
// taller than a screen only cost seconds to draw and show nothing useful.
const int kMaxListFontHeight = 200;

// nHeight is kept within kMaxListFontHeight either way (a negative height
// asks for a character height, as in LOGFONT). nWeight 0 keeps the current font's weight. Shows "不能讀字模參數" and
// answers FALSE when the current font cannot be described.
BOOL CreateListFont(CDC* pDC, CFont& font, int nHeight, int nWeight);
