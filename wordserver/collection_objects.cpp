// Paragraphs, inline shapes and hyperlinks: the collections of a part of the
// document, their items, and an enumerator for "For Each".
#include "word_app.h"

#include <algorithm>

#include "text_editing.h"

namespace
{

enum CollectionDispId : DISPID
{
    kDispCount = 2,
    kDispAddPicture = 100,
    kDispAddHyperlink = 101,
    kDispNewEnum = DISPID_NEWENUM,
};

// Hyperlinks.Add's arguments by position.
enum HyperlinkArg : UINT
{
    kLinkAnchor,
    kLinkAddress,
    kLinkSubAddress,
    kLinkScreenTip,
    kLinkText
};

const MemberName kLeafNames[] = {
    {L"Application", kDispApplication},
    {L"Creator", kDispCreator},
    {L"Parent", kDispParent},
    {nullptr, 0},
};
const MemberName kParagraphsNames[] = {
    {L"Count", kDispCount},     {L"_NewEnum", kDispNewEnum}, {L"Application", kDispApplication},
    {L"Creator", kDispCreator}, {L"Parent", kDispParent},    {nullptr, 0},
};
const MemberName kInlineShapesNames[] = {
    {L"AddPicture", kDispAddPicture}, {L"_NewEnum", kDispNewEnum}, {L"Application", kDispApplication},
    {L"Creator", kDispCreator},       {L"Parent", kDispParent},    {nullptr, 0},
};
const MemberName kHyperlinksNames[] = {
    {L"Add", kDispAddHyperlink}, {L"_NewEnum", kDispNewEnum}, {L"Application", kDispApplication},
    {L"Creator", kDispCreator},  {L"Parent", kDispParent},    {nullptr, 0},
};

// One paragraph, picture or hyperlink: it answers who made it and where it lives.
class LeafObject : public DispatchObject
{
public:
    LeafObject(const AppPtr& app, const DocumentPtr& doc) : app_(app), doc_(doc) {}

protected:
    const MemberName* Names() const override { return kLeafNames; }
    bool Call(DISPID id, CallArgs& args) override
    {
        return CommonCall(id, args, app_, [this] { return NewDocument(app_, Alive(doc_)); });
    }

    AppPtr app_;
    DocumentPtr doc_;
};

// The common part of the collections: a part of a document.
class PartCollection : public DispatchObject
{
public:
    PartCollection(const AppPtr& app, const DocumentPtr& doc, long start, long end)
        : app_(app), doc_(doc), start_(start), end_(end)
    {
    }

protected:
    bool Enumerate(CallArgs& args, bool pictures)
    {
        if (!args.IsGet() && !args.IsMethod())
            return false;
        const WordDocument& doc = *Alive(doc_);
        std::vector<IDispatch*> items;
        long end = std::min(end_, doc.Length());
        int lastTag = WordDocument::kPlain;
        for (long i = std::max(0L, start_); i < end; ++i)
        {
            int tag = doc.TagAt(i);
            const DocObject* object = doc.Object(tag);
            if (!object || object->isPicture != pictures || (!pictures && tag == lastTag))
                continue;
            lastTag = tag;
            items.push_back(new LeafObject(app_, doc_));
        }
        args.Return(NewEnumerator(items));
        return true;
    }

    bool Common(DISPID id, CallArgs& args)
    {
        return CommonCall(id, args, app_, [this] { return NewDocument(app_, Alive(doc_)); });
    }

