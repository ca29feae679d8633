// A locked view of a document block as UTF-16 text. Internal to the HTML filler.
#pragma once

#include <windows.h>
#include <cstddef>

namespace qvhtml {

// Extra zero bytes after the text of a block the filler allocates, as
// LoadFile leaves them, so that every document ends the same way.
const SIZE_T kDocumentPadding = 100;

// Locks the block for its lifetime. The text ends at the first zero
// character or at the end of the block, whichever comes first, so reading
// it never leaves the block.
class LockedDocument
{
public:
    explicit LockedDocument(HGLOBAL hDocument);
    ~LockedDocument();
    LockedDocument(const LockedDocument&) = delete;
    LockedDocument& operator=(const LockedDocument&) = delete;

    bool IsLocked() const { return m_pText != nullptr; }
    wchar_t* Text() const { return m_pText; }
    size_t Length() const { return m_nLength; }

private:
    HGLOBAL m_hDocument;
    wchar_t* m_pText;
    size_t m_nLength;
};

// A new zero-filled block for nChars characters and the padding, or null.
HGLOBAL AllocateDocument(size_t nChars);

}  // namespace qvhtml
