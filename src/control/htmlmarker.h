// Reading the markers of an HTML report template: a name between a start
// and an end character, in a UTF-16 text of known length. Internal to the
// HTML filler.
#pragma once

#include <cstddef>
#include "afxstr.h"

namespace qvhtml {

// Longest marker name; a longer one is cut after this many characters.
const int kMaxMarkerName = 99;

// Finds the end of HTML tags ("<" up to the next ">") in one text. Lookups
// move forward through the text, so the answer of the last search is
// reused: scanning every tag of a document costs one pass.
class TagFinder
{
public:
    TagFinder(const wchar_t* pText, size_t nLength);
    // Index just past the ">" that closes the tag beginning at nPos, or the
    // text's length when no ">" follows.
    size_t TagEnd(size_t nPos);

private:
    const wchar_t* m_pText;
    size_t m_nLength;
    size_t m_nSearchedFrom;  // the last search began here ...
    size_t m_nFound;         // ... and found the first ">" here (m_nLength: none)
};

struct Marker
{
    size_t nStart = 0;     // index of the start character
    size_t nEnd = 0;       // index just past the marker (past the end character when it closed there)
    bool bClosed = false;  // the end character closed the name
    CString strName;       // the name, tags left out
};

// Reads the marker that begins at pText[nStart]. The name ends at chEnd,
// before the first space or control character, after its 99th character or
// at the end of the text. With bSkipTags, tags inside the name are skipped.
Marker ReadMarker(const wchar_t* pText, size_t nLength, size_t nStart, wchar_t chEnd, bool bSkipTags,
                  TagFinder& tags);

// Widens a closed marker over what follows it: a tag followed by "." and any
// run of "." characters, tags between the dots included. Returns the index
// just past the widened marker and the number of dots.
size_t ReadDots(const wchar_t* pText, size_t nLength, size_t nPos, TagFinder& tags, int& nDots);

}  // namespace qvhtml
