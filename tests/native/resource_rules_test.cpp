#include "core/resource_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// The languages the plug-in's templates carry, in the order the module
// lists them, and the same set with the two Chinese variants swapped.
const std::vector<uint16_t> kShipped = {0x0000, 0x000A, 0x0404, 0x0407, 0x040C, 0x0410, 0x0412, 0x0416, 0x0804};

std::vector<uint16_t> ChineseSwapped() {
    std::vector<uint16_t> order = kShipped;
    std::swap(order[2], order[8]);
    return order;
}

uint16_t Choose(uint16_t wanted, const std::vector<uint16_t> &order) {
    return ChooseResourceLanguage(wanted, order.data(), order.size());
}

TEST(ResourceLanguage, RegionalVariantsFallToTheShippedLanguage) {
    // German (Austria), Spanish (modern sort), Portuguese (Portugal), French,
    // and Japanese, which the ordinary lookup finds.
    const std::pair<uint16_t, uint16_t> wanted[] = {
        {0x0C07, 0x0407}, {0x0C0A, 0x000A}, {0x0816, 0x0416}, {0x040C, 0x040C}, {0x0411, 0}};
    for (const auto &w : wanted) EXPECT_EQ(w.second, Choose(w.first, kShipped)) << w.first;
    EXPECT_EQ(0, Choose(0x0409, {0x0407, 0x040C}));
}

TEST(ResourceLanguage, ChineseScriptDecidesInEitherOrder) {
    // Hong Kong, Macao, Singapore, and the two scripts themselves.
    const std::pair<uint16_t, uint16_t> wanted[] = {
        {0x0C04, 0x0404}, {0x1404, 0x0404}, {0x1004, 0x0804}, {0x0404, 0x0404}, {0x0804, 0x0804}};
    for (const std::vector<uint16_t> &order : {kShipped, ChineseSwapped()})
        for (const auto &w : wanted) EXPECT_EQ(w.second, Choose(w.first, order)) << w.first;
}

TEST(ResourceLanguage, ExactMatchStopsTheEnumeration) {
    LanguageChoice choice;
    choice.wanted = 0x0407;
    EXPECT_TRUE(OfferResourceLanguage(&choice, 0x0000));
    EXPECT_FALSE(OfferResourceLanguage(&choice, 0x0407));
    EXPECT_FALSE(OfferResourceLanguage(&choice, 0x0C07));
    EXPECT_EQ(0x0407, choice.chosen);
}

std::vector<char16_t> Block(std::initializer_list<std::u16string> entries) {
    std::vector<char16_t> block;
    for (const std::u16string &entry : entries) {
        block.push_back(static_cast<char16_t>(entry.size()));
        block.insert(block.end(), entry.begin(), entry.end());
    }
    return block;
}

TEST(StringBlock, EntriesAreFoundByTheirPlaceAndCutToTheBuffer) {
    const std::u16string hundred(100, u'x');
    const std::vector<char16_t> block = Block({u"Warning", u"", hundred, u"Page"});
    char16_t out[50];
    EXPECT_EQ(7u, CopyStringBlockEntry(block.data(), block.size(), 0, out, 50));
    EXPECT_EQ(std::u16string(u"Warning"), out);
    EXPECT_EQ(49u, CopyStringBlockEntry(block.data(), block.size(), 2, out, 50));
    EXPECT_EQ(hundred.substr(0, 49), std::u16string(out));
    EXPECT_EQ(4u, CopyStringBlockEntry(block.data(), block.size(), 3, out, 50));
    EXPECT_EQ(std::u16string(u"Page"), out);
}

TEST(StringBlock, EmptyOrMissingEntriesLeaveTheBufferAlone) {
    const std::vector<char16_t> block = Block({u"Warning", u""});
    char16_t out[8] = {u'k', u'e', u'p', u't', 0};
    for (size_t index : {1, 5, 16})
        EXPECT_EQ(0u, CopyStringBlockEntry(block.data(), block.size(), index, out, 8)) << index;
    EXPECT_EQ(std::u16string(u"kept"), out);
    EXPECT_EQ(1u, CopyStringBlockEntry(block.data(), block.size(), 0, out, 2));
    EXPECT_EQ(std::u16string(u"W"), out);
}

}  // namespace
