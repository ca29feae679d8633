// Decoding report templates and encoding reports.
#include "control/fillhtml_encoding.h"

#include <utility>
#include <vector>
#include "control/fillhtml_document.h"

namespace qvhtml {

namespace {

const wchar_t kByteOrderMark = 0xFEFF;
const BYTE kUtf16LeMark[] = {0xFF, 0xFE};
const BYTE kUtf16BeMark[] = {0xFE, 0xFF};
const BYTE kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

bool BeginsWith(const BYTE* pBytes, size_t nBytes, const BYTE* pMark, size_t nMark)
{
    return nBytes >= nMark && memcmp(pBytes, pMark, nMark) == 0;
}

// UTF-16 big-endian text turned to little-endian in its own block.
void SwapBytes(BYTE* pBytes, size_t nBytes)
{
    for (size_t i = 0; i + 1 < nBytes; i += 2)
        std::swap(pBytes[i], pBytes[i + 1]);
}

// The 8-bit text in a new UTF-16 block (byte-order mark kept as U+FEFF), or null.
HGLOBAL DecodeBytes(const BYTE* pBytes, size_t nBytes)
{
    const char* pChars = reinterpret_cast<const char*>(pBytes);
    int nBytesInt = int(nBytes);
    UINT nCodePage = CP_UTF8;
    int nChars = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pChars, nBytesInt, nullptr, 0);
    if (nChars == 0 && nBytes > 0) {
        nCodePage = CP_ACP;
        nChars = ::MultiByteToWideChar(CP_ACP, 0, pChars, nBytesInt, nullptr, 0);
    }
    HGLOBAL hText = AllocateDocument(size_t(nChars));
    wchar_t* pText = hText ? static_cast<wchar_t*>(::GlobalLock(hText)) : nullptr;
    if (pText == nullptr) {
        if (hText)
            ::GlobalFree(hText);
        return nullptr;
    }
    if (nChars > 0)
        ::MultiByteToWideChar(nCodePage, 0, pChars, nBytesInt, pText, nChars);
    ::GlobalUnlock(hText);
    return hText;
}

}  // namespace

HGLOBAL DecodeTemplate(HGLOBAL hLoaded, size_t nBytes, ReportEncoding& encoding)
{
    BYTE* pBytes = static_cast<BYTE*>(::GlobalLock(hLoaded));
    if (pBytes == nullptr) {
        ::GlobalFree(hLoaded);
        return nullptr;
    }
    if (BeginsWith(pBytes, nBytes, kUtf16LeMark, sizeof kUtf16LeMark) ||
        BeginsWith(pBytes, nBytes, kUtf16BeMark, sizeof kUtf16BeMark)) {
        if (pBytes[0] == kUtf16BeMark[0])
            SwapBytes(pBytes, nBytes);
        // An odd last byte is half a character: it would pair with the padding.
        if (nBytes % 2 != 0)
            pBytes[nBytes - 1] = 0;
        ::GlobalUnlock(hLoaded);
        encoding = ReportEncoding::Utf16;
        return hLoaded;
    }
    HGLOBAL hText = DecodeBytes(pBytes, nBytes);
    ::GlobalUnlock(hLoaded);
    ::GlobalFree(hLoaded);
    encoding = ReportEncoding::Utf8;
    return hText;
}

bool WriteReport(CFile& file, const wchar_t* pText, size_t nLength, ReportEncoding encoding)
{
    bool bMarked = nLength > 0 && pText[0] == kByteOrderMark;
    if (encoding == ReportEncoding::Utf16) {
        if (!bMarked && !file.Write(kUtf16LeMark, sizeof kUtf16LeMark))
            return false;
        return file.Write(pText, UINT(nLength * sizeof(wchar_t)));
    }
    if (!bMarked && !file.Write(kUtf8Mark, sizeof kUtf8Mark))
        return false;
    int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, pText, int(nLength), nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return nLength == 0;
    std::vector<char> bytes(nBytes);
    ::WideCharToMultiByte(CP_UTF8, 0, pText, int(nLength), bytes.data(), nBytes, nullptr, nullptr);
    return file.Write(bytes.data(), UINT(nBytes));
}

}  // namespace qvhtml
