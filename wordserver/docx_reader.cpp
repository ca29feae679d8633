// Reading a WordprocessingML package (or a plain text file) into a document.
#include "docx_file.h"

#include <windows.h>

#include <algorithm>
#include <map>

#include "wic_image.h"
#include "xml_scan.h"

namespace
{

const wchar_t kW[] = L"http://schemas.openxmlformats.org/wordprocessingml/2006/main";
const wchar_t kR[] = L"http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const wchar_t kA[] = L"http://schemas.openxmlformats.org/drawingml/2006/main";
const wchar_t kWp[] = L"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
const char kZipMagic[] = "PK\x03\x04";

std::string Narrow(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    if (n > 1)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Wide(const char* text, size_t length, UINT codePage)
{
    int n = MultiByteToWideChar(codePage, 0, text, static_cast<int>(length), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text, static_cast<int>(length), out.data(), n);
    return out;
}

std::wstring Lower(std::wstring s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    return s;
}

// A part's path resolved against the folder of the part that refers to it.
std::string ResolvePart(const std::string& folder, const std::string& target)
{
    if (!target.empty() && target[0] == '/')
        return target.substr(1);
    std::string base = folder, rest = target;
    while (rest.compare(0, 3, "../") == 0)
    {
        rest.erase(0, 3);
        size_t slash = base.find_last_of('/', base.size() > 1 ? base.size() - 2 : 0);
        base = slash == std::string::npos ? std::string() : base.substr(0, slash + 1);
    }
    return base + rest;
}

struct Relationship
{
    std::wstring type;
    std::wstring target;
    bool external = false;
};

class RelationshipScan : public XmlEvents
{
public:
    std::map<std::wstring, Relationship> byId;
    void Start(const std::wstring&, const std::wstring& name, IXmlReader* reader) override
    {
        if (name != L"Relationship")
            return;
        Relationship rel;
        rel.type = Attribute(reader, L"Type", nullptr);
        rel.target = Attribute(reader, L"Target", nullptr);
        rel.external = Attribute(reader, L"TargetMode", nullptr) == L"External";
        byId[Attribute(reader, L"Id", nullptr)] = rel;
    }
    void End(const std::wstring&, const std::wstring&) override {}
    void Text(const wchar_t*, UINT) override {}
};

// The body's paragraphs, runs, tabs, breaks, hyperlinks and inline pictures.
class BodyScan : public XmlEvents
{
public:
    BodyScan(WordDocument& doc, const ZipReader& zip, const std::map<std::wstring, Relationship>& rels,
             const std::string& folder)
        : doc_(doc), zip_(zip), rels_(rels), folder_(folder)
    {
    }

    void Start(const std::wstring& ns, const std::wstring& name, IXmlReader* reader) override
    {
        if (ns == kW)
        {
            if (name == L"body")
                ++body_;
            else if (!body_)
                return;
            else if (name == L"r")
                ++run_;
            else if (name == L"t")
                inText_ = true;
            else if (name == L"tab" && run_)
                Append(L"\t");
            else if ((name == L"br" || name == L"cr") && run_)
                Append(std::wstring(1, WordDocument::kLineBreak));
            else if (name == L"hyperlink")
                links_.push_back(LinkTag(reader));
        }
        else if (body_ && ns == kWp && name == L"extent")
        {
            cx_ = _wtol(Attribute(reader, L"cx", nullptr).c_str());
            cy_ = _wtol(Attribute(reader, L"cy", nullptr).c_str());
        }
        else if (body_ && ns == kA && name == L"blip")
        {
            AddPicture(Attribute(reader, L"embed", kR));
        }
    }

    void End(const std::wstring& ns, const std::wstring& name) override
    {
        if (ns != kW || !body_)
            return;
        if (name == L"body")
            --body_;
        else if (name == L"r")
            --run_;
        else if (name == L"t")
            inText_ = false;
        else if (name == L"p")
            AppendTagged(std::wstring(1, WordDocument::kParagraphMark), WordDocument::kPlain);
        else if (name == L"hyperlink" && !links_.empty())
            links_.pop_back();
    }

    void Text(const wchar_t* text, UINT length) override
    {
        if (inText_ && body_)
            Append(std::wstring(text, length));
    }

private:
    int CurrentLink() const { return links_.empty() ? WordDocument::kPlain : links_.back(); }
    void Append(const std::wstring& text) { AppendTagged(text, CurrentLink()); }
    void AppendTagged(const std::wstring& text, int tag)
    {
        long end = doc_.Length() - 1;
        doc_.Replace(end, end, text, tag);
    }

    int LinkTag(IXmlReader* reader)
    {
        DocObject link;
        auto rel = rels_.find(Attribute(reader, L"id", kR));
        if (rel != rels_.end())
            link.link.address = rel->second.target;
        link.link.subAddress = Attribute(reader, L"anchor", kW);
        if (link.link.address.empty() && link.link.subAddress.empty())
            return WordDocument::kPlain;
        return doc_.AddObject(link);
    }

    void AddPicture(const std::wstring& id)
    {
        auto rel = rels_.find(id);
        if (rel == rels_.end() || rel->second.external)
            return;
        DocObject object;
        object.isPicture = true;
        std::string part = ResolvePart(folder_, Narrow(rel->second.target));
        if (!zip_.Extract(part, object.picture.bytes))
            return;
        size_t dot = part.find_last_of('.');
        object.picture.extension =
            Lower(Wide(part.c_str() + dot + 1, dot == std::string::npos ? 0 : part.size() - dot - 1, CP_UTF8));
        if (object.picture.extension == L"jpg")
            object.picture.extension = L"jpeg";
        object.picture.widthEmu = cx_;
        object.picture.heightEmu = cy_;
        AppendTagged(std::wstring(1, WordDocument::kPictureChar), doc_.AddObject(object));
    }

    WordDocument& doc_;
    const ZipReader& zip_;
    const std::map<std::wstring, Relationship>& rels_;
    std::string folder_;
    int body_ = 0;
    int run_ = 0;
    bool inText_ = false;
    std::vector<int> links_;
    long cx_ = 0;
    long cy_ = 0;
};

bool LoadPlainText(const ByteVector& bytes, WordDocument& doc)
{
    std::wstring text;
    const char* data = reinterpret_cast<const char*>(bytes.data());
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        text.assign(reinterpret_cast<const wchar_t*>(data + 2), (bytes.size() - 2) / 2);
    else if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        text = Wide(data + 3, bytes.size() - 3, CP_UTF8);
    else
        text = Wide(data, bytes.size(), CP_UTF8);
    std::wstring clean;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            continue;
        clean.push_back(text[i] == L'\n' ? WordDocument::kParagraphMark : text[i]);
    }
    doc.Replace(0, 0, clean);
    return true;
}

bool LoadPackage(const ByteVector& bytes, WordDocument& doc)
{
    ZipReader zip;
    if (!zip.Load(bytes))
        return false;
    std::string main = docx::kMainPart;
    ByteVector xml;
    RelationshipScan packageRels;
    if (zip.Extract("_rels/.rels", xml) && ScanXml(xml, packageRels))
    {
        for (const auto& rel : packageRels.byId)
            if (rel.second.type.size() >= 15 &&
                rel.second.type.compare(rel.second.type.size() - 15, 15, L"/officeDocument") == 0)
                main = ResolvePart("", Narrow(rel.second.target));
    }
    if (!zip.Extract(main, xml))
        return false;
    size_t slash = main.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : main.substr(0, slash + 1);
    std::string file = slash == std::string::npos ? main : main.substr(slash + 1);
    RelationshipScan mainRels;
    ByteVector relsXml;
    if (zip.Extract(folder + "_rels/" + file + ".rels", relsXml))
        ScanXml(relsXml, mainRels);
    BodyScan body(doc, zip, mainRels.byId, folder);
    if (!ScanXml(xml, body))
        return false;
    // The last paragraph's own mark is the document's final mark.
    long length = doc.Length();
    if (length > 1)
        doc.Replace(length - 2, length - 1, std::wstring());
    return true;
}

}   // namespace

