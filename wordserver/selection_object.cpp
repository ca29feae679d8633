// The Selection: reading and typing text, character-wise moves with and
// without extension, and the objects at the selection.
#include "word_app.h"

#include <algorithm>

#include "text_editing.h"

namespace
{

enum SelectionDispId : DISPID
{
    kDispText = 0,
    kDispStart = 3,
    kDispEnd = 4,
    kDispParagraphs = 59,
    kDispMoveStart = 110,
    kDispInsertFile = 123,
    kDispRange = 400,
    kDispInlineShapes = 411,
    kDispMoveLeft = 500,
    kDispMoveRight = 501,
    kDispTypeText = 507,
    kDispTypeParagraph = 512,
};

// Units of the moves.
enum MoveUnit : long
{
    kUnitCharacter = 1,
    kUnitStory = 6
};

const MemberName kNames[] = {
    {L"Text", kDispText},
    {L"Start", kDispStart},
    {L"End", kDispEnd},
    {L"Paragraphs", kDispParagraphs},
    {L"MoveStart", kDispMoveStart},
    {L"InsertFile", kDispInsertFile},
    {L"Range", kDispRange},
    {L"InlineShapes", kDispInlineShapes},
    {L"MoveLeft", kDispMoveLeft},
    {L"MoveRight", kDispMoveRight},
    {L"TypeText", kDispTypeText},
    {L"TypeParagraph", kDispTypeParagraph},
    {L"Application", kDispApplication},
    {L"Creator", kDispCreator},
    {L"Parent", kDispParent},
    {nullptr, 0},
};

// How many characters a move of count units covers; only characters and the whole story move.
long UnitCount(long unit, long count, long storyLength)
{
    if (unit == kUnitCharacter)
        return count;
    if (unit == kUnitStory)
        return storyLength;
    ThrowWordError(L"Bad parameter: this unit is not supported.", E_INVALIDARG);
}

class SelectionObject : public DispatchObject
{
public:
    SelectionObject(const AppPtr& app, const DocumentPtr& doc) : app_(app), doc_(doc) {}

protected:
    const MemberName* Names() const override { return kNames; }

    bool Call(DISPID id, CallArgs& args) override
    {
        if (id == kDispApplication || id == kDispCreator || id == kDispParent)
            return CommonCall(id, args, app_);
        WordDocument& doc = *Alive(doc_);
        TextSpan& sel = doc.selection;
        doc.Clamp(sel);
        switch (id)
        {
        case kDispText:
            if (args.IsPut())
            {
                long end = InsertText(doc, sel.start, sel.end, CallArgs::ToString(args.PutValue()));
                sel.end = end;
            }
            else if (args.IsGet())
            {
                // A collapsed selection reads the character after it, as Word's does.
                args.Return(SpanText(doc, sel.start, sel.start == sel.end ? sel.start + 1 : sel.end));
            }
            else
            {
                return false;
            }
            return true;
        case kDispStart:
        case kDispEnd:
            return Position(doc, id == kDispStart ? sel.start : sel.end, args);
        case kDispTypeText:
            if (!args.IsMethod())
                return false;
            Collapse(sel, InsertText(doc, sel.start, sel.end, args.String(0)));
            return true;
        case kDispTypeParagraph:
            if (!args.IsMethod())
                return false;
            Collapse(sel, InsertText(doc, sel.start, sel.end, std::wstring(1, WordDocument::kParagraphMark)));
            return true;
        case kDispInsertFile:
            if (!args.IsMethod())
                return false;
            Collapse(sel, InsertFile(doc, sel.start, sel.end, args.String(0)));
            return true;
        case kDispMoveRight:
            if (!args.IsMethod())
                return false;
            args.Return(MoveRight(doc, sel, UnitCount(args.Long(0, kUnitCharacter), args.Long(1, 1), doc.Length()),
                                  args.Bool(2, false)));
            return true;
        case kDispMoveLeft:
            if (!args.IsMethod())
                return false;
            args.Return(MoveLeft(sel, UnitCount(args.Long(0, kUnitCharacter), args.Long(1, 1), doc.Length()),
                                 args.Bool(2, false)));
            return true;
        case kDispMoveStart:
        {
            if (!args.IsMethod())
                return false;
            long count = UnitCount(args.Long(0, kUnitCharacter), args.Long(1, 1), doc.Length());
            long before = sel.start;
            sel.start = std::clamp(sel.start + count, 0L, doc.Length());
            sel.end = std::max(sel.end, sel.start);
            args.Return(std::labs(sel.start - before));
            return true;
        }
        case kDispRange:
            if (!args.IsGet())
                return false;
            args.Return(NewRange(app_, doc_, sel.start, sel.end));
            return true;
        case kDispParagraphs:
            if (!args.IsGet())
                return false;
            args.Return(NewParagraphs(app_, doc_, sel.start, sel.end));
            return true;
        case kDispInlineShapes:
            if (!args.IsGet())
                return false;
            args.Return(NewInlineShapes(app_, doc_, sel.start, sel.end, true));
            return true;
        default:
            return false;
        }
    }

private:
    static void Collapse(TextSpan& sel, long at) { sel.start = sel.end = at; }

    bool Position(WordDocument& doc, long& position, CallArgs& args)
    {
        if (args.IsGet())
        {
            args.Return(position);
        }
        else if (args.IsPut())
        {
            position = std::clamp(CallArgs::ToLong(args.PutValue()), 0L, doc.Length());
            TextSpan& sel = doc.selection;
            if (sel.start > sel.end)
                (&position == &sel.start ? sel.end : sel.start) = position;
        }
        else
        {
            return false;
        }
        return true;
    }

    // Extending moves the end; otherwise a selection collapses to its end first
    // (that counts as one unit) and the insertion point stays before the final mark.
    static long MoveRight(const WordDocument& doc, TextSpan& sel, long count, bool extend)
    {
        if (count < 0)
            return -MoveLeft(sel, -count, extend);
        long before = sel.end;
        if (extend)
        {
            sel.end = std::min(sel.end + count, doc.Length());
            return sel.end - before;
        }
        long moved = 0;
        if (sel.start != sel.end && count > 0)
        {
            sel.start = sel.end;
            moved = 1;
            --count;
        }
        long target = std::min(sel.end + count, doc.Length() - 1);
        moved += std::max(0L, target - sel.end);
        Collapse(sel, std::max(target, sel.end));
        return moved;
    }

    static long MoveLeft(TextSpan& sel, long count, bool extend)
    {
        long before = sel.start;
        if (extend)
        {
            sel.start = std::max(0L, sel.start - count);
            return before - sel.start;
        }
        long moved = 0;
        if (sel.start != sel.end && count > 0)
        {
            sel.end = sel.start;
            moved = 1;
            --count;
        }
        long target = std::max(0L, sel.start - count);
        moved += sel.start - target;
        Collapse(sel, target);
        return moved;
    }

    AppPtr app_;
    DocumentPtr doc_;
};

}   // namespace

IDispatch* NewSelection(const AppPtr& app, const DocumentPtr& doc)
{
    return new SelectionObject(app, doc);
}
