// A list printer of patient records given as texts, as an application
// derives one, and a view that drives it through the framework's print cycle.
#pragma once

#include <string>
#include <vector>

#include "qvctrl.h"
#include "control/listprint.h"

#pragma pack(push, 1)
struct PatientRecord
{
    wchar_t name[12];
    wchar_t idCard[12];
    __time64_t birth;   // type 17
    double fee;         // type 3
    int visits;         // type 11
    int insured;        // type 29
};
#pragma pack(pop)

class CPatientPrint : public CListPrint
{
public:
    CPatientPrint();
    long GetRecordCount() override { return m_nRecords; }
    long GetRecordLength() override { return sizeof(PatientRecord); }
    CString GetItemText(long nRow, int nField) override;
    // A 新細明體 body font of size number 10, then the page model.
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void EndJob(CDC* pDC);

    static CfField s_fields[7];
    long m_nRecords = 0;
    CFont m_font;
    CFont* m_pOldFont = nullptr;
};

class CPatientView : public CView
{
public:
    explicit CPatientView(CPatientPrint* pPrint, std::wstring docName) : m_pPrint(pPrint), m_docName(std::move(docName))
    {
    }
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override { m_pPrint->OnBeginPrinting(pDC, pInfo); }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override { m_pPrint->OnPrint(pDC, pInfo); }
    void OnEndPrinting(CDC* pDC, CPrintInfo*) override { m_pPrint->EndJob(pDC); }
    using CView::OnFilePrint;
    using CView::OnFilePrintPreview;

private:
    CPatientPrint* m_pPrint;
    std::wstring m_docName;
};

// Prints the records directly (default printer) in a frame and view made
// for the job; the name of the job is docName.
void PrintDirect(CPatientPrint* pPrint, const std::wstring& docName);
