// What the Word writer's tests share: the stand-in server's processes and
// registration, Unix tools run from Wine (python3-docx, pdftotext), a patient
// record with its field descriptors, and files under out/word.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "qvctrl.h"
#include "common/wordoffice.h"
#include "qvtest.h"

namespace wordtest
{

// Processes of the stand-in now running.
std::vector<DWORD> ServerProcesses();
// Waits until no stand-in runs (servers end after Quit); false on time-out.
bool WaitForNoServer(unsigned timeoutMs = 15000);

// <out>\word\<name>, the folder created.
std::wstring OutputFile(const std::wstring& name);
// The Unix form of a Z: path.
std::string UnixPath(const std::wstring& windowsPath);
std::string ReadUtf8File(const std::wstring& path);
std::wstring Utf8ToWide(const std::string& text);

// Runs a Unix program (arguments as one command line) and waits until it has
// put its result file in place.
bool RunUnix(const std::wstring& commandLine, const std::wstring& resultPath, unsigned timeoutMs = 60000);
// The document's paragraphs, one a line, as python3-docx reads them, then a
// line "links:" with the hyperlink targets and "pictures: <n>".
std::wstring DocxAsText(const std::wstring& docxPath);
// What pdftotext reads from a PDF.
std::wstring PdfAsText(const std::wstring& pdfPath);

// The newest PDF of the PDF queue whose name contains the part, waiting for it.
std::wstring FindPrintedPdf(const std::wstring& namePart, FILETIME after, unsigned timeoutMs = 60000);

// A record of the clinic's patient list as the filler reads it. The visit time
// lies at byte 16, where the year-prefixed chart number takes its year from.
struct PatientRecord
{
    wchar_t chart[8];
    __int64 visit;
    wchar_t name[16];
    int age;
    double fee;
    wchar_t note[16];
};
extern CfField kPatientFields[];
extern const int kPatientFieldCount;
PatientRecord SamplePatient();
// Today as the filler writes "CurrentTime".
std::wstring TodayText();

// Removes and restores the server's registration keys around a test.
class RegistrationChange
{
public:
    RegistrationChange();
    ~RegistrationChange();
    RegistrationChange(const RegistrationChange&) = delete;
    RegistrationChange& operator=(const RegistrationChange&) = delete;
    void RemoveProgId();
    void SetServerPath(const std::wstring& path);

private:
    std::wstring serverPath_;
};

// Each test starts with COM on its thread and no stand-in left from before.
class WordTest : public qvtest::MessageBoxTest
{
protected:
    void SetUp() override;
};

}   // namespace wordtest
