// CChangeFont: puts a font derived from a DC's current one into the DC for a
// while (a point size scaled per application function, a weight, a ratio of
// the current size) and puts the previous font back with ResetFont. The
// scale and a left-margin switch come from the application's settings,
// section "Function<n>", keys "Scale" and "LeftMargin".
#pragma once

#include "afxwin.h"
#include "qvapi.h"

class QVCTRL_API CChangeFont
{
public:
    CChangeFont();
    // Warns "沒有正確釋放字模" when a change was never reset.
    virtual ~CChangeFont();
    CChangeFont(const CChangeFont&) = delete;
    CChangeFont& operator=(const CChangeFont&) = delete;

    // Each selects a font made from the DC's current one and returns 1, or
    // shows "不能讀字模參數" and returns 0 with the DC's font unchanged.
    // Height nSize x scale, weight 300, face "新細明體".
    int ChangeFont(CDC* pDC, int nSize);
    // Height of "W" in the current font, the given weight, face "新細明體".
    int ChangeFontWeight(CDC* pDC, int nWeight);
    // Height of "W" x dRatio, the given weight and face.
    int ChangeFontWeightName(CDC* pDC, int nWeight, double dRatio, LPCTSTR lpszFaceName);
    // The current font's height x dRatio, face "新細明體".
    int ChangeFontByRatio(CDC* pDC, double dRatio);
    // Selects the font that was current before the last change.
    void ResetFont(CDC* pDC);

    // Stores the DC's HORZRES in m_nHorzRes.
    void GetMetrics(CDC* pDC);
    // The DC's character height, or 24 when it has no text metrics.
    int GetFontHeight(CDC* pDC);
    // Reads "LeftMargin" and "Scale" of section "Function<nFunction>".
    void InitScale(int nFunction);

    CFont m_font;            // the replacement font
    double m_dScale = 1.0;   // applied to ChangeFont's size
    int m_nHorzRes = 0;      // filled by GetMetrics
    int m_nLeftMargin = 5;   // 0 when the settings switch "LeftMargin" is on

protected:
    // Records the current font as the previous one and reads its description.
    BOOL BeginChange(CDC* pDC, LOGFONT* pLogFont);
    // Creates the owned font from lf and selects it.
    int SelectChanged(CDC* pDC, const LOGFONT& lf);
    static void SetFace(LOGFONT& lf, LPCTSTR lpszFaceName);

    HFONT m_hPreviousFont = nullptr;   // non-null while a change is outstanding
};
