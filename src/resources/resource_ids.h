/* Every resource id of the plug-in, for the resource scripts and the code. */
#pragma once

#include "resources/dialog_ids.h"
#include "resources/string_ids.h"
#include "resources/art_ids.h"
