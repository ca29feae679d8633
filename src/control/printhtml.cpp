// PrintHTMLFile: hands a report to the configured HTML editor.
#include "control/htmlview.h"

#include <shellapi.h>
#include "qvpath.h"

namespace
{

const wchar_t kEditorSection[] = L"EditHtml";
const wchar_t kEditorKey[] = L"ExeFile";
const wchar_t kDefaultEditor[] = L"C:\\Program Files\\Microsoft Office\\Office\\FRONTPG.EXE";

}   // namespace

void PrintHTMLFile(LPCTSTR pszFileName)
{
    CLocalPath* pPath = GetLocalPath();
    CString strEditor = pPath->GetIni(kEditorSection, kEditorKey);
    if (strEditor.IsEmpty())
    {
        strEditor = kDefaultEditor;
        pPath->SetIni(kEditorSection, kEditorKey, strEditor);
    }
    ::ShellExecuteW(nullptr, nullptr, strEditor, pszFileName, nullptr, SW_SHOWNORMAL);
}
