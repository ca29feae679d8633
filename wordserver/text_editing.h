// Edits that the selection and ranges share.
#pragma once

#include <string>

#include "word_document.h"

// Line ends in typed text become paragraph marks, as pressing Enter does.
std::wstring TypedText(const std::wstring& text);
std::wstring SpanText(const WordDocument& doc, long start, long end);
// Each puts its content in place of [start, end) and returns where it ends;
// failures are thrown as Word errors and leave the document unchanged.
long InsertText(WordDocument& doc, long start, long end, const std::wstring& text);
long InsertFile(WordDocument& doc, long start, long end, const std::wstring& path);
long InsertPicture(WordDocument& doc, long start, long end, const std::wstring& path, int& tag);
// Makes [start, end) a hyperlink, typing the shown text (or the address when the
// part is empty) in its place; returns the end of the link text.
long InsertHyperlink(WordDocument& doc, long start, long end, const std::wstring& address,
                     const std::wstring& subAddress, const std::wstring& shownText, int& tag);
