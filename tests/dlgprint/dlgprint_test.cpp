// CDlgPrintDlg with its frame and view: preview and direct printing through
// the dialog's commands, the relayed messages, and the main window.
#include <gtest/gtest.h>

#include <cstddef>

#include "qvctrl.h"
#include "control/dlgprintdlg.h"
#include "control/printframe.h"
#include "qvtest.h"

namespace
{

class CDlgPrintTestApp : public CWinApp
{
public:
    CDlgPrintTestApp() : CWinApp(L"QVDlgPrintTests") {}
};
CDlgPrintTestApp theDlgPrintTestApp;

#pragma pack(push, 1)
struct Visit
{
    wchar_t name[10];
    double fee;
};
#pragma pack(pop)

class CVisitDlg : public CDlgPrintDlg
{
public:
    CVisitDlg()
    {
        SetPrintField(s_fields, 2);
        SetRecordLength(sizeof(Visit));
    }
    long GetRecordCount() override { return records; }
    CString GetItemText(long nRow, int nField) override
    {
        CString text;
        if (nField == 0)
            text.Format(L"訪客%03ld", nRow + 1);
        else
            text.Format(L"%ld.25", nRow + 10);
        return text;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_DLGPRINT_PRINTPAGE && message <= WM_DLGPRINT_ENDPRINTING)
        {
            seen.push_back(message);
            if (message == WM_DLGPRINT_BEGINPRINTING)
            {
                // The font the job prints in (Big5: the driver embeds the Ming face).
                auto* pDC = reinterpret_cast<CDC*>(wParam);
                font.DeleteObject();
                font.CreateFont(fontHeight != 0 ? fontHeight : -pDC->GetDeviceCaps(LOGPIXELSY) / 6, 0, 0, 0, FW_NORMAL,
                                0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
                pDC->SelectObject(&font);
            }
        }
        return CDlgPrintDlg::WindowProc(message, wParam, lParam);
    }
    static CfField s_fields[2];
    long records = 3;
    int fontHeight = 0;   // 0: a sixth of an inch
    std::vector<UINT> seen;
    CFont font;
};
CfField CVisitDlg::s_fields[2] = {
    // Wide enough that the title, a unique job name in the title font, is not cut.
    {20, L"姓名", offsetof(Visit, name), FIELD_TEXT, 0, 0, 0},
    {16, L"費用", offsetof(Visit, fee), FIELD_DOUBLE, 2, 0, 0},
};

HWND FindPreviewFrame()
{
    return ::FindWindowW(nullptr, L"Curve Print Preview");
}

struct DialogHost
{
    DialogHost()
    {
        main.CreateEx(0, nullptr, L"QV main window", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr);
        theDlgPrintTestApp.m_pMainWnd = &main;
        dialog.Create(IDD_DLGPRINTDLG, nullptr);
    }
    ~DialogHost()
    {
        if (HWND frame = FindPreviewFrame())
            ::DestroyWindow(frame);
        dialog.DestroyWindow();
        theDlgPrintTestApp.m_pMainWnd = nullptr;
        main.DestroyWindow();
    }
    void Click(UINT nID)
    {
        ::PostMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, nID)));
        qvtest::PumpMessages(100);
    }
    CWnd main;
    CVisitDlg dialog;
};

