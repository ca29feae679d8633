#include "metafile_recorder.h"

namespace qvtest
{

MetafileRecorder::~MetafileRecorder()
{
    reset();
}

void MetafileRecorder::reset()
{
    if (metafile_)
        DeleteEnhMetaFile(metafile_);
    metafile_ = nullptr;
    contents_ = MetafileContents{};
}

bool MetafileRecorder::record(const std::function<void(HDC)>& draw)
{
    reset();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
    ReleaseDC(nullptr, screen);
    if (!dc)
        return false;
    draw(dc);
    metafile_ = CloseEnhMetaFile(dc);
    contents_ = ReadMetafile(metafile_);
    return metafile_ != nullptr;
}

bool MetafileRecorder::recordPrintClient(HWND window, LPARAM flags)
{
    return record([&](HDC dc) { SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags); });
}

std::vector<std::wstring> MetafileRecorder::texts() const
{
    std::vector<std::wstring> all;
    for (const auto& t : contents_.texts)
        all.push_back(t.text);
    return all;
}

const DrawnText* MetafileRecorder::findText(const std::wstring& text) const
{
    for (const auto& t : contents_.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

std::vector<DrawnText> MetafileRecorder::findTexts(const std::wstring& part) const
{
    std::vector<DrawnText> found;
    for (const auto& t : contents_.texts)
        if (t.text.find(part) != std::wstring::npos)
            found.push_back(t);
    return found;
}

std::vector<DrawnLine> MetafileRecorder::linesWithColor(COLORREF color) const
{
    std::vector<DrawnLine> found;
    for (const auto& l : contents_.lines)
        if (l.color == color)
            found.push_back(l);
    return found;
}

std::vector<DrawnFill> MetafileRecorder::fillsWithColor(COLORREF color) const
{
    std::vector<DrawnFill> found;
    if (color == CLR_INVALID)
        return found;
    for (const auto& f : contents_.fills)
        if (f.color == color)
            found.push_back(f);
    return found;
}

}   // namespace qvtest
