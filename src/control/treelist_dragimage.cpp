// TVM_CREATEDRAGIMAGE: a one-image list holding the picture of an item's or a
// cell's text (and image), masked with a key colour. The caller owns the list.
#include <cstring>

#include "treelist_data.h"

namespace treelist
{

namespace
{

constexpr COLORREF kKeyColour = 0x5B4D7B;
constexpr int kMaxWidth = 240;
constexpr int kMaxHeight = 32;

struct DragPicture
{
    wchar_t text[kTextBuffer + 1];
    int length;
    UINT image;   // kNoImage when none is shown
    UINT state;
    int textWidth;
};

bool Describe(TreeListData* d, UINT h, int column, DragPicture* picture)
{
    picture->image = kNoImage;
    if (column > 0 && !CellOf(d, h, column))
    {
        lstrcpyW(picture->text, L"????");
        picture->length = 4;
        picture->state = d->items[h]->state;
        picture->textWidth = 4 * d->layout.fontHeight;
        return true;
    }
    const wchar_t* text = DisplayText(d, h, column, 0, &picture->length);
    if (!ItemOf(d, h))
        return false;
    if (picture->length > kTextBuffer)
        picture->length = kTextBuffer;
    memcpy(picture->text, text, picture->length * sizeof(wchar_t));
    picture->text[picture->length] = 0;
    const TreeListSubItem* cell = CellOf(d, h, column);
    picture->state = cell ? cell->state : d->items[h]->state;
    const BYTE shown = cell ? cell->flags : d->items[h]->flags;
    picture->textWidth = TextWidth(d, h, column);
    if (!ItemOf(d, h))
        return false;
    if ((shown & kFlHasImage) && d->normalImages)
        picture->image = DisplayImage(d, h, column);
    return ItemOf(d, h) != nullptr;
}

}   // namespace

LRESULT CreateDragImage(TreeListData* d, int column, UINT h)
{
    if (!ItemOf(d, h) || column < 0 || (column > 0 && column >= d->layout.columnCount))
        return 0;
    DragPicture picture;
    if (!Describe(d, h, column, &picture))
        return 0;
    const bool withImage = picture.image < kNoImage && d->normalImages;
    int height = d->layout.fontHeight;
    int width = picture.textWidth;
    int textLeft = 0;
    if (withImage)
    {
        if (d->layout.imageHeight > height)
            height = d->layout.imageHeight;
        textLeft = d->layout.imageWidth + 2;
        width += textLeft;
    }
    if (width > kMaxWidth)
        width = kMaxWidth;
    if (height > kMaxHeight)
        height = kMaxHeight;
    if (width < 1)
        width = 1;
    if (height < 1)
        height = 1;

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, ItemFont(d, picture.state));
    const RECT all = {0, 0, width, height};
    SetBkColor(dc, kKeyColour);
    SetTextColor(dc, d->colours[TLC_TEXT]);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    const RECT textArea = {textLeft, 0, width, height};
    ExtTextOutW(dc, textLeft, (height - d->layout.fontHeight) / 2, ETO_CLIPPED | ETO_OPAQUE, &textArea, picture.text,
                (UINT)picture.length, nullptr);
    if (withImage)
        ImageList_DrawEx(d->normalImages, (int)picture.image, dc, 0, 0, 0, 0, GetSysColor(COLOR_WINDOW), CLR_DEFAULT,
                         ILD_TRANSPARENT);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    HIMAGELIST list = ImageList_Create(width, height, 0xFF, 1, 0);
    if (list && ImageList_AddMasked(list, bitmap, kKeyColour) < 0)
    {
        ImageList_Destroy(list);
        list = nullptr;
    }
    DeleteObject(bitmap);
    return (LRESULT)list;
}

}   // namespace treelist
