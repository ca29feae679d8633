// Settings and folders of the host program, as the companion library offers them.
//
// The settings file is an INI file beside the host program's executable,
// named after it (QVDemo.exe keeps QVDemo.ini), read and written with the
// profile functions. The export folder is the folder "Export" beside the
// executable.
#pragma once

#include "afxstr.h"
#include "qvxml.h"

class QVXML_API CPath
{
public:
    CPath() = default;
    virtual ~CPath() = default;

    // Value of key in section of the settings file; empty when it is not set.
    CString GetIni(const CString& strSection, const CString& strKey);
    // Whole-number value of a key; 0 when it is not set or not a number.
    long GetIniLong(const CString& strSection, const CString& strKey);
    // Both return non-zero when the value was written.
    BOOL SetIni(const CString& strSection, const CString& strKey, CString strValue);
    BOOL SetIniLong(const CString& strSection, const CString& strKey, long nValue);

    // Creates every missing folder on the way to the file strFilePath (the
    // file itself is not created). Non-zero when the folder exists afterwards.
    BOOL MakeDir(CString strFilePath);
};

class QVXML_API CLocalPath : public CPath
{
public:
    // Full path of strFileName in the export folder; the folder is created
    // when it is missing.
    CString GetExportFileName(const CString& strFileName);
};

// The host program's path object; it lives as long as the companion library.
QVXML_API CLocalPath* GetLocalPath();
