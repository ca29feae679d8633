// Registry keys of a local server: HKCR\Word.Application\CLSID and
// HKCR\CLSID\{...}\LocalServer32 and ProgID.
#include "server_registry.h"

#include <string>

// {000209FF-0000-0000-C000-000000000046}
const CLSID CLSID_WordApplication = {0x000209FF, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace
{

const wchar_t kProgId[] = L"Word.Application";
const wchar_t kClassId[] = L"{000209FF-0000-0000-C000-000000000046}";
const wchar_t kDescription[] = L"Microsoft Word Application (QVCtrl stand-in)";

bool SetDefault(const std::wstring& key, const std::wstring& value)
{
    return RegSetValueW(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                        static_cast<DWORD>(value.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}   // namespace

bool RegisterServer()
{
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    if (n == 0 || n >= MAX_PATH * 4)
        return false;
    std::wstring classKey = std::wstring(L"CLSID\\") + kClassId;
    return SetDefault(kProgId, kDescription) && SetDefault(std::wstring(kProgId) + L"\\CLSID", kClassId) &&
           SetDefault(classKey, kDescription) && SetDefault(classKey + L"\\LocalServer32", path) &&
           SetDefault(classKey + L"\\ProgID", kProgId);
}

bool UnregisterServer()
{
    std::wstring classKey = std::wstring(L"CLSID\\") + kClassId;
    LSTATUS a = RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
    LSTATUS b = RegDeleteTreeW(HKEY_CLASSES_ROOT, classKey.c_str());
    return (a == ERROR_SUCCESS || a == ERROR_FILE_NOT_FOUND) && (b == ERROR_SUCCESS || b == ERROR_FILE_NOT_FOUND);
}
