#include "print_view.h"

BEGIN_MESSAGE_MAP(CPagesView, CView)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

BOOL CPagesView::OnPreparePrinting(CPrintInfo* pInfo)
{
    m_pLog->steps.push_back(L"prepare");
    pInfo->SetMaxPage(m_pLog->pages);
    pInfo->m_strDocName = m_pLog->docName.c_str();
    if (!m_pLog->prepare)
        return FALSE;
    return DoPreparePrinting(pInfo);
}

void CPagesView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_pLog->steps.push_back(L"begin");
    m_pLog->printerVertRes = pDC->GetDeviceCaps(VERTRES);
    // The page count is known once the printer is (a page model needs it).
    pInfo->SetMaxPage(m_pLog->pages);
    // A Ming face of 5 mm, as the record printouts use.
    m_font.CreateFont(-pDC->GetDeviceCaps(LOGPIXELSY) * 5 / 25, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0,
                      0, 0, L"新細明體");
    m_pOldFont = pDC->SelectObject(&m_font);
}

void CPagesView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    m_pLog->steps.push_back(L"print " + std::to_wstring(pInfo->m_nCurPage));
    CString text;
    text.Format(L"頁面 Page %u of %u", pInfo->m_nCurPage, pInfo->GetMaxPage());
    pDC->TextOut(pInfo->m_rectDraw.Width() / 10, pInfo->m_rectDraw.Height() / 10, text);
    pDC->MoveTo(pInfo->m_rectDraw.Width() / 10, pInfo->m_rectDraw.Height() / 5);
    pDC->LineTo(pInfo->m_rectDraw.Width() * 9 / 10, pInfo->m_rectDraw.Height() / 5);
}

void CPagesView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_pLog->steps.push_back(pInfo->m_bPreview ? L"end preview" : L"end");
    if (m_pOldFont != nullptr)
        pDC->SelectObject(m_pOldFont);
    m_pOldFont = nullptr;
    m_font.DeleteObject();
}

PagesFrame::PagesFrame(PrintLog* pLog, const wchar_t* title)
{
    frame = new CFrameWnd;
    if (!frame->Create(nullptr, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 840, 640)))
        return;
    hFrame = frame->m_hWnd;
    view = new CPagesView(pLog);
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST))
        return;
    hView = view->m_hWnd;
    frame->SetActiveView(view);
    frame->RecalcLayout();
}

PagesFrame::~PagesFrame()
{
    if (::IsWindow(hFrame))
        ::DestroyWindow(hFrame);
}
