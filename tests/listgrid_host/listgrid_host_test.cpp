// CNewListCtrl with bitmaps that the host program provides: the state images
// loaded by SetImageList(2), bitmap 129 behind short grids, the back bitmap.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "qvctrl.h"
#include "common/listctrl.h"
#include "qvtest.h"

namespace
{

const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kCyan = RGB(0, 255, 255);
const COLORREF kViolet = RGB(200, 180, 255);

// How many trace lines of CNewListCtrl::SetImageList the trace log holds.
int SetImageListTraceLines()
{
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring file(path);
    file = file.substr(0, file.find_last_of(L'\\') + 1) + L"QVTrace.log";
    std::ifstream in(file.c_str(), std::ios::binary);
    std::string line;
    int count = 0;
    while (std::getline(in, line))
        if (line.find("CNewListCtrl::SetImageList") != std::string::npos)
            ++count;
    return count;
}

class HostBitmapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), CWnd::FromHandle(host), 5));
        LVCOLUMN column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 120;
        column.pszText = const_cast<LPWSTR>(L"姓名");
        grid.InsertColumn(0, &column);
    }
    void paint(qvtest::MemoryCanvas& canvas)
    {
        ::SendMessageW(grid.GetSafeHwnd(), WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    }
    CRect client()
    {
        CRect rc;
        grid.GetClientRect(&rc);
        return rc;
    }

    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host;
    CNewListCtrl grid;
};

}   // namespace

TEST_F(HostBitmapTest, StateImagesComeFromTheHostsBitmap200)
{
    const int tracesBefore = SetImageListTraceLines();
    CImageList* states = grid.SetImageList(LISTIMAGE_STATE);
    ASSERT_NE(states, nullptr);
    EXPECT_EQ(states->GetImageCount(), 2);
    EXPECT_EQ(grid.GetImageList(LISTIMAGE_STATE), states);
    EXPECT_EQ(SetImageListTraceLines() - tracesBefore, 3) << "entry, loading point and exit";
    EXPECT_EQ(grid.SetImageList(LISTIMAGE_STATE), states) << "loaded once";
    EXPECT_EQ(grid.SetImageList(LISTIMAGE_NORMAL), nullptr);
    EXPECT_EQ(grid.GetImageList(LISTIMAGE_STATE), states);
    EXPECT_MESSAGE_BOXES(boxes);

    grid.AppendBlank(2);
    grid.SetItemText(0, 0, L"王小明");
    grid.SetItemState(1, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
    qvtest::MemoryCanvas canvas(client().Width(), client().Height());
    paint(canvas);
    canvas.save(L"listgrid_host_states");
    const int row1 = grid.RowToYPos(1);
    const RECT image{1, row1 + 1, 21, row1 + grid.GetRowHeight()};
    EXPECT_GT(canvas.countColor(image, kBlue), 30) << "state 2 shows image 1";
    EXPECT_EQ(canvas.countColor(image, RGB(255, 0, 0)), 0) << "the red background is masked";
    const int row0 = grid.RowToYPos(0);
    EXPECT_EQ(canvas.countColor(RECT{1, row0 + 1, 21, row0 + 20}, kGreen), 0) << "state 0 shows nothing";
}

TEST_F(HostBitmapTest, Bitmap129FillsBehindGridsOfFewerThanTwentyRows)
{
    grid.AppendBlank(3);
    qvtest::MemoryCanvas canvas(client().Width(), client().Height());
    paint(canvas);
    canvas.save(L"listgrid_host_pattern");
    const RECT below{0, grid.RowToYPos(4), client().Width(), client().Height()};
    const int patterned = canvas.countColor(below, kYellow) + canvas.countColor(below, kCyan);
    const int area = (below.right - below.left) * (below.bottom - below.top);
    EXPECT_EQ(patterned, area);
    EXPECT_EQ(canvas.countColor(RECT{130, grid.RowToYPos(0) + 1, 200, grid.RowToYPos(1)}, kYellow) +
                  canvas.countColor(RECT{130, grid.RowToYPos(0) + 1, 200, grid.RowToYPos(1)}, kCyan),
              0)
        << "a row's band is cleared across the whole width";

    grid.AppendBlank(30);
    canvas.fill(RGB(255, 255, 255));
    paint(canvas);
    EXPECT_EQ(canvas.countColor(kYellow) + canvas.countColor(kCyan), 0);
}

TEST_F(HostBitmapTest, BackBitmapIsTiledBehindTheRows)
{
    grid.MoveWindow(0, 0, 400, 700);
    grid.AppendBlank(22);   // enough rows to leave bitmap 129 out, too few to fill the height
    grid.SetBackBmp(130);
    qvtest::MemoryCanvas canvas(client().Width(), client().Height());
    paint(canvas);
    canvas.save(L"listgrid_host_back");
    const RECT below{0, grid.RowToYPos(22) + 1, client().Width(), client().Height()};
    ASSERT_GT(below.bottom, below.top);
    EXPECT_EQ(canvas.countColor(below, kViolet), (below.right - below.left) * (below.bottom - below.top));
    EXPECT_EQ(canvas.countColor(RECT{130, grid.RowToYPos(3) + 1, 200, grid.RowToYPos(4)}, kViolet), 0)
        << "rows clear their band with the list colour";

    grid.SetBackBmp(4321);   // missing: the list colour
    paint(canvas);
    EXPECT_EQ(canvas.countColor(kViolet), 0);
}
