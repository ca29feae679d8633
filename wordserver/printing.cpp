// Page layout and GDI drawing of a document, for printers and metafiles.
#include "printing.h"

#include <winspool.h>

#include <algorithm>
#include <vector>

#include "wic_image.h"

namespace
{

const wchar_t kFace[] = L"新細明體";
const int kPointSize = 12;
const int kPointsPerInch = 72;
const long kEmuPerInch = 914400;
const COLORREF kLinkColor = RGB(0x05, 0x63, 0xC1);
const COLORREF kTextColor = RGB(0, 0, 0);
// A4 in hundredths of a millimetre, for metafiles.
const LONG kA4Width = 21000;
const LONG kA4Height = 29700;

// One character or picture placed on a line.
struct Box
{
    long index;   // in the document
    int x;
    int width;
    int height;   // pictures only; text uses the line's
    bool picture;
    int tag;
};

struct Line
{
    std::vector<Box> boxes;
    int height = 0;
    int ascent = 0;
};

struct Page
{
    std::vector<std::pair<int, Line>> lines;   // top y, line
};

bool BreaksAround(wchar_t c)
{
    return c == L' ' || c == L'\t' || c >= 0x2E80;
}

class PageLayout
{
public:
    PageLayout(HDC dc, const WordDocument& doc, int width, int height, int margin)
        : dc_(dc), doc_(doc), left_(margin), right_(width - margin), top_(margin), bottom_(height - margin)
    {
        int dpi = GetDeviceCaps(dc, LOGPIXELSY);
        dpiX_ = GetDeviceCaps(dc, LOGPIXELSX);
        dpiY_ = dpi;
        font_ = CreateFontW(-MulDiv(kPointSize, dpi, kPointsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                            kFace);
        linkFont_ = CreateFontW(-MulDiv(kPointSize, dpi, kPointsPerInch), 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH, kFace);
        HGDIOBJ old = SelectObject(dc_, font_);
        TEXTMETRICW tm = {};
        GetTextMetricsW(dc_, &tm);
        textHeight_ = tm.tmHeight + tm.tmExternalLeading;
        textAscent_ = tm.tmAscent;
        SelectObject(dc_, old);
    }
    ~PageLayout()
    {
        DeleteObject(font_);
        DeleteObject(linkFont_);
    }
    PageLayout(const PageLayout&) = delete;
    PageLayout& operator=(const PageLayout&) = delete;

    void Lay(long start, long end)
    {
        HGDIOBJ old = SelectObject(dc_, font_);
        pages_.assign(1, Page());
        y_ = top_;
        Line line;
        for (long i = start; i < end; ++i)
        {
            wchar_t c = doc_.Text()[static_cast<size_t>(i)];
            if (c == WordDocument::kParagraphMark || c == WordDocument::kLineBreak)
            {
                Finish(line);
                continue;
            }
            Box box = MakeBox(i, c);
            int x = line.boxes.empty() ? left_ : line.boxes.back().x + line.boxes.back().width;
            if (x + box.width > right_ && !line.boxes.empty())
                x = Wrap(line);
            box.x = x;
            line.boxes.push_back(box);
        }
        if (!line.boxes.empty())
            Finish(line);
        SelectObject(dc_, old);
    }

    const std::vector<Page>& Pages() const { return pages_; }

    void Draw(HDC dc, const Page& page) const
    {
        HGDIOBJ old = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_BASELINE | TA_LEFT);
        for (const auto& [top, line] : page.lines)
        {
            int baseline = top + line.ascent;
            size_t i = 0;
            while (i < line.boxes.size())
            {
                const Box& first = line.boxes[i];
                if (first.picture)
                {
                    DrawPicture(dc, first, baseline);
                    ++i;
                    continue;
                }
                // A stretch of characters with the same tag goes out in one call.
                std::wstring text;
                size_t j = i;
                for (; j < line.boxes.size() && !line.boxes[j].picture && line.boxes[j].tag == first.tag; ++j)
                    text.push_back(doc_.Text()[static_cast<size_t>(line.boxes[j].index)] == L'\t'
                                       ? L' '
                                       : doc_.Text()[static_cast<size_t>(line.boxes[j].index)]);
                bool link = doc_.Object(first.tag) != nullptr;
                SelectObject(dc, link ? linkFont_ : font_);
                SetTextColor(dc, link ? kLinkColor : kTextColor);
                std::vector<INT> dx;
                for (size_t k = i; k < j; ++k)
                    dx.push_back(line.boxes[k].width);
                ExtTextOutW(dc, first.x, baseline, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), dx.data());
                i = j;
            }
        }
        SelectObject(dc, old);
    }

private:
    Box MakeBox(long index, wchar_t c)
    {
        int tag = doc_.TagAt(index);
        const DocObject* object = doc_.Object(tag);
        if (object && object->isPicture)
        {
            int width = static_cast<int>(static_cast<long long>(object->picture.widthEmu) * dpiX_ / kEmuPerInch);
            int height = static_cast<int>(static_cast<long long>(object->picture.heightEmu) * dpiY_ / kEmuPerInch);
            // Too large a picture is scaled down into the page.
            double scale = std::min(
                {1.0, double(right_ - left_) / std::max(width, 1), double(bottom_ - top_) / std::max(height, 1)});
            return Box{index, 0, std::max(1, int(width * scale)), std::max(1, int(height * scale)), true, tag};
        }
        SIZE size = {};
        wchar_t shown = c == L'\t' ? L' ' : c;
        GetTextExtentPoint32W(dc_, &shown, 1, &size);
        if (c == L'\t')
            size.cx *= 4;
        return Box{index, 0, static_cast<int>(size.cx), 0, false, tag};
    }

