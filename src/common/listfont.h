// The font of the grid's cells and of its header: the device context's
// current font in the Ming face, so that the records' Chinese text shows.
#pragma once

#include "afxwin.h"

// nWeight 0 keeps the current font's weight. Shows "不能讀字模參數" and
// answers FALSE when the current font cannot be described.
BOOL CreateListFont(CDC* pDC, CFont& font, int nHeight, int nWeight);
