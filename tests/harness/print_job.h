// A print job's two ends for the printing suites: the printer it starts on
// (a DEVNAMES block, or one the spooler does not know) and the PDF it leaves
// on the queue, read back.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qvtest
{

// The name of a printer that no spooler has.
inline constexpr wchar_t kMissingPrinter[] = L"QVNoSuchQueue";

// DEVNAMES naming printer `device` on the winspool driver, with no port; the
// receiver (SelectPrinter) owns the block.
HGLOBAL PrinterDevNames(const std::wstring& device);

// While alive, the application's print jobs start on kMissingPrinter; then
// on the system's default printer again.
template <class App> class MissingPrinterSelected
{
public:
    explicit MissingPrinterSelected(App& app) : app_(app)
    {
        app_.SelectPrinter(PrinterDevNames(kMissingPrinter), nullptr);
    }
    ~MissingPrinterSelected() { app_.SelectPrinter(nullptr, nullptr); }
    MissingPrinterSelected(const MissingPrinterSelected&) = delete;
    MissingPrinterSelected& operator=(const MissingPrinterSelected&) = delete;

private:
    App& app_;
};

// A finished job read back: the newest complete PDF with the job's name and
// the text of each of its pages; pdf is empty when none appeared in time.
struct PrintedJob
{
    std::wstring pdf;
    std::vector<std::wstring> pages;
};
PrintedJob ReadPrintedJob(const std::wstring& jobName, unsigned timeoutMs = 60000);

}   // namespace qvtest
