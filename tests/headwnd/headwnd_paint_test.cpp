// CHeadWnd: painting, read back from pixels and from metafile records.
#include "headwnd_fixture.h"

using headtest::HeadWndTest;
using headtest::Item;

namespace
{
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kLightGrey = RGB(224, 224, 224);
const COLORREF kDarkGrey = RGB(128, 128, 128);
struct PixelCase
{
    int x, y;
    COLORREF colour;
    const char* what;
};
void ExpectPixels(const qvtest::MemoryCanvas& canvas, std::initializer_list<PixelCase> cases)
{
    for (const PixelCase& c : cases)
        EXPECT_EQ(canvas.pixel(c.x, c.y), c.colour) << c.what << " at " << c.x << "," << c.y;
}
}   // namespace

TEST_F(HeadWndTest, ItemsHaveATwoPixelBevelAndTheRestIsBlue)
{
    qvtest::MemoryCanvas canvas(400, 24);
    paintInto(canvas);
    EXPECT_EQ(canvas.countColor(kBlue), 400 * 24) << "an empty header is blue from the left edge";
    append({Item(L"姓名", 100), Item(L"", 80)});
    head.SetBkColor(RGB(10, 200, 30));
    paintInto(canvas);
    canvas.save(L"headwnd_bevel");
    ExpectPixels(canvas, {{0, 12, kWhite, "outer left"},
                          {50, 23, kBlack, "outer bottom"},
                          {50, 1, kLightGrey, "inner top"},
                          {98, 12, kDarkGrey, "inner right"},
                          {100, 12, kWhite, "second item"},
                          {179, 12, kBlack, "second item"}});
    EXPECT_EQ(canvas.countColor(RECT{102, 2, 178, 22}, RGB(10, 200, 30)), 76 * 20) << "the face: background colour";
    EXPECT_EQ(canvas.countColor(RECT{180, 0, 400, 24}, kBlue), 220 * 24);
    ::ShowWindow(host, SW_SHOW);   // WM_PAINT on screen draws what WM_PRINTCLIENT drew
    ::UpdateWindow(host);
    qvtest::PumpMessages(50);
    const qvtest::PixelImage shot = qvtest::CaptureWindow(head.GetSafeHwnd());
    ASSERT_FALSE(shot.empty());
    for (const POINT& p : {POINT{0, 12}, POINT{98, 12}, POINT{300, 10}})
        EXPECT_EQ(shot.pixel(p.x, p.y), canvas.pixel(p.x, p.y)) << p.x << "," << p.y;
    // An item whose level went negative is reported and left out; the rest still paints.
    head.GetHeadParam(0)->nLevel = -1;
    paintInto(canvas);
    EXPECT_MESSAGE_BOXES(boxes, L"System error for HeadCtrl y");
    EXPECT_EQ(canvas.countColor(RECT{0, 0, 100, 24}, RGB(10, 200, 30)), 100 * 24);
    EXPECT_EQ(canvas.pixel(179, 12), kBlack);
}

TEST_F(HeadWndTest, TwoRowHeaderPlacesGroupsAboveAndLowerItemsBelow)
{
    appendGroupHeader();
    EXPECT_EQ(head.GetHeight(), 48);
    EXPECT_EQ(HIWORD(host.messagesOf(UM_HEADSIZE).back().lParam), 48) << "the parent learns both rows";
    head.InsertItem(-1, Item(L"", 0));   // full height, no width: not drawn
    qvtest::MemoryCanvas canvas(400, 48);
    paintInto(canvas);
    canvas.save(L"headwnd_two_rows");
    ExpectPixels(canvas, {{50, 47, kBlack, "full-height item: bottom"},
                          {150, 23, kBlack, "group caption: bottom of the upper row"},
                          {249, 10, kBlack, "group caption: right edge at its span"},
                          {100, 24, kWhite, "lower item: starts at the row height"},
                          {169, 30, kBlack, "lower item: right edge"},
                          {299, 30, kBlack, "last item: right edge"}});
    EXPECT_EQ(canvas.countColor(RECT{300, 0, 400, 48}, kBlue), 100 * 48);
    qvtest::MetafileRecorder recorder;
    record(recorder);
    EXPECT_EQ(recorder.texts(), (std::vector<std::wstring>{L"病歷號", L"住址", L"縣市", L"街道", L"電話"}));
    const qvtest::DrawnText* group = recorder.findText(L"住址");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->face, L"新細明體");
    EXPECT_EQ(group->height, 16) << "row height 24 less 8";
    EXPECT_LT(group->origin.y, 24);
    EXPECT_GE(recorder.findText(L"縣市")->origin.y, 24);
}

TEST_F(HeadWndTest, HugeCaptionIsStoredWholeAndShowsAtMost99Characters)
{
    const std::wstring caption(100000, L'欄');
    head.InsertItem(-1, Item(caption.c_str(), 300));
    head.SetItemText(0, CString(caption.c_str()));
    EXPECT_EQ(wcslen(head.GetHeadParam(0)->pszText), 100000u);
    qvtest::MetafileRecorder recorder;
    record(recorder);
    EXPECT_EQ(recorder.texts(), std::vector<std::wstring>{std::wstring(99, L'欄')});
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(HeadWndTest, TallRowsKeepTheDeviceContextsFontUnlessAskedOtherwise)
{
    head.SetHeight(30);
    head.InsertItem(-1, Item(L"Name", 100));
    qvtest::MetafileRecorder recorder;
    record(recorder);
    ASSERT_NE(recorder.findText(L"Name"), nullptr);
    EXPECT_NE(recorder.findText(L"Name")->face, L"新細明體");
    head.SetOwnFont(1);
    record(recorder);
    ASSERT_NE(recorder.findText(L"Name"), nullptr);
    EXPECT_EQ(recorder.findText(L"Name")->face, L"新細明體");
    EXPECT_EQ(recorder.findText(L"Name")->height, 22);
}

// A header made far larger than its parent (as a grid's enlarging does with
// wide columns) prints only the part its parent shows: the rest of the
// caller's bitmap stays as it was.
TEST_F(HeadWndTest, PrintingPaintsOnlyThePartTheParentShows)
{
    append({Item(L"病歷號", 300), Item(L"電話", 2700)});
    head.SetBkColor(RGB(10, 200, 30));
    head.SetWindowPos(nullptr, 0, 0, 3000, 1500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcShown;
    ::GetClientRect(host, &rcShown);
    ASSERT_LT(rcShown.right, 3000);
    ASSERT_LT(rcShown.bottom, 1500);

    const COLORREF kUntouched = RGB(1, 2, 3);
    qvtest::MemoryCanvas canvas(3000, 1500, kUntouched);
    paintInto(canvas);
    EXPECT_EQ(canvas.countColor(rcShown, kUntouched), 0);
    EXPECT_EQ(CRect(canvas.boundsOfNot(kUntouched)), rcShown);
    ExpectPixels(canvas, {{0, 0, kWhite, "the first item's bevel"},
                          {300, 0, kWhite, "the second item's bevel"},
                          {rcShown.right - 1, 5, RGB(10, 200, 30), "the second item's face at the parent's edge"}});
    EXPECT_MESSAGE_BOXES(boxes);
}
