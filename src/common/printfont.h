// Fonts of the printing code: made from the description of the DC's current
// font with the face "新細明體", selected for one block of drawing.
#pragma once

#include "afxwin.h"

namespace qvprint
{

extern const wchar_t kPrintFace[];       // "新細明體"
extern const wchar_t kNoFontMessage[];   // "不能讀字模參數"

// The description of the DC's current font; shows kNoFontMessage and returns
// FALSE when it cannot be read.
BOOL ReadCurrentFont(CDC* pDC, LOGFONT* pLogFont);

// A font derived from the current one (height nHeight, width 0, face
// "新細明體", pitch and family when given) selected while the object lives.
// When the description cannot be read the message is shown and the current
// font stays.
class DerivedFont
{
public:
    static const int kKeepPitch = -1;
    DerivedFont(CDC* pDC, int nHeight, int nPitchAndFamily = kKeepPitch);
    ~DerivedFont();
    DerivedFont(const DerivedFont&) = delete;
    DerivedFont& operator=(const DerivedFont&) = delete;

private:
    CDC* m_pDC;
    CFont m_font;
    HFONT m_hPrevious = nullptr;
};

}   // namespace qvprint
