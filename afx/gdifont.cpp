// CFont's point-size forms: tenths of a point to the logical units of a DC.
#include "afxgdi.h"

namespace
{

// Height in logical units of a font nDeciPoints tenths of a point high on hDC;
// negative, so that GDI matches the character height, not the cell height.
LONG LogicalHeightOf(HDC hDC, LONG nDeciPoints)
{
    POINT pt[2] = {{0, 0}, {0, ::MulDiv(nDeciPoints, ::GetDeviceCaps(hDC, LOGPIXELSY), 720)}};
    ::DPtoLP(hDC, pt, 2);
    return -labs(pt[1].y - pt[0].y);
}

}   // namespace

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName != nullptr)
        lstrcpynW(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    if (lpLogFont == nullptr)
        return FALSE;
    HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : nullptr;
    HDC hScreenDC = hDC == nullptr ? ::GetDC(nullptr) : nullptr;
    LOGFONT logFont = *lpLogFont;
    logFont.lfHeight = LogicalHeightOf(hDC != nullptr ? hDC : hScreenDC, lpLogFont->lfHeight);
    if (hScreenDC != nullptr)
        ::ReleaseDC(nullptr, hScreenDC);
    return CreateFontIndirect(&logFont);
}
