// The framework's print cycle on the PDF queue: the steps a view sees, the
// pages that come out, and the jobs that must not come out.
#include <gtest/gtest.h>

#include "print_view.h"
#include "qvtest.h"

namespace
{

class CPrintTestApp : public CWinApp
{
public:
    CPrintTestApp() : CWinApp(L"QVPrintCycleTests") {}
};
CPrintTestApp thePrintTestApp;

using Steps = std::vector<std::wstring>;

TEST(PrintCycle, DialogOkPrintsEveryPageInOrderOnThePdfQueue)
{
    PrintLog log;
    log.pages = 3;
    log.docName = qvtest::UniqueJobName(L"qv13_cycle");
    PagesFrame host(&log);
    ASSERT_TRUE(::IsWindow(host.hView));
    qvtest::PrintDialogAnswer dialog(IDOK);
    ::SendMessageW(host.hFrame, WM_COMMAND, ID_FILE_PRINT, 0);   // routed to the active view
    EXPECT_EQ(dialog.shown(), 1);
    EXPECT_EQ(log.steps, (Steps{L"prepare", L"begin", L"print 1", L"print 2", L"print 3", L"end"}));
    EXPECT_EQ(log.printerVertRes, 3508);   // A4 at 300 dpi

    const qvtest::PrintedJob job = qvtest::ReadPrintedJob(log.docName);
    ASSERT_FALSE(job.pdf.empty()) << "no PDF for " << qvtest::Utf8(log.docName);
    ASSERT_EQ(job.pages.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(job.pages[i].find(L"頁面 Page " + std::to_wstring(i + 1) + L" of 3"), std::wstring::npos)
            << qvtest::Utf8(job.pages[i]);
    EXPECT_TRUE(qvtest::PdfPageToPng(job.pdf, 1, 40, qvtest::OutputSubdir(L"screens") + L"\\afx-print-page1.png"));
}

TEST(PrintCycle, DirectPrintingUsesTheDefaultPrinterWithoutTheDialog)
{
    PrintLog log;
    log.pages = 1;
    log.docName = qvtest::UniqueJobName(L"qv13_direct");
    PagesFrame host(&log);
    qvtest::PrintDialogAnswer dialog(IDCANCEL);
    ::SendMessageW(host.hFrame, WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
    EXPECT_EQ(dialog.shown(), 0);
    EXPECT_EQ(log.steps, (Steps{L"prepare", L"begin", L"print 1", L"end"}));
    const qvtest::PrintedJob job = qvtest::ReadPrintedJob(log.docName);
    ASSERT_FALSE(job.pdf.empty());
    EXPECT_EQ(job.pages.size(), 1u);
}

// Jobs that must not reach the spooler: cancelled in the dialog, refused by
// the view, and with no pages. A job printed after them on the same queue
// proves the queue went past where their files would have been.
TEST(PrintCycle, CancelledRefusedAndEmptyJobsPrintNothing)
{
    qvtest::MessageBoxCapture boxes;
    PrintLog cancelled, refused, empty;
    cancelled.docName = qvtest::UniqueJobName(L"qv13_cancel");
    refused.docName = qvtest::UniqueJobName(L"qv13_refused");
    refused.prepare = false;
    empty.docName = qvtest::UniqueJobName(L"qv13_empty");
    empty.pages = 0;
    {
        PagesFrame host(&cancelled);
        qvtest::PrintDialogAnswer dialog(IDCANCEL);
        ::SendMessageW(host.hView, WM_COMMAND, ID_FILE_PRINT, 0);
        EXPECT_EQ(dialog.shown(), 1);
    }
    {
        PagesFrame host(&refused);
        ::SendMessageW(host.hView, WM_COMMAND, ID_FILE_PRINT, 0);
    }
    {
        PagesFrame host(&empty);
        ::SendMessageW(host.hView, WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
    }
    EXPECT_EQ(cancelled.steps, (Steps{L"prepare"}));
    EXPECT_EQ(refused.steps, (Steps{L"prepare"}));
    EXPECT_EQ(empty.steps, (Steps{L"prepare", L"begin", L"end"}));
    EXPECT_MESSAGE_BOXES(boxes);

    PrintLog marker;
    marker.pages = 1;
    marker.docName = qvtest::UniqueJobName(L"qv13_marker");
    PagesFrame host(&marker);
    ::SendMessageW(host.hView, WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
    ASSERT_FALSE(qvtest::WaitForPrintedPdf(marker.docName).empty());
    EXPECT_FALSE(qvtest::PrintedPdfExists(cancelled.docName));
    EXPECT_FALSE(qvtest::PrintedPdfExists(refused.docName));
    EXPECT_FALSE(qvtest::PrintedPdfExists(empty.docName));
}

TEST(PrintCycle, AMissingPrinterIsReportedAndNothingStarts)
{
    qvtest::MessageBoxCapture boxes;
    PrintLog log;
    log.docName = qvtest::UniqueJobName(L"qv13_noqueue");
    {
        qvtest::MissingPrinterSelected<CPrintTestApp> missing(thePrintTestApp);
        PagesFrame host(&log);
        ::SendMessageW(host.hView, WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
        ::SendMessageW(host.hView, WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
        // The view is back in its place: no preview was left in the frame.
        EXPECT_EQ(::GetDlgItem(host.hFrame, AFX_IDW_PANE_FIRST), host.hView);
    }
    EXPECT_EQ(log.steps, (Steps{L"prepare", L"prepare"}));
    EXPECT_MESSAGE_BOXES(boxes, L"The printer could not be opened.", L"The printer could not be opened.");
}

TEST(PrintCycle, FrameRoutesCommandsToItsViewAndBothDeleteThemselves)
{
    PrintLog log;
    log.prepare = false;
    PagesFrame host(&log);
    EXPECT_EQ(host.frame->GetActiveView(), host.view);
    EXPECT_EQ(host.view->GetParentFrame(), host.frame);
    RECT client, pane;
    ::GetClientRect(host.hFrame, &client);
    ::GetWindowRect(host.hView, &pane);
    EXPECT_EQ(pane.right - pane.left, client.right);
    EXPECT_EQ(pane.bottom - pane.top, client.bottom);
    ::SendMessageW(host.hFrame, WM_COMMAND, ID_FILE_PRINT, 0);
    EXPECT_EQ(log.steps, (Steps{L"prepare"}));
    ::SendMessageW(host.hFrame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(host.hFrame));
    EXPECT_EQ(CWnd::FromHandlePermanent(host.hView), nullptr);
}

}   // namespace
