// Wide strings in test output: gtest and the console print UTF-8.
#pragma once
#include <string>
#include <vector>

namespace qvtest
{

std::string Utf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
// ["a", "b"] as one readable line, for failure messages.
std::string QuotedList(const std::vector<std::wstring>& texts);

}   // namespace qvtest
