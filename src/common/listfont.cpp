// The Ming-face font of the grid and its header.
#include "common/listfont.h"

#include <algorithm>
#include <cwchar>

BOOL CreateListFont(CDC* pDC, CFont& font, int nHeight, int nWeight)
{
    LOGFONTW logFont{};
    CFont* pCurrent = pDC->GetCurrentFont();
    if (!pCurrent || !pCurrent->GetLogFont(&logFont))
    {
        AfxMessageBox(L"不能讀字模參數");
        return FALSE;
    }
    logFont.lfHeight = std::clamp(nHeight, -kMaxListFontHeight, kMaxListFontHeight);
    logFont.lfWidth = 0;
    if (nWeight != 0)
        logFont.lfWeight = nWeight;
    // The device's own face (often the System font) need not have the
    // Chinese characters of the records.
    wcscpy_s(logFont.lfFaceName, L"新細明體");
    return font.CreateFontIndirect(&logFont);
}
