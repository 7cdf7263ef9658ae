// drvhost lint: the model checker's command.
#include "commands.h"
#include "host_text.h"
#include "model_check.h"

int RunLint(const HostOptions &options) {
    std::vector<Finding> findings;
    std::string error;
    const bool checked = options.lintFolder.empty()
                             ? CheckInstalledPrinter(options.printer, &findings, &error)
                             : CheckModelFolder(options.lintFolder, options.model, &findings, &error);
    if (!checked) {
        PrintError(error);
        return kExitFailure;
    }
    PrintOut(options.json ? FormatFindingsJson(findings) : FormatFindingsText(findings));
    return CountErrors(findings) ? kExitFailure : kExitOk;
}
