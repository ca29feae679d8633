// A frame with a view that prints numbered pages, recording every step of the
// print cycle, for the suites of the framework's printing.
#pragma once

#include <string>
#include <vector>

#include "afxwin.h"

// What the view did; outlives the view, which deletes itself with its window.
struct PrintLog
{
    std::vector<std::wstring> steps;   // "prepare", "begin", "print 1", ..., "end"
    UINT pages = 2;                    // page count the view announces
    bool prepare = true;               // OnPreparePrinting's answer
    std::wstring docName;              // the spooler's document name
    int printerVertRes = 0;            // VERTRES seen in OnBeginPrinting
    bool endedByPreview = false;
};

class CPagesView : public CView
{
public:
    explicit CPagesView(PrintLog* pLog) : m_pLog(pLog) {}

    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    using CView::OnFilePrint;
    using CView::OnFilePrintPreview;

private:
    PrintLog* m_pLog;
    CFont m_font;
    CFont* m_pOldFont = nullptr;

    DECLARE_MESSAGE_MAP()
};

// A visible frame holding a CPagesView as its pane; both delete themselves
// when the frame is destroyed.
struct PagesFrame
{
    explicit PagesFrame(PrintLog* pLog, const wchar_t* title = L"QV print test");
    ~PagesFrame();
    CFrameWnd* frame = nullptr;
    CPagesView* view = nullptr;
    HWND hFrame = nullptr;
    HWND hView = nullptr;
};
