#include <algorithm>
#include <map>

#include "metafile_records.h"

namespace qvtest
{
namespace
{

// A pen, brush or font as the metafile created it.
struct GdiObject
{
    enum Kind
    {
        None,
        Pen,
        Brush,
        Font
    } kind = None;
    COLORREF color = CLR_INVALID;
    UINT style = 0;
    int width = 1;
    LOGFONTW font{};
};

struct DcState
{
    GdiObject pen;
    GdiObject brush;
    GdiObject font;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = 0;
    POINT position{};
};

GdiObject PenObject(UINT style, int width, COLORREF color)
{
    GdiObject pen;
    pen.kind = GdiObject::Pen;
    pen.style = style;
    pen.width = width;
    pen.color = color;
    return pen;
}

GdiObject BrushObject(UINT style, COLORREF color)
{
    GdiObject brush;
    brush.kind = GdiObject::Brush;
    brush.style = style;
    brush.color = style == BS_SOLID ? color : CLR_INVALID;
    return brush;
}

GdiObject FontObject(const LOGFONTW& logFont)
{
    GdiObject font;
    font.kind = GdiObject::Font;
    font.font = logFont;
    return font;
}

// Stock objects are selected by index with the high bit set; read them off the
// platform's own stock objects.
GdiObject StockObject(DWORD index)
{
    HGDIOBJ stock = GetStockObject(int(index & 0x7FFFFFFF));
    const DWORD type = stock ? GetObjectType(stock) : 0;
    LOGPEN pen{};
    LOGBRUSH brush{};
    LOGFONTW font{};
    if (type == OBJ_PEN && GetObjectW(stock, sizeof pen, &pen))
        return PenObject(pen.lopnStyle, pen.lopnWidth.x, pen.lopnColor);
    if (type == OBJ_BRUSH && GetObjectW(stock, sizeof brush, &brush))
        return BrushObject(brush.lbStyle, brush.lbColor);
    if (type == OBJ_FONT && GetObjectW(stock, sizeof font, &font))
        return FontObject(font);
    return GdiObject{};
}

RECT ToRect(const RECTL& r)
{
    return RECT{r.left, r.top, r.right, r.bottom};
}

template <class Record> RECT DestinationRect(const Record* r)
{
    return RECT{r->xDest, r->yDest, r->xDest + r->cxDest, r->yDest + r->cyDest};
}

// What Wine records, as seen with small drawings:
//   FillRect, PatBlt, DrawEdge (one per side)  CREATEBRUSHINDIRECT, SELECTOBJECT, BITBLT with
//                                              PATCOPY and no source bitmap
//   ExtTextOut(ETO_OPAQUE) without text        SETBKCOLOR, EXTTEXTOUTW with 0 characters
//   Rectangle                                  RECTANGLE with the selected pen and brush
//   TextOut, DrawText                          EXTCREATEFONTINDIRECTW, SELECTOBJECT, EXTTEXTOUTW
//   LineTo, Polyline, PolylineTo               MOVETOEX + LINETO, POLYLINE16, POLYLINETO16
//   ImageList_Draw                             BITBLT with SRCAND, then with SRCPAINT
class Reader
{
public:
    explicit Reader(MetafileContents& out) : out_(out)
    {
        state_.pen = StockObject(0x80000000 | BLACK_PEN);
        state_.brush = StockObject(0x80000000 | WHITE_BRUSH);
        state_.font = StockObject(0x80000000 | SYSTEM_FONT);
    }

    void read(const ENHMETARECORD* record);

private:
    GdiObject object(DWORD index) const
    {
        if (index & 0x80000000)
            return StockObject(index);
        auto found = objects_.find(index);
        return found == objects_.end() ? GdiObject{} : found->second;
    }
    void select(DWORD index);
    void line(POINT from, POINT to);
    template <class Point> void polyline(const Point* points, DWORD count, bool fromPosition);
    void bitBlt(const RECT& dest, DWORD rop, DWORD sourceBytes, DWORD type);
    // A blt that may have no source (then it fills), and a copy that always has one.
    template <class Record> void blt(const ENHMETARECORD* record)
    {
        auto r = reinterpret_cast<const Record*>(record);
        bitBlt(DestinationRect(r), r->dwRop, r->cbBmiSrc, record->iType);
    }
    template <class Record> void copy(const ENHMETARECORD* record)
    {
        auto r = reinterpret_cast<const Record*>(record);
        out_.bitmaps.push_back(DrawnBitmap{DestinationRect(r), r->dwRop, record->iType});
    }
    void region(const RGNDATA* data, const GdiObject& brush);
    void text(const EMREXTTEXTOUTW* record);

