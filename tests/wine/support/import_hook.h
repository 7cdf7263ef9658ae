// One imported function of a loaded module replaced for the hook's life,
// so that a test sees the calls the module makes to the platform.
#pragma once

#include <windows.h>

class ImportHook {
public:
    ImportHook(HMODULE module, const char *library, const char *function, void *replacement);
    ~ImportHook();
    ImportHook(const ImportHook &) = delete;
    ImportHook &operator=(const ImportHook &) = delete;
    bool Installed() const { return slot_ != nullptr; }

private:
    void Write(void *value);

    void **slot_ = nullptr;
    void *original_ = nullptr;
};