    AppPtr app_;
    DocumentPtr doc_;
    long start_;
    long end_;
};

class ParagraphsObject : public PartCollection
{
public:
    using PartCollection::PartCollection;

protected:
    const MemberName* Names() const override { return kParagraphsNames; }
    bool Call(DISPID id, CallArgs& args) override
    {
        if (id == kDispCount || id == kDispNewEnum)
        {
            if (!args.IsGet() && !(id == kDispNewEnum && args.IsMethod()))
                return false;
            std::vector<long> starts = Starts();
            if (id == kDispCount)
            {
                args.Return(static_cast<long>(starts.size()));
            }
            else
            {
                std::vector<IDispatch*> items;
                for (size_t i = 0; i < starts.size(); ++i)
                    items.push_back(new LeafObject(app_, doc_));
                args.Return(NewEnumerator(items));
            }
            return true;
        }
        return Common(id, args);
    }

private:
    // Where each paragraph that the part touches begins.
    std::vector<long> Starts() const
    {
        const WordDocument& doc = *Alive(doc_);
        const std::wstring& text = doc.Text();
        long first = std::clamp(start_, 0L, doc.Length() - 1);
        while (first > 0 && text[static_cast<size_t>(first) - 1] != WordDocument::kParagraphMark)
            --first;
        std::vector<long> starts{first};
        long last = std::clamp(end_, first, doc.Length());
        for (long i = first; i < last - 1 && i < doc.Length() - 1; ++i)
            if (text[static_cast<size_t>(i)] == WordDocument::kParagraphMark)
                starts.push_back(i + 1);
        return starts;
    }
};

class InlineShapesObject : public PartCollection
{
public:
    InlineShapesObject(const AppPtr& app, const DocumentPtr& doc, long start, long end, bool fromSelection)
        : PartCollection(app, doc, start, end), fromSelection_(fromSelection)
    {
    }

protected:
    const MemberName* Names() const override { return kInlineShapesNames; }
    bool Call(DISPID id, CallArgs& args) override
    {
        if (id == kDispNewEnum)
            return Enumerate(args, true);
        if (id != kDispAddPicture)
            return Common(id, args);
        if (!args.IsMethod())
            return false;
        WordDocument& doc = *Alive(doc_);
        TextSpan where{start_, start_};
        DocumentPtr rangeDoc;
        if (TextSpan* range = RangeSpan(args.Dispatch(3), &rangeDoc); range && rangeDoc == doc_)
            where = *range;
        else if (fromSelection_)
            where = doc.selection;
        doc.Clamp(where);
        int tag = 0;
        long end = InsertPicture(doc, where.start, where.end, args.String(0), tag);
        if (fromSelection_)
            doc.selection.start = doc.selection.end = end;
        args.Return(NewInlineShape(app_, doc_, tag));
        return true;
    }

private:
    bool fromSelection_;
};

class HyperlinksObject : public PartCollection
{
public:
    using PartCollection::PartCollection;

protected:
    const MemberName* Names() const override { return kHyperlinksNames; }
    bool Call(DISPID id, CallArgs& args) override
    {
        if (id == kDispNewEnum)
            return Enumerate(args, false);
        if (id != kDispAddHyperlink)
            return Common(id, args);
        if (!args.IsMethod())
            return false;
        WordDocument& doc = *Alive(doc_);
        DocumentPtr anchorDoc;
        TextSpan* anchor = RangeSpan(args.Dispatch(kLinkAnchor), &anchorDoc);
        if (!anchor || anchorDoc != doc_)
            ThrowWordError(L"The anchor of a hyperlink must be a range of this document.", E_INVALIDARG);
        TextSpan where = *anchor;
        doc.Clamp(where);
        bool atSelection = doc.selection.start == where.start && doc.selection.end == where.end;
        int tag = 0;
        long end = InsertHyperlink(doc, where.start, where.end, args.String(kLinkAddress), args.String(kLinkSubAddress),
                                   args.String(kLinkText), tag);
        // Typing goes on after a link inserted at the selection.
        if (atSelection)
            doc.selection.start = doc.selection.end = end;
        args.Return(NewHyperlink(app_, doc_, tag));
        return true;
    }
};

class Enumerator : public IEnumVARIANT
{
public:
    explicit Enumerator(const std::vector<IDispatch*>& items) : items_(items) {}
    virtual ~Enumerator()
    {
        for (IDispatch* item : items_)
            item->Release();
    }
    Enumerator(const Enumerator&) = delete;
    Enumerator& operator=(const Enumerator&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IEnumVARIANT)
        {
            *object = static_cast<IEnumVARIANT*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG n = InterlockedDecrement(&refs_);
        if (n == 0)
            delete this;
        return static_cast<ULONG>(n);
    }
    STDMETHODIMP Next(ULONG count, VARIANT* out, ULONG* fetched) override
    {
        ULONG n = 0;
        for (; n < count && next_ < items_.size(); ++n, ++next_)
        {
            VariantInit(&out[n]);
            out[n].vt = VT_DISPATCH;
            out[n].pdispVal = items_[next_];
            items_[next_]->AddRef();
        }
        if (fetched)
            *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override
    {
        next_ = std::min(items_.size(), next_ + count);
        return next_ < items_.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        next_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumVARIANT** copy) override
    {
        if (!copy)
            return E_POINTER;
        for (IDispatch* item : items_)
            item->AddRef();
        auto* clone = new Enumerator(items_);
        clone->next_ = next_;
        *copy = clone;
        return S_OK;
    }

private:
    LONG refs_ = 1;
    std::vector<IDispatch*> items_;
    size_t next_ = 0;
};

}   // namespace

IDispatch* NewParagraphs(const AppPtr& app, const DocumentPtr& doc, long start, long end)
{
    return new ParagraphsObject(app, doc, start, end);
}

IDispatch* NewInlineShapes(const AppPtr& app, const DocumentPtr& doc, long start, long end, bool fromSelection)
{
    return new InlineShapesObject(app, doc, start, end, fromSelection);
}

IDispatch* NewHyperlinks(const AppPtr& app, const DocumentPtr& doc, long start, long end)
{
    return new HyperlinksObject(app, doc, start, end);
}

IDispatch* NewInlineShape(const AppPtr& app, const DocumentPtr& doc, int)
{
    return new LeafObject(app, doc);
}

IDispatch* NewHyperlink(const AppPtr& app, const DocumentPtr& doc, int)
{
    return new LeafObject(app, doc);
}

IUnknown* NewEnumerator(const std::vector<IDispatch*>& items)
{
    return new Enumerator(items);
}
