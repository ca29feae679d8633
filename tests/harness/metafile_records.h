// What an enhanced metafile says was drawn, in plain structures.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qvtest
{

// One EMR_EXTTEXTOUTW, with the DC state in effect when it was recorded.
struct DrawnText
{
    std::wstring text;
    POINT origin{};     // the reference point
    UINT options = 0;   // ETO_*
    RECT rect{};        // clip or opaque rectangle (meaningful with ETO_CLIPPED / ETO_OPAQUE)
    std::wstring face;
    LONG height = 0;   // lfHeight as the font was created
    LONG weight = 0;
    bool italic = false;
    bool underline = false;
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = OPAQUE;
    UINT textAlign = 0;
};

// One straight segment (a polyline gives one per pair of points), drawn with a visible pen.
struct DrawnLine
{
    POINT from{};
    POINT to{};
    COLORREF color = 0;
    UINT penStyle = PS_SOLID;
    int width = 1;
};

enum class FillSource
{
    PatternBlt,   // EMR_BITBLT/STRETCHBLT without a source: FillRect, PatBlt, DrawEdge
    Rectangle,    // EMR_RECTANGLE: filled with the brush, outlined with the pen
    Region,       // EMR_FILLRGN, EMR_PAINTRGN: the region's bounding box
    OpaqueText,   // EMR_EXTTEXTOUTW with ETO_OPAQUE: FillSolidRect, opaque text cells
};

struct DrawnFill
{
    RECT rect{};
    COLORREF color = 0;   // CLR_INVALID for a hollow or pattern brush
    FillSource source = FillSource::PatternBlt;
    COLORREF penColor = CLR_INVALID;   // a Rectangle's outline; CLR_INVALID for none
};

// A bitmap copied onto the page: BitBlt, StretchBlt, StretchDIBits, image lists, …
struct DrawnBitmap
{
    RECT rect{};   // destination
    DWORD rop = 0;
    DWORD recordType = 0;   // EMR_*
};

struct MetafileContents
{
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
    std::vector<DrawnFill> fills;
    std::vector<DrawnBitmap> bitmaps;
};

// Reads every record of a metafile, following the objects and colours in effect.
MetafileContents ReadMetafile(HENHMETAFILE metafile);

}   // namespace qvtest
