// WToMB and UTF2Unicode: UTF-16 to UTF-8 and back, and what malformed UTF-8 gives.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "message_box_capture.h"
#include "qvctrl.h"
#include "../module/cstring_print.h"

namespace
{

const wchar_t kError[] = L"UTF-8 to Unicode error";

std::string Bytes(const char* text)
{
    return text;
}

CString Decode(const std::string& bytes)
{
    return UTF2Unicode(reinterpret_cast<const unsigned char*>(bytes.c_str()));
}

TEST(WToMB, GivesUtf8WithATerminator)
{
    std::unique_ptr<char[]> empty(WToMB(L""));
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ('\0', empty[0]);

    std::unique_ptr<char[]> face(WToMB(L"新細明體"));
    ASSERT_NE(nullptr, face);
    EXPECT_EQ(12u, std::strlen(face.get()));
    EXPECT_EQ(Bytes("\xE6\x96\xB0\xE7\xB4\xB0\xE6\x98\x8E\xE9\xAB\x94"), face.get());

    std::unique_ptr<char[]> mixed(WToMB(L"A\u00E9\U0001F600"));
    EXPECT_EQ(Bytes("A\xC3\xA9\xF0\x9F\x98\x80"), mixed.get());

    EXPECT_EQ(nullptr, WToMB(nullptr));
}

TEST(UTF2Unicode, DecodesOneToSixByteSequences)
{
    qvtest::MessageBoxCapture boxes;
    EXPECT_EQ(CString(L"日"), Decode("\xE6\x97\xA5"));
    EXPECT_EQ(CString(L"A\u00E9\u65E5"), Decode("A\xC3\xA9\xE6\x97\xA5"));
    EXPECT_EQ(CString(L"新細明體"), Decode("\xE6\x96\xB0\xE7\xB4\xB0\xE6\x98\x8E\xE9\xAB\x94"));
    // Four bytes: a surrogate pair.
    EXPECT_EQ(CString(L"\xD83D\xDE00"), Decode("\xF0\x9F\x98\x80"));
    EXPECT_EQ(CString(L"\xDBFF\xDFFF"), Decode("\xF4\x8F\xBF\xBF"));
    // Beyond U+10FFFF (four, five and six bytes) UTF-16 has no form: U+FFFD.
    EXPECT_EQ(CString(L"x\xFFFDy"), Decode("x\xF4\x90\x80\x80y"));
    EXPECT_EQ(CString(L"\xFFFD"), Decode("\xF8\x88\x80\x80\x80"));
    EXPECT_EQ(CString(L"\xFFFD!"), Decode("\xFD\xBF\xBF\xBF\xBF\xBF!"));
    // Payload bits are taken as they come, as RFC 2279 assembles them.
    EXPECT_EQ(CString(L"/"), Decode("\xC0\xAF"));
    EXPECT_EQ(CString(L""), Decode(""));
    EXPECT_EQ(CString(L""), UTF2Unicode(nullptr));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST(UTF2Unicode, MalformedSequencesStopWithOneMessageAndThePartialText)
{
    qvtest::MessageBoxCapture boxes;
    EXPECT_EQ(CString(L"A"), Decode("A\x80"
                                    "B"));             // continuation byte in lead position
    EXPECT_EQ(CString(L"AB"), Decode("AB\xE6\x97"));   // cut in the middle of a sequence
    EXPECT_EQ(CString(L"日"), Decode("\xE6\x97\xA5\xE6"
                                     "A\xA5"));                          // bad continuation byte
    EXPECT_EQ(CString(L"z"), Decode("z\xFE\x80\x80\x80\x80\x80\x80"));   // seven leading ones
    EXPECT_EQ(CString(L""), Decode("\xFF"));                             // eight
    EXPECT_EQ(CString(L"q"), Decode("q\xFC\x80\x80\x80\x80"));           // six-byte sequence one short
    EXPECT_MESSAGE_BOXES(boxes, kError, kError, kError, kError, kError, kError);
}

TEST(UTF2Unicode, QuietDecoderAgreesAndReportsWhetherTheTextWasWellFormed)
{
    CString text;
    EXPECT_TRUE(DecodeUtf8(reinterpret_cast<const unsigned char*>("\xE6\x97\xA5"), text));
    EXPECT_EQ(CString(L"日"), text);
    EXPECT_FALSE(DecodeUtf8(reinterpret_cast<const unsigned char*>("A\x80"), text));
    EXPECT_EQ(CString(L"A"), text);
    EXPECT_TRUE(DecodeUtf8(nullptr, text));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(UTF2Unicode, LongTextsRoundTrip)
{
    qvtest::MessageBoxCapture boxes;
    std::wstring text;
    for (int i = 0; i < 20000; ++i)
    {
        text += static_cast<wchar_t>(0x4E00 + (i * 37) % 0x5000);
        if (i % 7 == 0)
            text += L"a\u00E9";
        if (i % 101 == 0)
            text += L"\U0001F600";
    }
    std::unique_ptr<char[]> bytes(WToMB(text.c_str()));
    ASSERT_NE(nullptr, bytes);
    CString back = UTF2Unicode(reinterpret_cast<const unsigned char*>(bytes.get()));
    EXPECT_EQ(static_cast<int>(text.size()), back.GetLength());
    EXPECT_TRUE(back == text.c_str());
    EXPECT_MESSAGE_BOXES(boxes);
}

}   // namespace