    MetafileContents& out_;
    std::map<DWORD, GdiObject> objects_;
    DcState state_;
    std::vector<DcState> saved_;
};

void Reader::select(DWORD index)
{
    GdiObject selected = object(index);
    switch (selected.kind)
    {
    case GdiObject::Pen:
        state_.pen = selected;
        break;
    case GdiObject::Brush:
        state_.brush = selected;
        break;
    case GdiObject::Font:
        state_.font = selected;
        break;
    case GdiObject::None:
        break;
    }
}

void Reader::line(POINT from, POINT to)
{
    if (state_.pen.style != PS_NULL)
    {
        DrawnLine drawn;
        drawn.from = from;
        drawn.to = to;
        drawn.color = state_.pen.color;
        drawn.penStyle = state_.pen.style;
        drawn.width = state_.pen.width;
        out_.lines.push_back(drawn);
    }
    state_.position = to;
}

template <class Point> void Reader::polyline(const Point* points, DWORD count, bool fromPosition)
{
    if (count == 0)
        return;
    POINT previous = fromPosition ? state_.position : POINT{points[0].x, points[0].y};
    for (DWORD i = fromPosition ? 0 : 1; i < count; ++i)
    {
        POINT next{points[i].x, points[i].y};
        line(previous, next);
        previous = next;
    }
    // Polyline leaves the current position alone; PolylineTo moves it.
    if (fromPosition)
        state_.position = previous;
}

void Reader::bitBlt(const RECT& dest, DWORD rop, DWORD sourceBytes, DWORD type)
{
    if (sourceBytes)
    {
        out_.bitmaps.push_back(DrawnBitmap{dest, rop, type});
        return;
    }
    // Without a source bitmap the operation paints with the brush or a constant.
    DrawnFill fill;
    fill.rect = dest;
    fill.source = FillSource::PatternBlt;
    if (rop == PATCOPY)
        fill.color = state_.brush.color;
    else if (rop == BLACKNESS)
        fill.color = RGB(0, 0, 0);
    else if (rop == WHITENESS)
        fill.color = RGB(255, 255, 255);
    else
        return;   // PATINVERT, DSTINVERT, …: no colour of their own
    out_.fills.push_back(fill);
}

void Reader::region(const RGNDATA* data, const GdiObject& brush)
{
    DrawnFill fill;
    fill.rect = data->rdh.rcBound;
    fill.color = brush.color;
    fill.source = FillSource::Region;
    out_.fills.push_back(fill);
}

void Reader::text(const EMREXTTEXTOUTW* record)
{
    const EMRTEXT& emrText = record->emrtext;
    auto base = reinterpret_cast<const BYTE*>(record);
    if (emrText.nChars > 0)
    {
        DrawnText drawn;
        drawn.text.assign(reinterpret_cast<const wchar_t*>(base + emrText.offString), emrText.nChars);
        drawn.origin = POINT{emrText.ptlReference.x, emrText.ptlReference.y};
        drawn.options = emrText.fOptions;
        drawn.rect = ToRect(emrText.rcl);
        drawn.face = state_.font.font.lfFaceName;
        drawn.height = state_.font.font.lfHeight;
        drawn.weight = state_.font.font.lfWeight;
        drawn.italic = state_.font.font.lfItalic != 0;
        drawn.underline = state_.font.font.lfUnderline != 0;
        drawn.textColor = state_.textColor;
        drawn.bkColor = state_.bkColor;
        drawn.bkMode = state_.bkMode;
        drawn.textAlign = state_.textAlign;
        out_.texts.push_back(drawn);
    }
    // ETO_OPAQUE paints the rectangle with the background colour, text or not:
    // this is how FillSolidRect reaches the page.
    if ((emrText.fOptions & ETO_OPAQUE) && emrText.rcl.right > emrText.rcl.left && emrText.rcl.bottom > emrText.rcl.top)
    {
        DrawnFill fill;
        fill.rect = ToRect(emrText.rcl);
        fill.color = state_.bkColor;
        fill.source = FillSource::OpaqueText;
        out_.fills.push_back(fill);
    }
}

void Reader::read(const ENHMETARECORD* record)
{
    switch (record->iType)
    {
    case EMR_EXTCREATEFONTINDIRECTW:
    {
        auto r = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
        objects_[r->ihFont] = FontObject(r->elfw.elfLogFont);
        break;
    }
    case EMR_CREATEPEN:
    {
        auto r = reinterpret_cast<const EMRCREATEPEN*>(record);
        objects_[r->ihPen] = PenObject(r->lopn.lopnStyle, r->lopn.lopnWidth.x, r->lopn.lopnColor);
        break;
    }
    case EMR_EXTCREATEPEN:
    {
        auto r = reinterpret_cast<const EMREXTCREATEPEN*>(record);
        objects_[r->ihPen] = PenObject(r->elp.elpPenStyle & PS_STYLE_MASK, int(r->elp.elpWidth), r->elp.elpColor);
        break;
    }
    case EMR_CREATEBRUSHINDIRECT:
    {
        auto r = reinterpret_cast<const EMRCREATEBRUSHINDIRECT*>(record);
        objects_[r->ihBrush] = BrushObject(r->lb.lbStyle, r->lb.lbColor);
        break;
    }
    case EMR_CREATEDIBPATTERNBRUSHPT:
    case EMR_CREATEMONOBRUSH:
    {
        auto r = reinterpret_cast<const EMRCREATEDIBPATTERNBRUSHPT*>(record);
        objects_[r->ihBrush] = BrushObject(BS_DIBPATTERNPT, CLR_INVALID);
        break;
    }
    case EMR_SELECTOBJECT:
        select(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
        break;
    case EMR_DELETEOBJECT:
        objects_.erase(reinterpret_cast<const EMRDELETEOBJECT*>(record)->ihObject);
        break;
    case EMR_SETTEXTCOLOR:
        state_.textColor = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor;
        break;
    case EMR_SETBKCOLOR:
        state_.bkColor = reinterpret_cast<const EMRSETBKCOLOR*>(record)->crColor;
        break;
    case EMR_SETBKMODE:
        state_.bkMode = int(reinterpret_cast<const EMRSETBKMODE*>(record)->iMode);
        break;
    case EMR_SETTEXTALIGN:
        state_.textAlign = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode;
        break;
    case EMR_SAVEDC:
        saved_.push_back(state_);
        break;
    case EMR_RESTOREDC:
    {
        // A negative number counts back from the latest save.
        int relative = reinterpret_cast<const EMRRESTOREDC*>(record)->iRelative;
        size_t keep = relative < 0 ? saved_.size() - std::min(saved_.size(), size_t(-relative))
                                   : std::min(saved_.size(), size_t(relative > 0 ? relative - 1 : 0));
        if (keep < saved_.size())
        {
            state_ = saved_[keep];
            saved_.resize(keep);
        }
        break;
    }
    case EMR_MOVETOEX:
    {
        const POINTL& p = reinterpret_cast<const EMRMOVETOEX*>(record)->ptl;
        state_.position = POINT{p.x, p.y};
        break;
    }
    case EMR_LINETO:
    {
        const POINTL& p = reinterpret_cast<const EMRLINETO*>(record)->ptl;
        line(state_.position, POINT{p.x, p.y});
        break;
    }
    case EMR_POLYLINE16:
    case EMR_POLYLINETO16:
    {
        auto r = reinterpret_cast<const EMRPOLYLINE16*>(record);
        polyline(r->apts, r->cpts, record->iType == EMR_POLYLINETO16);
        break;
    }
    case EMR_POLYLINE:
    case EMR_POLYLINETO:
    {
        auto r = reinterpret_cast<const EMRPOLYLINE*>(record);
        polyline(r->aptl, r->cptl, record->iType == EMR_POLYLINETO);
        break;
    }
    case EMR_POLYPOLYLINE16:
    {
        auto r = reinterpret_cast<const EMRPOLYPOLYLINE16*>(record);
        auto points = reinterpret_cast<const POINTS*>(r->aPolyCounts + r->nPolys);
        for (DWORD i = 0; i < r->nPolys; points += r->aPolyCounts[i], ++i)
            polyline(points, r->aPolyCounts[i], false);
        break;
    }
    case EMR_RECTANGLE:
    {
        DrawnFill fill;
        fill.rect = ToRect(reinterpret_cast<const EMRRECTANGLE*>(record)->rclBox);
        fill.color = state_.brush.color;
        fill.penColor = state_.pen.style == PS_NULL ? CLR_INVALID : state_.pen.color;
        fill.source = FillSource::Rectangle;
        out_.fills.push_back(fill);
        break;
    }
    case EMR_FILLRGN:
    {
        auto r = reinterpret_cast<const EMRFILLRGN*>(record);
        region(reinterpret_cast<const RGNDATA*>(r->RgnData), object(r->ihBrush));
        break;
    }
    case EMR_PAINTRGN:
        region(reinterpret_cast<const RGNDATA*>(reinterpret_cast<const EMRPAINTRGN*>(record)->RgnData), state_.brush);
        break;
    case EMR_BITBLT:
        blt<EMRBITBLT>(record);
        break;
    case EMR_STRETCHBLT:
        blt<EMRSTRETCHBLT>(record);
        break;
    case EMR_MASKBLT:
        blt<EMRMASKBLT>(record);
        break;
    case EMR_STRETCHDIBITS:
        copy<EMRSTRETCHDIBITS>(record);
        break;
    case EMR_ALPHABLEND:
        copy<EMRALPHABLEND>(record);
        break;
    case EMR_TRANSPARENTBLT:
        copy<EMRTRANSPARENTBLT>(record);
        break;
    case EMR_SETDIBITSTODEVICE:
    {
        auto r = reinterpret_cast<const EMRSETDIBITSTODEVICE*>(record);
        out_.bitmaps.push_back(
            DrawnBitmap{RECT{r->xDest, r->yDest, r->xDest + r->cxSrc, r->yDest + r->cySrc}, SRCCOPY, record->iType});
        break;
    }
    case EMR_EXTTEXTOUTW:
        text(reinterpret_cast<const EMREXTTEXTOUTW*>(record));
        break;
    default:
        break;
    }
}

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM reader)
{
    reinterpret_cast<Reader*>(reader)->read(record);
    return 1;
}

}   // namespace

MetafileContents ReadMetafile(HENHMETAFILE metafile)
{
    MetafileContents contents;
    if (!metafile)
        return contents;
    Reader reader(contents);
    // Without a DC the records are only enumerated, not played.
    EnumEnhMetaFile(nullptr, metafile, ReadRecord, &reader, nullptr);
    return contents;
}

}   // namespace qvtest
