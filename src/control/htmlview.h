// Showing and editing filled HTML reports with outside programs.
#pragma once

#include "afx.h"
#include "qvapi.h"

// Opens the file in the HTML editor named by the settings (section
// "EditHtml", key "ExeFile"). A missing value is set to the FrontPage
// editor's path first, and that path is used.
QVCTRL_API void PrintHTMLFile(LPCTSTR pszFileName);
