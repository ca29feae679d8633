// Redirecting calls of one imported function, in every module loaded in the process,
// through the import address tables.
#pragma once
#include <windows.h>

#include <vector>

namespace qvtest
{

class ImportPatch
{
public:
    // Every import slot that holds `original` now holds `replacement`. Modules loaded
    // later are not patched.
    ImportPatch(void* original, void* replacement);
    // Puts the original address back into every patched slot.
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    size_t patchedSlots() const { return slots_.size(); }

private:
    void patchModule(HMODULE module);

    void* original_;
    void* replacement_;
    std::vector<void**> slots_;
};

}   // namespace qvtest
