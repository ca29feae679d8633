// The prefix maps the face "新細明體" to AR PL UMing TW: Chinese texts come out in
// the Ming face, not in a fallback face.
#include <gtest/gtest.h>

#include "qvtest.h"

namespace {

const wchar_t kSample[] = L"新細明體病歷";

// Drawn as the library makes its fonts: a face name and the default character set,
// so that the face name alone decides. (Asking for the Big5 set would pick the only
// Big5 font installed whatever the face.)
qvtest::PixelImage DrawSample(const wchar_t* face, std::wstring* faceUsed = nullptr) {
    qvtest::MemoryCanvas canvas(200, 40, RGB(255, 255, 255));
    HFONT font = CreateFontW(-24, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, face);
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    if (faceUsed) {
        wchar_t name[LF_FACESIZE] = {};
        GetTextFaceW(canvas.dc(), LF_FACESIZE, name);
        *faceUsed = name;
    }
    SetTextColor(canvas.dc(), RGB(0, 0, 0));
    TextOutW(canvas.dc(), 4, 4, kSample, int(wcslen(kSample)));
    SelectObject(canvas.dc(), old);
    DeleteObject(font);
    return canvas.image();
}

int InkPixels(const qvtest::PixelImage& image) {
    int count = 0;
    for (uint32_t p : image.pixels) count += p != 0x00FFFFFF;
    return count;
}

TEST(FontMapping, TheMingFaceReportsItsChineseName) {
    std::wstring face;
    DrawSample(L"新細明體", &face);
    EXPECT_EQ(face, L"新細明體");
}

TEST(FontMapping, ChineseTextIsDrawnInArPlUMing) {
    qvtest::PixelImage ming = DrawSample(L"新細明體");
    qvtest::PixelImage uming = DrawSample(L"AR PL UMing TW");
    ASSERT_GT(InkPixels(uming), 100) << "AR PL UMing TW drew nothing";
    qvtest::WritePngFile(qvtest::ScreenshotPath(L"harness_selftest/font_ming"), ming);
    EXPECT_TRUE(ming.pixels == uming.pixels) << "\"新細明體\" is not drawn in AR PL UMing TW: check the prefix's "
                                                "font replacements";
}

// What "新細明體" would look like without the mapping: the face the platform falls
// back to for a face it does not know. The pixel comparison above must tell them apart.
TEST(FontMapping, TheComparisonTellsTheFallbackFaceApart) {
    std::wstring fallbackFace;
    qvtest::PixelImage fallback = DrawSample(L"QVTest Unknown Face", &fallbackFace);
    qvtest::PixelImage uming = DrawSample(L"AR PL UMing TW");
    qvtest::WritePngFile(qvtest::ScreenshotPath(L"harness_selftest/font_fallback"), fallback);
    ASSERT_GT(InkPixels(fallback), 100);
    EXPECT_FALSE(fallback.pixels == uming.pixels) << "the fallback face " << qvtest::Utf8(fallbackFace)
                                                  << " draws the same pixels as AR PL UMing TW";
}

}  // namespace
