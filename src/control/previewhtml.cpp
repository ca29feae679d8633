// PreviewHTMLFile: a report in a browser frame of its own.
#include "control/htmlwnd.h"

namespace
{

const RECT kPreviewRect = {100, 50, 600, 400};

}   // namespace

void PreviewHTMLFile(LPCTSTR pszFileName)
{
    auto* pWnd = new CHTMLWnd;
    if (!pWnd->Create(kPreviewRect))
    {
        delete pWnd;
        return;
    }
    pWnd->Navigate(pszFileName);
    if (!pWnd->WaitForDocument())
    {
        // Closed before the document was there: the window is gone already.
        delete pWnd;
        return;
    }
    pWnd->SetAutoDelete(1);
}