TEST(DlgPrint, PreviewFrameBecomesTheMainWindowAndGivesItBackWhenClosed)
{
    DialogHost host;
    ASSERT_TRUE(::IsWindow(host.dialog.m_hWnd));
    host.Click(ID_DLGPRINT_PREVIEW);
    const HWND hFrame = FindPreviewFrame();
    ASSERT_NE(hFrame, nullptr);
    auto* pFrame = static_cast<CPrintFrame*>(theDlgPrintTestApp.m_pMainWnd);
    EXPECT_EQ(pFrame->GetSafeHwnd(), hFrame);
    EXPECT_EQ(pFrame->m_pOwnerDialog, &host.dialog);
    EXPECT_EQ(pFrame->m_pOldMainWnd, &host.main);
    EXPECT_TRUE(::IsZoomed(hFrame));
    EXPECT_EQ(pFrame->m_pView->m_bCloseAfterPrinting, 0);
    // The frame's windows have their wrappers in the library's module.
    CPreviewView* pPreview = pFrame->GetPreview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pPreview->GetPageCount(), 1u);
    EXPECT_EQ(host.dialog.seen, (std::vector<UINT>{WM_DLGPRINT_BEGINPRINTING, WM_DLGPRINT_PRINTPAGE}));
    // The page as the dialog drew it: the caption as title, the rows, no page number.
    std::vector<std::wstring> texts;
    for (const auto& drawn : qvtest::ReadMetafile(pPreview->GetPageMetafile()).texts)
        texts.push_back(drawn.text);
    EXPECT_EQ(texts.front(), L"門診日報");
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"訪客003"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"12.25"), texts.end());
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::wstring& t) { return t.find(L"頁") != std::wstring::npos; }),
              0);
    qvtest::SaveWindowPng(hFrame, L"dlgprint-preview");

    ::PostMessageW(::GetDlgItem(pPreview->m_hWnd, AFX_ID_PREVIEW_CLOSE), BM_CLICK, 0, 0);
    qvtest::PumpMessages(100);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(theDlgPrintTestApp.m_pMainWnd, &host.main);
    EXPECT_EQ(host.dialog.seen.back(), static_cast<UINT>(WM_DLGPRINT_ENDPRINTING));
}

TEST(DlgPrint, DirectPrintingLeavesNoFrameAndPrintsTheCaptionAsTitle)
{
    DialogHost host;
    const std::wstring caption = qvtest::UniqueJobName(L"qv13dp");
    host.dialog.SetWindowText(caption.c_str());
    host.dialog.records = 40;   // two pages
    qvtest::PrintDialogAnswer answer(IDOK);
    host.Click(ID_DLGPRINT_WORKPRINT);
    EXPECT_EQ(answer.shown(), 1);
    EXPECT_EQ(FindPreviewFrame(), nullptr);
    EXPECT_EQ(theDlgPrintTestApp.m_pMainWnd, &host.main);
    EXPECT_EQ(host.dialog.seen, (std::vector<UINT>{WM_DLGPRINT_BEGINPRINTING, WM_DLGPRINT_PRINTPAGE,
                                                   WM_DLGPRINT_PRINTPAGE, WM_DLGPRINT_ENDPRINTING}));
    const qvtest::PrintedJob job = qvtest::ReadPrintedJob(caption);
    ASSERT_FALSE(job.pdf.empty());
    const auto& pages = job.pages;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find(caption), std::wstring::npos);
    EXPECT_NE(pages[0].find(L"打印日期："), std::wstring::npos);
    EXPECT_NE(pages[0].find(L"第1頁"), std::wstring::npos);
    EXPECT_NE(pages[1].find(L"訪客040"), std::wstring::npos);
    EXPECT_NE(pages[1].find(L"第2頁"), std::wstring::npos);
}

TEST(DlgPrint, CancelledDialogDestroysTheFrameAndPrintsNothing)
{
    DialogHost host;
    qvtest::PrintDialogAnswer answer(IDCANCEL);
    host.Click(ID_DLGPRINT_WORKPRINT);
    EXPECT_EQ(answer.shown(), 1);
    EXPECT_EQ(FindPreviewFrame(), nullptr);
    EXPECT_EQ(theDlgPrintTestApp.m_pMainWnd, &host.main);
    EXPECT_TRUE(host.dialog.seen.empty());

    // No records: the preview shows no page.
    host.dialog.records = 0;
    host.Click(ID_DLGPRINT_PREVIEW);
    const HWND hFrame = FindPreviewFrame();
    ASSERT_NE(hFrame, nullptr);
    CPreviewView* pPreview = static_cast<CPrintFrame*>(theDlgPrintTestApp.m_pMainWnd)->GetPreview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pPreview->GetPageCount(), 0u);
    ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(theDlgPrintTestApp.m_pMainWnd, &host.main);
}

}   // namespace

