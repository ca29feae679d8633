// CPrintCommon: the title block and the row printing.
#include "printcommon.h"
#include "common/cdate.h"
#include "common/printlayout.h"
#include "common/printpage.h"

CPrintCommon::CPrintCommon()
    : m_pField(nullptr), m_nField(0), m_nLeftMargin(0), m_nCurrentY(0), m_nLineHeight(0), m_bTotalRow(0)
{
}

CPrintCommon::CPrintCommon(const CPrintCommon& source) : CFillHtml(source)
{
    CopyFrom(source);
}

CPrintCommon& CPrintCommon::operator=(const CPrintCommon& source)
{
    if (this != &source)
    {
        CFillHtml::operator=(source);
        CopyFrom(source);
    }
    return *this;
}

CPrintCommon::~CPrintCommon() = default;

void CPrintCommon::CopyFrom(const CPrintCommon& source)
{
    m_pField = source.m_pField;
    m_nField = source.m_nField;
    m_strTitle = source.m_strTitle;
    m_nLeftMargin = source.m_nLeftMargin;
    m_nCurrentY = source.m_nCurrentY;
    m_nLineHeight = source.m_nLineHeight;
    m_bTotalRow = source.m_bTotalRow;
}

long CPrintCommon::GetRecordCount()
{
    return 0;
}

long CPrintCommon::GetRecordLength()
{
    return 0;
}

CString CPrintCommon::GetItemText(long /*nRow*/, int /*nField*/)
{
    return CString();
}

void CPrintCommon::PrintTitle(CDC* pDC, int& y)
{
    if (m_pField == nullptr || m_nField < 1)
        return;
    CString strDate;
    strDate.Format(L"打印日期：%s", CDate::ToChineseString(CTime::GetCurrentTime()).GetString());
    qvprint::PrintTitleBlock(pDC, m_pField, m_nField, m_nLeftMargin, m_strTitle, strDate, y);
}

void CPrintCommon::PrintCells(CDC* pDC, const char* pRecord, long nLength, bool bVariants)
{
    qvprint::PrintRecordCells(*this, pDC, m_pField, m_nField, pRecord, nLength, bVariants);
}

void CPrintCommon::PrintRecord(CDC* pDC, long nRow, int /*nUnused*/)
{
    qvprint::PrintRecordRow(*this, pDC, nRow, m_pField, m_nField);
}

void CPrintCommon::PrintRecord(CDC* pDC, char* pRecord)
{
    ASSERT(m_pField != nullptr && m_nField >= 1);
    if (m_pField == nullptr || m_nField < 1 || pRecord == nullptr)
        return;
    // The caller's record is as long as its layout says.
    PrintCells(pDC, pRecord, LONG_MAX, false);
}
