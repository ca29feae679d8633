#include "common/fieldcopy.h"

#include <new>

wchar_t* CopyCaption(const wchar_t* pszCaption)
{
    if (pszCaption == nullptr)
        return nullptr;
    size_t nLength = std::wcslen(pszCaption);
    wchar_t* pszCopy = new (std::nothrow) wchar_t[nLength + 1];
    if (pszCopy != nullptr)
        std::wmemcpy(pszCopy, pszCaption, nLength + 1);
    return pszCopy;
}

void FreeCaption(const wchar_t* pszCaption)
{
    delete[] const_cast<wchar_t*>(pszCaption);
}
