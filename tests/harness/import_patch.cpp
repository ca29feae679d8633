#include "import_patch.h"

#include <tlhelp32.h>

namespace qvtest
{
namespace
{

void WriteSlot(void** slot, void* value)
{
    DWORD oldProtection = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &oldProtection))
        return;
    *slot = value;
    VirtualProtect(slot, sizeof *slot, oldProtection, &oldProtection);
}

std::vector<HMODULE> LoadedModules()
{
    std::vector<HMODULE> modules;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return modules;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry))
        modules.push_back(entry.hModule);
    CloseHandle(snapshot);
    return modules;
}

}   // namespace

ImportPatch::ImportPatch(void* original, void* replacement) : original_(original), replacement_(replacement)
{
    if (!original_)
        return;
    for (HMODULE module : LoadedModules())
        patchModule(module);
}

ImportPatch::~ImportPatch()
{
    for (void** slot : slots_)
        if (*slot == replacement_)
            WriteSlot(slot, original_);
}

void ImportPatch::patchModule(HMODULE module)
{
    auto base = reinterpret_cast<BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC)
        return;
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress || !imports.Size)
        return;

    // The slot may be imported from user32 or from a forwarding DLL: compare addresses,
    // not names.
    for (auto descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         descriptor->Name; ++descriptor)
    {
        if (!descriptor->FirstThunk)
            continue;
        for (auto slot = reinterpret_cast<void**>(base + descriptor->FirstThunk); *slot; ++slot)
        {
            if (*slot != original_)
                continue;
            WriteSlot(slot, replacement_);
            slots_.push_back(slot);
        }
    }
}

}   // namespace qvtest
