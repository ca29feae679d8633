// Copies of a field set, and list columns made from its descriptors.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../module/assert_counter.h"
#include "qvctrl.h"
#include "../module/cstring_print.h"
#include "host_window.h"

namespace {

CfField kVisitFields[] = {
    {10, L"姓名", 0, FIELD_TEXT, 0, 0, 0},
    {8, L"掛號費", 24, FIELD_DOUBLE, 2, 0, 0},
    {6, L"附註", -1, FIELD_RIGHT, 0, 0, 5},
    {12, nullptr, 32, FIELD_DATE_SLASH, 0, 0, 0},
};

// A field set that shows its record buffer.
class RecordProbe final : public CField
{
public:
    const char* Record() const { return m_pRecord; }
};

TEST(FieldCopies, CopiesAreDeepAndOutliveTheirSource)
{
    RecordProbe* source = new RecordProbe;
    source->SetField(kVisitFields, 4);
    char* record = source->SetRecordLength(40);
    ASSERT_NE(nullptr, record);
    std::memset(record, 0x21, 40);

    RecordProbe copy(*source);
    RecordProbe assigned;
    assigned.SetField(kVisitFields, 1);
    assigned.SetRecordLength(8);
    assigned = *source;

    int sourceCount = 0, copyCount = 0;
    CfField* sourceFields = source->GetField(sourceCount);
    CfField* copyFields = copy.GetField(copyCount);
    ASSERT_EQ(4, copyCount);
    EXPECT_NE(sourceFields, copyFields);
    EXPECT_NE(sourceFields[0].pszName, copyFields[0].pszName);
    EXPECT_EQ(nullptr, copyFields[3].pszName);
    EXPECT_EQ(40, copy.GetRecordLength());
    EXPECT_EQ(40, assigned.GetRecordLength());
    EXPECT_NE(source->Record(), copy.Record());
    EXPECT_NE(source->Record(), assigned.Record());

    delete source;   // the copies own everything they hold
    EXPECT_EQ(CString(L"掛號費"), copy.GetFieldName(1));
    EXPECT_EQ(CString(L"姓名"), assigned.GetFieldName(0));
    EXPECT_EQ(10, copy.GetField(copyCount)[1].nPos);
    ASSERT_NE(nullptr, copy.Record());
    EXPECT_EQ(std::string(40, '\x21'), std::string(copy.Record(), 40));
    EXPECT_EQ(std::string(40, '\x21'), std::string(assigned.Record(), 40));

    // Self-assignment keeps the set whole.
    RecordProbe& same = assigned;
    assigned = same;
    EXPECT_EQ(4, assigned.GetFieldCount());
    EXPECT_EQ(CString(L"附註"), assigned.GetFieldName(2));

    CField empty;
    CField emptyCopy(empty);
    EXPECT_EQ(0, emptyCopy.GetFieldCount());
    EXPECT_EQ(0, emptyCopy.GetRecordLength());
}

struct Column
{
    std::wstring text;
    int format;
    int width;
    int subItem;
};

std::vector<Column> ColumnsOf(CListCtrl& list)
{
    std::vector<Column> columns;
    for (int i = 0;; ++i) {
        wchar_t text[6000] = L"";
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = text;
        column.cchTextMax = 6000;
        if (!list.GetColumn(i, &column))
            break;
        columns.push_back({text, column.fmt & LVCFMT_JUSTIFYMASK, column.cx, column.iSubItem});
    }
    return columns;
}

TEST(FieldListHead, OneColumnPerDescriptor)
{
    qvtest::HostWindow host;
    CWnd* parent = CWnd::FromHandle(host.hwnd());
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 600, 300), parent, 100));
    CField fields;
    fields.SetField(kVisitFields, 4);
    fields.SetListHead(&list);

    std::vector<Column> columns = ColumnsOf(list);
    ASSERT_EQ(4u, columns.size());
    EXPECT_EQ(L"姓名", columns[0].text);
    EXPECT_EQ(L"掛號費", columns[1].text);
    EXPECT_EQ(L"附註", columns[2].text);
    EXPECT_EQ(L"", columns[3].text);
    const int widths[] = {100, 80, 60, 120};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(widths[i], columns[i].width) << i;
        EXPECT_EQ(i, columns[i].subItem) << i;
    }
    // Only doubles (code 3) are right-aligned; the right-aligned list code 24 is not.
    EXPECT_EQ(LVCFMT_LEFT, columns[0].format);
    EXPECT_EQ(LVCFMT_RIGHT, columns[1].format);
    EXPECT_EQ(LVCFMT_LEFT, columns[2].format);
    EXPECT_EQ(LVCFMT_LEFT, columns[3].format);
    list.DestroyWindow();
}

TEST(FieldListHead, LongCaptionsAndListsWithoutWindows)
{
    AssertCounter asserts;
    std::wstring caption(5000, L'欄');
    CfField wide = {30, caption.c_str(), 0, FIELD_TEXT, 0, 0, 0};
    CField fields;
    fields.SetField(&wide, 1);

    CListCtrl noWindow;
    fields.SetListHead(&noWindow);   // nothing to do, and no error
    EXPECT_EQ(0, asserts.count());
    fields.SetListHead(nullptr);
    EXPECT_EQ(1, asserts.count());

    qvtest::HostWindow host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), CWnd::FromHandle(host.hwnd()), 101));
    fields.SetListHead(&list);
    std::vector<Column> columns = ColumnsOf(list);
    ASSERT_EQ(1u, columns.size());
    EXPECT_EQ(300, columns[0].width);
    EXPECT_EQ(caption.substr(0, columns[0].text.size()), columns[0].text);
    list.DestroyWindow();
}

}  // namespace
