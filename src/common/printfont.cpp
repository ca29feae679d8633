// Fonts of the printing code.
#include "printfont.h"

namespace qvprint
{

const wchar_t kPrintFace[] = L"新細明體";
const wchar_t kNoFontMessage[] = L"不能讀字模參數";

BOOL ReadCurrentFont(CDC* pDC, LOGFONT* pLogFont)
{
    HGDIOBJ hFont = pDC != nullptr ? ::GetCurrentObject(pDC->m_hDC, OBJ_FONT) : nullptr;
    if (hFont == nullptr || ::GetObjectW(hFont, sizeof(LOGFONT), pLogFont) != sizeof(LOGFONT))
    {
        AfxMessageBox(kNoFontMessage);
        return FALSE;
    }
    return TRUE;
}

DerivedFont::DerivedFont(CDC* pDC, int nHeight, int nPitchAndFamily) : m_pDC(pDC)
{
    LOGFONT lf;
    if (!ReadCurrentFont(pDC, &lf))
        return;
    lf.lfHeight = nHeight;
    lf.lfWidth = 0;
    if (nPitchAndFamily != kKeepPitch)
        lf.lfPitchAndFamily = static_cast<BYTE>(nPitchAndFamily);
    lstrcpynW(lf.lfFaceName, kPrintFace, LF_FACESIZE);
    if (!m_font.CreateFontIndirect(&lf))
        return;
    m_hPrevious = static_cast<HFONT>(::GetCurrentObject(pDC->m_hDC, OBJ_FONT));
    pDC->SelectObject(&m_font);
}

DerivedFont::~DerivedFont()
{
    if (m_hPrevious != nullptr)
        m_pDC->SelectObject(CFont::FromHandle(m_hPrevious));
}

}   // namespace qvprint
