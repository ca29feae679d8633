// Grids made from field descriptors, filled from records, and the field
// list dialog on the library's own template.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "qvctrl.h"
#include "qvtest.h"

namespace
{

struct Patient
{
    wchar_t name[12];
    double fee;
    int32_t visits;
    uint32_t flags;
};

CfField kFields[] = {
    {8, L"姓名", offsetof(Patient, name), FIELD_TEXT, 0, 0, 0},
    {0, L"費用", -1, FIELD_TEXT, 0, 0, 12},   // a group caption 12 units wide
    {6, L"金額", offsetof(Patient, fee), FIELD_DOUBLE, 1, 0, HEADLEVEL_LOWER},
    {6, L"次數", offsetof(Patient, visits), FIELD_LONG, 0, 0, HEADLEVEL_LOWER},
    {4, L"初診", offsetof(Patient, flags), FIELD_FLAG_BIT, 0, 0, 0},
    {7, L"複診", offsetof(Patient, visits), FIELD_YESNO, 0, 0, 0},
};
const int kFieldCount = 6;

Patient kPatients[] = {
    {L"王小明", 120.5, 3, 1},
    {L"李美", 80.0, 12, 0},
    {L"陳大文", 300.0, 7, 1},
};

class FieldGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 300), CWnd::FromHandle(host), 100));
        grid.SetField(kFields, kFieldCount);
        grid.SetListHead(RGB(0, 0, 128));
    }
    CString text(int row, int column) { return grid.GetItemText(row, column); }

    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host{L"field grid", 700, 400};
    CFieldListCtrl grid;
};

}   // namespace

TEST_F(FieldGridTest, ColumnsFollowTheFields)
{
    CHeadWnd* head = grid.GetHeadWnd();
    ASSERT_EQ(grid.CNewListCtrl::GetFieldCount(), kFieldCount);
    EXPECT_EQ(head->GetTextColor(), RGB(0, 0, 128));
    struct Expected
    {
        int width, level, format, mask;
        const wchar_t* caption;
    };
    const int fieldMask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    const Expected expected[] = {
        {80, 0, DT_LEFT, fieldMask, L"姓名"},
        {0, 120, DT_LEFT, fieldMask, L"費用"},
        {60, HEADLEVEL_LOWER, DT_RIGHT, fieldMask, L"金額"},
        {60, HEADLEVEL_LOWER, DT_RIGHT | HEADFMT_DIGIT, fieldMask, L"次數"},
        {40, 0, DT_LEFT, fieldMask | LVCF_IMAGE, L"初診"},
        {70, 0, DT_LEFT, fieldMask, L"複診"},
    };
    for (int i = 0; i < kFieldCount; ++i)
    {
        const CxHeadItemIndex* node = head->GetHeadParam(i);
        ASSERT_TRUE(node) << i;
        EXPECT_EQ(node->nWidth, expected[i].width) << i;
        EXPECT_EQ(node->nLevel, expected[i].level) << i;
        EXPECT_EQ(node->nFormat, expected[i].format) << i;
        EXPECT_EQ(node->nMask, expected[i].mask) << i;
        EXPECT_STREQ(node->pszText, expected[i].caption) << i;
    }
    CRect group;
    ASSERT_TRUE(grid.GetHeaderRect(1, group));
    EXPECT_EQ(group.left, 80);

    // A second set-up replaces the columns and rows; a null array only colours.
    grid.SetList(kPatients, int(sizeof(Patient)), 3);
    CfField one[] = {{5, L"代號", 0, 128, 0, 0, 0}};
    SetListHead(grid, one, 1, RGB(1, 2, 3));
    ASSERT_EQ(grid.CNewListCtrl::GetFieldCount(), 1);
    EXPECT_EQ(grid.GetItemCount(), 0);
    EXPECT_EQ(head->GetHeadParam(0)->nMask, fieldMask | LVCF_IMAGE);
    EXPECT_EQ(head->GetHeadParam(0)->nFormat, DT_LEFT);
    SetListHead(&grid, nullptr, 0, RGB(9, 9, 9));
    EXPECT_EQ(grid.CNewListCtrl::GetFieldCount(), 1);
    EXPECT_EQ(head->GetTextColor(), RGB(9, 9, 9));
    EXPECT_MESSAGE_BOXES(boxes);
}

