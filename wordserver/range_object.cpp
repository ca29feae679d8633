// A Range: a part of the document that follows the edits made around it.
#include "word_app.h"

#include <algorithm>

#include "printing.h"
#include "text_editing.h"

namespace
{

enum RangeDispId : DISPID
{
    kDispText = 0,
    kDispStart = 3,
    kDispEnd = 4,
    kDispParagraphs = 59,
    kDispInsertAfter = 104,
    kDispWholeStory = 128,
    kDispStoryLength = 152,
    kDispHyperlinks = 156,
    kDispCopyAsPicture = 167,
};

const MemberName kNames[] = {
    {L"Text", kDispText},
    {L"Start", kDispStart},
    {L"End", kDispEnd},
    {L"Paragraphs", kDispParagraphs},
    {L"InsertAfter", kDispInsertAfter},
    {L"WholeStory", kDispWholeStory},
    {L"StoryLength", kDispStoryLength},
    {L"Hyperlinks", kDispHyperlinks},
    {L"CopyAsPicture", kDispCopyAsPicture},
    {L"Application", kDispApplication},
    {L"Creator", kDispCreator},
    {L"Parent", kDispParent},
    {nullptr, 0},
};

class RangeObject : public DispatchObject
{
public:
    RangeObject(const AppPtr& app, const DocumentPtr& doc, long start, long end) : app_(app), doc_(doc)
    {
        span_.start = start;
        span_.end = end;
        doc_->Register(&span_);
    }
    ~RangeObject() override { doc_->Unregister(&span_); }

    TextSpan* Span(DocumentPtr* doc)
    {
        if (doc)
            *doc = doc_;
        return &span_;
    }

protected:
    const MemberName* Names() const override { return kNames; }

    bool Call(DISPID id, CallArgs& args) override
    {
        if (id == kDispApplication || id == kDispCreator || id == kDispParent)
            return CommonCall(id, args, app_, [this] { return NewDocument(app_, doc_); });
        WordDocument& doc = *Alive(doc_);
        doc.Clamp(span_);
        switch (id)
        {
        case kDispText:
            if (args.IsPut())
            {
                span_.end = InsertText(doc, span_.start, span_.end, CallArgs::ToString(args.PutValue()));
            }
            else if (args.IsGet())
            {
                args.Return(SpanText(doc, span_.start, span_.end));
            }
            else
            {
                return false;
            }
            return true;
        case kDispStart:
        case kDispEnd:
            return Position(doc, id == kDispStart, args);
        case kDispInsertAfter:
        {
            if (!args.IsMethod())
                return false;
            // Text goes in before the final paragraph mark at the latest.
            long at = std::min(span_.end, doc.Length() - 1);
            long end = InsertText(doc, at, at, args.String(0));
            span_.end = std::max(span_.end, end);
            return true;
        }
        case kDispWholeStory:
            if (!args.IsMethod())
                return false;
            span_.start = 0;
            span_.end = doc.Length();
            return true;
        case kDispStoryLength:
            if (!args.IsGet())
                return false;
            args.Return(doc.Length());
            return true;
        case kDispCopyAsPicture:
            if (!args.IsMethod())
                return false;
            CopyAsPicture(doc);
            return true;
        case kDispHyperlinks:
            if (!args.IsGet())
                return false;
            args.Return(NewHyperlinks(app_, doc_, span_.start, span_.end));
            return true;
        case kDispParagraphs:
            if (!args.IsGet())
                return false;
            args.Return(NewParagraphs(app_, doc_, span_.start, span_.end));
            return true;
        default:
            return false;
        }
    }

private:
    bool Position(const WordDocument& doc, bool start, CallArgs& args)
    {
        long& position = start ? span_.start : span_.end;
        if (args.IsGet())
        {
            args.Return(position);
            return true;
        }
        if (!args.IsPut())
            return false;
        position = std::clamp(CallArgs::ToLong(args.PutValue()), 0L, doc.Length());
        if (span_.start > span_.end)
            (start ? span_.end : span_.start) = position;
        return true;
    }

    void CopyAsPicture(const WordDocument& doc)
    {
        HENHMETAFILE picture = DrawToMetafile(doc, span_.start, span_.end);
        if (!picture)
            ThrowWordError(L"The picture could not be made.");
        if (!OpenClipboard(nullptr))
        {
            DeleteEnhMetaFile(picture);
            ThrowWordError(L"The clipboard is in use by another application.");
        }
        EmptyClipboard();
        if (!SetClipboardData(CF_ENHMETAFILE, picture))
            DeleteEnhMetaFile(picture);
        CloseClipboard();
    }

    AppPtr app_;
    DocumentPtr doc_;
    TextSpan span_;
};

}   // namespace

IDispatch* NewRange(const AppPtr& app, const DocumentPtr& doc, long start, long end)
{
    return new RangeObject(app, doc, start, end);
}

TextSpan* RangeSpan(IDispatch* dispatch, DocumentPtr* doc)
{
    auto* range = dynamic_cast<RangeObject*>(DispatchObject::FromDispatch(dispatch));
    return range ? range->Span(doc) : nullptr;
}
