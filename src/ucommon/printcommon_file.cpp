// CPrintCommon: fitting text to a width, saving and editing a prepared document.
#include "printcommon.h"
#include <shellapi.h>
#include <algorithm>

namespace
{

const wchar_t kEditQuestion[] = L"是否使用編輯軟件來編輯打印?\n\n按否則直接打印，按是則進入所設置的編輯軟件!";
const wchar_t kEditFile[] = L"c:\\tmp.doc";
// A character with this bit counts as the first of a two-unit character.
const wchar_t kLeadUnitBit = 0x80;

}   // namespace

int CPrintCommon::AdjustPos(LPCTSTR lpszText, int nPos)
{
    if (lpszText == nullptr)
        return nPos;
    int i = 0;
    while (i < nPos && lpszText[i] != 0)
        i += (lpszText[i] & kLeadUnitBit) ? 2 : 1;
    // A string shorter than nPos ends the walk early: nPos stands.
    return i <= nPos ? nPos : nPos - 1;
}

long CPrintCommon::FitPageWidth(CDC* pDC, LPCTSTR lpszText, int nWidth)
{
    if (lpszText == nullptr)
        return 0;
    const int nLength = lstrlenW(lpszText);
    const int nExtent = pDC->GetTextExtent(lpszText, nLength).cx;
    if (nExtent < nWidth)
        return nLength;
    if (nExtent <= 0)
        return 0;
    const unsigned nEstimate =
        static_cast<unsigned>(nLength) * static_cast<unsigned>(nWidth) / static_cast<unsigned>(nExtent);
    long nResult = 0;
    for (unsigned m = nEstimate * 9 / 10; m < static_cast<unsigned>(nLength); ++m)
    {
        const int p = AdjustPos(lpszText, static_cast<int>(m));
        if (pDC->GetTextExtent(lpszText, p).cx >= nWidth)
            break;
        nResult = p;
    }
    return nResult;
}

int CPrintCommon::SaveFile(HGLOBAL hDocument, LPCTSTR lpszPath)
{
    const int nLength = m_nDocLength;
    if (nLength < 1 || hDocument == nullptr)
        return 0;
    CFile file;
    if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite))
        return 0;
    const void* pData = ::GlobalLock(hDocument);
    if (pData == nullptr)
        return 0;
    // Never more than the block holds.
    const SIZE_T nBytes = std::min<SIZE_T>(static_cast<SIZE_T>(nLength), ::GlobalSize(hDocument));
    const BOOL bWritten = file.Write(pData, static_cast<UINT>(nBytes));
    ::GlobalUnlock(hDocument);
    return bWritten ? 1 : 0;
}

int CPrintCommon::EditPrint(HGLOBAL hDocument, CWnd* pOwner)
{
    if (AfxMessageBox(kEditQuestion, MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return 0;
    if (SaveFile(hDocument, kEditFile) == 1)
        ::ShellExecuteW(pOwner->GetSafeHwnd(), L"open", kEditFile, nullptr, nullptr, SW_SHOWNORMAL);
    return 1;
}
