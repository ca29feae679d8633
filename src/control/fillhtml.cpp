// CFillHtml: construction and template loading.
#include "control/fillhtml.h"

namespace {

// Zero bytes after a loaded file's bytes: they end the text for the fillers.
const SIZE_T kLoadPadding = 100;
// Largest template read: its text doubles when decoded to UTF-16, and the
// document length is an int.
const ULONGLONG kMaxTemplateBytes = 256ull * 1024 * 1024;

const wchar_t kReadError[] = L"文件讀取錯誤";

// Reads nCount bytes; false when the file gives fewer.
bool ReadWhole(CFile& file, BYTE* pBuffer, ULONGLONG nCount)
{
    ULONGLONG nDone = 0;
    while (nDone < nCount) {
        UINT nRead = file.Read(pBuffer + nDone, UINT(nCount - nDone));
        if (nRead == 0)
            return false;
        nDone += nRead;
    }
    return true;
}

}  // namespace

CFillHtml::CFillHtml() : m_nDocLength(0)
{
}

CFillHtml::~CFillHtml()
{
}

HGLOBAL CFillHtml::LoadFile(LPCTSTR pszFileName)
{
    m_nDocLength = 0;
    CFile file;
    if (pszFileName == nullptr || !file.Open(pszFileName, CFile::modeRead | CFile::shareDenyNone))
        return nullptr;
    ULONGLONG nLength = file.GetLength();
    HGLOBAL hDocument = nullptr;
    if (nLength <= kMaxTemplateBytes)
        hDocument = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, SIZE_T(nLength) + kLoadPadding);
    BYTE* pBytes = hDocument ? static_cast<BYTE*>(::GlobalLock(hDocument)) : nullptr;
    bool bRead = pBytes != nullptr && ReadWhole(file, pBytes, nLength);
    if (pBytes)
        ::GlobalUnlock(hDocument);
    if (!bRead) {
        if (hDocument)
            ::GlobalFree(hDocument);
        AfxMessageBox(kReadError);
        return nullptr;
    }
    m_nDocLength = int(nLength);
    return hDocument;
}
