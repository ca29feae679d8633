// CHeadWnd: painting, read back from pixels and from metafile records.
#include "headwnd_fixture.h"

using headtest::HeadWndTest;
using headtest::Item;
using headtest::PaintInto;

namespace {

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kLightGrey = RGB(224, 224, 224);
const COLORREF kDarkGrey = RGB(128, 128, 128);

void RecordHeader(CHeadWnd& head, qvtest::MetafileRecorder& recorder)
{
    recorder.record([&](HDC hdc) {
        CDC dc;
        dc.Attach(hdc);
        head.OnDraw(&dc);
        dc.Detach();
    });
}

// The texts drawn, without the empty string that follows the items.
std::vector<std::wstring> VisibleTexts(const qvtest::MetafileRecorder& recorder)
{
    std::vector<std::wstring> texts;
    for (const std::wstring& text : recorder.texts())
        if (!text.empty())
            texts.push_back(text);
    return texts;
}

}  // namespace

TEST_F(HeadWndTest, EmptyHeaderIsBlueFromTheLeftEdge)
{
    qvtest::MemoryCanvas canvas(400, 24, kWhite);
    PaintInto(head, canvas);
    EXPECT_EQ(canvas.countColor(kBlue), 400 * 24);
}

TEST_F(HeadWndTest, ItemsHaveATwoPixelBevelAndTheRestIsBlue)
{
    head.InsertItem(-1, Item(L"姓名", 100));
    head.InsertItem(-1, Item(L"", 80));
    head.SetBkColor(RGB(10, 200, 30));
    qvtest::MemoryCanvas canvas(400, 24, kWhite);
    PaintInto(head, canvas);
    canvas.save(L"headwnd_bevel");

    // Outer step: white left and top, black bottom and right.
    EXPECT_EQ(canvas.pixel(0, 12), kWhite);
    EXPECT_EQ(canvas.pixel(50, 0), kWhite);
    EXPECT_EQ(canvas.pixel(99, 12), kBlack);
    EXPECT_EQ(canvas.pixel(50, 23), kBlack);
    // Inner step: light grey left and top, dark grey bottom and right.
    EXPECT_EQ(canvas.pixel(1, 12), kLightGrey);
    EXPECT_EQ(canvas.pixel(50, 1), kLightGrey);
    EXPECT_EQ(canvas.pixel(98, 12), kDarkGrey);
    EXPECT_EQ(canvas.pixel(50, 22), kDarkGrey);
    // The face of the empty second item is the background colour.
    EXPECT_EQ(canvas.countColor(RECT{102, 2, 178, 22}, RGB(10, 200, 30)), 76 * 20);
    EXPECT_EQ(canvas.pixel(100, 12), kWhite);
    EXPECT_EQ(canvas.pixel(179, 12), kBlack);
    // Right of the last item.
    EXPECT_EQ(canvas.countColor(RECT{180, 0, 400, 24}, kBlue), 220 * 24);
    EXPECT_EQ(canvas.countColor(RECT{0, 0, 180, 24}, kBlue), 0);
}

TEST_F(HeadWndTest, TwoRowHeaderPlacesGroupsAboveAndLowerItemsBelow)
{
    head.InsertItem(-1, Item(L"病歷號", 100));
    head.InsertItem(-1, Item(L"住址", 0, 150));
    head.InsertItem(-1, Item(L"縣市", 70, HEADLEVEL_LOWER));
    head.InsertItem(-1, Item(L"街道", 80, HEADLEVEL_LOWER));
    head.InsertItem(-1, Item(L"", 0));   // full height, no width: not drawn
    qvtest::MemoryCanvas canvas(400, 48, kWhite);
    PaintInto(head, canvas);
    canvas.save(L"headwnd_two_rows");

    EXPECT_EQ(canvas.pixel(0, 40), kWhite) << "a full-height item reaches the bottom";
    EXPECT_EQ(canvas.pixel(50, 47), kBlack);
    EXPECT_EQ(canvas.pixel(100, 0), kWhite) << "group caption: top edge";
    EXPECT_EQ(canvas.pixel(150, 23), kBlack) << "group caption: bottom of the upper row";
    EXPECT_EQ(canvas.pixel(249, 10), kBlack) << "group caption: right edge at its span";
    EXPECT_EQ(canvas.pixel(100, 24), kWhite) << "lower item: starts at the row height";
    EXPECT_EQ(canvas.pixel(169, 30), kBlack);
    EXPECT_EQ(canvas.pixel(170, 30), kWhite);
    EXPECT_EQ(canvas.pixel(249, 30), kBlack);
    EXPECT_EQ(canvas.countColor(RECT{250, 0, 400, 48}, kBlue), 150 * 48);

    qvtest::MetafileRecorder recorder;
    RecordHeader(head, recorder);
    EXPECT_EQ(VisibleTexts(recorder), (std::vector<std::wstring>{L"病歷號", L"住址", L"縣市", L"街道"}));
    const qvtest::DrawnText* group = recorder.findText(L"住址");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->face, L"新細明體");
    EXPECT_EQ(group->height, 16) << "row height 24 less 8";
    EXPECT_LT(group->origin.y, 24);
    EXPECT_GE(recorder.findText(L"縣市")->origin.y, 24);
}

