// CWordOffice: the walk over the document that finds "<name>" markers, and
// filling them with the values of a record.
#include "wordoffice.h"

#include "wordoffice_internal.h"

// What onMarker returns to end the walk with the marker selected.
static const int kStopWalk = -1;
// The marker whose name stands for today's date (case counts).
static const wchar_t kCurrentTime[] = L"CurrentTime";
// The bytes of a record where the fillers find the time of a year-prefixed text.
static const int kYearTimeOffset = 16;
// Typed over a marker whose value is empty, so that the marker still goes.
static const wchar_t kEmptyValue[] = L" ";
static const wchar_t kListLabel[] = L"LIST";

// A long automation argument.
static VARIANT LongVariant(long n)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

int CWordOffice::WalkMarkers(const std::function<int(const CString& strName, int nLength)>& onMarker)
{
    if (!m_wdSel.m_lpDispatch || !m_wdRange.m_lpDispatch)
        return -1;
    try
    {
        VARIANT character = LongVariant(wdCharacter);
        VARIANT story = LongVariant(wdStory);
        VARIANT one = LongVariant(1);
        m_wdSel.MoveLeft(&story, &one, &m_vFalse);   // to the start of the document
        long length = m_wdRange.GetStoryLength();
        long position = 0;
        int markerLength = 0;   // characters of the open marker so far; 0: none open
        // The final paragraph mark is not walked.
        while (position < length - 1)
        {
            m_wdSel.MoveRight(&character, &one, &m_vTrue);
            CString ch = m_wdSel.GetText();
            m_wdSel.MoveRight(&character, &one, &m_vFalse);
            ++position;
            if (ch == L"<")
            {
                markerLength = 1;
                continue;
            }
            if (markerLength == 0)
                continue;
            ++markerLength;
            if (ch != L">")
                continue;
            VARIANT count = LongVariant(markerLength);
            m_wdSel.MoveLeft(&character, &count, &m_vFalse);
            m_wdSel.MoveRight(&character, &count, &m_vTrue);
            CString name = m_wdSel.GetText();
            name = name.Mid(1, name.GetLength() - 2);
            name.Trim(L' ');
            int occupied = onMarker(name, markerLength);
            if (occupied == kStopWalk)
                return 1;
            if (occupied == markerLength)   // left in place: step over it
                m_wdSel.MoveRight(&character, &one, &m_vFalse);
            position += occupied - markerLength;
            length += occupied - markerLength;
            markerLength = 0;
        }
        return 0;
    }
    catch (COleDispatchException* e)
    {
        if (wordoffice::ServerIsGone(e->m_scError))
            ReleaseAll();
        e->Delete();
    }
    catch (COleException* e)
    {
        e->Delete();
    }
    return -1;
}

int CWordOffice::FindLabel(const CString& strLabel)
{
    return WalkMarkers([&strLabel](const CString& strName, int nLength)
                       { return strName == strLabel ? kStopWalk : nLength; }) == 1;
}

CString CWordOffice::MarkerValue(const CString& strName, CfField* pField, int nCount, char* pRecord, BOOL& bKnown)
{
    bKnown = TRUE;
    CString value;
    if (strName == kCurrentTime)
    {
        CTime now = CTime::GetCurrentTime();
        value.Format(L"%04ld年%02ld月%02ld日", static_cast<long>(now.GetYear()), static_cast<long>(now.GetMonth()),
                     static_cast<long>(now.GetDay()));
        return value;
    }
    for (int i = 0; pField && i < nCount; ++i)
    {
        const CfField& field = pField[i];
        if (!field.pszName || strName.CompareNoCase(field.pszName) != 0)
            continue;
        if (field.nOffset < 0)
            return value;
        char* pValue = pRecord + field.nOffset;
        if (field.nType != FIELD_TEXT_YEAR)
            return CField::GetFieldString(pValue, field.nType, field.nFormat);
        CString text(reinterpret_cast<const wchar_t*>(pValue));
        __int64 time = *reinterpret_cast<const __int64*>(pRecord + kYearTimeOffset);
        if (text.IsEmpty() || time <= 0)
            return text;
        value.Format(L"%02ld-%s", static_cast<long>(CTime(time).GetYear() % 100), text);
        return value;
    }
    bKnown = FALSE;
    return value;
}

int CWordOffice::Fill(const CString& strSource, CfField* pField, int nCount, char* pRecord)
{
    ASSERT(pRecord != nullptr || nCount == 0);
    int walked = WalkMarkers(
        [&](const CString& strName, int nLength)
        {
            BOOL known = FALSE;
            CString value = MarkerValue(strName, pField, nCount, pRecord, known);
            if (!known)
            {
                CString text;
                text.Format(L"不能识别%s", strName);
                wordoffice::ShowMessage(text);
                return nLength;
            }
            // Line ends become single paragraph marks, so the typed length is known.
            value.Replace(L"\r\n", L"\r");
            value.Replace(L'\n', L'\r');
            if (value.IsEmpty())
                value = kEmptyValue;
            m_wdSel.TypeText(value);
            return value.GetLength();
        });
    if (walked < 0)
    {
        CString text;
        text.Format(L"不能讀取文件 %s ", strSource);
        wordoffice::ShowMessage(text);
        return 0;
    }
    return 1;
}

int CWordOffice::FillInformation(CfField* pField, int nCount, char* pRecord)
{
    return Fill(CString(), pField, nCount, pRecord);
}

int CWordOffice::FillWordInformation(const CString& strTemplate, CfField* pField, int nCount, char* pRecord)
{
    if (!FileAvailable(strTemplate))
        return 0;
    try
    {
        if (!Open(strTemplate))
            return 0;
    }
    catch (COleDispatchException* e)
    {
        CString text;
        text.Format(L"不能打開文件 %s \n %s", strTemplate, e->m_strDescription);
        wordoffice::ShowMessage(text);
        if (wordoffice::ServerIsGone(e->m_scError))
            ReleaseAll();
        e->Delete();
        return 0;
    }
    return Fill(strTemplate, pField, nCount, pRecord);
}

int CWordOffice::FillList(CfField*, int, char*, long, long)
{
    if (!m_wdRange.m_lpDispatch)
        return 0;
    CString text;
    if (!Guarded(
            [this, &text]
            {
                text = m_wdRange.GetText();
                return 1;
            }))
        return 0;
    // Without any marker there is nothing to walk.
    if (text.Find(L'<') < 0 || !FindLabel(kListLabel))
        return 0;
    return Guarded(
        [this]
        {
            m_wdSel.MoveStart(&m_vOptional, &m_vOptional);
            return 1;
        });
}
