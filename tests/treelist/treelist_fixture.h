// A TreeList window inside a recording host window, with helpers that speak its messages.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/treelist.h"
#include "qvtest.h"

namespace treelist_test {

inline HTREEITEM H(UINT_PTR value) { return (HTREEITEM)value; }
inline UINT_PTR N(HTREEITEM item) { return (UINT_PTR)item; }

class TreeListTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window (a child of the host) with the given tree styles.
    HWND Make(DWORD style, int width = 400, int height = 300);
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(tree, msg, wp, lp); }

    HTREEITEM Insert(HTREEITEM parent, const wchar_t* text, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertWith(HTREEITEM parent, HTREEITEM after, const TVITEMW& fields);
    // A column of the given width; a negative width makes an auto-width column.
    int AddColumn(const wchar_t* caption, int width, int format = LVCFMT_LEFT);
    bool SetCellText(HTREEITEM item, int column, const wchar_t* text);
    std::wstring Text(HTREEITEM item, int column = 0) const;
    UINT State(HTREEITEM item) const { return (UINT)Send(TVM_GETITEMSTATE, 0, (LPARAM)item); }
    HTREEITEM Next(HTREEITEM item, UINT code) const { return (HTREEITEM)Send(TVM_GETNEXTITEM, code, (LPARAM)item); }
    int RowOf(HTREEITEM item) const { return (int)Send(TVM_GETROWOFITEM, 0, (LPARAM)item); }
    HTREEITEM ItemAt(int row) const { return (HTREEITEM)Send(TVM_GETITEMOFROW, 0, row); }
    bool Expand(HTREEITEM item, UINT code = TVE_EXPAND) const { return Send(TVM_EXPAND, code, (LPARAM)item) != 0; }
    bool Select(HTREEITEM item) const { return Send(TVM_SELECTITEM, TVGN_CARET, (LPARAM)item) != 0; }
    HTREEITEM Selected() const { return Next(nullptr, TVGN_CARET); }
    RECT ItemRect(HTREEITEM item, WPARAM code = 0) const;
    RECT CellRect(HTREEITEM item, int column, bool textOnly = false) const;
    UINT HitFlags(int x, int y, HTREEITEM* item = nullptr) const;
    // Root i ("i") with children "i.j".
    void FillTwoLevels(int roots, int children, std::vector<HTREEITEM>* rootItems = nullptr);
    // Texts of the rows from the first row on.
    std::vector<std::wstring> RowTexts() const;

    // Synthesized input at client coordinates.
    void Click(int x, int y, UINT msg = WM_LBUTTONDOWN, WPARAM keys = 0) const;
    void Key(WPARAM key) const;
    void SetKeyDown(int key, bool down) const;

    qvtest::HostWindow* host = nullptr;
    HWND tree = nullptr;
};

}  // namespace treelist_test
