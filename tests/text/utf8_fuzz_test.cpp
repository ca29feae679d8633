// The UTF-8 decoder over many random byte strings, each placed at the very end of
// a readable page with an inaccessible page after it: reading one byte past the
// terminator would fault.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "message_box_capture.h"
#include "qvctrl.h"
#include "../module/cstring_print.h"

namespace
{

class GuardedPage
{
public:
    GuardedPage()
    {
        SYSTEM_INFO info;
        ::GetSystemInfo(&info);
        m_pageSize = info.dwPageSize;
        m_base = static_cast<unsigned char*>(
            ::VirtualAlloc(nullptr, 2 * m_pageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        if (m_base != nullptr)
            ::VirtualProtect(m_base + m_pageSize, m_pageSize, PAGE_NOACCESS, &old);
    }
    ~GuardedPage()
    {
        if (m_base != nullptr)
            ::VirtualFree(m_base, 0, MEM_RELEASE);
    }
    bool ready() const { return m_base != nullptr; }

    // The bytes followed by their terminator, which is the last readable byte.
    const unsigned char* Place(const std::string& bytes)
    {
        unsigned char* start = m_base + m_pageSize - (bytes.size() + 1);
        std::memcpy(start, bytes.data(), bytes.size());
        start[bytes.size()] = 0;
        return start;
    }

private:
    unsigned char* m_base = nullptr;
    size_t m_pageSize = 0;
};

// Random strings built from pieces that make both good and broken UTF-8 likely.
std::string RandomUtf8ish(std::mt19937& random)
{
    std::uniform_int_distribution<int> pieces(0, 8);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<int> continuation(0x80, 0xBF);
    std::string text;
    for (int n = pieces(random); n > 0; --n)
    {
        switch (kind(random))
        {
        case 0:
        {
            int ascii = byte(random) & 0x7F;
            text += static_cast<char>(ascii != 0 ? ascii : 'a');
            break;
        }
        case 1:
            text += static_cast<char>(0xC2 + byte(random) % 30);
            text += static_cast<char>(continuation(random));
            break;
        case 2:
            text += static_cast<char>(0xE1 + byte(random) % 12);
            text += static_cast<char>(continuation(random));
            text += static_cast<char>(continuation(random));
            break;
        case 3:
            text += static_cast<char>(0xF0 + byte(random) % 5);
            for (int i = 0; i < 3; ++i)
                text += static_cast<char>(continuation(random));
            break;
        case 4:
        {   // a lead byte of any length with too few continuation bytes
            int ones = 2 + byte(random) % 7;
            text += static_cast<char>(0xFF << (8 - ones));
            for (int i = byte(random) % ones; i > 1; --i)
                text += static_cast<char>(continuation(random));
            break;
        }
        case 5:
            text += static_cast<char>(continuation(random));
            break;
        case 6:
            text += static_cast<char>(0xF8 | (byte(random) & 7));
            break;
        default:
            text += static_cast<char>(byte(random));
            break;
        }
    }
    return text;
}

// The platform's strict decoder, when it accepts the bytes.
bool PlatformDecode(const std::string& bytes, std::wstring& text)
{
    if (bytes.empty())
    {
        text.clear();
        return true;
    }
    int length =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0)
        return false;
    text.assign(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                          length);
    return true;
}

TEST(Utf8Fuzz, NeverReadsPastTheTerminatorAndAgreesWithThePlatformOnValidText)
{
    GuardedPage page;
    ASSERT_TRUE(page.ready());
    std::mt19937 random(20260105);
    int wellFormed = 0, malformed = 0, comparedWithPlatform = 0;
    for (int i = 0; i < 300000; ++i)
    {
        std::string bytes = RandomUtf8ish(random);
        CString decoded;
        BOOL ok = DecodeUtf8(page.Place(bytes), decoded);
        ok ? ++wellFormed : ++malformed;

        std::wstring expected;
        if (PlatformDecode(bytes, expected))
        {
            ++comparedWithPlatform;
            ASSERT_TRUE(ok) << "string " << i;
            ASSERT_TRUE(decoded == expected.c_str()) << "string " << i;
        }
    }
    // Both kinds were exercised in number.
    EXPECT_GT(wellFormed, 30000);
    EXPECT_GT(malformed, 30000);
    EXPECT_GT(comparedWithPlatform, 20000);
}

TEST(Utf8Fuzz, UTF2UnicodeShowsOneMessageExactlyForTheMalformedStrings)
{
    qvtest::MessageBoxCapture boxes;
    GuardedPage page;
    ASSERT_TRUE(page.ready());
    std::mt19937 random(7);
    size_t expectedBoxes = 0;
    for (int i = 0; i < 40; ++i)
    {
        std::string bytes = RandomUtf8ish(random);
        CString quiet;
        if (!DecodeUtf8(page.Place(bytes), quiet))
            ++expectedBoxes;
        CString shown = UTF2Unicode(page.Place(bytes));
        ASSERT_EQ(expectedBoxes, boxes.count()) << "string " << i;
        EXPECT_TRUE(shown == quiet);
    }
    EXPECT_GT(expectedBoxes, 5u);
}

}   // namespace
