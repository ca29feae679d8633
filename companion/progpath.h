// Where the host program lies: the places of the settings file, the export
// folder and the trace log are all derived from it. Internal to the companion.
#pragma once

#include "afxstr.h"

// Full path of the process's executable.
CString ProgramFilePath();
// Folder of the executable, without a trailing backslash.
CString ProgramFolder();
// ProgramFolder() + "\" + the executable's name with its extension replaced by pszExtension (".ini").
CString ProgramSiblingFile(const wchar_t* pszExtension);
// ProgramFolder() + "\" + pszName.
CString ProgramFolderFile(const wchar_t* pszName);
