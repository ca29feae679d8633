// Locked document blocks of the HTML filler.
#include "control/fillhtml_document.h"

#include <cwchar>

namespace qvhtml {

LockedDocument::LockedDocument(HGLOBAL hDocument) : m_hDocument(hDocument), m_pText(nullptr), m_nLength(0)
{
    if (hDocument == nullptr)
        return;
    m_pText = static_cast<wchar_t*>(::GlobalLock(hDocument));
    if (m_pText != nullptr)
        m_nLength = wcsnlen(m_pText, ::GlobalSize(hDocument) / sizeof(wchar_t));
}

LockedDocument::~LockedDocument()
{
    if (m_pText != nullptr)
        ::GlobalUnlock(m_hDocument);
}

HGLOBAL AllocateDocument(size_t nChars)
{
    return ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nChars * sizeof(wchar_t) + kDocumentPadding);
}

}  // namespace qvhtml