bool LoadDocumentFile(const std::wstring& path, WordDocument& doc, std::wstring& error)
{
    ByteVector bytes;
    if (!ReadWholeFile(path, bytes, error))
        return false;
    std::wstring lower = Lower(path);
    if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, L".txt") == 0)
        return LoadPlainText(bytes, doc);
    if (bytes.size() < 4 || memcmp(bytes.data(), kZipMagic, 4) != 0)
    {
        error = L"The file is not a Word document: " + path;
        return false;
    }
    if (!LoadPackage(bytes, doc))
    {
        error = L"The file is corrupt and cannot be opened: " + path;
        return false;
    }
    return true;
}

bool LoadPictureFile(const std::wstring& path, DocPicture& picture, std::wstring& error)
{
    if (!ReadWholeFile(path, picture.bytes, error))
        return false;
    WicImage image(picture.bytes);
    const GUID& format = image.Format();
    bool ok = image.IsValid();
    if (ok)
    {
        if (format == GUID_ContainerFormatPng)
            picture.extension = L"png";
        else if (format == GUID_ContainerFormatJpeg)
            picture.extension = L"jpeg";
        else if (format == GUID_ContainerFormatGif)
            picture.extension = L"gif";
        else if (format == GUID_ContainerFormatBmp)
            picture.extension = L"bmp";
        else
            ok = false;
    }
    if (!ok)
    {
        picture.bytes.clear();
        error = L"The picture could not be read: " + path;
        return false;
    }
    picture.widthEmu = static_cast<long>(image.Width()) * docx::kEmuPerPixel;
    picture.heightEmu = static_cast<long>(image.Height()) * docx::kEmuPerPixel;
    return true;
}