// Each data type's column format and mask, one field at a time.
TEST_F(FieldGridTest, TypesChooseAlignmentAndCheckBoxes)
{
    const UINT fieldMask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    struct Case
    {
        int type;
        int format;
        UINT mask;
    };
    const Case cases[] = {
        {FIELD_TEXT, DT_LEFT, fieldMask},
        {FIELD_DOUBLE, DT_RIGHT, fieldMask},
        {FIELD_RIGHT, DT_RIGHT, fieldMask},
        {FIELD_LONG, DT_RIGHT | HEADFMT_DIGIT, fieldMask},
        {FIELD_INT, DT_LEFT, fieldMask},
        {FIELD_YM01_NUMBER, DT_CENTER, fieldMask},
        {FIELD_TYPE_FLAG, DT_LEFT, fieldMask | LVCF_IMAGE},
        {FIELD_FLAG_BIT, DT_LEFT, fieldMask | LVCF_IMAGE},
        {FIELD_TYPE_FLAG | FIELD_DOUBLE, DT_LEFT, fieldMask | LVCF_IMAGE},
    };
    for (const Case& c : cases)
    {
        CfField field[] = {{5, L"欄", 0, c.type, 0, 0, 0}};
        SetListHead(grid, field, 1, 0);
        const CxHeadItemIndex* node = grid.GetHeadWnd()->GetHeadParam(0);
        ASSERT_TRUE(node) << c.type;
        EXPECT_EQ(node->nFormat, c.format) << c.type;
        EXPECT_EQ(node->nMask, c.mask) << c.type;
    }
    EXPECT_MESSAGE_BOXES(boxes);
}

// A type that only reads text into records shows its message for each row
// and leaves the cell empty.
TEST_F(FieldGridTest, AWriteOnlyTypeInAListSaysSoForEachRow)
{
    CfField fields[] = {
        {8, L"姓名", offsetof(Patient, name), FIELD_TEXT, 0, 0, 0},
        {7, L"月份", offsetof(Patient, visits), FIELD_YM01_NUMBER, 0, 0, 0},
    };
    grid.SetField(fields, 2);
    grid.SetListHead(0);
    grid.SetList(kPatients, int(sizeof(Patient)), 2);
    ASSERT_EQ(grid.GetItemCount(), 2);
    EXPECT_EQ(text(1, 0), CString(L"李美"));
    EXPECT_EQ(text(1, 1), CString());
    EXPECT_MESSAGE_BOXES(boxes, L"不認識的數據類型 26", L"不認識的數據類型 26");
}

TEST_F(FieldGridTest, EnlargedGridsWidenTheirUnits)
{
    grid.SendMessage(UM_ENLARGE, 0, 15);   // font height 24
    grid.SetListHead(0);
    EXPECT_EQ(grid.GetHeadWnd()->GetHeadParam(0)->nWidth, 8 * 15);
    EXPECT_EQ(grid.GetHeadWnd()->GetHeadParam(1)->nLevel, 12 * 15);
}

