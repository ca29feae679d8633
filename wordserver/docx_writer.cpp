// Writing a document as a WordprocessingML package: content types, package
// relationships, the main document part, its relationships and the pictures.
#include "docx_file.h"

#include <windows.h>

#include <string>

bool WriteWholeFile(const std::wstring& path, const ByteVector& bytes, std::wstring& error);

namespace docx
{
const char kMainPart[] = "word/document.xml";
const char kMainRels[] = "word/_rels/document.xml.rels";
}   // namespace docx

namespace
{

const char kXmlHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
const char kRelsNs[] = "http://schemas.openxmlformats.org/package/2006/relationships";
const char kRelTypeBase[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// Text for XML: markup characters escaped, characters XML cannot hold dropped.
std::string Escape(const std::wstring& text)
{
    std::wstring clean;
    clean.reserve(text.size());
    for (wchar_t c : text)
    {
        if (c < 0x20 && c != L'\t' && c != L'\n')
            continue;
        if (c == 0xFFFE || c == 0xFFFF)
            continue;
        clean.push_back(c);
    }
    std::string in = Utf8(clean), out;
    out.reserve(in.size());
    for (char c : in)
    {
        switch (c)
        {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string ContentType(const std::string& extension)
{
    if (extension == "jpeg" || extension == "jpg")
        return "image/jpeg";
    return "image/" + extension;
}

// Builds document.xml and the relationships it refers to.
class MainPartWriter
{
public:
    explicit MainPartWriter(const WordDocument& doc) : doc_(doc) {}

    // The main part, its relationships and its pictures, by part name.
    std::vector<std::pair<std::string, ByteVector>> Build()
    {
        std::string body;
        const std::wstring& text = doc_.Text();
        long paragraphStart = 0;
        for (long i = 0; i < doc_.Length(); ++i)
        {
            if (text[static_cast<size_t>(i)] == WordDocument::kParagraphMark)
            {
                body += Paragraph(paragraphStart, i);
                paragraphStart = i + 1;
            }
        }
        std::string xml = kXmlHead;
        xml += "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
               " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
               " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
               " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
               " xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><w:body>";
        xml += body;
        // A4 with margins of 2.54 cm, in twentieths of a point.
        xml += "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
               "<w:pgMar w:top=\"1440\" w:right=\"1440\" w:bottom=\"1440\" w:left=\"1440\""
               " w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
        rels_ += "</Relationships>";
        std::string rels = std::string(kXmlHead) + "<Relationships xmlns=\"" + kRelsNs + "\">" + rels_;
        std::vector<std::pair<std::string, ByteVector>> parts;
        parts.push_back({docx::kMainPart, ByteVector(xml.begin(), xml.end())});
        parts.push_back({docx::kMainRels, ByteVector(rels.begin(), rels.end())});
        for (const auto& media : media_)
            parts.push_back({"word/media/" + media.first, media.second});
        return parts;
    }

    const std::vector<std::string>& Extensions() const { return extensions_; }

private:
    std::string Paragraph(long start, long end)
    {
        std::string xml = "<w:p>";
        long i = start;
        while (i < end)
        {
            int tag = doc_.TagAt(i);
            const DocObject* object = doc_.Object(tag);
            if (object && object->isPicture)
            {
                xml += Picture(object->picture);
                ++i;
                continue;
            }
            long runEnd = i;
            while (runEnd < end && doc_.TagAt(runEnd) == tag)
                ++runEnd;
            std::string runs = Runs(i, runEnd, object != nullptr);
            if (object)
                xml += "<w:hyperlink r:id=\"" + Relationship("hyperlink", Escape(object->link.address), true) +
                       "\" w:history=\"1\">" + runs + "</w:hyperlink>";
            else
                xml += runs;
            i = runEnd;
        }
        return xml + "</w:p>";
    }

    // One run for the characters; tabs and line breaks are elements of their own.
    std::string Runs(long start, long end, bool link)
    {
        std::string xml = "<w:r>";
        if (link)
            xml += "<w:rPr><w:color w:val=\"0563C1\"/><w:u w:val=\"single\"/></w:rPr>";
        std::wstring pending;
        auto flush = [&]
        {
            if (!pending.empty())
                xml += "<w:t xml:space=\"preserve\">" + Escape(pending) + "</w:t>";
            pending.clear();
        };
        const std::wstring& text = doc_.Text();
        for (long i = start; i < end; ++i)
        {
            wchar_t c = text[static_cast<size_t>(i)];
            if (c == L'\t')
            {
                flush();
                xml += "<w:tab/>";
            }
            else if (c == WordDocument::kLineBreak || c == L'\n')
            {
                flush();
                xml += "<w:br/>";
            }
            else
                pending.push_back(c);
        }
        flush();
        return xml + "</w:r>";
    }

    std::string Picture(const DocPicture& picture)
    {
        int number = static_cast<int>(media_.size()) + 1;
        std::string extension = Utf8(picture.extension);
        std::string file = "image" + std::to_string(number) + "." + extension;
        media_.push_back({file, picture.bytes});
        bool known = false;
        for (const auto& e : extensions_)
            known = known || e == extension;
        if (!known)
            extensions_.push_back(extension);
        std::string id = Relationship("image", "media/" + file, false);
        std::string cx = std::to_string(picture.widthEmu), cy = std::to_string(picture.heightEmu);
        std::string n = std::to_string(number);
        return "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
               "<wp:extent cx=\"" +
               cx + "\" cy=\"" + cy + "\"/><wp:docPr id=\"" + n + "\" name=\"Picture " + n +
               "\"/>"
               "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
               "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"" +
               n + "\" name=\"" + file +
               "\"/><pic:cNvPicPr/></pic:nvPicPr>"
               "<pic:blipFill><a:blip r:embed=\"" +
               id +
               "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
               "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"" +
               cx + "\" cy=\"" + cy +
               "\"/></a:xfrm>"
               "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic>"
               "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
    }

    std::string Relationship(const std::string& type, const std::string& target, bool external)
    {
        std::string id = "rId" + std::to_string(++relCount_);
        rels_ += "<Relationship Id=\"" + id + "\" Type=\"" + kRelTypeBase + type + "\" Target=\"" + target + "\"" +
                 (external ? " TargetMode=\"External\"" : "") + "/>";
        return id;
    }

    const WordDocument& doc_;
    std::string rels_;
    int relCount_ = 0;
    std::vector<std::pair<std::string, ByteVector>> media_;
    std::vector<std::string> extensions_;
};

}   // namespace

bool SaveDocx(const std::wstring& path, const WordDocument& doc, std::wstring& error)
{
    ZipWriter zip;
    MainPartWriter main(doc);
    std::string types =
        std::string(kXmlHead) +
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    // The content types come first in the package: readers look for them before anything else.
    auto parts = main.Build();
    for (const std::string& e : main.Extensions())
        types += "<Default Extension=\"" + e + "\" ContentType=\"" + ContentType(e) + "\"/>";
    types += "<Override PartName=\"/word/document.xml\" ContentType=\""
             "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>";
    zip.Add("[Content_Types].xml", types);
    zip.Add("_rels/.rels", std::string(kXmlHead) + "<Relationships xmlns=\"" + kRelsNs +
                               "\">"
                               "<Relationship Id=\"rId1\" Type=\"" +
                               kRelTypeBase +
                               "officeDocument\" Target=\"word/document.xml\"/>"
                               "</Relationships>");
    for (const auto& part : parts)
        zip.Add(part.first, part.second);
    return WriteWholeFile(path, zip.Finish(), error);
}
