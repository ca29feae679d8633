// Typing, inserting files, pictures and hyperlinks into the document model.
#include "text_editing.h"

#include <algorithm>

#include "dispatch_object.h"
#include "docx_file.h"

std::wstring TypedText(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            continue;
        out.push_back(text[i] == L'\n' ? WordDocument::kParagraphMark : text[i]);
    }
    return out;
}

std::wstring SpanText(const WordDocument& doc, long start, long end)
{
    start = std::max(0L, std::min(start, doc.Length()));
    end = std::max(start, std::min(end, doc.Length()));
    return doc.Text().substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

long InsertText(WordDocument& doc, long start, long end, const std::wstring& text)
{
    std::wstring typed = TypedText(text);
    long at = std::min(start, doc.Length() - 1);
    doc.Replace(at, end, typed);
    return at + static_cast<long>(typed.size());
}

long InsertFile(WordDocument& doc, long start, long end, const std::wstring& path)
{
    WordDocument other;
    std::wstring error;
    if (!LoadDocumentFile(path, other, error))
        ThrowWordError(error);
    long at = std::min(start, doc.Length() - 1);
    doc.InsertDocument(at, end, other);
    return at + other.Length() - 1;
}

long InsertPicture(WordDocument& doc, long start, long end, const std::wstring& path, int& tag)
{
    DocObject object;
    object.isPicture = true;
    std::wstring error;
    if (!LoadPictureFile(path, object.picture, error))
        ThrowWordError(error);
    tag = doc.AddObject(object);
    long at = std::min(start, doc.Length() - 1);
    doc.Replace(at, end, std::wstring(1, WordDocument::kPictureChar), tag);
    return at + 1;
}

long InsertHyperlink(WordDocument& doc, long start, long end, const std::wstring& address,
                     const std::wstring& subAddress, const std::wstring& shownText, int& tag)
{
    if (address.empty() && subAddress.empty())
        ThrowWordError(L"A hyperlink needs an address.", E_INVALIDARG);
    DocObject object;
    object.link.address = address;
    object.link.subAddress = subAddress;
    // A link never swallows a paragraph mark: its part ends at the first one.
    size_t mark = SpanText(doc, start, end).find(WordDocument::kParagraphMark);
    if (mark != std::wstring::npos)
        end = start + static_cast<long>(mark);
    std::wstring text = TypedText(shownText);
    text = text.substr(0, text.find(WordDocument::kParagraphMark));
    if (text.empty())
        text = SpanText(doc, start, end);
    if (text.empty())
        text = address.empty() ? subAddress : address;
    tag = doc.AddObject(object);
    long at = std::min(start, doc.Length() - 1);
    doc.Replace(at, end, text, tag);
    return at + static_cast<long>(text.size());
}
