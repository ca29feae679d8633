// Records of the "TreeList" window shared by its source files: the instance record,
// the item and cell records, and the steps each file offers the others.
#pragma once

#include "treelist.h"

namespace treelist
{

constexpr int kMaxColumns = 32;
constexpr int kTextBuffer = 259;   // characters offered to the parent per callback
constexpr UINT kNoImage = 0xFFFFFFFE;
constexpr UINT kCallbackImage = 0xFFFFFFFF;
constexpr UINT kReplaceSelection = 0x8000;   // added to a selection action: replace the selection
constexpr int kMaxStoredText = 0xFFFE;       // text lengths are kept in 16 bits
constexpr UINT_PTR kHoverTimer = 0x3912;
constexpr int kHeaderId = 1;
constexpr int kTooltipId = 2;
constexpr UINT kSelectionMask = TVIF_SUBITEM | TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;   // 0x801C
constexpr UINT kEditMask = kSelectionMask | TVIF_TEXT;                                  // 0x801D
constexpr UINT kCellStateFromItem = 0xE2;   // item bits that a cell's state shows
constexpr UINT kPointerNoticeMask = 0x4000 | TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;   // 0x401C: clicks, drags
constexpr UINT kAllBits = 0xFFFFFFFF;   // stateMask of notifications: every bit
// A cell answers its state without the item's expansion bits.
constexpr UINT kCellStateReadMask = ~(UINT)(TVIS_EXPANDED | TVIS_EXPANDEDONCE);   // 0xFFFFFF9F
// TVM_SETITEMBKCOLOR / TVM_SETITEMTEXTCOLOR: the item in bits 0..23, the column above.
constexpr UINT kItemBits = 0x00FFFFFF;
constexpr int kColumnShift = 24;
// Indent steps: the default, the bounds of TVM_SETINDENT, the expand button's centre.
constexpr int kDefaultIndent = 19;
constexpr int kMinIndent = 5;
constexpr int kMaxIndent = 64;
constexpr int kButtonCentre = 7;

// Callback byte: which values the parent supplies through TVN_GETDISPINFOW.
enum : BYTE
{
    kCbText = 0x01,
    kCbImage = 0x02,
    kCbSelectedImage = 0x20,
    kCbChildren = 0x40
};
// Flag byte of items and cells.
enum : BYTE
{
    kFlByChildren = 0x01,   // the button follows the real children
    kFlButton = 0x02,       // show the expand button
    kFlHasImage = 0x04,     // painting drew an image for it
    kFlOwnText = 0x10,
    kFlOwnBack = 0x20,
    kFlFocusMark = 0x40,
};

// The rules of the item table (treelist_check.cpp); kHolds when all hold.
enum class TableRule : int
{
    kHolds = 0,
    kItemCount = 1,          // items in the table, reached from the roots, counted
    kSiblingChain = 2,       // first/last child and sibling links agree both ways
    kParentAndLevel = 3,     // a child names its parent; its level is the parent's + 1
    kRowCount = 4,           // the row count is the number of shown items
    kRowTable = 5,           // the valid rows list the shown items in pre-order
    kRememberedHandle = 6,   // selection, focus, drop, insert mark, editor: live items
    kSelectedCount = 7,      // the count of items carrying TVIS_SELECTED
};

struct TreeListSubItem
{
    wchar_t* text;   // owned, or LPSTR_TEXTCALLBACKW
    UINT state;
    UINT image;
    int textWidth;   // 0: measure again
    unsigned short textLength;
    BYTE callbacks;
    BYTE flags;
    COLORREF textColour;
    COLORREF backColour;
};

struct TreeListItem
{
    LPARAM lParam;
    wchar_t* text;   // owned, or LPSTR_TEXTCALLBACKW
    UINT state;
    UINT image;
    UINT selectedImage;
    UINT row;   // 1-based row, 0 when not shown (valid below rowsValid only)
    UINT firstChild, lastChild, prevSibling, nextSibling, parent;
    UINT level;
    int textWidth;
    unsigned short textLength;
    BYTE callbacks;
    BYTE flags;
    COLORREF textColour;
    COLORREF backColour;
    // The user-data area of TreeListData::userDataSize bytes follows.
};

// The parts of the instance record that belong together, so that a file touches
// the group it works on rather than every field.
struct TreeListSelection
{
    UINT item;
    int column;   // the selected item and cell
    UINT focusItem;
    int focusColumn;
    UINT anchor, count;   // range anchor; items carrying TVIS_SELECTED
    UINT dropItem;
    int dropColumn;   // drop-highlighted item
    UINT insertMark;
    bool insertAfter;
};

struct TreeListEditing
{
    HWND window;   // the label editor, or null
    UINT item;
    int column;
    int kind;
    bool textFromParent;
};

struct TreeListScrolling
{
    UINT topRow;
    int hPos;
    UINT pageRows, fullRows;                // rows touching / fully inside the client area
    UINT lastVRange, lastVPage, lastVPos;   // what the scroll bars were last given
    int lastHRange, lastHPage, lastHPos;
    bool barsPending;   // an update is posted and not yet applied
};

struct TreeListLayout
{
    int stateWidth, stateHeight, imageWidth, imageHeight;
    int rowHeight, indent, buttonCentre;
    int totalWidth;
    int clientWidth, clientHeight;
    int headerHeight;
    int columnCount, autoColumns;
    int edges[kMaxColumns + 2];   // edge c .. c+1 is column c; past the last: client width
    BYTE align[kMaxColumns];      // 0 left, 1 centre, 2 right
    bool autoWidth[kMaxColumns];
    int fontHeight, fontAscent;
    bool fontFixedPitch;
    bool fixedRowHeight;
};

struct TreeListTip
{
    UINT item;
    int column;
    bool shown;
};

struct TreeListDrag
{
    BYTE flags;
    UINT item;
    int column;
};

struct TreeListData
{
    HWND hwnd;
    HANDLE lock;
    LONG lockUsers;   // threads holding or waiting for the lock
    HIMAGELIST stateImages, normalImages;
    HFONT font, boldFont, measuredFont;
    HWND tooltip, header;
    COLORREF colours[TLC_COUNT];   // the colour slots TLC_*
    bool colourSet[TLC_COUNT];
    bool ownStateImages;
    UINT rowCount;    // rows shown, kept exact at every change
    UINT rowsValid;   // rows[0 .. rowsValid) are up to date; the rest is rebuilt on need
    UINT rowsBuilt;   // length of the last rebuild: items with a row number lie there
    bool rowsStale;
    UINT* rows;                             // item handle per row
    TreeListItem** items;                   // indexed by handle, 1 .. capacity
    TreeListSubItem** cells[kMaxColumns];   // per column >= 1, indexed by handle
    UINT capacity, itemCount, lastHandle, userDataSize;
    UINT firstRoot, lastRoot;
    DWORD style, exStyle;
    TreeListLayout layout;
    TreeListScrolling scroll;
    TreeListSelection sel;
    TreeListEditing edit;
    TreeListTip tip;
    TreeListDrag drag;
    wchar_t text[2][kTextBuffer + 1];
    bool hasFocus, enabled;
    bool sorting;
    int depth;
    bool destroyed;     // nesting of the window procedure; free after the outermost
    bool destroying;    // WM_DESTROY has begun
    TableRule broken;   // diagnostic builds: the first rule found broken
};

// ---- treelist_check.cpp -----------------------------------------------------------
TableRule CheckTable(const TreeListData* d);

// ---- treelist_lock.cpp: the instance lock and messages to the parent ---------------
void Lock(TreeListData* d);
void Unlock(TreeListData* d);
class InstanceLock
{
public:
    explicit InstanceLock(TreeListData* d) : d_(d) { Lock(d_); }
    ~InstanceLock() { Unlock(d_); }
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

private:
    TreeListData* d_;
};
LRESULT NotifyParent(TreeListData* d, NMHDR* header, UINT code);
LRESULT NotifyTree(TreeListData* d, UINT code, UINT action, const TVITEMW* itemNew, const TVITEMW* itemOld,
                   POINT ptDrag);
void SetFocusUnlocked(TreeListData* d, HWND target);
void ContextMenuToParent(TreeListData* d, POINT client);
void SetScrollInfoUnlocked(TreeListData* d, int bar, SCROLLINFO* info);

// ---- treelist_items.cpp: item table, insertion and deletion ------------------------
TreeListItem* ItemOf(const TreeListData* d, UINT handle);
TreeListItem* ItemOf(const TreeListData* d, HTREEITEM handle);
UINT HandleOf(HTREEITEM h);   // index form, or ~0u for a value that cannot be an item
bool IsRootMarker(HTREEITEM h);
TreeListSubItem* CellOf(const TreeListData* d, UINT handle, int column);
TreeListSubItem* MakeCell(TreeListData* d, UINT handle, int column);
UINT& FirstChildSlot(TreeListData* d, UINT parent);
UINT FirstChild(const TreeListData* d, UINT parent);
UINT InsertItem(TreeListData* d, const TVINSERTSTRUCTW* insert);
bool DeleteItem(TreeListData* d, UINT handle);
void DeleteAllItems(TreeListData* d);
// Tells the parent of every item's deletion without unlinking any (a sort still holds
// the handles); the records are freed with the window.
void NotifyAllDeleted(TreeListData* d);
void DeleteChildren(TreeListData* d, UINT handle);
bool SetText(wchar_t** text, unsigned short* length, const wchar_t* source, size_t count);
void FreeText(wchar_t* text);
void ApplyChildrenValue(TreeListItem* item, int children);

// ---- treelist_rows.cpp: the row table ----------------------------------------------
bool IsShown(const TreeListData* d, UINT handle);
UINT VisibleDescendants(const TreeListData* d, UINT handle);
void RowsChangedAt(TreeListData* d, UINT handle);
void RowsChangedAfter(TreeListData* d, UINT handle);
void EnsureRows(TreeListData* d);
int RowOf(TreeListData* d, UINT handle);     // 0-based, -1 when not shown
UINT ItemAtRow(TreeListData* d, UINT row);   // 0 past the end
void ResetRows(TreeListData* d);
bool ItemHasChildren(const TreeListData* d, const TreeListItem* item);
bool ShowsButton(const TreeListData* d, const TreeListItem* item);

// ---- treelist_itemdata.cpp: reading and writing items, callbacks --------------------
LRESULT GetItem(TreeListData* d, TVITEMW* item);
LRESULT SetItem(TreeListData* d, const TVITEMW* item);
int ItemColumn(const TVITEMW* item);
void FillNotifyItem(TreeListData* d, UINT handle, int column, UINT mask, TVITEMW* out);
// Asks the parent for callback values; false when the item died meanwhile.
bool FetchItemCallback(TreeListData* d, UINT handle, UINT wanted, int buffer, TVITEMW* out);
bool FetchCellCallback(TreeListData* d, UINT handle, int column, UINT wanted, TVITEMW* out);
// The text to show for an item or cell (callbacks fetched into buffer `buffer`).
const wchar_t* DisplayText(TreeListData* d, UINT handle, int column, int buffer, int* length);
int TextWidth(TreeListData* d, UINT handle, int column);
int MeasureText(TreeListData* d, const wchar_t* text, int length, UINT state);
UINT DisplayImage(TreeListData* d, UINT handle, int column);
void ClearTextWidths(TreeListData* d);

// ---- treelist_expand.cpp -----------------------------------------------------------
int ToggleExpand(TreeListData* d, UINT handle, bool partial);   // 1 done, 0 vetoed, -1 no item
LRESULT Expand(TreeListData* d, UINT code, UINT handle);
void SetExpanded(TreeListData* d, UINT handle, bool expanded);

// ---- treelist_nav.cpp --------------------------------------------------------------
LRESULT GetNextItem(TreeListData* d, UINT code, HTREEITEM start);

// ---- treelist_sort.cpp -------------------------------------------------------------
LRESULT SortChildren(TreeListData* d, HTREEITEM parent, bool recurse, const TVSORTCB* callback);
UINT SortedInsertAfter(TreeListData* d, UINT parent, const wchar_t* text);

// ---- treelist_columns.cpp ----------------------------------------------------------
LRESULT InsertColumn(TreeListData* d, int index, const LVCOLUMNW* column);
LRESULT DeleteColumn(TreeListData* d, int index);
LRESULT GetColumn(TreeListData* d, int index, LVCOLUMNW* column);
LRESULT SetColumn(TreeListData* d, int index, const LVCOLUMNW* column);
LRESULT GetColumnWidth(TreeListData* d, int index);
void RefreshEdges(TreeListData* d);
void ShareWidthChange(TreeListData* d, int difference);
void PlaceHeader(TreeListData* d);
LRESULT OnHeaderNotify(TreeListData* d, NMHDR* header);
int BestColumnWidth(TreeListData* d, int column);
int ContentWidth(const TreeListData* d);
int ColumnLeft(const TreeListData* d, int column);
int ColumnRight(const TreeListData* d, int column);
int ColumnAt(const TreeListData* d, int x);   // content x -> column, -1 past the last
void DestroyColumns(TreeListData* d);

// ---- treelist_layout.cpp: row height, colours, styles, image lists, fonts -----------
void ComputeRowHeight(TreeListData* d);
LRESULT SetItemHeight(TreeListData* d, int height);
void UpdatePageRows(TreeListData* d);
void LoadDefaultColours(TreeListData* d);
LRESULT SetColour(TreeListData* d, WPARAM slot, LPARAM colour);
LRESULT GetColour(const TreeListData* d, WPARAM slot);
LRESULT SetExtendedStyle(TreeListData* d, DWORD mask, DWORD bits);
void OnStyleChanged(TreeListData* d, DWORD oldStyle, DWORD newStyle);
LRESULT SetImageList(TreeListData* d, WPARAM which, HIMAGELIST list);
void SetFont(TreeListData* d, HFONT font);   // repaints
void MeasureFont(TreeListData* d);
void SetCheckBoxImages(TreeListData* d, bool on);
HFONT ItemFont(const TreeListData* d, UINT state);
COLORREF BlendHighlight(COLORREF base);
LRESULT GetCellColour(TreeListData* d, UINT handle, int column, bool back);
LRESULT SetCellColour(TreeListData* d, WPARAM target, COLORREF colour, bool back);
int ItemIndent(const TreeListData* d, const TreeListItem* item);
int LabelOffset(const TreeListData* d, const TreeListItem* item);

// ---- treelist_shared.cpp: process-wide pen and fonts --------------------------------
void AcquireSharedObjects();
void ReleaseSharedObjects();
HPEN SharedLinePen();
HFONT SharedFont(bool bold);

// ---- treelist_scroll.cpp -----------------------------------------------------------
void UpdateScrollBars(TreeListData* d);   // soon: posts ScrollBarsMessage() once per batch
void ApplyScrollBars(TreeListData* d);    // now
UINT ScrollBarsMessage();
void SetTopRow(TreeListData* d, long top);
void SetHorizontalPos(TreeListData* d, long pos);
UINT MaxTopRow(const TreeListData* d);
LRESULT OnVScroll(TreeListData* d, WPARAM wp);
LRESULT OnHScroll(TreeListData* d, WPARAM wp);
LRESULT OnMouseWheel(TreeListData* d, WPARAM wp);
LRESULT EnsureVisible(TreeListData* d, UINT handle, int column);
void ScrollRowIntoView(TreeListData* d, int row);
void ScrollColumnIntoView(TreeListData* d, int column);

// ---- treelist_paint.cpp ------------------------------------------------------------
void Paint(TreeListData* d, HDC dc, const RECT& area);
void InvalidateRow(TreeListData* d, int row);
void InvalidateCell(TreeListData* d, int row, int column);
void InvalidateItem(TreeListData* d, UINT handle, int column);   // column -1: whole row
void InvalidateFromRow(TreeListData* d, int row);
void InvalidateSelection(TreeListData* d, UINT handle, int column);

// ---- treelist_rect.cpp: rectangles and hit testing -----------------------------------
LRESULT GetItemRect(TreeListData* d, WPARAM code, RECT* rect);
UINT HitTest(TreeListData* d, POINT pt, UINT* flags);
bool RowRect(TreeListData* d, int row, RECT* rect);
RECT CellRect(TreeListData* d, int row, int column);

// ---- treelist_select.cpp -----------------------------------------------------------
int SelectItem(TreeListData* d, UINT handle, int column, UINT flags);
bool ToggleSelection(TreeListData* d, UINT handle, UINT action);
void ToggleHiddenSelection(TreeListData* d, UINT handle, UINT action);
UINT NextInSubtree(const TreeListData* d, UINT handle, UINT top);   // pre-order, 0 past `top`
LRESULT SelectDrop(TreeListData* d, UINT handle, int column);
void ClearFocusMarks(TreeListData* d);
void ForgetItem(TreeListData* d, UINT handle);

// ---- treelist_mouse.cpp / treelist_keys.cpp / treelist_hover.cpp -------------------
LRESULT OnMouseButton(TreeListData* d, UINT msg, WPARAM wp, LPARAM lp);
LRESULT OnButtonUp(TreeListData* d, UINT msg);
LRESULT OnKeyDown(TreeListData* d, WPARAM key, LPARAM flags);
LRESULT OnMouseMove(TreeListData* d, WPARAM wp, LPARAM lp);
LRESULT OnTimer(TreeListData* d, WPARAM id);
void HideTooltip(TreeListData* d);
void CreateTooltip(TreeListData* d);
void ToggleCheckState(TreeListData* d, UINT handle);

// ---- treelist_edit.cpp -------------------------------------------------------------
LRESULT EditLabel(TreeListData* d, WPARAM wp, UINT handle);
LRESULT OnEditorCommand(TreeListData* d, WORD code);
bool EndEdit(TreeListData* d, bool cancel);

// ---- treelist_dragimage.cpp / treelist_insertmark.cpp ------------------------------
LRESULT CreateDragImage(TreeListData* d, int column, UINT handle);
LRESULT SetInsertMark(TreeListData* d, bool after, UINT handle);

}   // namespace treelist
