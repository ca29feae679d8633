// The sort and search dialogs on the program's templates 154 and 176, run
// modally and answered from inside their modal loops.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "buttons_ids.h"
#include "dialog_script.h"
#include "message_pump.h"
#include "qvctrl.h"
#include "window_capture.h"

namespace
{

struct Patient
{
    int nID;
    wchar_t szName[12];
    int nBirth;
    wchar_t szCity[8];
    wchar_t szPhone[12];
};

CfField g_fields[] = {
    {8, L"病歷號", offsetof(Patient, nID), FIELD_INT, 0, 0, 0},
    {10, L"姓名", offsetof(Patient, szName), FIELD_TEXT, 0, 0, 0},
    {6, L"年齡", -1, FIELD_RIGHT, 0, 0, 0},
    {10, L"出生日期", offsetof(Patient, nBirth), FIELD_YMD_NUMBER, 0, 0, 0},
    {8, L"縣市", offsetof(Patient, szCity), FIELD_TEXT, 0, 0, 0},
};
CdSortKey g_keys[] = {
    {L"pid", FIELD_INT, offsetof(Patient, nID)},
    {L"name", FIELD_TEXT, offsetof(Patient, szName)},
    {L"birth", FIELD_YMD_NUMBER, offsetof(Patient, nBirth)},
    {L"city", FIELD_TEXT, offsetof(Patient, szCity)},
};

bool Checked(HWND dialog, int id)
{
    return ::SendMessageW(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

RECT ClientRectOf(HWND dialog, int id)
{
    RECT rc{};
    HWND item = ::GetDlgItem(dialog, id);
    ::GetWindowRect(item, &rc);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

TEST(SortDialog, TicksTheSortInForceAndReturnsTheTickedKeysInFieldOrder)
{
    CSortDlg dialog;
    dialog.m_pField = g_fields;
    dialog.m_nField = 5;
    dialog.m_pSortKey = g_keys;
    dialog.m_nSortKey = 4;
    dialog.m_strSort = L"city,name";
    bool startTicks[5] = {}, unstoredHasBox = true, okIsBitmapButton = false;
    std::wstring caption;
    DialogScript script(L"排序條件設定",
                        {
                            [&](HWND dlg)
                            {
                                for (int i = 0; i < 5; ++i)
                                    startTicks[i] = Checked(dlg, 2000 + i);
                                unstoredHasBox = ::GetDlgItem(dlg, 2002) != nullptr;
                                caption = ItemText(dlg, 2003);
                                okIsBitmapButton = (::GetWindowLongW(::GetDlgItem(dlg, IDOK), GWL_STYLE) &
                                                    BS_TYPEMASK) == BS_OWNERDRAW;
                                qvtest::SaveWindowPng(dlg, L"buttons-sort-dialog");
                            },
                            [](HWND dlg) { ClickButton(dlg, 2004); },   // city off
                            [](HWND dlg) { ClickButton(dlg, 2003); },   // birth on
                            [](HWND dlg) { ClickButton(dlg, 2000); },   // pid on
                            [](HWND dlg) { ClickButton(dlg, IDOK); },
                        });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(5u, script.ran());
    EXPECT_FALSE(startTicks[0]);
    EXPECT_TRUE(startTicks[1]);
    EXPECT_FALSE(startTicks[3]);
    EXPECT_TRUE(startTicks[4]);
    EXPECT_FALSE(unstoredHasBox);
    EXPECT_EQ(L"出生日期", caption);
    EXPECT_TRUE(okIsBitmapButton);
    EXPECT_EQ(CString(L"pid,name,birth"), dialog.m_strResult);
}

TEST(SortDialog, NothingTickedOrNoFieldsGiveAnEmptyList)
{
    CSortDlg dialog;
    dialog.m_pField = g_fields;
    dialog.m_nField = 5;
    dialog.m_pSortKey = g_keys;
    dialog.m_nSortKey = 4;
    dialog.m_strResult = L"old";
    {
        DialogScript script(L"排序條件設定", {[](HWND dlg) { ClickButton(dlg, IDOK); }});
        EXPECT_EQ(IDOK, dialog.DoModal());
    }
    EXPECT_TRUE(dialog.m_strResult.IsEmpty());

    CSortDlg empty;
    empty.m_strSort = L"pid";
    empty.m_pSortKey = g_keys;
    empty.m_nSortKey = 4;
    HWND firstChild = nullptr;
    {
        DialogScript script(L"排序條件設定",
                            {
                                [&](HWND dlg) { firstChild = ::GetDlgItem(dlg, 2000); },
                                [](HWND dlg) { ClickButton(dlg, IDOK); },
                            });
        EXPECT_EQ(IDOK, empty.DoModal());
    }
    EXPECT_EQ(nullptr, firstChild);
    EXPECT_TRUE(empty.m_strResult.IsEmpty());

    // Cancel leaves the result as it was.
    CSortDlg cancelled;
    cancelled.m_pField = g_fields;
    cancelled.m_nField = 5;
    cancelled.m_strResult = L"name";
    DialogScript script(L"排序條件設定", {[](HWND dlg) { ClickButton(dlg, IDCANCEL); }});
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(CString(L"name"), cancelled.m_strResult);
}

TEST(SortDialog, ManyFieldsWrapIntoColumnsAsWideAsTheirLongestCaption)
{
    static const wchar_t* names[] = {L"一",   L"二二", L"三",   L"四四四四", L"五",   L"六",   L"七",   L"八",
                                     L"九",   L"十",   L"十一", L"十二",     L"十三", L"十四", L"十五", L"十六",
                                     L"十七", L"十八", L"十九", L"二十",     L"廿一", L"廿二", L"廿三", L"廿四"};
    std::vector<CfField> fields;
    for (int i = 0; i < 24; ++i)
        fields.push_back(CfField{4, names[i], i * 4, FIELD_INT, 0, 0, 0});
    CSortDlg dialog;
    dialog.m_pField = fields.data();
    dialog.m_nField = 24;
    std::vector<RECT> boxes(24);
    RECT client{};
    DialogScript script(L"排序條件設定",
                        {
                            [&](HWND dlg)
                            {
                                ::GetClientRect(dlg, &client);
                                for (int i = 0; i < 24; ++i)
                                    boxes[i] = ClientRectOf(dlg, 2000 + i);
                                qvtest::SaveWindowPng(dlg, L"buttons-sort-dialog-columns");
                            },
                            [](HWND dlg) { ClickButton(dlg, IDCANCEL); },
                        });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    // Rows 30 pixels apart from (10, 10); a column ends with the first box whose
    // next row would pass the client bottom.
    int perColumn = 0;
    while (10 + 30 * (perColumn + 1) + 20 <= client.bottom)
        ++perColumn;
    ++perColumn;
    ASSERT_LT(perColumn, 24) << "the test needs at least two columns";
    int longest = 0;
    for (int i = 0; i < perColumn; ++i)
        longest = std::max(longest, static_cast<int>(wcslen(names[i])));
    const int firstWidth = longest * 12 + 20;
    for (int i = 0; i < perColumn; ++i)
    {
        EXPECT_EQ(10, boxes[i].left) << i;
        EXPECT_EQ(10 + 30 * i, boxes[i].top) << i;
        EXPECT_EQ(firstWidth, boxes[i].right - boxes[i].left) << i;
        EXPECT_EQ(20, boxes[i].bottom - boxes[i].top) << i;
    }
    EXPECT_EQ(10 + firstWidth, boxes[perColumn].left);
    EXPECT_EQ(10, boxes[perColumn].top);
}

TEST(SearchDialog, EnterStepsThroughTheControlsAndOkReturnsFieldAndText)
{
    CSearchDlg dialog;
    dialog.m_pField = g_fields;
    dialog.m_nField = 5;
    std::vector<std::wstring> items;
    int focusAfterEnter = -1;
    bool openAfterEnter = false;
    DialogScript script(L"查找",
                        {
                            [&](HWND dlg)
                            {
                                HWND combo = ::GetDlgItem(dlg, IDC_SEARCH_FIELD);
                                const int n = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
                                for (int i = 0; i < n; ++i)
                                {
                                    wchar_t text[64] = L"";
                                    ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                                    items.push_back(text);
                                }
                                ::SendMessageW(combo, CB_SETCURSEL, 3, 0);   // 縣市
                                ::SetDlgItemTextW(dlg, IDC_SEARCH_VALUE, L"臺北市");
                                ::SetFocus(::GetDlgItem(dlg, IDC_SEARCH_VALUE));
                                PressEnter(dlg);
                            },
                            [&](HWND dlg)
                            {
                                focusAfterEnter = ::GetDlgCtrlID(::GetFocus());
                                openAfterEnter = ::IsWindowVisible(dlg) != FALSE;
                                qvtest::SaveWindowPng(dlg, L"buttons-search-dialog");
                                PressEnter(dlg);   // now on OK
                            },
                        });
    EXPECT_EQ(IDOK, dialog.DoModal());
    const std::vector<std::wstring> expected = {L"病歷號", L"姓名", L"出生日期", L"縣市"};
    EXPECT_EQ(expected, items) << "unstored fields are not offered";
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(IDOK, focusAfterEnter) << "the next control after the text box";
    EXPECT_EQ(4, dialog.m_nFieldIndex) << "the index in the field array";
    EXPECT_STREQ(L"臺北市", dialog.m_szText);
}

TEST(SearchDialog, AnUnknownCaptionGivesMinusOneAndLongTextIsCut)
{
    CSearchDlg dialog;
    dialog.m_pField = g_fields;
    dialog.m_nField = 5;
    const std::wstring longText(150, L'查');
    DialogScript script(L"查找",
                        {
                            [&](HWND dlg)
                            {
                                ::SetDlgItemTextW(dlg, IDC_SEARCH_FIELD, L"電話");
                                ::SetDlgItemTextW(dlg, IDC_SEARCH_VALUE, longText.c_str());
                            },
                            [](HWND dlg) { ClickButton(dlg, IDOK); },
                        });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(-1, dialog.m_nFieldIndex);
    EXPECT_EQ(std::wstring(99, L'查'), std::wstring(dialog.m_szText));

    CSearchDlg none;
    DialogScript closeAtOnce(L"查找", {[](HWND dlg) { ClickButton(dlg, IDOK); }});
    EXPECT_EQ(IDOK, none.DoModal());
    EXPECT_EQ(-1, none.m_nFieldIndex);
    EXPECT_STREQ(L"", none.m_szText);
}

}   // namespace
