// How report templates are read and reports written. Templates in UTF-16
// (with a byte-order mark, either byte order) are read as they are; any
// other template is 8-bit text: UTF-8 (with or without a byte-order mark)
// when it is valid UTF-8, else text in the system's ANSI code page. Reports
// are written in UTF-16 little-endian for UTF-16 templates and in UTF-8 for
// 8-bit ones, always with a byte-order mark. Internal to the HTML filler.
#pragma once

#include <windows.h>
#include "afx.h"

namespace qvhtml {

enum class ReportEncoding { Utf16, Utf8 };

// Turns the block of a loaded file (nBytes bytes, LoadFile's form) into a
// UTF-16 document block. The loaded block is taken over: it becomes the
// result or is freed. Null when there is no memory for the text.
HGLOBAL DecodeTemplate(HGLOBAL hLoaded, size_t nBytes, ReportEncoding& encoding);

// Writes the text with its byte-order mark (unless the text begins with
// one already). False when the file takes fewer bytes.
bool WriteReport(CFile& file, const wchar_t* pText, size_t nLength, ReportEncoding encoding);

}  // namespace qvhtml
