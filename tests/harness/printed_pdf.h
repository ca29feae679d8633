// Jobs printed on the PDF queue, read back: every developer's and test's jobs
// land in one folder (QV_PDF_DIR), so each test names its job uniquely and
// looks for the file with that name. The PDF is read with poppler's tools,
// run as Unix programs from the Windows test.
#pragma once
#include <string>
#include <vector>

namespace qvtest
{

// A document name no other job has: "<prefix>_<process id>_<counter>_<ticks>",
// letters, digits and underscores only, so the queue keeps it as the file name.
std::wstring UniqueJobName(const std::wstring& prefix);

// The Windows path of the finished PDF of the job, once it is complete on
// disk; empty when none appeared within timeoutMs.
std::wstring WaitForPrintedPdf(const std::wstring& jobName, unsigned timeoutMs = 60000);
// Whether a PDF of that job exists now.
bool PrintedPdfExists(const std::wstring& jobName);

// The text of a PDF as `pdftotext -layout` gives it, one string per page.
std::vector<std::wstring> PdfPageTexts(const std::wstring& pdfPath);
// Page 1-based nPage rendered at dpi to a PNG file (pdftoppm); true when written.
bool PdfPageToPng(const std::wstring& pdfPath, int nPage, int dpi, const std::wstring& pngPath);

// Starts a Unix program with arguments (already Unix paths); Wine gives no
// handle to wait for, so it does not wait. False when it did not start.
bool StartUnixProgram(const std::wstring& commandLine);
// Starts it and waits until outputFile exists (the program must create it
// complete, under another name first); false when it did not appear in time.
bool RunUnixProgramFor(const std::wstring& commandLine, const std::wstring& outputFile, unsigned timeoutMs = 60000);
// Z:\a\b for /a/b and back.
std::wstring UnixToWindowsPath(const std::wstring& unixPath);
std::wstring WindowsToUnixPath(const std::wstring& windowsPath);

}   // namespace qvtest
