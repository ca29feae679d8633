// The general HTML filler: markers between a start and an end character,
// replaced by padded values in a new document block.
#include "control/fillhtml.h"

#include <cwchar>
#include <vector>
#include "control/fillhtml_document.h"
#include "control/fillhtml_inplace.h"
#include "control/fillhtml_value.h"
#include "control/htmlmarker.h"

using namespace qvhtml;

namespace {

// Markers opened by this character are filled in place.
const wchar_t kInPlaceStart = L'<';
// A value this long or longer is cut to kKeptValue characters.
const int kLongValue = 200;
const int kKeptValue = 99;
// Padding of a value narrower than its marker, one entity per missing
// character, while the replacement stays below kReplacementLimit characters.
const wchar_t kPadding[] = L"&nbsp;";
const int kPaddingLength = 6;
const int kReplacementLimit = 200;
// A marker is as wide as its name and its start and end characters.
const int kMarkerFrame = 2;

struct Replacement
{
    size_t nStart;  // index of the marker's start character
    size_t nEnd;    // index just past the marker and its dots
    CString strText;
};

CString ReplacementText(const CString& strValue, int nMarkerWidth)
{
    CString strShown = strValue.GetLength() >= kLongValue ? strValue.Left(kKeptValue) : strValue;
    CString strText = HtmlText(strShown);
    for (int nMissing = nMarkerWidth - strShown.GetLength();
         nMissing > 0 && strText.GetLength() + kPaddingLength < kReplacementLimit; --nMissing)
        strText += kPadding;
    return strText;
}

// Finds every marker that names a field; sums how much the text grows.
std::vector<Replacement> FindReplacements(const wchar_t* pText, size_t nLength, const CaptionTable& captions,
                                          char* pRecord, wchar_t chStart, wchar_t chEnd, size_t& nGrowth)
{
    std::vector<Replacement> replacements;
    TagFinder tags(pText, nLength);
    nGrowth = 0;
    size_t nPos = 0;
    while (nPos < nLength) {
        const wchar_t* pFound = wmemchr(pText + nPos, chStart, nLength - nPos);
        if (pFound == nullptr)
            break;
        Marker marker = ReadMarker(pText, nLength, size_t(pFound - pText), chEnd, true, tags);
        const CfField* pField = captions.Find(marker.strName, marker.strName.GetLength(), true);
        nPos = marker.nEnd;
        if (pField == nullptr)
            continue;
        int nDots = 0;
        if (marker.bClosed)
            nPos = ReadDots(pText, nLength, marker.nEnd, tags, nDots);
        int nWidth = marker.strName.GetLength() + kMarkerFrame + nDots;
        Replacement replacement{marker.nStart, nPos, ReplacementText(MarkerValue(*pField, pRecord), nWidth)};
        size_t nSpan = replacement.nEnd - replacement.nStart;
        if (size_t(replacement.strText.GetLength()) > nSpan)
            nGrowth += replacement.strText.GetLength() - nSpan;
        replacements.push_back(replacement);
    }
    return replacements;
}

// The text with the replacements put in; returns the characters written.
size_t Assemble(const wchar_t* pText, size_t nLength, const std::vector<Replacement>& replacements, wchar_t* pOut)
{
    wchar_t* pNext = pOut;
    size_t nCopied = 0;
    for (const Replacement& replacement : replacements) {
        wmemcpy(pNext, pText + nCopied, replacement.nStart - nCopied);
        pNext += replacement.nStart - nCopied;
        wmemcpy(pNext, replacement.strText.GetString(), replacement.strText.GetLength());
        pNext += replacement.strText.GetLength();
        nCopied = replacement.nEnd;
    }
    wmemcpy(pNext, pText + nCopied, nLength - nCopied);
    pNext += nLength - nCopied;
    return size_t(pNext - pOut);
}

bool IsUnicodeFlagged(HGLOBAL hDocument)
{
    LockedDocument document(hDocument);
    return document.Length() >= 2 && document.Text()[0] == 0x00FF && document.Text()[1] == 0x00FE;
}

}  // namespace

int CFillHtml::FillInformation(HGLOBAL hDocument, CfField* pField, int nCount, char* pRecord)
{
    if (hDocument == nullptr)
        return 0;
    return FillInformation(hDocument, pField, nCount, pRecord, L'<', L'>') != nullptr;
}

HGLOBAL CFillHtml::FillInformation(HGLOBAL hDocument, CfField* pField, int nCount, char* pRecord,
                                   wchar_t chStart, wchar_t chEnd)
{
    if (hDocument == nullptr || pRecord == nullptr)
        return nullptr;
    if (chStart == kInPlaceStart) {
        if (IsUnicodeFlagged(hDocument))
            return FillUnicodeInformation(hDocument, pField, nCount, pRecord) ? hDocument : nullptr;
        return FillMarkersInPlace(hDocument, CaptionTable(pField, nCount), pRecord, chEnd) ? hDocument : nullptr;
    }
    HGLOBAL hFilled = nullptr;
    {
        LockedDocument document(hDocument);
        if (!document.IsLocked())
            return nullptr;
        size_t nGrowth = 0;
        std::vector<Replacement> replacements = FindReplacements(
            document.Text(), document.Length(), CaptionTable(pField, nCount), pRecord, chStart, chEnd, nGrowth);
        hFilled = AllocateDocument(document.Length() + nGrowth);
        wchar_t* pOut = hFilled ? static_cast<wchar_t*>(::GlobalLock(hFilled)) : nullptr;
        if (pOut == nullptr) {
            if (hFilled)
                ::GlobalFree(hFilled);
            return nullptr;
        }
        size_t nWritten = Assemble(document.Text(), document.Length(), replacements, pOut);
        ::GlobalUnlock(hFilled);
        m_nDocLength = int(nWritten * sizeof(wchar_t));
    }
    ::GlobalFree(hDocument);
    return hFilled;
}
