// Which dialog templates the Job Options and Color pages are made from:
// the system's own, or the extended layouts that carry the controls of every
// feature, as the model's capability section chooses.
#pragma once

#include <cstdint>

// The value of the model's "TabLayout" key that asks for the extended layouts.
constexpr char16_t kExtendedPageLayout[] = u"Extended";

struct PageTemplates {
    uint16_t jobOptions;
    uint16_t color;
};

// The templates for the key's value; null, empty or any other value gives
// the system's templates. The value is matched without regard to the case
// of its ASCII letters and around spaces and tabs.
PageTemplates ChoosePageTemplates(const char16_t *layoutValue);
