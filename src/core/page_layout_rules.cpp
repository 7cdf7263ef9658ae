#include "core/page_layout_rules.h"

#include "resources/dialog_ids.h"

namespace {

constexpr PageTemplates kSystemTemplates = {IDD_JOB_OPTIONS_PAGE, IDD_COLOR_PAGE};
constexpr PageTemplates kExtendedTemplates = {IDD_JOB_OPTIONS_EXTENDED, IDD_COLOR_EXTENDED};

char16_t LowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c - u'A' + u'a' : c; }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

bool NamesExtended(const char16_t *value) {
    while (IsBlank(*value)) ++value;
    const char16_t *wanted = kExtendedPageLayout;
    while (*wanted && LowerAscii(*value) == LowerAscii(*wanted)) {
        ++value;
        ++wanted;
    }
    if (*wanted) return false;
    while (IsBlank(*value)) ++value;
    return *value == 0;
}

}  // namespace

PageTemplates ChoosePageTemplates(const char16_t *layoutValue) {
    if (!layoutValue || !NamesExtended(layoutValue)) return kSystemTemplates;
    return kExtendedTemplates;
}
