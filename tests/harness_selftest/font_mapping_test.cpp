// The prefix maps the face "新細明體" to AR PL UMing TW: Chinese texts come out in
// the Ming face, not in a fallback face.
#include <gtest/gtest.h>

#include "qvtest.h"

namespace
{

// Drawn as the library makes its fonts: a face name and the default character set,
// so that the face name alone decides. (Asking for the Big5 set would pick the only
// Big5 font installed whatever the face.)
qvtest::PixelImage DrawSample(const wchar_t* face, std::wstring* faceUsed = nullptr)
{
    qvtest::MemoryCanvas canvas(200, 40, RGB(255, 255, 255));
    HFONT font = CreateFontW(-24, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             NONANTIALIASED_QUALITY, DEFAULT_PITCH, face);
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    wchar_t name[LF_FACESIZE] = {};
    GetTextFaceW(canvas.dc(), LF_FACESIZE, name);
    if (faceUsed)
        *faceUsed = name;
    TextOutW(canvas.dc(), 4, 4, L"新細明體病歷", 6);
    SelectObject(canvas.dc(), old);
    DeleteObject(font);
    EXPECT_GT(canvas.countColor(RGB(0, 0, 0)), 100) << qvtest::Utf8(face) << " drew nothing";
    return canvas.image();
}

TEST(FontMapping, ChineseTextIsDrawnInArPlUMingUnderItsChineseName)
{
    std::wstring face;
    qvtest::PixelImage ming = DrawSample(L"新細明體", &face);
    qvtest::WritePngFile(qvtest::ScreenshotPath(L"harness_selftest/font_ming"), ming);
    EXPECT_EQ(face, L"新細明體");
    EXPECT_TRUE(ming.pixels == DrawSample(L"AR PL UMing TW").pixels)
        << "\"新細明體\" is not drawn in AR PL UMing TW: check the prefix's font replacements";
    // What "新細明體" would look like without the mapping: the pixel comparison must
    // tell the face the platform falls back to apart.
    EXPECT_FALSE(DrawSample(L"QVTest Unknown Face").pixels == ming.pixels);
}

}   // namespace
