// What the browser-frame tests share: OLE on the test thread and a small
// report file to show.
#pragma once

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace htmlwndtest
{

// OLE for the test thread, as an application initialises it before it
// shows browser frames.
class BrowserTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr))); }
    void TearDown() override { ::OleUninitialize(); }
};

// Writes a small UTF-8 report into the output folder; its path.
std::wstring WriteReport(const wchar_t* name, const char* body);

// Top-level windows of this thread that are visible.
int VisibleThreadWindows();

}   // namespace htmlwndtest
