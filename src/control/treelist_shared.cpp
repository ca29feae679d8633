// Drawing objects shared by every TreeList window of the process: the dotted pen of
// the tree lines and the normal and bold fonts. The first window makes the pen, the
// fonts are made on first need, and the last window to go deletes them.
#include "treelist_data.h"

namespace treelist
{

namespace
{
LONG g_windows = -1;   // number of windows minus one
HPEN g_linePen;
HFONT g_fonts[2];

HPEN MakeLinePen()
{
    LOGBRUSH brush = {BS_SOLID, GetSysColor(COLOR_BTNSHADOW), 0};
    HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
    return pen ? pen : CreatePen(PS_DOT, 1, RGB(0, 0, 0));
}

HFONT MakeFont(bool bold)
{
    LOGFONTW font = {};
    if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0))
    {
        font.lfHeight = -12;
        lstrcpyW(font.lfFaceName, L"MS Shell Dlg");
    }
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return CreateFontIndirectW(&font);
}
}   // namespace

void AcquireSharedObjects()
{
    if (InterlockedIncrement(&g_windows) == 0)
    {
        HPEN pen = MakeLinePen();
        if (InterlockedCompareExchangePointer((void**)&g_linePen, pen, nullptr))
            DeleteObject(pen);
    }
}

void ReleaseSharedObjects()
{
    if (InterlockedDecrement(&g_windows) >= 0)
        return;
    if (HPEN pen = (HPEN)InterlockedExchangePointer((void**)&g_linePen, nullptr))
        DeleteObject(pen);
    for (HFONT& font : g_fonts)
    {
        if (HFONT old = (HFONT)InterlockedExchangePointer((void**)&font, nullptr))
            DeleteObject(old);
    }
}

HPEN SharedLinePen()
{
    if (!g_linePen)
    {
        HPEN pen = MakeLinePen();
        if (InterlockedCompareExchangePointer((void**)&g_linePen, pen, nullptr))
            DeleteObject(pen);
    }
    return g_linePen;
}

HFONT SharedFont(bool bold)
{
    HFONT& slot = g_fonts[bold ? 1 : 0];
    if (!slot)
    {
        HFONT font = MakeFont(bold);
        if (InterlockedCompareExchangePointer((void**)&slot, font, nullptr))
            DeleteObject(font);
    }
    return slot;
}

}   // namespace treelist
