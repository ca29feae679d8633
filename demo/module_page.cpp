// The library-information page: what the module frame gives a program.
#include "module_page.h"

#include <memory>

#include "module_page_ids.h"

namespace
{

enum : UINT
{
    IDC_ICON_PATIENT = 3001,
    IDC_ICON_RECORD,
    IDC_ICON_EXPORT,
};

// The page's icons: the program's own icon resources on the page's icon items.
CdIconMap kIconMap[] = {
    {IDC_ICON_PATIENT, IDI_MODULE_PATIENT},
    {IDC_ICON_RECORD, IDI_MODULE_RECORD},
    {IDC_ICON_EXPORT, IDI_MODULE_EXPORT},
};

const int kLineHeight = 30;

// This run as the program's settings record it: counted once per run, with
// the time of the run before.
struct RunRecord
{
    long nRun = 0;
    CString strPreviousRun;
};

const RunRecord& RecordThisRun()
{
    static RunRecord record;
    if (record.nRun == 0)
    {
        CLocalPath* pPath = GetLocalPath();
        record.nRun = pPath->GetIniLong(L"Demo", L"LaunchCount") + 1;
        record.strPreviousRun = pPath->GetIni(L"Demo", L"LastRun");
        pPath->SetIniLong(L"Demo", L"LaunchCount", record.nRun);
        SYSTEMTIME now;
        ::GetLocalTime(&now);
        CString strNow;
        strNow.Format(L"%04u/%02u/%02u %02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute);
        pPath->SetIni(L"Demo", L"LastRun", strNow);
    }
    return record;
}

CString SettingsFileName()
{
    wchar_t szPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    CString strPath(szPath);
    int nDot = strPath.ReverseFind(L'.');
    return (nDot > strPath.ReverseFind(L'\\') ? strPath.Left(nDot) : strPath) + L".ini";
}

class CModuleInfoPage : public CWnd
{
public:
    BOOL CreatePage(CWnd* pParent, const RECT& rect, UINT nID);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    void PostNcDestroy() override { delete this; }

private:
    void AddLine(int nLine, const CString& strText);

    CFont m_font;
    CStatic m_icons[3];
    CStatic m_iconLabels[3];
    CStatic m_lines[5];
    CLoadIcon m_iconLoader;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModuleInfoPage, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CModuleInfoPage::CreatePage(CWnd* pParent, const RECT& rect, UINT nID)
{
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    return CreateEx(WS_EX_CONTROLPARENT, cls, L"程式庫資訊", WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, nID);
}

void CModuleInfoPage::AddLine(int nLine, const CString& strText)
{
    CRect rc(24, 110 + nLine * kLineHeight, 900, 110 + nLine * kLineHeight + 24);
    m_lines[nLine].Create(strText, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, rc, this);
    m_lines[nLine].SetFont(&m_font);
}

int CModuleInfoPage::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    m_font.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"新細明體");

    static const wchar_t* const kIconNames[] = {L"病患", L"病歷", L"匯出"};
    for (int i = 0; i < 3; ++i)
    {
        int x = 24 + i * 110;
        m_icons[i].Create(L"", WS_CHILD | WS_VISIBLE | SS_ICON, CRect(x, 16, x + 32, 48), this, kIconMap[i].nCtrlID);
        m_iconLabels[i].Create(kIconNames[i], WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(x + 40, 24, x + 100, 46), this);
        m_iconLabels[i].SetFont(&m_font);
    }
    // The icons come from the program's resources through the library.
    m_iconLoader.InitIcons(this, kIconMap, 3);

    CString strLine;
    strLine.Format(L"設定檔：%s", SettingsFileName().GetString());
    AddLine(0, strLine);
    const RunRecord& run = RecordThisRun();
    strLine.Format(L"本程式第 %ld 次執行（記在設定 [Demo] LaunchCount，經由 QVXml10U.dll 寫入）", run.nRun);
    AddLine(1, strLine);
    strLine.Format(L"上次執行時間：%s",
                   run.strPreviousRun.IsEmpty() ? L"（第一次執行）" : run.strPreviousRun.GetString());
    AddLine(2, strLine);

    CString strExport = GetLocalPath()->GetExportFileName(L"病患清單.txt");
    strLine.Format(L"匯出資料夾：%s", strExport.Left(strExport.ReverseFind(L'\\')).GetString());
    AddLine(3, strLine);

    std::unique_ptr<char[]> utf8(WToMB(L"新細明體"));
    CString strBack = UTF2Unicode(reinterpret_cast<const unsigned char*>(utf8.get()));
    strLine.Format(L"「新細明體」的 UTF-8 長度：%d 位元組，轉回 UTF-16：%s", static_cast<int>(strlen(utf8.get())),
                   strBack.GetString());
    AddLine(4, strLine);
    return 0;
}

}   // namespace

CWnd* CreateModuleInfoPage(CWnd* pParent, const RECT& rect, UINT nID)
{
    CModuleInfoPage* pPage = new CModuleInfoPage;
    if (!pPage->CreatePage(pParent, rect, nID))
    {
        delete pPage;
        return nullptr;
    }
    return pPage;
}
