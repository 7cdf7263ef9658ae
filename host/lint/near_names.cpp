#include "near_names.h"

#include <algorithm>

namespace {

constexpr size_t kShortName = 4;
constexpr size_t kShortNameEdits = 1;
constexpr size_t kLongNameEdits = 2;

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

}  // namespace

size_t NameDistance(std::u16string_view a, std::u16string_view b) {
    const size_t n = a.size(), m = b.size();
    std::vector<size_t> previous2(m + 1), previous(m + 1), current(m + 1);
    for (size_t j = 0; j <= m; ++j) previous[j] = j;
    for (size_t i = 1; i <= n; ++i) {
        current[0] = i;
        for (size_t j = 1; j <= m; ++j) {
            const bool same = LowerAscii(a[i - 1]) == LowerAscii(b[j - 1]);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + !same});
            if (i > 1 && j > 1 && LowerAscii(a[i - 1]) == LowerAscii(b[j - 2]) &&
                LowerAscii(a[i - 2]) == LowerAscii(b[j - 1]))
                current[j] = std::min(current[j], previous2[j - 2] + 1);
        }
        previous2.swap(previous);
        previous.swap(current);
    }
    return previous[m];
}

std::u16string NearestName(std::u16string_view word, const std::vector<std::u16string> &candidates) {
    const size_t allowed = word.size() <= kShortName ? kShortNameEdits : kLongNameEdits;
    const std::u16string *best = nullptr;
    size_t bestDistance = allowed + 1;
    for (const std::u16string &candidate : candidates) {
        if (candidate == word) continue;
        const size_t distance = NameDistance(word, candidate);
        if (distance < bestDistance) {
            best = &candidate;
            bestDistance = distance;
        }
    }
    return best ? *best : std::u16string();
}
