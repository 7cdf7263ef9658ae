// One opening of the document properties through the driver host, as a
// user makes it in a hurry: every page shown and left, then OK. Modal
// windows the pages open are cancelled as they appear, each counted once;
// a page that refuses to be left keeps the sheet open, and Cancel follows.
#pragma once

#include "driver/document_ui.h"
#include "driver/plugin_loader.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct SheetVisit {
    int pages = 0;
    int left = 0;            // pages left when asked
    int refused = 0;         // pages that refused to be left
    uint32_t modals = 0;     // modal windows that appeared and were closed
    bool stored = false;     // OK stored the DEVMODE
    std::vector<BYTE> devmode;  // what OK stored
};

// False, with a message, only when the host could not show the sheet.
bool VisitDocumentProperties(PluginSession &session, DocumentUi &ui, SheetVisit *visit,
                             std::string *error);

// The record's header is whole: size 4052, signature "0002", version 1.
bool WholeRecord(const BYTE *record);

// A run parameter from the environment, or `fallback`.
uint32_t RunSetting(const char *name, uint32_t fallback);
