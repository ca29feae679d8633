// A CNewTreeListCtrl with its header, children of a recording host window.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "qvctrl.h"
#include "control/newtreelistctrl.h"
#include "qvtest.h"

namespace newtree
{

constexpr int kHeaderId = 0x151;
constexpr int kTreeId = 0x175;
constexpr DWORD kTreeStyle =
    WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

class NewTreeListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWnd* pHost = CWnd::FromHandle(host);
        ASSERT_TRUE(
            tree.m_wndHeader.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(0, 0, 400, 20), pHost, kHeaderId));
        ASSERT_TRUE(tree.Create(kTreeStyle, CRect(0, 24, 400, 324), pHost, kTreeId));
        font.CreateFont(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"新細明體");
        tree.SetFont(&font);
        host.clear();
    }
    // Columns of the given widths: left, right-aligned, centred, then left again.
    void addColumns(std::initializer_list<int> widths)
    {
        const int formats[] = {0, 1, 2, 0};
        int nCol = 0;
        for (int width : widths)
        {
            ASSERT_EQ(tree.InsertColumn(nCol, L"欄", formats[nCol % 4], width), nCol);
            ++nCol;
        }
    }
    // An item with the given column texts (column 0 through InsertItem).
    HTREEITEM add(std::initializer_list<const wchar_t*> texts, HTREEITEM parent = TVI_ROOT)
    {
        auto text = texts.begin();
        HTREEITEM item = tree.InsertItem(*text, parent);
        int nCol = 1;
        for (++text; text != texts.end(); ++text)
            tree.SetItemText(item, nCol++, *text);
        return item;
    }
    std::vector<std::wstring> childTexts(HTREEITEM parent, int nCol = 0)
    {
        std::vector<std::wstring> texts;
        HTREEITEM child = parent == TVI_ROOT ? tree.GetRootItem() : tree.GetChildItem(parent);
        for (; child != nullptr; child = tree.GetNextSiblingItem(child))
            texts.push_back(tree.GetItemText(child, nCol).GetString());
        return texts;
    }
    // lParam of the records that TVN_DELETEITEMW reported, in order.
    std::vector<LPARAM> deletedParams() const
    {
        std::vector<LPARAM> params;
        for (const auto& note : host.notifications(TVN_DELETEITEMW))
            params.push_back(note.as<NMTREEVIEWW>().itemOld.lParam);
        return params;
    }

    qvtest::HostWindow host;
    CFont font;
    CNewTreeListCtrl tree;
};

}   // namespace newtree
