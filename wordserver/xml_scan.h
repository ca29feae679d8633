// A pass over an XML document with the platform's XmlLite reader.
#pragma once

#include <windows.h>
#include <xmllite.h>

#include <string>

#include "zip_package.h"

class XmlEvents
{
public:
    virtual ~XmlEvents() = default;
    // The reader stands on the element: Attribute() reads its attributes.
    virtual void Start(const std::wstring& ns, const std::wstring& name, IXmlReader* reader) = 0;
    virtual void End(const std::wstring& ns, const std::wstring& name) = 0;
    virtual void Text(const wchar_t* text, UINT length) = 0;
};

// False when the bytes are not well-formed XML (or XmlLite is missing).
bool ScanXml(const ByteVector& xml, XmlEvents& events);
// An attribute of the element the reader stands on; empty when it is absent.
std::wstring Attribute(IXmlReader* reader, const wchar_t* name, const wchar_t* ns);
