// Which of the two message boxes a check used: the companion's WarningBox
// (caption "警告", warning icon) or the framework's AfxMessageBox (plain OK
// box, no icon, the program's caption).
#pragma once
#include <string>
#include <vector>
#include "message_box_capture.h"

namespace datetest
{

enum class Box
{
    None,
    Warning,
    Framework
};

inline Box KindOf(const qvtest::CapturedMessageBox& box)
{
    bool warningCaption = box.caption == L"警告";
    if (warningCaption && (box.style & MB_ICONMASK) == MB_ICONWARNING)
        return Box::Warning;
    if (!warningCaption && (box.style & (MB_ICONMASK | MB_TYPEMASK)) == MB_OK)
        return Box::Framework;
    return Box::None;
}

// The box a case expects: its kind and its exact text.
struct Said
{
    Box kind;
    const wchar_t* text;
};
const Said kNoBox = {Box::None, L""};
inline Said WarningBox(const wchar_t* text)
{
    return {Box::Warning, text};
}
inline Said AfxBox(const wchar_t* text)
{
    return {Box::Framework, text};
}

// Exactly the box expected was shown, once (none at all for kNoBox); the
// capture is cleared for the next case.
inline ::testing::AssertionResult Showed(qvtest::MessageBoxCapture& capture, const Said& said)
{
    std::vector<qvtest::CapturedMessageBox> seen = capture.boxes();
    capture.clear();
    size_t expected = said.kind == Box::None ? 0 : 1;
    if (seen.size() == expected && (expected == 0 || (seen[0].text == said.text && KindOf(seen[0]) == said.kind)))
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "expected " << expected << " box(es) of kind " << int(said.kind) << " "
            << ::testing::PrintToString(std::wstring(said.text)) << ", saw " << seen.size();
    for (const qvtest::CapturedMessageBox& box : seen)
        failure << ", " << ::testing::PrintToString(box);
    return failure;
}

}   // namespace datetest
