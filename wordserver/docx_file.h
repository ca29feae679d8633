// Word files on disk: the WordprocessingML package (.docx) and plain text.
#pragma once

#include <string>

#include "word_document.h"

// Reads a .docx package, or a .txt file as plain text, into an empty document.
// False with Word's kind of reason when the file cannot be read.
bool LoadDocumentFile(const std::wstring& path, WordDocument& doc, std::wstring& error);
// Writes the document as a .docx package.
bool SaveDocx(const std::wstring& path, const WordDocument& doc, std::wstring& error);
// Reads an image file and its size for an inline picture.
bool LoadPictureFile(const std::wstring& path, DocPicture& picture, std::wstring& error);

// The whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::wstring& path, ByteVector& bytes, std::wstring& error);

// Package parts named after the WordprocessingML conventions.
namespace docx
{
extern const char kMainPart[];
extern const char kMainRels[];
const long kEmuPerPixel = 9525;   // at 96 pixels an inch
}   // namespace docx
