// The plug-in's one table of (control id, help context id) pairs, shared by
// every dialog. It ends with a zero control id.
#pragma once

#include <cstddef>
#include <cstdint>

struct HelpPair {
    uint32_t controlId;
    uint32_t contextId;
};

const HelpPair *ContextHelpTable(size_t *count);

// The first pair of the control gives its context; 0 when it has none.
uint32_t FindHelpContext(uint32_t controlId);
