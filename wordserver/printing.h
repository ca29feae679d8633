// Putting a document on paper through GDI: a simple flowing layout of the text,
// line breaks at spaces or between East Asian characters, pictures inline.
#pragma once

#include <windows.h>

#include <string>

#include "word_document.h"

// Prints the whole document as one job named after the document; "Adobe PDF"
// stands for the PDF queue. False with the reason when the printer refuses.
bool PrintDocument(const WordDocument& doc, const std::wstring& printer, int copies, std::wstring& error);
// The part [start, end) drawn as it would be printed on its first page.
HENHMETAFILE DrawToMetafile(const WordDocument& doc, long start, long end);
std::wstring DefaultPrinterName();
bool PrinterExists(const std::wstring& name);
