// Editing the server's document model.
#include "word_document.h"

#include <algorithm>

WordDocument::WordDocument() : text_(1, kParagraphMark), tags_(1, kPlain)
{
    spans_.push_back(&selection);
}

WordDocument::~WordDocument() = default;

const DocObject* WordDocument::Object(int tag) const
{
    if (tag <= 0 || static_cast<size_t>(tag) > objects_.size())
        return nullptr;
    return &objects_[static_cast<size_t>(tag) - 1];
}

int WordDocument::AddObject(const DocObject& object)
{
    objects_.push_back(object);
    return static_cast<int>(objects_.size());
}

long WordDocument::ParagraphCount() const
{
    return static_cast<long>(std::count(text_.begin(), text_.end(), kParagraphMark));
}

void WordDocument::Clamp(TextSpan& span) const
{
    span.start = std::clamp(span.start, 0L, Length());
    span.end = std::clamp(span.end, span.start, Length());
}

void WordDocument::Replace(long start, long end, const std::wstring& text, int tag)
{
    Splice(start, end, text, std::vector<int>(text.size(), tag));
}

void WordDocument::InsertDocument(long start, long end, const WordDocument& other)
{
    // Objects of the other document get tags of this one.
    std::vector<int> tagMap(other.objects_.size() + 1, kPlain);
    for (size_t i = 0; i < other.objects_.size(); ++i)
        tagMap[i + 1] = AddObject(other.objects_[i]);
    size_t count = other.text_.size() - 1;
    std::vector<int> tags(count);
    for (size_t i = 0; i < count; ++i)
        tags[i] = tagMap[static_cast<size_t>(other.tags_[i])];
    Splice(start, end, other.text_.substr(0, count), tags);
}

void WordDocument::Splice(long start, long end, const std::wstring& text, const std::vector<int>& tags)
{
    long last = Length() - 1;   // the final paragraph mark stays
    start = std::clamp(start, 0L, last);
    end = std::clamp(end, start, last);
    text_.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), text);
    tags_.erase(tags_.begin() + start, tags_.begin() + end);
    tags_.insert(tags_.begin() + start, tags.begin(), tags.end());
    long inserted = static_cast<long>(text.size());
    long delta = inserted - (end - start);
    auto move = [&](long p)
    {
        if (p <= start)
            return p;
        if (p >= end)
            return p + delta;
        return start + inserted;
    };
    for (TextSpan* span : spans_)
    {
        span->start = move(span->start);
        span->end = move(span->end);
    }
}

void WordDocument::Register(TextSpan* span)
{
    spans_.push_back(span);
}

void WordDocument::Unregister(TextSpan* span)
{
    spans_.erase(std::remove(spans_.begin(), spans_.end(), span), spans_.end());
}
