#include "docevents/doc_event_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::u16string ObjectName(const PrinterJobFacts &facts, NamedObjectKind kind) {
    char16_t base[kObjectBaseNameChars];
    BuildObjectBaseName(facts, base);
    char16_t name[kObjectNameChars];
    if (!FormatObjectName(base, facts.jobId, kind, name, kObjectNameChars)) return u"(no fit)";
    return name;
}

std::u16string PipeName(const PrinterJobFacts &facts) {
    char16_t name[kPipeNameChars];
    if (!FormatPipeName(facts, name, kPipeNameChars)) return u"(no fit)";
    return name;
}

PrinterJobFacts LocalPrinter(const char16_t *name, uint32_t jobId) {
    PrinterJobFacts facts;
    facts.printerName = name;
    facts.driverName = u"SX Color 4200 PS";
    facts.jobId = jobId;
    return facts;
}

PrinterJobFacts RemoteSharedPrinter() {
    PrinterJobFacts facts = LocalPrinter(u"\\\\print01\\Office 3", 0x1A);
    facts.serverName = u"\\\\print01";
    facts.shareName = u"Office 3";
    facts.shared = true;
    return facts;
}

// The object names lose the characters a name cannot hold; the pipe keeps them.
TEST(DocEventNames, EveryReservedCharacterBecomesZeroAndOthersStay) {
    PrinterJobFacts facts = LocalPrinter(u"a\\b/c:d*e?f\"g<h>i|j k.l", 0xFFFFFFFF);
    EXPECT_EQ(ObjectName(facts, NamedObjectKind::Mapping), u"Local\\a0b0c0d0e0f0g0h0i0j k.lffffffffA");
    EXPECT_EQ(PipeName(facts), u"\\\\.\\pipe\\a\\b/c:d*e?f\"g<h>i|j k.l\\ffffffff\\AppInfo");
    facts.printerName = u"";
    EXPECT_EQ(ObjectName(facts, NamedObjectKind::Mutex), u"Local\\ffffffffB");
}

TEST(DocEventNames, SharedLocalPrinterUsesItsShareName) {
    PrinterJobFacts facts = LocalPrinter(u"SX Color 4200 PS", 7);
    facts.shared = true;
    facts.shareName = u"SXC:4200";
    EXPECT_FALSE(IsRemoteCase(facts));
    EXPECT_EQ(ObjectName(facts, NamedObjectKind::Mapping), u"Local\\SXC0420000000007A");
    EXPECT_EQ(ChoosePipeCase(facts), PipeCase::Local);
    EXPECT_EQ(PipeName(facts), u"\\\\.\\pipe\\SXC:4200\\00000007\\AppInfo");
}

TEST(DocEventNames, RemoteSharedPrinterGoesByPipeWhereItRendersOrNot) {
    PrinterJobFacts facts = RemoteSharedPrinter();
    EXPECT_TRUE(IsRemoteCase(facts));
    EXPECT_EQ(ChoosePipeCase(facts), PipeCase::RemoteServer);
    EXPECT_EQ(PipeName(facts), u"\\\\print01\\pipe\\Office 3\\0000001a\\AppInfo");

    facts.clientRendering = true;
    EXPECT_EQ(ChoosePipeCase(facts), PipeCase::RemoteClientRendering);
    EXPECT_EQ(PipeName(facts), u"\\\\.\\pipe\\SX Color 4200 PS\\AppInfo");
}

TEST(DocEventNames, RawJobOnRemoteSharedPrinterUsesTheLocalPipeForm) {
    PrinterJobFacts facts = RemoteSharedPrinter();
    facts.rawDataType = true;
    facts.clientRendering = true;
    EXPECT_FALSE(IsRemoteCase(facts));
    EXPECT_EQ(ChoosePipeCase(facts), PipeCase::RemoteRaw);
    EXPECT_EQ(PipeName(facts), u"\\\\.\\pipe\\Office 3\\0000001a\\AppInfo");
    EXPECT_EQ(ObjectName(facts, NamedObjectKind::Mapping), u"Local\\Office 30000001aA");
}

