// Opening and closing the document pages many times in one process leaves
// no GDI objects, windows or heap memory behind.
#include "support/dialog_input.h"
#include "support/sheet_harness.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <winternl.h>

namespace {

constexpr int kCycles = 500;
constexpr int kWarmUpCycles = 5;
constexpr size_t kMaxHeapGrowth = 1 << 20;
constexpr size_t kPebGdiHandleTable = 0xF8;
constexpr size_t kGdiHandleSlots = 65536;

// One slot of the process's GDI handle table, as the platform shares it
// through the PEB; a slot with a type is a live object.
struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry");

// Live GDI objects of the process; -1 when the table is not reachable.
// (GetGuiResources answers 0 under Wine.)
int LiveGdiObjects() {
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic,
                                  sizeof(basic), nullptr) != 0)
        return -1;
    const BYTE *peb = reinterpret_cast<const BYTE *>(basic.PebBaseAddress);
    const GdiHandleEntry *table =
        *reinterpret_cast<const GdiHandleEntry *const *>(peb + kPebGdiHandleTable);
    if (!table) return -1;
    int live = 0;
    for (size_t i = 0; i < kGdiHandleSlots; ++i)
        if (table[i].type) ++live;
    return live;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int *>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

int LiveWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

size_t BusyHeapBytes() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(ARRAYSIZE(heaps), heaps);
    size_t busy = 0;
    for (DWORD i = 0; i < count && i < ARRAYSIZE(heaps); ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        if (!HeapLock(heaps[i])) continue;
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return busy;
}

// One opening of the document properties as a user makes it: the pages
// shown, a setting changed on each, the pages left, the sheet closed.
constexpr int kColorPage = 1;

bool OpenAndClose() {
    SheetHarness harness;
    DriverTree &tree = harness.tree;
    tree.AddRange(DMPUB_COPIES_COLLATE, 1, 1, 9999);
    tree.AddRange(DMPUB_SCALE, 100, 25, 400);
    tree.AddFeature("VXResolution", 1, {L"High", L"Fine", L"Normal"});
    tree.AddFeature("VXCollate", 0, {L"Off", L"On"});
    tree.AddMirror(1);
    tree.AddStandard(DMPUB_COLOR, 1, {L"Monochrome", L"Color"});
    tree.AddFeature("VXControl", 0, {L"Color Print", L"Gray Scale Print"});
    tree.AddFeature("VXBlackSubGra", 0, {L"Auto", L"Composite", L"True Black"});
    if (!harness.AddPluginPages() || !harness.Open()) return false;
    HWND page = harness.JobOptions();
    harness.Click(page, IDC_QUALITY_HIGH);
    harness.Click(page, IDC_MIRROR_PRINT);
    bool left = harness.SelectPage(kColorPage);
    if (!GetDlgItem(harness.Page(kColorPage), IDC_GRAY_PRINT)) left = false;
    harness.Click(harness.Page(kColorPage), IDC_GRAY_PRINT);
    left = harness.SelectPage(kColorPage + 1) && left;
    harness.Close();
    dialog_input::RunPostedMessages();
    return left;
}

TEST(SheetSoak, RepeatedOpeningsLeaveNothingBehind) {
    for (int i = 0; i < kWarmUpCycles; ++i) ASSERT_TRUE(OpenAndClose());
    const int gdiBefore = LiveGdiObjects();
    ASSERT_GT(gdiBefore, 0);
    const int windowsBefore = LiveWindows();
    const size_t heapBefore = BusyHeapBytes();

    for (int i = 0; i < kCycles; ++i) ASSERT_TRUE(OpenAndClose()) << "cycle " << i;

    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
    EXPECT_EQ(LiveWindows(), windowsBefore);
    const size_t heapAfter = BusyHeapBytes();
    EXPECT_LT(heapAfter, heapBefore + kMaxHeapGrowth)
        << "heap grew from " << heapBefore << " to " << heapAfter << " bytes";
}

}  // namespace
