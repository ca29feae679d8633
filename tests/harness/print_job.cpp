#include "print_job.h"

#include "printed_pdf.h"

namespace qvtest
{

HGLOBAL PrinterDevNames(const std::wstring& device)
{
    const std::wstring driver = L"winspool";
    // Driver, device and an empty port, each with its terminator.
    const size_t chars = driver.size() + device.size() + 3;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + chars * sizeof(wchar_t));
    auto* names = static_cast<DEVNAMES*>(::GlobalLock(block));
    if (names == nullptr)
        return block;
    auto* text = reinterpret_cast<wchar_t*>(names);
    WORD offset = sizeof(DEVNAMES) / sizeof(wchar_t);
    names->wDriverOffset = offset;
    wcscpy(text + offset, driver.c_str());
    offset += static_cast<WORD>(driver.size() + 1);
    names->wDeviceOffset = offset;
    wcscpy(text + offset, device.c_str());
    names->wOutputOffset = static_cast<WORD>(offset + device.size() + 1);
    ::GlobalUnlock(block);
    return block;
}

PrintedJob ReadPrintedJob(const std::wstring& jobName, unsigned timeoutMs)
{
    PrintedJob job;
    job.pdf = WaitForPrintedPdf(jobName, timeoutMs);
    if (!job.pdf.empty())
        job.pages = PdfPageTexts(job.pdf);
    return job;
}

}   // namespace qvtest
