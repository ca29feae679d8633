// The framework's print preview: pages drawn by the view at scale, stepped,
// zoomed and closed through its own buttons and keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "print_view.h"
#include "qvtest.h"

namespace
{

using Steps = std::vector<std::wstring>;

CPreviewView* PreviewOf(HWND hFrame)
{
    CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(hFrame, AFX_IDW_PANE_FIRST));
    return pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CPreviewView)) ? static_cast<CPreviewView*>(pPane)
                                                                            : nullptr;
}

std::vector<std::wstring> PageTexts(const CPreviewView* pPreview)
{
    std::vector<std::wstring> texts;
    for (const auto& drawn : qvtest::ReadMetafile(pPreview->GetPageMetafile()).texts)
        texts.push_back(drawn.text);
    return texts;
}

// Clicks a button of the preview's bar as a user would: through the message loop.
void Click(HWND hPreview, UINT nID)
{
    HWND hButton = ::GetDlgItem(hPreview, nID);
    ASSERT_NE(hButton, nullptr);
    ::PostMessageW(hButton, BM_CLICK, 0, 0);
    qvtest::PumpMessages(50);
}

TEST(PrintPreview, ShowsStepsZoomsAndClosesBackToTheView)
{
    PrintLog log;
    log.pages = 3;
    PagesFrame host(&log, L"QV preview test");
    qvtest::PrintDialogAnswer dialog(IDCANCEL);
    ::SendMessageW(host.hFrame, WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
    EXPECT_EQ(dialog.shown(), 0);   // a preview asks for no printer
    CPreviewView* pPreview = PreviewOf(host.hFrame);
    ASSERT_NE(pPreview, nullptr);
    const HWND hPreview = pPreview->m_hWnd;
    EXPECT_FALSE(::IsWindowVisible(host.hView));
    EXPECT_EQ(pPreview->GetPageCount(), 3u);
    EXPECT_EQ(pPreview->GetCurrentPage(), 1u);
    EXPECT_EQ(PageTexts(pPreview), (Steps{L"頁面 Page 1 of 3"}));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPreview, AFX_ID_PREVIEW_PREV)));

    // The whole page fits, in the printer's proportions (A4).
    const CRect wholePage = pPreview->GetPageRect();
    CRect client;
    ::GetClientRect(hPreview, &client);
    EXPECT_LE(wholePage.bottom, client.bottom);
    EXPECT_NEAR(static_cast<double>(wholePage.Height()) / wholePage.Width(), 3508.0 / 2479.0, 0.02);
    qvtest::SaveWindowPng(host.hFrame, L"afx-print-preview");
    // The page is painted: black text on white paper inside the page rectangle.
    const qvtest::PixelImage shot = qvtest::CaptureWindow(hPreview);
    int dark = 0;
    for (int y = wholePage.top + 2; y < wholePage.top + wholePage.Height() / 4; ++y)
        for (int x = wholePage.left + 2; x < wholePage.right - 2; ++x)
            dark += shot.pixel(x, y) == RGB(0, 0, 0);
    EXPECT_GT(dark, 10);

    Click(hPreview, AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
    EXPECT_EQ(PageTexts(pPreview), (Steps{L"頁面 Page 2 of 3"}));
    ::PostMessageW(hPreview, WM_KEYDOWN, VK_NEXT, 0);
    qvtest::PumpMessages(50);
    EXPECT_EQ(pPreview->GetCurrentPage(), 3u);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPreview, AFX_ID_PREVIEW_NEXT)));
    EXPECT_FALSE(pPreview->GoToPage(4));
    EXPECT_EQ(pPreview->GetCurrentPage(), 3u);
    Click(hPreview, AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);

    Click(hPreview, AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(pPreview->GetZoom(), 1);
    EXPECT_EQ(pPreview->GetPageRect().Width(), wholePage.Width() * 2);
    Click(hPreview, AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(pPreview->GetPageRect(), wholePage);

    // Pages were drawn once each time they were shown; the job ends once.
    Click(hPreview, AFX_ID_PREVIEW_CLOSE);
    EXPECT_FALSE(::IsWindow(hPreview));
    EXPECT_EQ(::GetDlgItem(host.hFrame, AFX_IDW_PANE_FIRST), host.hView);
    EXPECT_TRUE(::IsWindowVisible(host.hView));
    EXPECT_EQ(log.steps, (Steps{L"prepare", L"begin", L"print 1", L"print 2", L"print 3", L"print 2", L"end preview"}));
}

TEST(PrintPreview, EscapeAndClosingTheFrameEndTheJobOnce)
{
    PrintLog log;
    log.pages = 0;
    PagesFrame host(&log);
    ::SendMessageW(host.hView, WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
    CPreviewView* pPreview = PreviewOf(host.hFrame);
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pPreview->GetPageCount(), 0u);
    EXPECT_EQ(pPreview->GetPageMetafile(), nullptr);
    ::SendMessageW(pPreview->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(PreviewOf(host.hFrame), nullptr);
    EXPECT_EQ(log.steps, (Steps{L"prepare", L"begin", L"end preview"}));

    // Closing the frame during a preview closes the preview first.
    log.pages = 1;
    ::SendMessageW(host.hView, WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
    ASSERT_NE(PreviewOf(host.hFrame), nullptr);
    ::SendMessageW(host.hFrame, WM_CLOSE, 0, 0);
    EXPECT_EQ(PreviewOf(host.hFrame), nullptr);
    EXPECT_TRUE(::IsWindow(host.hFrame));
    EXPECT_EQ(log.steps.back(), L"end preview");
    EXPECT_EQ(std::count(log.steps.begin(), log.steps.end(), L"end preview"), 2);
}

}   // namespace
