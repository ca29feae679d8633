// The application state: its documents and which one is active.
#include "word_app.h"

#include <algorithm>

const wchar_t kAdobePdfPrinter[] = L"Adobe PDF";
const wchar_t kPdfQueue[] = L"PDF";

DocumentPtr WordApp::Active() const
{
    if (!active)
        ThrowWordError(L"This command is not available because no document is open.");
    return active;
}

void WordApp::Add(const DocumentPtr& doc)
{
    documents.push_back(doc);
    active = doc;
}

void WordApp::Close(const DocumentPtr& doc)
{
    doc->closed = true;
    documents.erase(std::remove(documents.begin(), documents.end(), doc), documents.end());
    if (active == doc)
        active = documents.empty() ? nullptr : documents.back();
}

const DocumentPtr& Alive(const DocumentPtr& doc)
{
    if (!doc || doc->closed)
        ThrowWordError(L"Object has been deleted.");
    return doc;
}

bool CommonCall(DISPID id, CallArgs& args, const AppPtr& app, const std::function<IDispatch*()>& parent)
{
    if (!args.IsGet())
        return false;
    switch (id)
    {
    case kDispCreator:
        args.Return(kWordCreator);
        return true;
    case kDispApplication:
        args.Return(NewApplication(app));
        return true;
    case kDispParent:
        args.Return(parent ? parent() : NewApplication(app));
        return true;
    default:
        return false;
    }
}
