// CTextFile: UTF-16 or UTF-8 text files.
#include "control/textfile.h"

#include <vector>

namespace
{

const BYTE kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

}   // namespace

CTextFile::CTextFile() : m_bUTF8(0), m_nOpenFlags(0) {}

CTextFile::~CTextFile()
{
    if (IsOpen())
        CFile::Close();
}

int CTextFile::Open(LPCTSTR pszFileName, UINT nOpenFlags, int bUTF8)
{
    m_bUTF8 = (nOpenFlags & CFile::modeWrite) ? bUTF8 : 0;
    m_nOpenFlags = nOpenFlags;
    int bOpened = CFile::Open(pszFileName, nOpenFlags);
    if (m_bUTF8)
        WriteUTF8Header();
    return bOpened;
}

int CTextFile::WriteUTF8Header()
{
    Write(kUtf8Mark, sizeof kUtf8Mark);
    return 1;
}

int CTextFile::PutString(const CString& strText)
{
    if (!m_bUTF8)
    {
        Write(strText.GetString(), UINT(strText.GetLength() * sizeof(wchar_t)));
        return 0;
    }
    int nBytes =
        ::WideCharToMultiByte(CP_UTF8, 0, strText.GetString(), strText.GetLength(), nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return 0;
    std::vector<char> buffer(size_t(nBytes) + 1);
    ::WideCharToMultiByte(CP_UTF8, 0, strText.GetString(), strText.GetLength(), buffer.data(), nBytes, nullptr,
                          nullptr);
    buffer[nBytes] = 0;
    BOOL bWritten = Write(buffer.data(), UINT(nBytes));
    Flush();
    return bWritten ? nBytes : 0;
}
