// The "TreeList" window: a tree whose rows carry several columns, under a header.
// It is driven by the tree-view messages (TVM_*, wide forms) plus the messages below.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "../qvapi.h"

#define TREELIST_CLASSNAME L"TreeList"

// Registers the window class "TreeList" once per process; later calls only report
// success. Returns non-zero when the class is available.
extern "C" QVCTRL_API int TreeListRegister(void);

// Diagnostics: 0 when the window's item table is sound, else the number of the first
// rule found broken (parents, siblings, levels, counts, the row table, remembered
// items). Diagnostic builds also check after every message that changes the window
// and keep the first failure; -1 for a window that is not a "TreeList".
extern "C" QVCTRL_API int TreeListCheck(HWND hwnd);

// ---- Column-aware TVITEMW ---------------------------------------------------------
// With TVIF_SUBITEM the cChildren field holds the column index.
#define TVIF_SUBITEM 0x8000
// TVM_GETITEMW returns the stored text pointer in pszText and length + 1 in cchTextMax.
#define TVIF_TEXTPTR 0x80000000

#ifndef TVIS_FOCUSED
#define TVIS_FOCUSED 0x0001
#endif

// ---- TVM_GETNEXTITEM codes of this window -----------------------------------------
#ifndef TVGN_NEXTSELECTED
#define TVGN_NEXTSELECTED 11   // next item in pre-order with TVIS_SELECTED
#endif
#define TVGN_DROPHILITESUB 12   // column of the drop highlight
#define TVGN_CARETSUB 13        // column of the selection
#define TVGN_FOCUS 15           // focus item (the selected item when none)
#define TVGN_FOCUSSUB 16        // focus column
#define TVGN_NEXTSELCHILD 17    // as TVGN_NEXTSELECTED, inside the start item's subtree

// ---- Messages of this window (their numbers are unused by this window otherwise) --
#define TVM_GETUSERDATA (TV_FIRST + 61)        // 0x113D lParam item -> void* user-data area
#define TVM_GETCOLUMNWIDTH (TV_FIRST + 64)     // 0x1140 wParam column -> width
#define TVM_GETCOLUMN (TV_FIRST + 66)          // 0x1142 wParam column, lParam LVCOLUMNW*
#define TVM_SETCOLUMN (TV_FIRST + 67)          // 0x1143 wParam column, lParam LVCOLUMNW*
#define TVM_GETROWOFITEM (TV_FIRST + 68)       // 0x1144 lParam item -> row or -1
#define TVM_GETITEMOFROW (TV_FIRST + 69)       // 0x1145 lParam row -> item or 0
#define TVM_GETITEMTEXTCOLOR (TV_FIRST + 70)   // 0x1146 wParam item, lParam column
#define TVM_SETITEMTEXTCOLOR (TV_FIRST + 71)   // 0x1147 wParam item | column << 24, lParam colour
#define TVM_GETITEMBKCOLOR (TV_FIRST + 72)     // 0x1148 wParam item, lParam column
#define TVM_SETITEMBKCOLOR (TV_FIRST + 73)     // 0x1149 wParam item | column << 24, lParam colour
#define TVM_SELECTDROP (TV_FIRST + 74)         // 0x114A wParam column, lParam item
#define TVM_SELECTSUBITEM (TV_FIRST + 75)      // 0x114B wParam column, lParam item
#define TVM_INSERTCOLUMN (TV_FIRST + 76)       // 0x114C wParam index, lParam LVCOLUMNW*
#define TVM_DELETECOLUMN (TV_FIRST + 77)       // 0x114D wParam index
#define TVM_GETCOLUMNCOUNT (TV_FIRST + 78)     // 0x114E -> column count
#define TVM_GETHEADER (TV_FIRST + 79)          // 0x114F -> header window
// Size in bytes of the user-data area that follows every item record.
// TVM_GETUSERDATASIZE: result the size.
// TVM_SETUSERDATASIZE: wParam the new size (0 .. TREELIST_MAX_USERDATA); only while the
// tree holds no item, since the size is part of every item record. Result 1 set, 0 refused.
#define TVM_GETUSERDATASIZE (TV_FIRST + 80)   // 0x1150
#define TVM_SETUSERDATASIZE (TV_FIRST + 81)   // 0x1151
#define TREELIST_MAX_USERDATA 0x10000

// TVM_GETITEMRECT: low byte 128 or 129 asks for one cell, its column in bits 24..31.
#define TVIR_CELL 128
#define TVIR_CELLTEXT 129

// TVM_EDITLABELW wParam: column in bits 0..28, editor kind in bits 29..30, bit 31 wide.
#define TVLE_EDIT 0x00000000
#define TVLE_COMBO 0x20000000
#define TVLE_DROPLIST 0x40000000
#define TVLE_WIDE 0x80000000
#define TVLE_COLUMNMASK 0x1FFFFFFF

// TVM_ENSUREVISIBLE wParam besides a column.
#define TVEV_NOHSCROLL ((WPARAM)-1)
#define TVEV_TOP ((WPARAM)0xFFFFFFFE)

// ---- Extended styles (TVM_SETEXTENDEDSTYLE) ----------------------------------------
#define TLX_MULTISELECT 0x00000002   // several items may be selected
#define TLX_NOHSCROLL 0x00000020     // no horizontal scroll range
#define TLX_ODDHEIGHT 0x00004000     // TVM_SETITEMHEIGHT keeps odd heights
#define TLX_GRIDLINES 0x00010000     // grid lines, one more pixel of row height
#define TLX_ALTERNATE 0x00020000     // alternating row backgrounds
#define TLX_SUBSELECT 0x00040000     // single cells are selected and edited
#define TLX_FULLROWMARK 0x00080000   // the whole selected row is marked

// ---- Colour slots (wParam of TVM_SETBKCOLOR / TVM_GETBKCOLOR) ----------------------
#define TLC_BK 0            // background
#define TLC_ODD 1           // odd rows when rows alternate
#define TLC_EVEN 2          // even rows with grid lines or alternating rows
#define TLC_GRID 3          // grid lines
#define TLC_TEXT 4          // text
#define TLC_LINE 5          // tree lines
#define TLC_BOX 6           // expand button box
#define TLC_TRACK 7         // text of the hot-tracked item
#define TLC_MARKODD 8       // selected row (whole-row mark), odd alternating rows
#define TLC_MARKEVEN 9      // selected row, even alternating rows
#define TLC_INSERTMARK 10   // insert mark
#define TLC_COUNT 11

// ---- Hit-test flags for columns 1 and above (column in bits 24..31) ---------------
#define TVHT_SUBITEMRIGHT 0x00100000   // in the cell beside its text
#define TVHT_SUBITEMICON 0x00200000    // on the cell's image
#define TVHT_SUBITEMLABEL 0x00400000   // on the cell's text
#define TVHT_PASTCOLUMNS 0x00800000    // right of the last column
#define TVHT_COLUMN(flags) ((int)(((flags) >> 24) & 0xFF))

// ---- Editor notifications sent by the editor to the tree (WM_COMMAND, ID 3) -------
#define TVLE_ID 3
#define TVLE_RETURN 0x1578
#define TVLE_ESCAPE 0x1579
