// Owned copies of captions for the field set.
#pragma once

#include <cwchar>

// A new[] copy of a caption; null stays null.
wchar_t* CopyCaption(const wchar_t* pszCaption);
void FreeCaption(const wchar_t* pszCaption);