TEST(DocEventNames, PrinterThatIsNotSharedGivesAnEmptyShareName) {
    PrinterJobFacts facts = RemoteSharedPrinter();
    facts.shared = false;
    EXPECT_FALSE(IsRemoteCase(facts));
    EXPECT_EQ(PipeName(facts), u"\\\\print01\\pipe\\\\0000001a\\AppInfo");
    facts.rawDataType = true;
    EXPECT_EQ(PipeName(facts), u"\\\\.\\pipe\\\\0000001a\\AppInfo");
    // The objects of a printer that is not shared go by its printer name.
    EXPECT_EQ(ObjectName(facts, NamedObjectKind::Mutex), u"Local\\00print010Office 30000001aB");

    facts.shared = true;
    facts.shareName = nullptr;
    facts.rawDataType = false;
    EXPECT_EQ(PipeName(facts), u"\\\\print01\\pipe\\\\0000001a\\AppInfo");
}

TEST(DocEventNames, ClientRenderingAndRawDataType) {
    // From version six on, unless the spooler despools EMF; a value not read does not count.
    EXPECT_FALSE(ClientRenderingFlag(false, false, 0));
    EXPECT_FALSE(ClientRenderingFlag(false, true, 0));
    EXPECT_TRUE(ClientRenderingFlag(true, false, 0));
    EXPECT_TRUE(ClientRenderingFlag(true, false, 1));
    EXPECT_TRUE(ClientRenderingFlag(true, true, 0));
    EXPECT_FALSE(ClientRenderingFlag(true, true, 1));
    EXPECT_FALSE(ClientRenderingFlag(true, true, 0x80000000u));

    EXPECT_TRUE(IsRawDataType(u"RAW"));
    for (const char16_t *type : {u"RAW [FF appended]", u"NT EMF 1.008", u"RA", u""})
        EXPECT_FALSE(IsRawDataType(type));
    EXPECT_FALSE(IsRawDataType(nullptr));
}

TEST(DocEventNames, CompanionCommandLineQuotesNameAndPipe) {
    char16_t line[kCommandLineChars];
    ASSERT_TRUE(FormatCompanionCommandLine(u"Writer", u"\\\\.\\pipe\\P\\00000003\\AppInfo", line, kCommandLineChars));
    EXPECT_EQ(std::u16string(line), u"0 \"Writer\" \"\\\\.\\pipe\\P\\00000003\\AppInfo\"");
    ASSERT_TRUE(FormatCompanionCommandLine(u"", u"p", line, kCommandLineChars));
    EXPECT_EQ(std::u16string(line), u"0 \"\" \"p\"");
}

TEST(DocEventNames, LongestNameAndPipeFitTheCommandLineAndOneMoreDoesNot) {
    const std::u16string app(kAppNameChars - 1, u'a');
    const std::u16string pipe(kPipeNameChars - 1, u'p');
    char16_t line[kCommandLineChars];
    ASSERT_TRUE(FormatCompanionCommandLine(app.c_str(), pipe.c_str(), line, kCommandLineChars));
    EXPECT_EQ(std::u16string(line).size(), kCommandLineChars - 1);
    const std::u16string longer = pipe + u"p";
    EXPECT_FALSE(FormatCompanionCommandLine(app.c_str(), longer.c_str(), line, kCommandLineChars));
    EXPECT_EQ(line[0], 0);
}

