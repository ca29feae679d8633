// The Application object: documents, selection, visibility, the active printer,
// printing and quitting.
#include "word_app.h"

#include "docx_file.h"
#include "printing.h"

namespace
{

enum AppDispId : DISPID
{
    kDispActiveDocument = 3,
    kDispSelection = 5,
    kDispDocuments = 6,
    kDispVisible = 23,
    kDispVersion = 24,
    kDispActivePrinter = 66,
    kDispPrintOut = 444,
    kDispQuit = 1105,
    kDispServerCallCount = 0x4000,   // this server's own: calls answered so far
};

// PrintOut's arguments by position.
enum PrintOutArg : UINT
{
    kPrintCopies = 7
};
// Quit's first argument: save the open documents first.
const long kSaveChanges = -1;
const wchar_t kVersion[] = L"9.0";

const MemberName kNames[] = {
    {L"ActiveDocument", kDispActiveDocument},
    {L"Selection", kDispSelection},
    {L"Documents", kDispDocuments},
    {L"Visible", kDispVisible},
    {L"Version", kDispVersion},
    {L"ActivePrinter", kDispActivePrinter},
    {L"PrintOut", kDispPrintOut},
    {L"Quit", kDispQuit},
    {L"Application", kDispApplication},
    {L"Creator", kDispCreator},
    {L"Parent", kDispParent},
    {L"ServerCallCount", kDispServerCallCount},
    {nullptr, 0},
};

class ApplicationObject : public DispatchObject
{
public:
    explicit ApplicationObject(const AppPtr& app) : app_(app) {}

protected:
    const MemberName* Names() const override { return kNames; }

    bool Call(DISPID id, CallArgs& args) override
    {
        switch (id)
        {
        case kDispDocuments:
            if (!args.IsGet())
                return false;
            args.Return(NewDocuments(app_));
            return true;
        case kDispActiveDocument:
            if (!args.IsGet())
                return false;
            args.Return(NewDocument(app_, app_->Active()));
            return true;
        case kDispSelection:
            if (!args.IsGet())
                return false;
            args.Return(NewSelection(app_, app_->Active()));
            return true;
        case kDispVersion:
            if (!args.IsGet())
                return false;
            args.Return(std::wstring(kVersion));
            return true;
        case kDispVisible:
            if (args.IsPut())
                app_->visible = CallArgs::ToLong(args.PutValue()) != 0;
            else if (args.IsGet())
                args.Return(app_->visible);
            else
                return false;
            return true;
        case kDispActivePrinter:
            return ActivePrinter(args);
        case kDispPrintOut:
            if (!args.IsMethod())
                return false;
            PrintOut(args);
            return true;
        case kDispQuit:
            if (!args.IsMethod())
                return false;
            Quit(args);
            return true;
        case kDispServerCallCount:
            if (!args.IsGet())
                return false;
            args.Return(static_cast<long>(ServerCallCount()));
            return true;
        default:
            return CommonCall(id, args, app_);
        }
    }

private:
    bool ActivePrinter(CallArgs& args)
    {
        if (app_->activePrinter.empty())
            app_->activePrinter = DefaultPrinterName();
        if (args.IsGet())
        {
            args.Return(app_->activePrinter);
        }
        else if (args.IsPut())
        {
            std::wstring name = CallArgs::ToString(args.PutValue());
            if (name != kAdobePdfPrinter && !PrinterExists(name))
                ThrowWordError(L"There is a printer error: no printer named " + name + L".");
            app_->activePrinter = name;
        }
        else
        {
            return false;
        }
        return true;
    }

    void PrintOut(CallArgs& args)
    {
        DocumentPtr doc = app_->Active();
        long copies = args.Long(kPrintCopies, 1);
        if (copies < 1)
            ThrowWordError(L"The number of copies must be between 1 and 32767.", E_INVALIDARG);
        if (app_->activePrinter.empty())
            app_->activePrinter = DefaultPrinterName();
        std::wstring error;
        std::wstring queue = app_->activePrinter == kAdobePdfPrinter ? kPdfQueue : app_->activePrinter;
        if (!PrintDocument(*doc, queue, copies, error))
            ThrowWordError(error);
    }

    void Quit(CallArgs& args)
    {
        bool save = args.Long(0, 0) == kSaveChanges;
        for (const DocumentPtr& doc : std::vector<DocumentPtr>(app_->documents))
        {
            if (save && !doc->path.empty())
            {
                std::wstring ignored;
                SaveDocx(doc->path, *doc, ignored);
            }
            app_->Close(doc);
        }
        // The process ends after the reply went out (wWinMain revokes and returns).
        RequestServerExit();
    }

    AppPtr app_;
};

}   // namespace

IDispatch* NewApplication(const AppPtr& app)
{
    return new ApplicationObject(app);
}
