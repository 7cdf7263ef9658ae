// The help sources against the plug-in's help tables: every help context the
// dialogs or the driver's option items can ask for has its topic, and every
// topic belongs to a context that is asked for.
#include "core/context_help_table.h"
#include "docstate/feature_slots.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

std::set<uint32_t> ContextsAskedFor() {
    std::set<uint32_t> ids;
    size_t count = 0;
    const HelpPair *pairs = ContextHelpTable(&count);
    for (size_t i = 0; i < count; ++i) ids.insert(pairs[i].contextId);
    const KeywordRule *rules = KeywordRules(&count);
    for (size_t i = 0; i < count; ++i)
        if (rules[i].helpContext) ids.insert(rules[i].helpContext);
    return ids;
}

std::string ReadText(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::regex kTopicName("h([1-9][0-9]*)\\.htm");

TEST(HelpTopics, EveryContextOfTheHelpTablesHasItsTopic) {
    const std::set<uint32_t> asked = ContextsAskedFor();
    ASSERT_FALSE(asked.empty());
    for (uint32_t id : asked)
        EXPECT_TRUE(fs::is_regular_file(fs::path(SX_HELP_TOPICS_DIR) / ("h" + std::to_string(id) + ".htm")))
            << "help context " << id << " has no topic";
}

TEST(HelpTopics, EveryTopicBelongsToAContextAndHasATitle) {
    const std::set<uint32_t> asked = ContextsAskedFor();
    size_t topics = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(SX_HELP_TOPICS_DIR)) {
        const std::string name = entry.path().filename().string();
        std::smatch match;
        ASSERT_TRUE(std::regex_match(name, match, kTopicName)) << name << " is not a topic";
        const uint32_t id = static_cast<uint32_t>(std::stoul(match[1].str()));
        EXPECT_TRUE(asked.count(id)) << name << " is the topic of no context that is asked for";
        const std::string text = ReadText(entry.path());
        EXPECT_TRUE(std::regex_search(text, std::regex("<title>([^<]+)</title>"))) << name << " has no title";
        EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos) << name;
        // Its one paragraph also makes the context's text popup.
        EXPECT_TRUE(std::regex_search(text, std::regex("\n<p>[^<\n]+</p>\n"))) << name << " has no one-line paragraph";
        ++topics;
    }
    EXPECT_EQ(topics, asked.size());
}

}  // namespace
