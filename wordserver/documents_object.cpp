// The Documents collection: count, items, new documents and opening files.
#include "word_app.h"

#include "docx_file.h"

namespace
{

enum DocumentsDispId : DISPID
{
    kDispItem = 0,
    kDispCount = 2,
    kDispAdd = 14,
    kDispOpen = 15,
    kDispNewEnum = DISPID_NEWENUM,
};

const MemberName kNames[] = {
    {L"Item", kDispItem},       {L"Count", kDispCount},      {L"Add", kDispAdd},
    {L"Open", kDispOpen},       {L"_NewEnum", kDispNewEnum}, {L"Application", kDispApplication},
    {L"Creator", kDispCreator}, {L"Parent", kDispParent},    {nullptr, 0},
};

std::wstring FullPath(const std::wstring& path)
{
    wchar_t buffer[MAX_PATH * 4];
    DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
    return n > 0 && n < MAX_PATH * 4 ? std::wstring(buffer, n) : path;
}

std::wstring FileNamePart(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

class DocumentsObject : public DispatchObject
{
public:
    explicit DocumentsObject(const AppPtr& app) : app_(app) {}

protected:
    const MemberName* Names() const override { return kNames; }

    bool Call(DISPID id, CallArgs& args) override
    {
        switch (id)
        {
        case kDispCount:
            if (!args.IsGet())
                return false;
            args.Return(static_cast<long>(app_->documents.size()));
            return true;
        case kDispItem:
            if (!args.IsMethod() && !args.IsGet())
                return false;
            args.Return(NewDocument(app_, Item(args.Arg(0))));
            return true;
        case kDispAdd:
            if (!args.IsMethod())
                return false;
            args.Return(NewDocument(app_, Add(args.String(0))));
            return true;
        case kDispOpen:
            if (!args.IsMethod())
                return false;
            args.Return(NewDocument(app_, Open(args.String(0))));
            return true;
        case kDispNewEnum:
        {
            if (!args.IsGet() && !args.IsMethod())
                return false;
            std::vector<IDispatch*> items;
            for (const DocumentPtr& doc : app_->documents)
                items.push_back(NewDocument(app_, doc));
            args.Return(NewEnumerator(items));
            return true;
        }
        default:
            return CommonCall(id, args, app_);
        }
    }

private:
    // By number from 1, or by name.
    DocumentPtr Item(const VARIANT* index)
    {
        if (index && (index->vt == VT_BSTR))
        {
            std::wstring name = CallArgs::ToString(index);
            for (const DocumentPtr& doc : app_->documents)
                if (_wcsicmp(doc->name.c_str(), name.c_str()) == 0 || _wcsicmp(doc->path.c_str(), name.c_str()) == 0)
                    return doc;
        }
        else
        {
            long n = CallArgs::ToLong(index);
            if (n >= 1 && static_cast<size_t>(n) <= app_->documents.size())
                return app_->documents[static_cast<size_t>(n) - 1];
        }
        ThrowWordError(L"The requested member of the collection does not exist.");
    }

    DocumentPtr Add(const std::wstring& templatePath)
    {
        auto doc = std::make_shared<WordDocument>();
        if (!templatePath.empty())
        {
            std::wstring error;
            if (!LoadDocumentFile(templatePath, *doc, error))
                ThrowWordError(error);
        }
        doc->name = L"Document" + std::to_wstring(app_->nextNumber++);
        app_->Add(doc);
        return doc;
    }

    DocumentPtr Open(const std::wstring& path)
    {
        if (path.empty())
            ThrowWordError(L"A file name is required.", DISP_E_PARAMNOTFOUND);
        std::wstring full = FullPath(path);
        for (const DocumentPtr& doc : app_->documents)
        {
            if (_wcsicmp(doc->path.c_str(), full.c_str()) == 0)
            {
                app_->active = doc;
                return doc;
            }
        }
        auto doc = std::make_shared<WordDocument>();
        std::wstring error;
        if (!LoadDocumentFile(full, *doc, error))
            ThrowWordError(error);
        doc->path = full;
        doc->name = FileNamePart(full);
        app_->Add(doc);
        return doc;
    }

    AppPtr app_;
};

}   // namespace

IDispatch* NewDocuments(const AppPtr& app)
{
    return new DocumentsObject(app);
}
