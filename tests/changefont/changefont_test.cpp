// CChangeFont on real device contexts, with its settings read through the
// companion library.
#include <gtest/gtest.h>

#include "qvctrl.h"
#include "common/changefont.h"
#include "qvtest.h"

namespace
{

LOGFONT CurrentFont(CDC& dc)
{
    LOGFONT lf = {};
    ::GetObjectW(::GetCurrentObject(dc.m_hDC, OBJ_FONT), sizeof lf, &lf);
    return lf;
}

// A memory DC with a 20-pixel Tahoma selected.
struct FontDC
{
    FontDC()
    {
        dc.CreateCompatibleDC(nullptr);
        base.CreateFont(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        dc.SelectObject(&base);
    }
    CDC dc;
    CFont base;
};

void SetScaleSettings(int nFunction, const wchar_t* scale, long leftMargin)
{
    CString section;
    section.Format(L"Function%d", nFunction);
    GetLocalPath()->SetIni(section, L"Scale", scale);
    GetLocalPath()->SetIniLong(section, L"LeftMargin", leftMargin);
}

TEST(ChangeFont, InitScaleReadsScaleAndMarginPerFunction)
{
    struct Row
    {
        const wchar_t* scale;
        long margin;
        double expectScale;
        int expectMargin;
    };
    const Row rows[] = {
        {L"1.5", 0, 1.5, 5}, {L"0", 1, 1.0, 0}, {L"-1", 0, 1.0, 5}, {L"", 7, 1.0, 0}, {L"abc", 0, 1.0, 5},
    };
    for (const Row& row : rows)
    {
        SetScaleSettings(913, row.scale, row.margin);
        CChangeFont font;
        font.m_dScale = 9;
        font.InitScale(913);
        EXPECT_DOUBLE_EQ(font.m_dScale, row.expectScale) << qvtest::Utf8(row.scale);
        EXPECT_EQ(font.m_nLeftMargin, row.expectMargin) << qvtest::Utf8(row.scale);
    }
    CChangeFont missing;
    missing.InitScale(914000);   // a section nobody wrote
    EXPECT_DOUBLE_EQ(missing.m_dScale, 1.0);
    EXPECT_EQ(missing.m_nLeftMargin, 5);
}

TEST(ChangeFont, EachChangeDerivesFromTheCurrentFontAndResetPutsItBack)
{
    FontDC d;
    const HGDIOBJ hBase = d.base.m_hObject;
    SetScaleSettings(915, L"1.5", 0);
    CChangeFont font;
    font.InitScale(915);

    ASSERT_EQ(font.ChangeFont(&d.dc, 10), 1);
    LOGFONT lf = CurrentFont(d.dc);
    EXPECT_EQ(lf.lfHeight, 15);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfWeight, FW_LIGHT);
    EXPECT_STREQ(lf.lfFaceName, L"新細明體");
    font.ResetFont(&d.dc);
    EXPECT_EQ(::GetCurrentObject(d.dc.m_hDC, OBJ_FONT), hBase);
    EXPECT_EQ(font.m_font.m_hObject, nullptr);

    ASSERT_EQ(font.ChangeFont(&d.dc, 7), 1);   // 10.5 is cut to 10
    EXPECT_EQ(CurrentFont(d.dc).lfHeight, 10);
    font.ResetFont(&d.dc);

    const int heightOfW = d.dc.GetTextExtent(L"W", 1).cy;
    ASSERT_EQ(font.ChangeFontWeight(&d.dc, FW_HEAVY), 1);
    lf = CurrentFont(d.dc);
    EXPECT_EQ(lf.lfHeight, heightOfW);
    EXPECT_EQ(lf.lfWeight, FW_HEAVY);
    EXPECT_STREQ(lf.lfFaceName, L"新細明體");
    font.ResetFont(&d.dc);

    ASSERT_EQ(font.ChangeFontWeightName(&d.dc, FW_NORMAL, 1.5, L"Courier New"), 1);
    lf = CurrentFont(d.dc);
    EXPECT_EQ(lf.lfHeight, static_cast<long>(heightOfW * 1.5));
    EXPECT_STREQ(lf.lfFaceName, L"Courier New");
    font.ResetFont(&d.dc);

    ASSERT_EQ(font.ChangeFontByRatio(&d.dc, 0.55), 1);
    lf = CurrentFont(d.dc);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);   // kept
    EXPECT_STREQ(lf.lfFaceName, L"新細明體");
    font.ResetFont(&d.dc);
    EXPECT_EQ(::GetCurrentObject(d.dc.m_hDC, OBJ_FONT), hBase);
}

TEST(ChangeFont, MetricsAndFailures)
{
    qvtest::MessageBoxCapture boxes;
    FontDC d;
    CChangeFont font;
    TEXTMETRIC tm;
    d.dc.GetTextMetrics(&tm);
    EXPECT_EQ(font.GetFontHeight(&d.dc), tm.tmHeight);
    font.GetMetrics(&d.dc);
    EXPECT_EQ(font.m_nHorzRes, ::GetDeviceCaps(d.dc.m_hDC, HORZRES));

    // A DC object without a device: no metrics, no font description.
    CDC none;
    EXPECT_EQ(font.GetFontHeight(&none), 24);
    EXPECT_EQ(font.ChangeFont(&none, 10), 0);
    EXPECT_EQ(font.m_font.m_hObject, nullptr);
    EXPECT_MESSAGE_BOXES(boxes, L"不能讀字模參數");
    font.ResetFont(&none);
    boxes.clear();

    // Destroyed with a change outstanding: one warning.
    {
        CChangeFont forgotten;
        ASSERT_EQ(forgotten.ChangeFont(&d.dc, 12), 1);
        d.dc.SelectObject(&d.base);   // the DC lets go of the font before it is destroyed
    }
    EXPECT_MESSAGE_BOXES(boxes, L"沒有正確釋放字模");
}

}   // namespace
