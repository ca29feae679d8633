// Silences the framework's assertion reports for one test and counts them.
#pragma once
#include <gtest/gtest.h>

#include "afx.h"

class AssertsSilenced : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AfxSetAssertHook([](const char*, int, const char*) {});
        m_nStart = AfxGetAssertFailureCount();
    }
    void TearDown() override { AfxSetAssertHook(m_previous); }
    LONG Fired() const { return AfxGetAssertFailureCount() - m_nStart; }

private:
    AFX_ASSERT_HOOK m_previous = nullptr;
    LONG m_nStart = 0;
};
