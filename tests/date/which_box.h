// Which of the two message boxes a check used: the companion's WarningBox
// (caption "警告", warning icon) or the framework's AfxMessageBox (type 0:
// plain OK box, no icon, the program's caption).
#pragma once

#include <string>
#include <vector>

#include "message_box_capture.h"

namespace datetest {

enum class Box { None, Warning, Framework };

inline const char* BoxName(Box box)
{
    return box == Box::Warning ? "WarningBox" : box == Box::Framework ? "AfxMessageBox" : "no box";
}

inline Box KindOf(const qvtest::CapturedMessageBox& box)
{
    if (box.caption == L"警告" && (box.style & MB_ICONMASK) == MB_ICONWARNING)
        return Box::Warning;
    if (box.caption != L"警告" && (box.style & (MB_ICONMASK | MB_TYPEMASK)) == MB_OK)
        return Box::Framework;
    return Box::None;
}

// Exactly one box of that kind with that text was shown (or none at all when
// kind is Box::None); the capture is cleared for the next case.
inline ::testing::AssertionResult ShowedOne(qvtest::MessageBoxCapture& capture, Box kind,
                                            const std::wstring& text)
{
    std::vector<qvtest::CapturedMessageBox> seen = capture.boxes();
    capture.clear();
    if (kind == Box::None) {
        if (seen.empty())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << seen.size() << " box(es), first "
                                             << ::testing::PrintToString(seen[0]);
    }
    if (seen.size() != 1)
        return ::testing::AssertionFailure() << "expected one " << BoxName(kind) << ", saw " << seen.size()
                                             << (seen.empty() ? "" : ": ")
                                             << (seen.empty() ? "" : ::testing::PrintToString(seen[0]));
    if (seen[0].text != text || KindOf(seen[0]) != kind)
        return ::testing::AssertionFailure() << "expected " << BoxName(kind) << " "
                                             << ::testing::PrintToString(text) << ", saw "
                                             << ::testing::PrintToString(seen[0]);
    return ::testing::AssertionSuccess();
}

}  // namespace datetest
