// Which known name a misspelt one was probably meant to be.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Edits (insertions, deletions, substitutions, swaps of neighbours) between
// two names, ASCII letter case ignored.
size_t NameDistance(std::u16string_view a, std::u16string_view b);

// The candidate closest to `word` when it is close enough to be a slip of
// the pen: at most one edit for names of up to four characters, two for
// longer ones. A candidate that differs only in letter case is closest of
// all; one equal to `word` is never proposed. Empty when none is close; of
// equally close candidates the first wins.
std::u16string NearestName(std::u16string_view word, const std::vector<std::u16string> &candidates);
