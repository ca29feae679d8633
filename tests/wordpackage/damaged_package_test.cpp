// The .docx reader against damaged packages: a document written with a
// picture, a hyperlink and Chinese text reads back whole; six hundred
// copies with flipped bytes, cut ends, overwritten and repeated spans, and
// sizes and offsets set to their largest values are either read into a sound
// document or refused with the corrupt-file reason. The suite also runs under
// the heap check, which sees any read or write outside the buffers.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "docx_file.h"
#include "file_bytes.h"
#include "output_path.h"
#include "png_file.h"

namespace
{

const unsigned kSeed = 1207;
const int kDamagedCopies = 600;

// Word's own text of the document: paragraphs, a link's shown text, a picture.
const wchar_t kFirstParagraph[] = L"門診紀錄 2026/12/07\r";
const wchar_t kLinkText[] = L"院內網頁";

std::wstring Folder()
{
    return qvtest::OutputSubdir(L"wordpackage");
}

// A 6 x 4 picture of two colours, written as a PNG file.
std::wstring PictureFile()
{
    qvtest::PixelImage image;
    image.width = 6;
    image.height = 4;
    for (int i = 0; i < image.width * image.height; ++i)
        image.pixels.push_back(i % 2 ? 0x00C00000u : 0x000000FFu);
    const std::wstring path = Folder() + L"\\picture.png";
    EXPECT_TRUE(qvtest::WritePngFile(path, image));
    return path;
}

void Compose(WordDocument& doc)
{
    doc.Replace(0, 0, kFirstParagraph);
    DocObject link;
    link.link.address = L"http://clinic.example/patients";
    doc.Replace(doc.Length() - 1, doc.Length() - 1, kLinkText, doc.AddObject(link));
    DocObject picture;
    picture.isPicture = true;
    std::wstring error;
    ASSERT_TRUE(LoadPictureFile(PictureFile(), picture.picture, error)) << std::string(error.begin(), error.end());
    doc.Replace(doc.Length() - 1, doc.Length() - 1, std::wstring(1, WordDocument::kPictureChar),
                doc.AddObject(picture));
}

class Damage
{
public:
    std::string Apply(std::string bytes)
    {
        switch (Pick(0, 4))
        {
        case 0:   // a few flipped bytes
            for (int i = Pick(1, 8); i > 0 && !bytes.empty(); --i)
                bytes[At(bytes)] ^= char(Pick(1, 255));
            break;
        case 1:   // the end cut off
            bytes.resize(size_t(Pick(0, int(bytes.size()) - 1)));
            break;
        case 2:   // a span overwritten with noise
            for (size_t i = At(bytes), n = size_t(Pick(1, 64)); n > 0 && i < bytes.size(); ++i, --n)
                bytes[i] = char(Pick(0, 255));
            break;
        case 3:   // a span repeated in place
        {
            const size_t from = At(bytes);
            const std::string span = bytes.substr(from, size_t(Pick(1, 200)));
            bytes.insert(At(bytes), span);
            break;
        }
        default:   // a size or an offset at its largest
            for (size_t i = At(bytes), n = 4; n > 0 && i < bytes.size(); ++i, --n)
                bytes[i] = char(0xFF);
            break;
        }
        return bytes;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }
    size_t At(const std::string& bytes) { return size_t(Pick(0, std::max(int(bytes.size()) - 1, 0))); }
    std::mt19937 m_engine{kSeed};
};

}   // namespace

TEST(DamagedPackage, AWholePackageReadsBackAndDamagedOnesAreReadSoundOrRefused)
{
    // Pictures are read through the imaging component, a COM service.
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    WordDocument written;
    Compose(written);
    const std::wstring path = Folder() + L"\\whole.docx";
    std::wstring error;
    ASSERT_TRUE(SaveDocx(path, written, error));
    WordDocument read;
    ASSERT_TRUE(LoadDocumentFile(path, read, error));
    EXPECT_EQ(read.Text(), written.Text());
    ASSERT_EQ(read.Length(), written.Length());
    const DocObject* link = read.Object(read.TagAt(long(wcslen(kFirstParagraph))));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->link.address, L"http://clinic.example/patients");
    const DocObject* picture = read.Object(read.TagAt(read.Length() - 2));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isPicture);

    const std::string whole = qvtest::ReadBytes(path);
    ASSERT_FALSE(whole.empty());
    Damage damage;
    const std::wstring damagedPath = Folder() + L"\\damaged.docx";
    int refused = 0, readSound = 0;
    for (int copy = 0; copy < kDamagedCopies; ++copy)
    {
        ASSERT_TRUE(qvtest::WriteBytes(damagedPath, damage.Apply(whole)));
        WordDocument doc;
        error.clear();
        if (LoadDocumentFile(damagedPath, doc, error))
        {
            ++readSound;
            ASSERT_GE(doc.Length(), 1) << "copy " << copy;
            ASSERT_EQ(doc.Text().back(), WordDocument::kParagraphMark) << "copy " << copy;
            for (long i = 0; i < doc.Length(); ++i)
            {
                const int tag = doc.TagAt(i);
                ASSERT_TRUE(tag == WordDocument::kPlain || doc.Object(tag)) << "copy " << copy << " character " << i;
            }
        }
        else
        {
            ++refused;
            const bool knownReason = error == L"The file is corrupt and cannot be opened: " + damagedPath ||
                                     error == L"The file is not a Word document: " + damagedPath;
            ASSERT_TRUE(knownReason) << "copy " << copy << ": " << std::string(error.begin(), error.end());
        }
    }
    EXPECT_GT(refused, 100);
    EXPECT_GT(readSound, 10) << "damage that misses the parts' contents still reads";
    ::CoUninitialize();
}
