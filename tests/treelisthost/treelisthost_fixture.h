// A dialog of the test program with a "VORNELTREELISTCTRL" control that a
// CTreeList attaches to; the dialog records what reaches it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "qvctrl.h"
#include "control/treelisthost.h"
#include "qvtest.h"
#include "treelisthost_ids.h"

namespace hosttest
{

struct Note
{
    UINT code;
    HWND hwndFrom;
    UINT_PTR idFrom;
    WPARAM wParam;
};

class RecordingDialog : public CDialog
{
public:
    RecordingDialog() : CDialog(IDD_DEPARTMENTS) {}
    std::vector<Note> notes;
    std::vector<std::pair<WPARAM, LPARAM>> contextMenus;
    std::function<void(UINT code)> onNotify;

    size_t count(UINT code) const
    {
        size_t n = 0;
        for (const Note& note : notes)
            n += note.code == code;
        return n;
    }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        notes.push_back(Note{header->code, header->hwndFrom, header->idFrom, wParam});
        if (onNotify)
            onNotify(header->code);
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        contextMenus.push_back({WPARAM(pWnd->GetSafeHwnd()), MAKELPARAM(pos.x, pos.y)});
    }
    DECLARE_MESSAGE_MAP()
};

class TreeListHostTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static const BOOL registered = CTreeList::RegisterClass();
        ASSERT_TRUE(registered);
    }
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(IDD_DEPARTMENTS, nullptr));
        ASSERT_TRUE(list.SubclassDlgItem(IDC_DEPARTMENTS, &dialog));
        dialog.ShowWindow(SW_SHOW);
        tree().SetFont(dialog.GetFont());
    }
    void TearDown() override
    {
        list.DestroyWindow();
        dialog.DestroyWindow();
    }
    CNewTreeListCtrl& tree() { return list.m_wndTree; }
    CNewHeaderCtrl& header() { return list.m_wndTree.m_wndHeader; }
    // The host's client size in pixels.
    void resize(int cx, int cy)
    {
        CRect rc(0, 0, cx, cy);
        ::AdjustWindowRectEx(&rc, list.GetStyle(), FALSE, list.GetExStyle());
        list.SetWindowPos(nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER);
    }
    void addColumns(std::initializer_list<int> widths)
    {
        int nCol = 0;
        for (int width : widths)
        {
            tree().InsertColumn(nCol, L"欄", nCol == 1 ? 1 : 0, width);
            ++nCol;
        }
    }
    HTREEITEM add(std::initializer_list<const wchar_t*> texts, HTREEITEM parent = TVI_ROOT)
    {
        auto text = texts.begin();
        HTREEITEM item = tree().InsertItem(*text, parent);
        int nCol = 1;
        for (++text; text != texts.end(); ++text)
            tree().SetItemText(item, nCol++, *text);
        return item;
    }
    std::vector<std::wstring> texts(HTREEITEM parent, int nCol)
    {
        std::vector<std::wstring> result;
        HTREEITEM child = parent == TVI_ROOT ? tree().GetRootItem() : tree().GetChildItem(parent);
        for (; child != nullptr; child = tree().GetNextSiblingItem(child))
            result.push_back(tree().GetItemText(child, nCol).GetString());
        return result;
    }
    // Where a child lies in the host's client area.
    CRect childRect(CWnd& child)
    {
        CRect rc;
        child.GetWindowRect(&rc);
        list.ScreenToClient(&rc);
        return rc;
    }
    void scroll(UINT code, UINT pos = 0)
    {
        ::SendMessageW(list.GetSafeHwnd(), WM_HSCROLL, MAKEWPARAM(code, pos), LPARAM(list.m_wndScroll.GetSafeHwnd()));
    }

    RecordingDialog dialog;
    CTreeList list;
};

}   // namespace hosttest
