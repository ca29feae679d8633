// Helpers shared by the parts of CWordOffice.
#pragma once

#include "afxdisp.h"

namespace wordoffice
{

// The one way the writer shows a message: the framework's box, exclamation style.
void ShowMessage(const CString& strText);
// True for the statuses of a call whose server process has died or quit.
bool ServerIsGone(SCODE sc);

// A text argument as an automation string variant, freed on leaving the scope.
class TextVariant
{
public:
    explicit TextVariant(const CString& strText);
    ~TextVariant();
    TextVariant(const TextVariant&) = delete;
    TextVariant& operator=(const TextVariant&) = delete;
    operator VARIANT*() { return &m_value; }

private:
    VARIANT m_value;
};

}   // namespace wordoffice
