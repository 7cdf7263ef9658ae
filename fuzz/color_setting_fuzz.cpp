// The custom gamma and colour-tuner settings as their files and the record
// bring them: any ids in any list, any working value.
#include "color/color_rules.h"
#include "fuzz_bytes.h"

#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const uint32_t value = data.ConsumeIntegral<uint32_t>();
    const uint32_t firstEntryData = data.ConsumeIntegral<uint32_t>();
    const size_t count = data.ConsumeIntegralInRange<size_t>(0, 300);
    std::unique_ptr<uint32_t[]> entries(new uint32_t[count]);
    for (size_t i = 0; i < count; ++i) entries[i] = data.ConsumeIntegral<uint32_t>();

    const SettingPick pick = PickSettingEntry(entries.get(), count, value, firstEntryData);
    // The last entry with the value's id wins; with none the first entry
    // is shown and the setting goes off.
    size_t matching = count;
    for (size_t i = 0; i < count; ++i)
        if ((entries[i] & kSettingIdMask) == (value & kSettingIdMask)) matching = i;
    if (matching < count) {
        FUZZ_CHECK(pick.entry == static_cast<int>(matching));
        FUZZ_CHECK(pick.value == value);
    } else {
        FUZZ_CHECK(pick.entry == 0);
        FUZZ_CHECK(pick.value == (firstEntryData & kSettingIdMask));
        FUZZ_CHECK(!TunerSettingInUse(pick.value));
    }

    const std::u16string section = TunerSection(value);
    FUZZ_CHECK(section == u"Gamma" || section == u"Color");
    FUZZ_CHECK(TunerSettingId(value) <= kTunerIdMask);
    const uint32_t chosen = ChooseSetting(value, data.ConsumeIntegral<uint32_t>());
    FUZZ_CHECK(TunerSettingInUse(chosen) == TunerSettingInUse(value));
    FUZZ_CHECK(TunerSettingInUse(SwitchSetting(value, true)));
    FUZZ_CHECK(!TunerSettingInUse(SwitchSetting(value, false)));

    const uint32_t mode = data.ConsumeIntegral<uint32_t>();
    const uint32_t cartridge = data.ConsumeIntegral<uint32_t>();
    const BlackControls controls = BlackControlsFor(mode, cartridge);
    FUZZ_CHECK(!(controls.printMode && controls.blackFinish));
    const BlackControls onCartridge = BlackControlsOnCartridge(mode, cartridge);
    FUZZ_CHECK(!(onCartridge.printMode && onCartridge.blackFinish));
    const DetailsLayout layout = DetailsLayoutFor(mode, cartridge);
    FUZZ_CHECK(!(layout.cmyk && layout.simulation));
    return 0;
}
