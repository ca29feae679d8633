// Counts the diagnostic assertions that fire, in any module, while it lives.
#pragma once
#include "afx.h"

class AssertCounter
{
public:
    AssertCounter() : m_start(AfxGetAssertFailureCount()), m_previous(AfxSetAssertHook(&Quiet)) {}
    ~AssertCounter() { AfxSetAssertHook(m_previous); }
    AssertCounter(const AssertCounter&) = delete;
    AssertCounter& operator=(const AssertCounter&) = delete;
    LONG count() const { return AfxGetAssertFailureCount() - m_start; }

private:
    static void Quiet(const char*, int, const char*) {}
    LONG m_start;
    AFX_ASSERT_HOOK m_previous;
};
