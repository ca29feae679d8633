// afx_gdi_probe.dll: the DLL side of the per-module handle map tests.
#include "probe_dll.h"
#include "afxcmn.h"

namespace
{

CImageList& OwnImageList()
{
    static CImageList imageList;
    return imageList;
}

}   // namespace

BOOL ProbeHasImageList(HIMAGELIST hImageList)
{
    return CImageList::FromHandlePermanent(hImageList) != nullptr;
}
BOOL ProbeHasMenu(HMENU hMenu)
{
    return CMenu::FromHandlePermanent(hMenu) != nullptr;
}
BOOL ProbeHasGdiObject(HGDIOBJ hObject)
{
    return CGdiObject::FromHandlePermanent(hObject) != nullptr;
}

HIMAGELIST ProbeMakeImageList()
{
    if (OwnImageList().GetSafeHandle() == nullptr)
        OwnImageList().Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    return OwnImageList().GetSafeHandle();
}

void ProbeReleaseImageList()
{
    OwnImageList().DeleteImageList();
}
