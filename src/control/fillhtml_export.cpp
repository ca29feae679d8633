// Filling a template file into the export file "report.htm".
#include "control/fillhtml.h"

#include "control/fillhtml_document.h"
#include "control/fillhtml_encoding.h"
#include "qvpath.h"

using namespace qvhtml;

namespace {

const wchar_t kReportFileName[] = L"report.htm";
const UINT kCreateForWriting = CFile::modeCreate | CFile::modeWrite;

// Opens the export file, making its folder when it is missing.
bool OpenReportFile(CFile& file, const CString& strPath)
{
    if (file.Open(strPath, kCreateForWriting))
        return true;
    GetLocalPath()->MakeDir(strPath);
    return file.Open(strPath, kCreateForWriting) != FALSE;
}

bool WriteDocument(HGLOBAL hDocument, const CString& strPath, ReportEncoding encoding)
{
    LockedDocument document(hDocument);
    if (!document.IsLocked())
        return false;
    CFile file;
    if (!OpenReportFile(file, strPath))
        return false;
    bool bWritten = WriteReport(file, document.Text(), document.Length(), encoding);
    file.Close();
    // A report cut short by a full disk is no report.
    if (!bWritten)
        CFile::Remove(strPath);
    return bWritten;
}

}  // namespace

CString CFillHtml::FillInformation(LPCTSTR pszTemplate, CfField* pField, int nCount, char* pRecord)
{
    if (pRecord == nullptr)
        return CString();
    HGLOBAL hLoaded = LoadFile(pszTemplate);
    if (hLoaded == nullptr)
        return CString();
    ReportEncoding encoding = ReportEncoding::Utf8;
    HGLOBAL hTemplate = DecodeTemplate(hLoaded, size_t(m_nDocLength), encoding);
    if (hTemplate == nullptr)
        return CString();
    HGLOBAL hReport = FillInformation(hTemplate, pField, nCount, pRecord, L'[', L']');
    if (hReport == nullptr) {
        ::GlobalFree(hTemplate);
        return CString();
    }
    CString strPath = GetLocalPath()->GetExportFileName(kReportFileName);
    bool bWritten = WriteDocument(hReport, strPath, encoding);
    ::GlobalFree(hReport);
    return bWritten ? strPath : CString();
}