    // Moves the boxes after the last place where the line may break to a new
    // line; returns where the next box goes.
    int Wrap(Line& line)
    {
        size_t keep = line.boxes.size();
        for (size_t k = line.boxes.size(); k-- > 1;)
        {
            const Box& box = line.boxes[k];
            wchar_t c = box.picture ? L' ' : doc_.Text()[static_cast<size_t>(box.index)];
            wchar_t before =
                line.boxes[k - 1].picture ? L' ' : doc_.Text()[static_cast<size_t>(line.boxes[k - 1].index)];
            if (BreaksAround(before) || c >= 0x2E80 || box.picture)
            {
                keep = k;
                break;
            }
        }
        std::vector<Box> rest(line.boxes.begin() + static_cast<long>(keep), line.boxes.end());
        line.boxes.resize(keep);
        Finish(line);
        int x = left_;
        for (Box& box : rest)
        {
            box.x = x;
            x += box.width;
            line.boxes.push_back(box);
        }
        return x;
    }

    void Finish(Line& line)
    {
        line.height = textHeight_;
        line.ascent = textAscent_;
        for (const Box& box : line.boxes)
        {
            if (box.picture && box.height > line.ascent)
            {
                line.height += box.height - line.ascent;
                line.ascent = box.height;
            }
        }
        if (y_ + line.height > bottom_ && !pages_.back().lines.empty())
        {
            pages_.push_back(Page());
            y_ = top_;
        }
        pages_.back().lines.push_back({y_, line});
        y_ += line.height;
        line = Line();
    }

    void DrawPicture(HDC dc, const Box& box, int baseline) const
    {
        const DocObject* object = doc_.Object(box.tag);
        std::vector<BYTE> pixels;
        bool ok = false;
        UINT width = 0, height = 0;
        if (object)
        {
            WicImage image(object->picture.bytes);
            ok = image.CopyPixels(pixels);
            width = image.Width();
            height = image.Height();
        }
        int top = baseline - box.height;
        if (!ok)
        {
            // An unreadable picture still takes its place, as an empty frame.
            HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
            Rectangle(dc, box.x, top, box.x + box.width, baseline);
            SelectObject(dc, oldBrush);
            return;
        }
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = static_cast<LONG>(width);
        info.bmiHeader.biHeight = -static_cast<LONG>(height);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetStretchBltMode(dc, HALFTONE);
        StretchDIBits(dc, box.x, top, box.width, box.height, 0, 0, static_cast<int>(width), static_cast<int>(height),
                      pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }

    HDC dc_;
    const WordDocument& doc_;
    int left_, right_, top_, bottom_;
    int dpiX_ = 96, dpiY_ = 96;
    HFONT font_;
    HFONT linkFont_;
    int textHeight_ = 0;
    int textAscent_ = 0;
    int y_ = 0;
    std::vector<Page> pages_;
};

// One inch of margin inside what the device can print.
int Margin(HDC dc)
{
    return GetDeviceCaps(dc, LOGPIXELSX);
}

}   // namespace

bool PrintDocument(const WordDocument& doc, const std::wstring& printer, int copies, std::wstring& error)
{
    HDC dc = CreateDCW(nullptr, printer.c_str(), nullptr, nullptr);
    if (!dc)
    {
        error = L"There is a printer error: " + printer + L" cannot be opened.";
        return false;
    }
    PageLayout layout(dc, doc, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), Margin(dc));
    layout.Lay(0, doc.Length());
    DOCINFOW info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = doc.name.c_str();
    bool ok = StartDocW(dc, &info) > 0;
    for (int copy = 0; ok && copy < copies; ++copy)
    {
        for (const Page& page : layout.Pages())
        {
            ok = ok && StartPage(dc) > 0;
            if (ok)
                layout.Draw(dc, page);
            ok = ok && EndPage(dc) > 0;
        }
    }
    if (ok)
        ok = EndDoc(dc) > 0;
    else
        AbortDoc(dc);
    DeleteDC(dc);
    if (!ok)
        error = L"There is a printer error: the job could not be printed on " + printer + L".";
    return ok;
}

HENHMETAFILE DrawToMetafile(const WordDocument& doc, long start, long end)
{
    RECT frame = {0, 0, kA4Width, kA4Height};
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    if (!dc)
        return nullptr;
    // The metafile's device is the screen: its page is A4 in screen pixels.
    int width = MulDiv(kA4Width, GetDeviceCaps(dc, LOGPIXELSX), 2540);
    int height = MulDiv(kA4Height, GetDeviceCaps(dc, LOGPIXELSY), 2540);
    PageLayout layout(dc, doc, width, height, Margin(dc));
    layout.Lay(std::max(0L, start), std::min(end, doc.Length()));
    layout.Draw(dc, layout.Pages().front());
    return CloseEnhMetaFile(dc);
}

std::wstring DefaultPrinterName()
{
    wchar_t name[256];
    DWORD size = 256;
    return GetDefaultPrinterW(name, &size) ? std::wstring(name) : std::wstring();
}

bool PrinterExists(const std::wstring& name)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, nullptr))
        return false;
    ClosePrinter(printer);
    return true;
}