TEST_F(HeadWndTest, CaptionsShowAtMost99CharactersCentred)
{
    std::wstring caption(100000, L'欄');
    head.InsertItem(-1, Item(caption.c_str(), 300));
    qvtest::MetafileRecorder recorder;
    RecordHeader(head, recorder);
    ASSERT_EQ(VisibleTexts(recorder).size(), 1u);
    EXPECT_EQ(VisibleTexts(recorder)[0], std::wstring(99, L'欄'));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(HeadWndTest, PrintClientPaintsLikeThePaintMessage)
{
    head.InsertItem(-1, Item(L"姓名", 100));
    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recorder.recordPrintClient(head.GetSafeHwnd(), PRF_CLIENT));
    EXPECT_EQ(VisibleTexts(recorder), std::vector<std::wstring>{L"姓名"});
    EXPECT_FALSE(recorder.fillsWithColor(kBlue).empty());
}

TEST_F(HeadWndTest, TallRowsKeepTheDeviceContextsFontUnlessAskedOtherwise)
{
    head.SetHeight(30);
    head.InsertItem(-1, Item(L"Name", 100));
    qvtest::MetafileRecorder tall;
    RecordHeader(head, tall);
    ASSERT_NE(tall.findText(L"Name"), nullptr);
    EXPECT_NE(tall.findText(L"Name")->face, L"新細明體");

    head.SetOwnFont(1);
    qvtest::MetafileRecorder own;
    RecordHeader(head, own);
    ASSERT_NE(own.findText(L"Name"), nullptr);
    EXPECT_EQ(own.findText(L"Name")->face, L"新細明體");
    EXPECT_EQ(own.findText(L"Name")->height, 22);
}

TEST_F(HeadWndTest, NegativeLevelIsReportedWhilePainting)
{
    head.InsertItem(-1, Item(L"A", 50));
    head.GetHeadParam(0)->nLevel = -1;
    qvtest::MemoryCanvas canvas(400, 24, kWhite);
    PaintInto(head, canvas);
    EXPECT_MESSAGE_BOXES(boxes, L"System error for HeadCtrl y");
    EXPECT_EQ(canvas.countColor(RECT{50, 0, 400, 24}, kBlue), 350 * 24);
}

TEST_F(HeadWndTest, WindowPaintsItselfOnScreen)
{
    head.InsertItem(-1, Item(L"病歷號", 100));
    head.InsertItem(-1, Item(L"住址", 0, 150));
    head.InsertItem(-1, Item(L"縣市", 70, HEADLEVEL_LOWER));
    head.InsertItem(-1, Item(L"街道", 80, HEADLEVEL_LOWER));
    ::ShowWindow(host, SW_SHOW);
    ::UpdateWindow(host);
    qvtest::PumpMessages(50);
    const qvtest::PixelImage shot = qvtest::CaptureWindow(head.GetSafeHwnd());
    qvtest::SaveWindowPng(host, L"headwnd_window");
    ASSERT_FALSE(shot.empty());
    EXPECT_EQ(shot.pixel(shot.width - 1, 10), kBlue);
    EXPECT_EQ(shot.pixel(0, 10), kWhite);
}
