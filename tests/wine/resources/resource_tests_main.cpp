// The resource checks: the real plug-in library's templates, strings and
// bitmaps in all of its languages.
#include "resources/locale_child.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

const char kChildCases[] = "InUserLanguage.*";

// The child cases need the user language their parent set up; elsewhere
// they are left out.
void LeaveOutChildCases() {
    std::string filter = GTEST_FLAG_GET(filter);
    filter += filter.find('-') == std::string::npos ? "-" : ":";
    GTEST_FLAG_SET(filter, filter + kChildCases);
}

}  // namespace

int main(int argc, char **argv) {
    INITCOMMONCONTROLSEX classes = {sizeof(classes),
                                    ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    ::testing::InitGoogleTest(&argc, argv);
    if (!IsUserLanguageChild()) LeaveOutChildCases();
    const int status = RUN_ALL_TESTS();
    ReportToParent(status);
    return status;
}
