// Lets GoogleTest print CString values as text in failure messages.
#pragma once
#include <ostream>
#include <string>
#include <gtest/gtest.h>
#include "afxstr.h"

inline void PrintTo(const CString& text, std::ostream* os)
{
    *os << ::testing::PrintToString(std::wstring(text.GetString(), static_cast<size_t>(text.GetLength())));
}
