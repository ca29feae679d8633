// Global-memory documents for the HTML filler tests.
#pragma once

#include <windows.h>

#include <string>

// A block holding the text and a zero character, as a caller would make one.
inline HGLOBAL MakeDocument(const std::wstring& text)
{
    SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (block != nullptr) {
        memcpy(::GlobalLock(block), text.c_str(), bytes);
        ::GlobalUnlock(block);
    }
    return block;
}

// The text of a block up to its first zero character.
inline std::wstring DocumentText(HGLOBAL block)
{
    const wchar_t* text = static_cast<const wchar_t*>(::GlobalLock(block));
    std::wstring result(text, wcsnlen(text, ::GlobalSize(block) / sizeof(wchar_t)));
    ::GlobalUnlock(block);
    return result;
}

// The raw bytes of a block.
inline std::string DocumentBytes(HGLOBAL block)
{
    const char* bytes = static_cast<const char*>(::GlobalLock(block));
    std::string result(bytes, ::GlobalSize(block));
    ::GlobalUnlock(block);
    return result;
}

// n copies of text.
inline std::wstring Repeat(const std::wstring& text, size_t n)
{
    std::wstring result;
    for (size_t i = 0; i < n; ++i)
        result += text;
    return result;
}
