// A Document: its ranges, activation, saving and closing.
#include "word_app.h"

#include <algorithm>

#include "docx_file.h"

namespace
{

enum DocumentDispId : DISPID
{
    kDispName = 0,
    kDispSaveAs = 102,
    kDispSave = 108,
    kDispActivate = 113,
    kDispClose = 1105,
    kDispRange = 2000,
};
// Close's first argument: save before closing.
const long kSaveChanges = -1;

const MemberName kNames[] = {
    {L"Name", kDispName},
    {L"SaveAs", kDispSaveAs},
    {L"Save", kDispSave},
    {L"Activate", kDispActivate},
    {L"Close", kDispClose},
    {L"Range", kDispRange},
    {L"Application", kDispApplication},
    {L"Creator", kDispCreator},
    {L"Parent", kDispParent},
    {nullptr, 0},
};

std::wstring FileNamePart(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

class DocumentObject : public DispatchObject
{
public:
    DocumentObject(const AppPtr& app, const DocumentPtr& doc) : app_(app), doc_(doc) {}

protected:
    const MemberName* Names() const override { return kNames; }

    bool Call(DISPID id, CallArgs& args) override
    {
        switch (id)
        {
        case kDispName:
            if (!args.IsGet())
                return false;
            args.Return(Alive(doc_)->name);
            return true;
        case kDispRange:
        {
            if (!args.IsMethod())
                return false;
            WordDocument& doc = *Alive(doc_);
            long start = args.Long(0, 0), end = args.Long(1, doc.Length());
            if (start < 0 || end < 0 || start > doc.Length() || end > doc.Length())
                ThrowWordError(L"Value out of range.", E_INVALIDARG);
            args.Return(NewRange(app_, doc_, std::min(start, end), std::max(start, end)));
            return true;
        }
        case kDispActivate:
            if (!args.IsMethod())
                return false;
            app_->active = Alive(doc_);
            return true;
        case kDispSave:
            if (!args.IsMethod())
                return false;
            if (Alive(doc_)->path.empty())
                ThrowWordError(L"The document has no file yet: save it with SaveAs first.");
            Save(doc_->path);
            return true;
        case kDispSaveAs:
        {
            if (!args.IsMethod())
                return false;
            std::wstring path = args.String(0, Alive(doc_)->path);
            if (path.empty())
                ThrowWordError(L"A file name is required.", DISP_E_PARAMNOTFOUND);
            Save(path);
            return true;
        }
        case kDispClose:
            if (!args.IsMethod())
                return false;
            if (args.Long(0, 0) == kSaveChanges && !Alive(doc_)->path.empty())
                Save(doc_->path);
            app_->Close(Alive(doc_));
            return true;
        default:
            return CommonCall(id, args, app_);
        }
    }

private:
    void Save(const std::wstring& path)
    {
        wchar_t full[MAX_PATH * 4];
        DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr);
        std::wstring target = n > 0 && n < MAX_PATH * 4 ? std::wstring(full, n) : path;
        std::wstring error;
        if (!SaveDocx(target, *doc_, error))
            ThrowWordError(error);
        doc_->path = target;
        doc_->name = FileNamePart(target);
    }

    AppPtr app_;
    DocumentPtr doc_;
};

}   // namespace

IDispatch* NewDocument(const AppPtr& app, const DocumentPtr& doc)
{
    return new DocumentObject(app, doc);
}
