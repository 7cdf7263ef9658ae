// What the overrunning encryption library was last handed, as its
// RogueCalls export gives it to the test that keeps it loaded.
#pragma once

#include <windows.h>

struct RogueCallLog {
    DWORD dialogPasswordLength;
    DWORD dialogMode;
    DWORD encryptLength;
    DWORD decryptCapacity;
    DWORD decryptLength;
};
