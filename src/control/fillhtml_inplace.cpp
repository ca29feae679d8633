// In-place filling of "<Name>" markers, in plain and Unicode-flagged documents.
#include "control/fillhtml.h"

#include <algorithm>
#include <cwchar>
#include "control/fillhtml_document.h"
#include "control/fillhtml_inplace.h"
#include "control/htmlmarker.h"

using namespace qvhtml;

namespace {

const wchar_t kMarkerStart = L'<';
const wchar_t kMarkerEnd = L'>';
// Names of the Unicode filler are at most this long, with no character
// below a space in them.
const size_t kMaxUnicodeName = 50;
const wchar_t kFirstNameChar = L' ';

// Index of the ">" that closes a valid Unicode marker at nStart, or 0.
size_t UnicodeMarkerEnd(const wchar_t* pText, size_t nLength, size_t nStart)
{
    size_t nLimit = std::min(nLength, nStart + 1 + kMaxUnicodeName + 1);
    for (size_t nPos = nStart + 1; nPos < nLimit; ++nPos) {
        if (pText[nPos] == kMarkerEnd)
            return nPos;
        if (pText[nPos] < kFirstNameChar)
            return 0;
    }
    return 0;
}

}  // namespace

namespace qvhtml {

void OverwriteMarker(wchar_t* pText, size_t nStart, size_t nEnd, const CString& strValue)
{
    size_t nSpan = nEnd - nStart;
    wmemset(pText + nStart, L' ', nSpan);
    wmemcpy(pText + nStart, strValue.GetString(), std::min(nSpan, size_t(strValue.GetLength())));
}

bool FillMarkersInPlace(HGLOBAL hDocument, const CaptionTable& captions, char* pRecord, wchar_t chEnd)
{
    LockedDocument document(hDocument);
    if (!document.IsLocked())
        return false;
    wchar_t* pText = document.Text();
    size_t nLength = document.Length();
    TagFinder tags(pText, nLength);
    size_t nPos = 0;
    while (nPos < nLength) {
        const wchar_t* pFound = wmemchr(pText + nPos, kMarkerStart, nLength - nPos);
        if (pFound == nullptr)
            break;
        Marker marker = ReadMarker(pText, nLength, size_t(pFound - pText), chEnd, false, tags);
        nPos = marker.nEnd;
        if (const CfField* pField = captions.Find(marker.strName, marker.strName.GetLength(), true))
            OverwriteMarker(pText, marker.nStart, marker.nEnd, MarkerValue(*pField, pRecord));
    }
    return true;
}

}  // namespace qvhtml

int CFillHtml::FillUnicodeInformation(HGLOBAL hDocument, CfField* pField, int nCount, char* pRecord)
{
    if (hDocument == nullptr || pRecord == nullptr)
        return 0;
    LockedDocument document(hDocument);
    if (!document.IsLocked())
        return 0;
    CaptionTable captions(pField, nCount);
    wchar_t* pText = document.Text();
    size_t nLength = document.Length();
    size_t nPos = 0;
    while (nPos < nLength) {
        const wchar_t* pFound = wmemchr(pText + nPos, kMarkerStart, nLength - nPos);
        if (pFound == nullptr)
            break;
        size_t nStart = size_t(pFound - pText);
        size_t nClose = UnicodeMarkerEnd(pText, nLength, nStart);
        if (nClose == 0) {
            nPos = nStart + 1;
            continue;
        }
        nPos = nClose + 1;
        if (const CfField* pMatch = captions.Find(pText + nStart + 1, int(nClose - nStart - 1), false))
            OverwriteMarker(pText, nStart, nPos, MarkerValue(*pMatch, pRecord));
    }
    return 1;
}
