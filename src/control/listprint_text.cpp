// CListPrint: printing a text block, and handing a block to a file.
#include "listprint.h"
#include "common/printfont.h"
#include <algorithm>
#include <cstdio>
#include <cwchar>

namespace
{

// The line buffer, terminator included.
const int kLineBuffer = 1024;
const wchar_t kBufferTooSmall[] = L"緩沖區太小";

}   // namespace

void CListPrint::PrintTextLine(CDC* pDC, wchar_t* pszLine, int x, int& y, int nWidth, int nStep)
{
    int nLength = lstrlenW(pszLine);
    while (nLength > 0 && pDC->GetTextExtent(pszLine, nLength).cx > nWidth)
    {
        // At least one character a line, however narrow the page.
        const int nFit = std::max(1, static_cast<int>(FitPageWidth(pDC, pszLine, nWidth)));
        pDC->TextOut(x, y, pszLine, nFit);
        wmemmove(pszLine, pszLine + nFit, nLength - nFit + 1);
        nLength -= nFit;
        y += nStep;
    }
    pDC->TextOut(x, y, pszLine, nLength);
    y += nStep;
}

void CListPrint::OnPrint(CDC* pDC, CPrintInfo* /*pInfo*/, HGLOBAL hText)
{
    if (hText == nullptr)
        return;
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    const int H = tm.tmHeight;
    const int nMargin = 2 * tm.tmAveCharWidth;
    const int nWidth = pDC->GetDeviceCaps(HORZRES) - 2 * nMargin;
    const int nStep = H + H / 2;
    qvprint::DerivedFont font(pDC, (H * m_nTextScale) / 10);

    const auto* pText = static_cast<const wchar_t*>(::GlobalLock(hText));
    if (pText == nullptr)
        return;
    // The block need not be terminated: its size bounds the text.
    const size_t nChars = ::GlobalSize(hText) / sizeof(wchar_t);
    wchar_t line[kLineBuffer];
    int y = 0;
    size_t pos = 0;
    for (;;)
    {
        int n = 0;
        bool bWarned = false;
        while (pos < nChars && pText[pos] != 0 && pText[pos] != L'\n')
        {
            // A full buffer is printed as a line of its own and the rest of
            // the line goes on after it: nothing of the text is lost.
            if (n == kLineBuffer - 1)
            {
                if (!bWarned)
                    AfxMessageBox(kBufferTooSmall);
                bWarned = true;
                line[n] = 0;
                PrintTextLine(pDC, line, nMargin, y, nWidth, nStep);
                n = 0;
            }
            line[n++] = pText[pos++];
        }
        if (n > 0 && line[n - 1] == L'\r')
            --n;
        line[n] = 0;
        PrintTextLine(pDC, line, nMargin, y, nWidth, nStep);
        // Stop at the end, or when the line feed is the text's last character.
        if (pos >= nChars || pText[pos] == 0 || pos + 1 >= nChars || pText[pos + 1] == 0)
            break;
        ++pos;
    }
    ::GlobalUnlock(hText);
}

void CListPrint::OnUnicodePrint(CDC* /*pDC*/, CPrintInfo* /*pInfo*/, HGLOBAL hBlock)
{
    if (hBlock == nullptr)
        return;
    FILE* pFile = _wfopen(L"a23.txt", L"wb");
    if (pFile == nullptr)
        return;
    const void* pData = ::GlobalLock(hBlock);
    if (pData != nullptr)
    {
        fwrite(pData, 1, ::GlobalSize(hBlock), pFile);
        ::GlobalUnlock(hBlock);
    }
    fclose(pFile);
}