namespace
{

TEST(DlgPrint, PreviewStepsToTheSecondPageAndItsNumber)
{
    DialogHost host;
    host.dialog.records = 40;
    host.Click(ID_DLGPRINT_PREVIEW);
    const HWND hFrame = FindPreviewFrame();
    ASSERT_NE(hFrame, nullptr);
    CPreviewView* pPreview = static_cast<CPrintFrame*>(theDlgPrintTestApp.m_pMainWnd)->GetPreview();
    ASSERT_NE(pPreview, nullptr);
    const UINT rows = static_cast<UINT>(host.dialog.m_nRowsPerPage);
    ASSERT_LT(rows, 40u);
    EXPECT_EQ(pPreview->GetPageCount(), (40 + rows - 1) / rows);
    auto pageTexts = [&]
    {
        std::vector<std::wstring> texts;
        for (const auto& drawn : qvtest::ReadMetafile(pPreview->GetPageMetafile()).texts)
            texts.push_back(drawn.text);
        return texts;
    };
    auto has = [](const std::vector<std::wstring>& texts, const std::wstring& text)
    { return std::find(texts.begin(), texts.end(), text) != texts.end(); };
    const auto first = pageTexts();
    EXPECT_TRUE(has(first, L"第1頁"));
    EXPECT_TRUE(has(first, L"訪客001"));
    EXPECT_FALSE(has(first, L"訪客040"));

    ::PostMessageW(::GetDlgItem(pPreview->m_hWnd, AFX_ID_PREVIEW_NEXT), BM_CLICK, 0, 0);
    qvtest::PumpMessages(100);
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
    const auto second = pageTexts();
    EXPECT_TRUE(has(second, L"第2頁"));
    EXPECT_TRUE(has(second, L"門診日報"));   // every page has the title
    wchar_t firstOfPage[16];
    swprintf(firstOfPage, 16, L"訪客%03u", rows + 1);
    EXPECT_TRUE(has(second, firstOfPage));

    ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(theDlgPrintTestApp.m_pMainWnd, &host.main);
}

TEST(DlgPrint, PaperTooShortForOneRowPrintsNothing)
{
    // A font as tall as the page leaves no room for a row.
    qvtest::MessageBoxCapture boxes;
    DialogHost host;
    HDC hdc = ::CreateDCW(nullptr, L"PDF", nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    CDC dc;
    dc.Attach(hdc);
    host.dialog.fontHeight = -dc.GetDeviceCaps(VERTRES) / 4;
    CPrintInfo info;
    EXPECT_EQ(host.dialog.SendMessage(WM_DLGPRINT_BEGINPRINTING, reinterpret_cast<WPARAM>(&dc),
                                      reinterpret_cast<LPARAM>(&info)),
              1);
    EXPECT_LT(host.dialog.m_nRowsPerPage, 1);
    EXPECT_EQ(info.GetMaxPage(), 0u);
    EXPECT_MESSAGE_BOXES(boxes, L"Paper is too short!");
    ::DeleteDC(dc.Detach());
}

}   // namespace

namespace
{

TEST(DlgPrint, AMissingPrinterIsToldOnceAndLeavesNoFrame)
{
    qvtest::MessageBoxCapture boxes;
    DialogHost host;
    {
        qvtest::MissingPrinterSelected<CDlgPrintTestApp> missing(theDlgPrintTestApp);
        host.Click(ID_DLGPRINT_PREVIEW);
    }
    EXPECT_EQ(FindPreviewFrame(), nullptr);
    EXPECT_EQ(theDlgPrintTestApp.m_pMainWnd, &host.main);
    EXPECT_TRUE(host.dialog.seen.empty());
    EXPECT_MESSAGE_BOXES(boxes, L"The printer could not be opened.");
}

}   // namespace