TEST(DocEventNames, LongReservedPrinterNameGivesCompleteObjectNames) {
    std::u16string name;
    for (int i = 0; i < 100; ++i) name += u"\\a:";  // 300 characters
    const PrinterJobFacts facts = LocalPrinter(name.c_str(), 0x1A);
    std::u16string base;
    for (int i = 0; i < 100; ++i) base += u"0a0";
    EXPECT_EQ(ObjectName(facts, NamedObjectKind::Mapping), u"Local\\" + base + u"0000001aA");
    EXPECT_EQ(ObjectName(facts, NamedObjectKind::Mutex), u"Local\\" + base + u"0000001aB");
    // The pipe cannot carry such a name: none is formed rather than a cut one.
    char16_t pipe[kPipeNameChars];
    std::memset(pipe, 0x55, sizeof(pipe));
    EXPECT_FALSE(FormatPipeName(facts, pipe, kPipeNameChars));
    EXPECT_EQ(pipe[0], 0);
}

TEST(DocEventNames, PipeNameAtThePlatformLimitFitsAndOneMoreDoesNot) {
    // "\\.\pipe\" (9) + name + "\" + 8 digits + "\AppInfo" (8) = 256.
    std::u16string printer(256 - 9 - 1 - 8 - 8, u'q');
    PrinterJobFacts facts = LocalPrinter(printer.c_str(), 2);
    EXPECT_EQ(PipeName(facts).size(), 256u);
    printer += u'q';
    facts.printerName = printer.c_str();
    EXPECT_EQ(PipeName(facts), u"(no fit)");
}

TEST(DocEventNames, ApplicationNameComesFromTheFirstHalfUnlessItIsEmpty) {
    char answer[kAppNameAnswerBytes] = {};
    std::memcpy(answer, "Writer", 6);
    std::memcpy(answer + kAppNameHalfBytes, "Other", 5);
    size_t length = 99;
    EXPECT_EQ(SelectApplicationNameHalf(answer, &length), answer);
    EXPECT_EQ(length, 6u);

    answer[0] = 0;
    EXPECT_EQ(SelectApplicationNameHalf(answer, &length), answer + kAppNameHalfBytes);
    EXPECT_EQ(length, 5u);

    std::memset(answer, 0, sizeof(answer));
    SelectApplicationNameHalf(answer, &length);
    EXPECT_EQ(length, 0u);
}

TEST(DocEventNames, ObjectSecurityNamesEachTrusteeWithItsRights) {
    char16_t sddl[kObjectSddlChars];
    ASSERT_TRUE(FormatObjectSddl(u"S-1-5-21-1-2-3-1000", 0x001F0001, 0x00100001, true, sddl, kObjectSddlChars));
    EXPECT_EQ(std::u16string(sddl),
              u"D:P(A;;0x001f0001;;;S-1-5-21-1-2-3-1000)(A;;0x001f0001;;;SY)"
              u"(A;;0x001f0001;;;BA)(A;;0x00100001;;;WD)S:(ML;;NW;;;LW)");
    ASSERT_TRUE(FormatObjectSddl(u"S-1-5-18", 0x000F001F, 0x00000004, false, sddl, kObjectSddlChars));
    EXPECT_EQ(std::u16string(sddl),
              u"D:P(A;;0x000f001f;;;S-1-5-18)(A;;0x000f001f;;;SY)(A;;0x000f001f;;;BA)"
              u"(A;;0x00000004;;;WD)");
}

TEST(DocEventNames, ObjectSecurityNeedsAUserAndRoom) {
    char16_t sddl[kObjectSddlChars];
    EXPECT_FALSE(FormatObjectSddl(u"", 1, 1, false, sddl, kObjectSddlChars));
    EXPECT_FALSE(FormatObjectSddl(nullptr, 1, 1, false, sddl, kObjectSddlChars));
    EXPECT_EQ(sddl[0], 0);
    // The longest SID the platform gives still fits.
    std::u16string sid = u"S-1-5";
    for (int i = 0; i < 15; ++i) sid += u"-4294967295";
    EXPECT_LE(sid.size(), kMaxSidStringChars);
    EXPECT_TRUE(FormatObjectSddl(sid.c_str(), 1, 1, true, sddl, kObjectSddlChars));
    EXPECT_FALSE(FormatObjectSddl(sid.c_str(), 1, 1, true, sddl, 40));
}

}  // namespace
