// Marker reading for the HTML filler.
#include "control/htmlmarker.h"

#include <cwchar>

namespace qvhtml {

namespace {

const wchar_t kTagOpen = L'<';
const wchar_t kTagClose = L'>';
const wchar_t kDot = L'.';
// Characters up to this one (space and controls) end a name.
const wchar_t kLastBlank = L' ';

// Index past the tags that begin at nPos (none: nPos itself).
size_t SkipTags(const wchar_t* pText, size_t nLength, size_t nPos, TagFinder& tags)
{
    while (nPos < nLength && pText[nPos] == kTagOpen)
        nPos = tags.TagEnd(nPos);
    return nPos;
}

}  // namespace

TagFinder::TagFinder(const wchar_t* pText, size_t nLength)
    : m_pText(pText), m_nLength(nLength), m_nSearchedFrom(nLength), m_nFound(nLength)
{
}

size_t TagFinder::TagEnd(size_t nPos)
{
    size_t nFrom = nPos + 1;
    if (nFrom >= m_nLength)
        return m_nLength;
    // The first ">" at or after any index between the last search's start
    // and its find is that same find.
    if (!(nFrom >= m_nSearchedFrom && nFrom <= m_nFound)) {
        const wchar_t* pFound = wmemchr(m_pText + nFrom, kTagClose, m_nLength - nFrom);
        m_nSearchedFrom = nFrom;
        m_nFound = pFound ? size_t(pFound - m_pText) : m_nLength;
    }
    return m_nFound < m_nLength ? m_nFound + 1 : m_nLength;
}

Marker ReadMarker(const wchar_t* pText, size_t nLength, size_t nStart, wchar_t chEnd, bool bSkipTags,
                  TagFinder& tags)
{
    Marker marker;
    marker.nStart = nStart;
    wchar_t name[kMaxMarkerName];
    int nName = 0;
    size_t nPos = nStart + 1;
    while (nPos < nLength) {
        wchar_t ch = pText[nPos];
        if (ch == chEnd) {
            marker.bClosed = true;
            ++nPos;
            break;
        }
        if (bSkipTags && ch == kTagOpen) {
            nPos = tags.TagEnd(nPos);
            continue;
        }
        if (ch <= kLastBlank || nName == kMaxMarkerName)
            break;
        name[nName++] = ch;
        ++nPos;
    }
    marker.nEnd = nPos;
    marker.strName = CString(name, nName);
    return marker;
}

size_t ReadDots(const wchar_t* pText, size_t nLength, size_t nPos, TagFinder& tags, int& nDots)
{
    nDots = 0;
    // Tags count only where a dot follows them, so a closing tag after the
    // last dot stays in the document.
    for (;;) {
        size_t nNext = SkipTags(pText, nLength, nPos, tags);
        if (nNext >= nLength || pText[nNext] != kDot)
            return nPos;
        nPos = nNext + 1;
        ++nDots;
    }
}

}  // namespace qvhtml
