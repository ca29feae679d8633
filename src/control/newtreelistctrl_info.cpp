// NewTreeItemInfo, the column texts inside its one string, and the comparison
// that sorts items by one column with numbers compared by value.
#include "control/newtreelistctrl.h"

#include <climits>
#include <cstdlib>
#include <vector>

namespace
{

const wchar_t kDigits[] = L"0123456789";

// Where column nCol's part starts (-1 when the text has fewer parts) and how long it is.
int FindColumn(const CString& strText, wchar_t chSeparator, int nCol, int& nLength)
{
    const wchar_t* pText = strText.GetString();
    const int nTextLength = strText.GetLength();
    int nStart = 0;
    for (int nPart = 0; nPart < nCol; ++nPart)
    {
        while (nStart < nTextLength && pText[nStart] != chSeparator)
            ++nStart;
        if (nStart == nTextLength)
            return -1;
        ++nStart;   // past the separator
    }
    int nEnd = nStart;
    while (nEnd < nTextLength && pText[nEnd] != chSeparator)
        ++nEnd;
    nLength = nEnd - nStart;
    return nStart;
}

// The first run of digits in the text, empty when it has none.
CString DigitRun(const CString& strText)
{
    const int nFirst = strText.FindOneOf(kDigits);
    if (nFirst < 0)
        return CString();
    return strText.Mid(nFirst).SpanIncluding(kDigits);
}

int Sign(int nValue)
{
    return nValue > 0 ? 1 : (nValue < 0 ? -1 : 0);
}

// The sort parameter of SortItems.
struct SortOrder
{
    int nCol;
    BOOL bAscending;
};

}   // namespace

NewTreeItemInfo::NewTreeItemInfo()
    : m_dwData(0), m_chSeparator('\0'), m_bBold(0), m_crText(::GetSysColor(COLOR_WINDOWTEXT))
{
}

CString NewTreeItemInfo::GetColumnText(int nCol) const
{
    if (nCol < 0)
        return CString();
    int nLength = 0;
    const int nStart = FindColumn(m_strText, wchar_t(static_cast<unsigned char>(m_chSeparator)), nCol, nLength);
    return nStart < 0 ? CString() : m_strText.Mid(nStart, nLength);
}

BOOL NewTreeItemInfo::SetColumnText(int nCol, LPCWSTR lpszText)
{
    if (nCol < 0 || nCol > kMaxColumn)
        return FALSE;
    const wchar_t chSeparator = wchar_t(static_cast<unsigned char>(m_chSeparator));
    const CString strNew(lpszText);
    int nLength = 0;
    const int nStart = FindColumn(m_strText, chSeparator, nCol, nLength);
    if (nStart >= 0)
    {
        CString strRebuilt(m_strText.GetString(), nStart);
        strRebuilt += strNew;
        strRebuilt += m_strText.Mid(nStart + nLength);
        m_strText = strRebuilt;
        return TRUE;
    }
    int nSeparators = 0;
    for (int i = 0; i < m_strText.GetLength(); ++i)
        if (m_strText[i] == chSeparator)
            ++nSeparators;
    while (nSeparators++ < nCol)
        m_strText.AppendChar(chSeparator);
    m_strText += strNew;
    return TRUE;
}

int CALLBACK CNewTreeListCtrl::CompareFunc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const auto* pInfo1 = reinterpret_cast<const NewTreeItemInfo*>(lParam1);
    const auto* pInfo2 = reinterpret_cast<const NewTreeItemInfo*>(lParam2);
    const auto* pOrder = reinterpret_cast<const SortOrder*>(lParamSort);
    const int nCol = pOrder != nullptr ? pOrder->nCol : 0;
    // Items inserted through the base class have no record: their texts are empty.
    const CString strText1 = pInfo1 != nullptr ? pInfo1->GetColumnText(nCol) : CString();
    const CString strText2 = pInfo2 != nullptr ? pInfo2->GetColumnText(nCol) : CString();

    int nResult = 0;
    const CString strRun1 = DigitRun(strText1);
    const CString strRun2 = DigitRun(strText2);
    if (!strRun1.IsEmpty() || !strRun2.IsEmpty())
    {
        if (strText1.SpanExcluding(kDigits) == strText2.SpanExcluding(kDigits))
        {
            const int nNumber1 = ATOI(strRun1);
            const int nNumber2 = ATOI(strRun2);
            nResult = nNumber1 > nNumber2 ? 1 : (nNumber1 < nNumber2 ? -1 : 0);
        }
        if (nResult == 0)
            nResult = Sign(strText1.Compare(strText2));
    }
    else
    {
        nResult = Sign(strText1.Compare(strText2));
    }
    if (pOrder != nullptr && !pOrder->bAscending)
        nResult = -nResult;
    return nResult;
}

int CNewTreeListCtrl::ATOI(const CString& strNumber)
{
    const int nBytes =
        ::WideCharToMultiByte(CP_UTF8, 0, strNumber.GetString(), strNumber.GetLength(), nullptr, 0, nullptr, nullptr);
    std::vector<char> utf8(size_t(nBytes) + 1, '\0');
    if (nBytes > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, strNumber.GetString(), strNumber.GetLength(), utf8.data(), nBytes, nullptr,
                              nullptr);
    // atoi's value, saturated for runs of digits too long for an int.
    const long long nValue = std::strtoll(utf8.data(), nullptr, 10);
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return int(nValue);
}

BOOL CNewTreeListCtrl::SortItems(int nCol, BOOL bAscending, HTREEITEM hParent)
{
    ASSERT(::IsWindow(m_hWnd));
    SortOrder order{nCol, bAscending};
    TVSORTCB sort{hParent, &CNewTreeListCtrl::CompareFunc, reinterpret_cast<LPARAM>(&order)};
    return SortChildrenCB(&sort);
}
