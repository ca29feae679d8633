// XmlLite has no import library in the cross toolchain: its one entry point is
// looked up in xmllite.dll.
#include <initguid.h>
#include "xml_scan.h"

#include <shlwapi.h>

namespace
{

using CreateXmlReaderFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

CreateXmlReaderFn ReaderFactory()
{
    static CreateXmlReaderFn factory = []
    {
        HMODULE module = LoadLibraryW(L"xmllite.dll");
        return module ? reinterpret_cast<CreateXmlReaderFn>(
                            reinterpret_cast<void*>(GetProcAddress(module, "CreateXmlReader")))
                      : nullptr;
    }();
    return factory;
}

std::wstring Current(IXmlReader* reader, bool ns)
{
    const wchar_t* text = nullptr;
    UINT length = 0;
    HRESULT hr = ns ? reader->GetNamespaceUri(&text, &length) : reader->GetLocalName(&text, &length);
    return SUCCEEDED(hr) && text ? std::wstring(text, length) : std::wstring();
}

}   // namespace

std::wstring Attribute(IXmlReader* reader, const wchar_t* name, const wchar_t* ns)
{
    std::wstring value;
    if (reader->MoveToAttributeByName(name, ns) == S_OK)
    {
        const wchar_t* text = nullptr;
        UINT length = 0;
        if (SUCCEEDED(reader->GetValue(&text, &length)) && text)
            value.assign(text, length);
    }
    reader->MoveToElement();
    return value;
}

bool ScanXml(const ByteVector& xml, XmlEvents& events)
{
    CreateXmlReaderFn factory = ReaderFactory();
    if (!factory)
        return false;
    IStream* stream = SHCreateMemStream(xml.data(), static_cast<UINT>(xml.size()));
    IXmlReader* reader = nullptr;
    if (!stream || FAILED(factory(IID_IXmlReader, reinterpret_cast<void**>(&reader), nullptr)))
    {
        if (stream)
            stream->Release();
        return false;
    }
    bool ok = SUCCEEDED(reader->SetInput(stream));
    XmlNodeType type;
    HRESULT hr = S_OK;
    while (ok && (hr = reader->Read(&type)) == S_OK)
    {
        switch (type)
        {
        case XmlNodeType_Element:
        {
            bool empty = reader->IsEmptyElement();
            std::wstring ns = Current(reader, true), name = Current(reader, false);
            events.Start(ns, name, reader);
            if (empty)
                events.End(ns, name);
            break;
        }
        case XmlNodeType_EndElement:
            events.End(Current(reader, true), Current(reader, false));
            break;
        case XmlNodeType_Text:
        case XmlNodeType_Whitespace:
        case XmlNodeType_CDATA:
        {
            const wchar_t* text = nullptr;
            UINT length = 0;
            if (SUCCEEDED(reader->GetValue(&text, &length)) && text)
                events.Text(text, length);
            break;
        }
        default:
            break;
        }
    }
    ok = ok && hr == S_FALSE;   // S_FALSE: the end of the input; anything else is malformed XML
    reader->Release();
    stream->Release();
    return ok;
}