TEST_F(FieldGridTest, RowsComeFromRecordsThroughTheTextConversion)
{
    grid.SetList(kPatients, int(sizeof(Patient)), 3);
    ASSERT_EQ(grid.GetItemCount(), 3);
    EXPECT_EQ(text(0, 0), CString(L"王小明"));
    EXPECT_EQ(text(0, 1), CString()) << "the group caption's cells stay empty";
    EXPECT_EQ(text(0, 2), CString(L"120.5"));
    EXPECT_EQ(text(1, 3), CString(L"12"));
    EXPECT_EQ(text(2, 4), CString(L"1"));
    EXPECT_EQ(text(1, 4), CString(L"0"));

    // Numeric columns sort as numbers, texts and amounts as text.
    grid.QuickSort(0, 2, 3, false);
    EXPECT_EQ(text(0, 3), CString(L"3"));
    EXPECT_EQ(text(2, 3), CString(L"12"));

    const int row = grid.AddRow(&kPatients[2]);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(text(3, 0), CString(L"陳大文"));
    EXPECT_EQ(text(3, 3), CString(L"7"));
    EXPECT_EQ(grid.GetItemState(3, LVIS_STATEIMAGEMASK), UINT(INDEXTOSTATEIMAGEMASK(1)));

    grid.SetRowItems(0, &kPatients[1]);
    EXPECT_EQ(text(0, 0), CString(L"李美"));
    grid.SetRowItems(9, &kPatients[1]);   // no such row
    EXPECT_EQ(grid.GetItemCount(), 4);

    grid.SetList(kPatients, int(sizeof(Patient)), 0);
    EXPECT_EQ(grid.GetItemCount(), 0);
    grid.SetList(kPatients, int(sizeof(Patient)), 2);
    grid.SetList(static_cast<void*>(nullptr));
    EXPECT_EQ(grid.GetItemCount(), 0);
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST(ArrayFieldGrid, RowsComeFromAnArrayOfRecordPointers)
{
    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host(L"array grid", 600, 300);
    CArrayFieldListCtrl grid;
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 200), CWnd::FromHandle(host), 100));
    grid.SetField(kFields, kFieldCount);
    grid.SetListHead(0);
    Array<void*> records;
    records.Add(&kPatients[2]);
    records.Add(&kPatients[0]);
    grid.SetList(static_cast<void*>(&records));
    ASSERT_EQ(grid.GetItemCount(), 2);
    EXPECT_EQ(grid.GetItemText(0, 0), CString(L"陳大文"));
    EXPECT_EQ(grid.GetItemText(1, 2), CString(L"120.5"));
    grid.SetList(static_cast<Array<void*>*>(nullptr));
    EXPECT_EQ(grid.GetItemCount(), 0);
    EXPECT_MESSAGE_BOXES(boxes);
}

namespace
{

// A chooser whose list shows the patients; it double-clicks its first row
// once it is up, as a user would.
class PatientChooser : public CFieldListDlg
{
public:
    explicit PatientChooser(CWnd* parent) : CFieldListDlg(FIELDLIST_TEMPLATE_ID, parent) {}
    void ConfigureList() override
    {
        configured = true;
        m_pList->SetField(kFields, kFieldCount);
    }
    BOOL OnInitDialog() override
    {
        CFieldListDlg::OnInitDialog();
        for (const Patient& patient : kPatients)
            AddRow(&patient);
        rows = m_pList->GetItemCount();
        columns = m_pList->CNewListCtrl::GetFieldCount();
        replacedPlaceholder = !::IsWindowVisible(::GetDlgItem(m_hWnd, FIELDLIST_PLACEHOLDER_ID)) &&
                              m_pList->GetDlgCtrlID() == FIELDLIST_PLACEHOLDER_ID;
        const int y = m_pList->RowToYPos(1) + 3;
        m_pList->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, y));
        return TRUE;
    }
    bool configured = false;
    bool replacedPlaceholder = false;
    int rows = 0;
    int columns = 0;
};

}   // namespace

TEST(FieldListDialog, RunsOnTheLibrarysTemplateAndClosesAsOkOnADoubleClick)
{
    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host(L"chooser owner", 400, 300);
    PatientChooser chooser(CWnd::FromHandle(host));
    EXPECT_FALSE(chooser.ResourceReady()) << "the test program has no template 1232";
    EXPECT_EQ(chooser.DoModal(), IDOK);
    EXPECT_TRUE(chooser.configured);
    EXPECT_TRUE(chooser.replacedPlaceholder);
    EXPECT_EQ(chooser.rows, 3);
    EXPECT_EQ(chooser.columns, kFieldCount);
    EXPECT_MESSAGE_BOXES(boxes);
}
