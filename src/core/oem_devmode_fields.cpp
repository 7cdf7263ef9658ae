// The field table of the private record, shared by the dump and the tests.
#include "core/oem_devmode.h"

namespace {

#define OEM_FIELD_ENTRY(name, off, kind, count) {#name, off, FieldKind::kind, count},
const OemFieldInfo kFields[] = {OEM_DEVMODE_FIELDS(OEM_FIELD_ENTRY)};
#undef OEM_FIELD_ENTRY

}  // namespace

const OemFieldInfo *OemDevmodeFields(size_t *count) {
    *count = sizeof(kFields) / sizeof(kFields[0]);
    return kFields;
}
