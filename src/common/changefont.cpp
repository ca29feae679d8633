// CChangeFont: temporary fonts derived from a DC's current font.
#include "changefont.h"
#include "qvpath.h"
#include "printfont.h"

CChangeFont::CChangeFont() = default;

CChangeFont::~CChangeFont()
{
    if (m_hPreviousFont != nullptr)
        AfxMessageBox(L"沒有正確釋放字模");
}

void CChangeFont::SetFace(LOGFONT& lf, LPCTSTR lpszFaceName)
{
    lstrcpynW(lf.lfFaceName, lpszFaceName != nullptr ? lpszFaceName : L"", LF_FACESIZE);
}

BOOL CChangeFont::BeginChange(CDC* pDC, LOGFONT* pLogFont)
{
    ASSERT(pDC != nullptr);
    m_hPreviousFont = static_cast<HFONT>(::GetCurrentObject(pDC->m_hDC, OBJ_FONT));
    if (!qvprint::ReadCurrentFont(pDC, pLogFont))
        return FALSE;
    pLogFont->lfWidth = 0;
    return TRUE;
}

int CChangeFont::SelectChanged(CDC* pDC, const LOGFONT& lf)
{
    m_font.DeleteObject();
    if (!m_font.CreateFontIndirect(&lf))
        return 0;
    pDC->SelectObject(&m_font);
    return 1;
}

int CChangeFont::ChangeFont(CDC* pDC, int nSize)
{
    LOGFONT lf;
    if (!BeginChange(pDC, &lf))
        return 0;
    lf.lfHeight = static_cast<long>(nSize * m_dScale);
    lf.lfWeight = FW_LIGHT;
    SetFace(lf, qvprint::kPrintFace);
    return SelectChanged(pDC, lf);
}

int CChangeFont::ChangeFontWeight(CDC* pDC, int nWeight)
{
    LOGFONT lf;
    if (!BeginChange(pDC, &lf))
        return 0;
    lf.lfHeight = pDC->GetTextExtent(L"W", 1).cy;
    lf.lfWeight = nWeight;
    SetFace(lf, qvprint::kPrintFace);
    return SelectChanged(pDC, lf);
}

int CChangeFont::ChangeFontWeightName(CDC* pDC, int nWeight, double dRatio, LPCTSTR lpszFaceName)
{
    LOGFONT lf;
    if (!BeginChange(pDC, &lf))
        return 0;
    lf.lfHeight = static_cast<long>(pDC->GetTextExtent(L"W", 1).cy * dRatio);
    lf.lfWeight = nWeight;
    SetFace(lf, lpszFaceName);
    return SelectChanged(pDC, lf);
}

int CChangeFont::ChangeFontByRatio(CDC* pDC, double dRatio)
{
    LOGFONT lf;
    if (!BeginChange(pDC, &lf))
        return 0;
    lf.lfHeight = static_cast<long>(lf.lfHeight * dRatio);
    SetFace(lf, qvprint::kPrintFace);
    return SelectChanged(pDC, lf);
}

void CChangeFont::ResetFont(CDC* pDC)
{
    ASSERT(pDC != nullptr);
    if (m_hPreviousFont != nullptr)
        pDC->SelectObject(CFont::FromHandle(m_hPreviousFont));
    m_hPreviousFont = nullptr;
    m_font.DeleteObject();
}

void CChangeFont::GetMetrics(CDC* pDC)
{
    m_nHorzRes = pDC->GetDeviceCaps(HORZRES);
}

int CChangeFont::GetFontHeight(CDC* pDC)
{
    TEXTMETRIC tm;
    if (pDC == nullptr || !pDC->GetTextMetrics(&tm))
        return 24;
    return tm.tmHeight;
}

void CChangeFont::InitScale(int nFunction)
{
    m_nLeftMargin = 5;
    m_dScale = 1.0;
    CString strSection;
    strSection.Format(L"Function%ld", static_cast<long>(nFunction));
    CLocalPath* pPath = GetLocalPath();
    if (pPath->GetIniLong(strSection, L"LeftMargin") != 0)
        m_nLeftMargin = 0;
    const double dScale = _wtof(pPath->GetIni(strSection, L"Scale"));
    m_dScale = dScale > 0 ? dScale : 1.0;
}
