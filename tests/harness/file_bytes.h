// Files that tests write and read back, beside the test program.
#pragma once

#include <string>

namespace qvtest
{

// The folder of the running test program, without a trailing backslash.
std::wstring ProgramFolder();

// The whole file as bytes; "<missing>" when it cannot be opened (shared with
// writers, so a file still open in the code under test can be read).
std::string ReadBytes(const std::wstring& path);

// Writes the bytes as the whole file; false when it cannot be made or written.
bool WriteBytes(const std::wstring& path, const std::string& bytes);

// Removes a folder and everything under it.
void RemoveTree(const std::wstring& folder);

}   // namespace qvtest
