// The shared tables of configuration keys, as the platform's wide text: the
// plug-in's readers take their key names from the tables the model checker
// reads too.
#pragma once

#include <windows.h>

#include "core/config_keys.h"

static_assert(sizeof(WCHAR) == sizeof(char16_t), "key text is 16-bit");

inline const WCHAR *KeyText(const char16_t *key) { return reinterpret_cast<const WCHAR *>(key); }
