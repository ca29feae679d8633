// Copies of a field set, and list columns made from its descriptors.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "../module/assert_counter.h"
#include "qvctrl.h"
#include "../module/cstring_print.h"
#include "host_window.h"

namespace
{

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
    std::string Record() { return m_pRecord ? std::string(m_pRecord, GetRecordLength()) : std::string(); }
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
    int count = 0;
    delete source;   // the copies own everything they hold
    for (RecordProbe* each : {&copy, &assigned})
    {
        EXPECT_EQ(4, each->GetFieldCount());
        EXPECT_EQ(CString(L"掛號費"), each->GetFieldName(1));
        EXPECT_EQ(nullptr, each->GetField(count)[3].pszName);
        EXPECT_EQ(10, each->GetField(count)[1].nPos);
        EXPECT_EQ(std::string(40, '\x21'), each->Record());
    }
    // Self-assignment keeps the set whole.
    RecordProbe& same = assigned;
    assigned = same;
    EXPECT_EQ(4, assigned.GetFieldCount());
    EXPECT_EQ(std::string(40, '\x21'), assigned.Record());
}

struct Column
{
    std::wstring text;
    int format, width, subItem;
    bool operator==(const Column&) const = default;
};

void PrintTo(const Column& c, std::ostream* os)
{
    *os << testing::PrintToString(c.text) << " format " << c.format << " width " << c.width << " sub " << c.subItem;
}

std::vector<Column> ColumnsOf(CListCtrl& list)
{
    std::vector<Column> columns;
    for (int i = 0;; ++i)
    {
        wchar_t text[6000] = L"";
        LVCOLUMNW column{LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM};
        column.pszText = text;
        column.cchTextMax = 6000;
        if (!list.GetColumn(i, &column))
            return columns;
        columns.push_back({text, column.fmt & LVCFMT_JUSTIFYMASK, column.cx, column.iSubItem});
    }
}

TEST(FieldListHead, OneColumnPerDescriptorAndListsWithoutWindows)
{
    qvtest::HostWindow host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 600, 300), CWnd::FromHandle(host), 100));
    CField fields;
    fields.SetField(kVisitFields, 4);
    fields.SetListHead(&list);
    // Widths are ten pixels a character; only doubles (code 3) are right-aligned,
    // the right-aligned list code 24 is not.
    EXPECT_EQ((std::vector<Column>{{L"姓名", LVCFMT_LEFT, 100, 0},
                                   {L"掛號費", LVCFMT_RIGHT, 80, 1},
                                   {L"附註", LVCFMT_LEFT, 60, 2},
                                   {L"", LVCFMT_LEFT, 120, 3}}),
              ColumnsOf(list));
    list.DestroyWindow();
    // A caption far longer than a column holds is cut, never overrun.
    AssertCounter asserts;
    std::wstring caption(5000, L'欄');
    CfField wide = {30, caption.c_str(), 0, FIELD_TEXT, 0, 0, 0};
    fields.SetField(&wide, 1);
    CListCtrl noWindow;
    fields.SetListHead(&noWindow);   // nothing to do, and no error
    EXPECT_EQ(0, asserts.count());
    fields.SetListHead(nullptr);
    EXPECT_EQ(1, asserts.count());
    CListCtrl narrow;
    ASSERT_TRUE(narrow.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), CWnd::FromHandle(host), 101));
    fields.SetListHead(&narrow);
    std::vector<Column> columns = ColumnsOf(narrow);
    ASSERT_EQ(1u, columns.size());
    EXPECT_EQ(300, columns[0].width);
    EXPECT_EQ(caption.substr(0, columns[0].text.size()), columns[0].text);
    narrow.DestroyWindow();
}

}   // namespace
