#include "wide_text.h"

#include <windows.h>

namespace qvtest
{

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(const std::string& text)
{
    if (text.empty())
        return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size);
    return out;
}

std::string QuotedList(const std::vector<std::wstring>& texts)
{
    std::string line = "[";
    for (size_t i = 0; i < texts.size(); ++i)
    {
        if (i)
            line += ", ";
        // Appended piece by piece: the concatenated form draws a false -Wrestrict from GCC 12 at -O2.
        line += '"';
        line += Utf8(texts[i]);
        line += '"';
    }
    return line + "]";
}

}   // namespace qvtest
