// The sample model's file list.
#include "install/model_files.h"

const WCHAR kSamplePrinterName[] = L"SX Color 4200 PS";
const WCHAR kSampleDriverName[] = L"SX Color 4200 PS";
const WCHAR kProPrinterName[] = L"SX Color 5200 PS Pro";
const WCHAR kProDriverName[] = L"SX Color 5200 PS Pro";

namespace {

const ModelFile kModelFiles[] = {
    {L"sxc4200.ini", ModelFileRole::PluginIni, true},
    {L"sxc4200.cap", ModelFileRole::Capability, true},
    {L"sxc4200.ppd", ModelFileRole::Description, true},
    {L"sxc4200.ver", ModelFileRole::Version, true},
    {L"sxc4200.hft", ModelFileRole::ModelData, true},
    {L"sxc4200.ccm", ModelFileRole::ModelData, true},
    {L"sxwmfont.lst", ModelFileRole::ModelData, true},
    {L"sxoemui.dll", ModelFileRole::Plugin, true},
    {L"sxjobinf.dll", ModelFileRole::SideLibrary, false},
    {L"sxcolorap.exe", ModelFileRole::SideLibrary, false},
    {L"sxcrypt.dll", ModelFileRole::SideLibrary, false},
    {L"sxlink.dll", ModelFileRole::SideLibrary, false},
    {L"sxcard.dll", ModelFileRole::SideLibrary, false},
    {L"sxnetopt.dll", ModelFileRole::SideLibrary, false},
    {L"sxusbopt.dll", ModelFileRole::SideLibrary, false},
    {L"sxprinter.ans", ModelFileRole::ModelData, false},
    {L"sxc4200.chm", ModelFileRole::Help, false},
};

const ModelFile kProModelFiles[] = {
    {L"sxc5200.ini", ModelFileRole::PluginIni, true},
    {L"sxc5200.cap", ModelFileRole::Capability, true},
    {L"sxc5200.ppd", ModelFileRole::Description, true},
    {L"sxc5200.ver", ModelFileRole::Version, true},
    {L"sxc5200.hft", ModelFileRole::ModelData, true},
    {L"sxc5200.ccm", ModelFileRole::ModelData, true},
    {L"sxwmfont.lst", ModelFileRole::ModelData, true},
    {L"sxprinter.ans", ModelFileRole::ModelData, false},
    {L"sxoemui.dll", ModelFileRole::Plugin, true},
    {L"sxjobinf.dll", ModelFileRole::SideLibrary, false},
    {L"sxcolorap.exe", ModelFileRole::SideLibrary, false},
    {L"sxcrypt.dll", ModelFileRole::SideLibrary, false},
    {L"sxlink.dll", ModelFileRole::SideLibrary, false},
    {L"sxcard.dll", ModelFileRole::SideLibrary, false},
    {L"sxnetopt.dll", ModelFileRole::SideLibrary, false},
    {L"sxusbopt.dll", ModelFileRole::SideLibrary, false},
    {L"sxc4200.chm", ModelFileRole::Help, false},
};

bool IsProPrinter(const WCHAR *printerName) {
    return printerName && lstrcmpiW(printerName, kProPrinterName) == 0;
}

}  // namespace

const ModelFile *ModelFiles(size_t *count) {
    *count = sizeof(kModelFiles) / sizeof(kModelFiles[0]);
    return kModelFiles;
}

const ModelFile *ModelFilesFor(const WCHAR *printerName, size_t *count) {
    if (!IsProPrinter(printerName)) return ModelFiles(count);
    *count = sizeof(kProModelFiles) / sizeof(kProModelFiles[0]);
    return kProModelFiles;
}

const WCHAR *SampleDriverFor(const WCHAR *printerName) {
    return IsProPrinter(printerName) ? kProDriverName : kSampleDriverName;
}
