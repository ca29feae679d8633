// PatientList: a record-keeping window built against the installed QVCtrl
// package. Its records are a fixed-layout structure described by a CfField
// array; the grid's columns and texts come from the descriptors.
//
//   PatientList.exe          shows the window until it is closed
//   PatientList.exe /check   fills the grid, reads it back, and exits with the
//                            number of differences found (0: all is well)
#include "qvctrl.h"

#include <cstddef>
#include <cstdio>

namespace
{

struct Patient
{
    wchar_t chartNo[8];
    wchar_t name[12];
    int age;
    double fee;
};

CfField kPatientFields[] = {
    {8, L"病歷號", offsetof(Patient, chartNo), FIELD_TEXT, 0, 0, 0},
    {10, L"姓名", offsetof(Patient, name), FIELD_TEXT, 0, 0, 0},
    {6, L"年齡", offsetof(Patient, age), FIELD_INT, 0, 0, 0},
    {9, L"掛號費", offsetof(Patient, fee), FIELD_DOUBLE, 1, 0, 0},
};
const int kFieldCount = sizeof(kPatientFields) / sizeof(kPatientFields[0]);

const Patient kPatients[] = {
    {L"A00125", L"王小明", 42, 150.0},
    {L"B01002", L"林怡君", 29, 100.5},
    {L"C02210", L"張淑芬", 51, 0.0},
};
const int kPatientCount = sizeof(kPatients) / sizeof(kPatients[0]);

const UINT kGridId = 100;
const int kPixelsPerCharacter = 10;

class CPatientWindow : public CWnd
{
public:
    BOOL CreateWindowAndGrid()
    {
        LPCTSTR pszClass =
            AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        if (!CreateEx(0, pszClass, L"PatientList", WS_OVERLAPPEDWINDOW, CRect(40, 40, 560, 280), nullptr, 0))
            return FALSE;
        CRect rcClient;
        GetClientRect(&rcClient);
        if (!m_grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rcClient, this, kGridId))
            return FALSE;
        Fill();
        return TRUE;
    }

    // Differences between what the grid holds and what the records say.
    int CountDifferences()
    {
        int nDifferences = m_grid.GetItemCount() == kPatientCount ? 0 : 1;
        for (int nRow = 0; nRow < kPatientCount && nRow < m_grid.GetItemCount(); ++nRow)
            for (int nField = 0; nField < kFieldCount; ++nField)
                if (m_grid.GetItemText(nRow, nField) != RecordText(nRow, nField))
                    ++nDifferences;
        return nDifferences;
    }

protected:
    // The window is the program: closing it ends the message loop.
    void PostNcDestroy() override
    {
        ::PostQuitMessage(0);
        delete this;
    }

private:
    CString RecordText(int nRow, int nField)
    {
        return m_fields.GetString(reinterpret_cast<char*>(const_cast<Patient*>(&kPatients[nRow])), nField);
    }

    void Fill()
    {
        m_fields.SetField(kPatientFields, kFieldCount);
        for (int nField = 0; nField < kFieldCount; ++nField)
        {
            const CfField& field = kPatientFields[nField];
            int nFormat = field.nType == FIELD_DOUBLE ? LVCFMT_RIGHT : LVCFMT_LEFT;
            m_grid.InsertColumn(nField, field.pszName, nFormat, field.nWidth * kPixelsPerCharacter);
        }
        for (int nRow = 0; nRow < kPatientCount; ++nRow)
        {
            m_grid.InsertItem(nRow, RecordText(nRow, 0));
            for (int nField = 1; nField < kFieldCount; ++nField)
                m_grid.SetItemText(nRow, nField, RecordText(nRow, nField));
        }
    }

    CNewListCtrl m_grid;
    CField m_fields;
};

class CPatientListApp : public CWinApp
{
public:
    CPatientListApp() : CWinApp(L"PatientList") {}

    BOOL InitInstance() override
    {
        auto* pWindow = new CPatientWindow;
        if (!pWindow->CreateWindowAndGrid())
        {
            m_nExitCode = 1;
            if (pWindow->GetSafeHwnd())
                pWindow->DestroyWindow();
            else
                delete pWindow;
            return FALSE;
        }
        if (wcsstr(m_lpCmdLine, L"/check"))
        {
            m_nExitCode = pWindow->CountDifferences();
            std::printf("PatientList: %d rows, %d differences\n", kPatientCount, m_nExitCode);
            pWindow->DestroyWindow();
            return FALSE;
        }
        m_pMainWnd = pWindow;
        pWindow->ShowWindow(SW_SHOW);
        return TRUE;
    }

    int ExitInstance() override { return m_nExitCode ? m_nExitCode : CWinApp::ExitInstance(); }

private:
    int m_nExitCode = 0;
};

CPatientListApp theApp;

}   // namespace
