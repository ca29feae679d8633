// Where tests write files that a person looks at afterwards (screenshots).
#pragma once
#include <string>

namespace qvtest
{

// The Windows form of the output folder: QV_OUT (a Unix path) seen through
// Wine's Z: drive, or the current directory when QV_OUT is unset.
std::wstring OutputDir();

// OutputDir()\<sub>, created with its parents when missing.
std::wstring OutputSubdir(const std::wstring& sub);

// Creates every missing folder of a Windows path.
bool CreateFolders(const std::wstring& path);

}   // namespace qvtest
