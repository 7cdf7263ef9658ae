#include "support/import_hook.h"

namespace {

template <typename T>
T *At(HMODULE module, DWORD rva) {
    return reinterpret_cast<T *>(reinterpret_cast<BYTE *>(module) + rva);
}

const IMAGE_IMPORT_DESCRIPTOR *FindImport(HMODULE module, const char *library) {
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(module);
    const auto *nt = At<const IMAGE_NT_HEADERS>(module, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress) return nullptr;
    for (const auto *entry = At<const IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
         entry->Name; ++entry)
        if (lstrcmpiA(At<const char>(module, entry->Name), library) == 0) return entry;
    return nullptr;
}

void **FindSlot(HMODULE module, const char *library, const char *function) {
    const IMAGE_IMPORT_DESCRIPTOR *entry = module ? FindImport(module, library) : nullptr;
    if (!entry || !entry->OriginalFirstThunk) return nullptr;
    const auto *names = At<const IMAGE_THUNK_DATA>(module, entry->OriginalFirstThunk);
    auto *slots = At<IMAGE_THUNK_DATA>(module, entry->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        const auto *byName = At<const IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
        if (lstrcmpA(reinterpret_cast<const char *>(byName->Name), function) == 0)
            return reinterpret_cast<void **>(&slots->u1.Function);
    }
    return nullptr;
}

}  // namespace

ImportHook::ImportHook(HMODULE module, const char *library, const char *function,
                       void *replacement)
    : slot_(FindSlot(module, library, function)) {
    if (!slot_) return;
    original_ = *slot_;
    Write(replacement);
}

ImportHook::~ImportHook() {
    if (slot_) Write(original_);
}

void ImportHook::Write(void *value) {
    DWORD protection = 0;
    VirtualProtect(slot_, sizeof(*slot_), PAGE_READWRITE, &protection);
    *slot_ = value;
    VirtualProtect(slot_, sizeof(*slot_), protection, &protection);
}
