// Boxes shown by another module of the process (the companion DLL) are captured
// with their exact style: the DLL's import of MessageBoxW is redirected too.
#include <gtest/gtest.h>

#include "qvmessage.h"
#include "qvtest.h"

namespace {

TEST(MessageBoxCapture, SeesBoxesOfTheCompanionDllWithTheirExactStyle) {
    qvtest::MessageBoxCapture boxes;
    WarningBox(L"身分證號碼錯誤");
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.at(0).text, L"身分證號碼錯誤");
    EXPECT_EQ(boxes.at(0).caption, L"警告");
    EXPECT_EQ(boxes.at(0).style, UINT(MB_OK | MB_ICONWARNING));
    EXPECT_TRUE(boxes.at(0).styleFromCall);
    EXPECT_TRUE(boxes.at(0).shown);
}

}  // namespace
