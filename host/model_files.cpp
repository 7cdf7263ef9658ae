// The sample model's file list.
#include "model_files.h"

const WCHAR kSamplePrinterName[] = L"SX Color 4200 PS";
const WCHAR kSampleDriverName[] = L"SX Color 4200 PS";

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

}  // namespace

const ModelFile *ModelFiles(size_t *count) {
    *count = sizeof(kModelFiles) / sizeof(kModelFiles[0]);
    return kModelFiles;
}
