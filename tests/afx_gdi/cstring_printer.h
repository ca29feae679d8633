// Readable CString values in test failure messages.
#pragma once

#include <ostream>
#include <string>

#include "afxstr.h"
#include "wide_text.h"

inline void PrintTo(const CString& text, std::ostream* os)
{
    *os << '"' << qvtest::Utf8(std::wstring(text.GetString(), static_cast<size_t>(text.GetLength()))) << '"';
}
