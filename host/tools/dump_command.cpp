// drvhost dump: the plug-in section of a DEVMODE file, field by field.
#include "commands.h"

#include "file_io.h"
#include "host_text.h"
#include "tools/devmode_dump.h"

#include <vector>

int RunDump(const HostOptions &options) {
    std::vector<BYTE> file;
    std::string error;
    if (!ReadWholeFile(options.dumpFile, &file, &error)) return Fail(error);
    std::string out;
    const DumpFormat format = options.json ? DumpFormat::Json : DumpFormat::Text;
    const bool complete = DumpPluginSection(file.data(), file.size(), format, &out, &error);
    PrintOut(out);
    if (!complete) return Fail(Utf8(options.dumpFile) + ": " + error);
    return kExitOk;
}
