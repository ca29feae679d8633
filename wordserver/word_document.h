// The document the server keeps: its text, with paragraph marks as '\r', and the
// pictures and hyperlinks laid over its characters.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "zip_package.h"

struct DocPicture
{
    ByteVector bytes;         // the image file as it was read
    std::wstring extension;   // "png", "jpeg", "gif", "bmp"
    long widthEmu = 0;        // shown size, English metric units (914,400 an inch)
    long heightEmu = 0;
};

struct DocLink
{
    std::wstring address;
    std::wstring subAddress;
};

// What a tagged character stands for: one picture, or part of a hyperlink's text.
struct DocObject
{
    bool isPicture = false;
    DocPicture picture;
    DocLink link;
};

// Two positions that follow the edits of their document, as a Word range does.
struct TextSpan
{
    long start = 0;
    long end = 0;
};

class WordDocument
{
public:
    static constexpr wchar_t kParagraphMark = L'\r';
    static constexpr wchar_t kLineBreak = L'\v';
    static constexpr wchar_t kPictureChar = 0x01;   // an inline picture takes one character
    static constexpr int kPlain = 0;                // tag of a character with no object

    WordDocument();
    ~WordDocument();
    WordDocument(const WordDocument&) = delete;
    WordDocument& operator=(const WordDocument&) = delete;

    std::wstring name;     // "Document1", or the file name once opened or saved
    std::wstring path;     // empty until the document has a file
    bool closed = false;   // the document was closed; its objects refuse calls
    TextSpan selection;    // the selection of the document's window

    const std::wstring& Text() const { return text_; }
    // Characters including the final paragraph mark, which is never removed.
    long Length() const { return static_cast<long>(text_.size()); }
    int TagAt(long i) const { return tags_[static_cast<size_t>(i)]; }
    const DocObject* Object(int tag) const;
    int AddObject(const DocObject& object);
    long ParagraphCount() const;

    // Puts text, each character tagged with tag, in place of [start, end); the final
    // paragraph mark stays. Spans inside the replaced part move to its edges.
    void Replace(long start, long end, const std::wstring& text, int tag = kPlain);
    // Puts the content of another document (without its final mark) in place of [start, end).
    void InsertDocument(long start, long end, const WordDocument& other);
    // Positions limited to the document, start not after end.
    void Clamp(TextSpan& span) const;

    void Register(TextSpan* span);
    void Unregister(TextSpan* span);

private:
    void Splice(long start, long end, const std::wstring& text, const std::vector<int>& tags);

    std::wstring text_;
    std::vector<int> tags_;            // one per character of text_
    std::vector<DocObject> objects_;   // tag n is objects_[n - 1]
    std::vector<TextSpan*> spans_;     // spans that follow edits, the selection first
};

using DocumentPtr = std::shared_ptr<WordDocument>;
