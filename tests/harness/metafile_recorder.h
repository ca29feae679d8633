// Drawing into an enhanced metafile and reading back what was drawn: text outs,
// lines, fills and bitmaps, with the fonts and colours in effect.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "metafile_records.h"

namespace qvtest
{

class MetafileRecorder
{
public:
    MetafileRecorder() = default;
    ~MetafileRecorder();
    MetafileRecorder(const MetafileRecorder&) = delete;
    MetafileRecorder& operator=(const MetafileRecorder&) = delete;

    // Records what `draw` does to a metafile DC (reference DC: the screen). Each
    // recording replaces the previous one. Returns false if no metafile could be made.
    bool record(const std::function<void(HDC)>& draw);
    // Records a window's client area as it paints it for WM_PRINTCLIENT.
    bool recordPrintClient(HWND window, LPARAM flags = PRF_CLIENT | PRF_ERASEBKGND);

    const std::vector<DrawnText>& textOuts() const { return contents_.texts; }
    const std::vector<DrawnLine>& lines() const { return contents_.lines; }
    const std::vector<DrawnFill>& fills() const { return contents_.fills; }
    const std::vector<DrawnBitmap>& bitmaps() const { return contents_.bitmaps; }

    // The drawn texts in drawing order.
    std::vector<std::wstring> texts() const;
    // The first text out whose text equals `text`; nullptr if none.
    const DrawnText* findText(const std::wstring& text) const;
    // Every text out whose text contains `part`.
    std::vector<DrawnText> findTexts(const std::wstring& part) const;
    std::vector<DrawnLine> linesWithColor(COLORREF color) const;
    // Fills painted with `color` (hollow and pattern brushes never match).
    std::vector<DrawnFill> fillsWithColor(COLORREF color) const;

private:
    void reset();

    HENHMETAFILE metafile_ = nullptr;
    MetafileContents contents_;
};

}   // namespace qvtest
