#include "ppd_media.h"

#include <limits>

namespace {

constexpr int16_t kSimplex = 1;
constexpr int16_t kVertical = 2;
constexpr int16_t kHorizontal = 3;
const char kDpiSuffix[] = "dpi";
constexpr int kMaxResolution = std::numeric_limits<int16_t>::max();
constexpr int kDecimalBase = 10;

struct PaperName {
    const char *keyword;
    int16_t paper;  // DMPAPER_*
};

// Standard PageSize keywords of PostScript printer descriptions and their DMPAPER_* numbers;
// the table is the data.
const PaperName kPapers[] = {
    {"Letter", 1},           {"LetterSmall", 2},       {"Tabloid", 3},
    {"Ledger", 4},           {"Legal", 5},             {"Statement", 6},
    {"Executive", 7},        {"A3", 8},                {"A4", 9},
    {"A4Small", 10},         {"A5", 11},               {"B4", 12},
    {"B5", 13},              {"Folio", 14},            {"Quarto", 15},
    {"10x14", 16},           {"11x17", 17},            {"Note", 18},
    {"Env9", 19},            {"Env10", 20},            {"Env11", 21},
    {"Env12", 22},           {"Env14", 23},            {"ARCHC", 24},
    {"ARCHD", 25},           {"ARCHE", 26},            {"EnvDL", 27},
    {"EnvC5", 28},           {"EnvC3", 29},            {"EnvC4", 30},
    {"EnvC6", 31},           {"EnvC65", 32},           {"EnvISOB4", 33},
    {"EnvISOB5", 34},        {"EnvISOB6", 35},         {"EnvItalian", 36},
    {"EnvMonarch", 37},      {"EnvPersonal", 38},      {"FanFoldUS", 39},
    {"FanFoldGerman", 40},   {"FanFoldGermanLegal", 41}, {"ISOB4", 42},
    {"Postcard", 43},        {"9x11", 44},             {"10x11", 45},
    {"15x11", 46},           {"EnvInvite", 47},        {"LetterExtra", 50},
    {"LegalExtra", 51},      {"TabloidExtra", 52},     {"A4Extra", 53},
    {"LetterTransverse", 54}, {"A4Transverse", 55},    {"LetterExtraTransverse", 56},
    {"SuperA", 57},          {"SuperB", 58},           {"LetterPlus", 59},
    {"A4Plus", 60},          {"A5Transverse", 61},     {"B5Transverse", 62},
    {"A3Extra", 63},         {"A5Extra", 64},          {"ISOB5Extra", 65},
    {"A2", 66},              {"A3Transverse", 67},     {"A3ExtraTransverse", 68},
    {"DoublePostcard", 69},  {"A6", 70},               {"EnvKaku2", 71},
    {"EnvKaku3", 72},        {"EnvChou3", 73},         {"EnvChou4", 74},
    {"B6", 88},              {"12x11", 90},            {"EnvYou4", 91},
    {"PRC16K", 93},          {"PRC32K", 94},           {"PRC32KBig", 95},
    {"EnvPRC1", 96},         {"EnvPRC2", 97},          {"EnvPRC3", 98},
    {"EnvPRC4", 99},         {"EnvPRC5", 100},         {"EnvPRC6", 101},
    {"EnvPRC7", 102},        {"EnvPRC8", 103},         {"EnvPRC9", 104},
    {"EnvPRC10", 105},
};

// A decimal number of at most kMaxResolution; advances `text`.
bool ReadNumber(std::string_view *text, int16_t *number) {
    int value = 0;
    size_t digits = 0;
    while (digits < text->size() && (*text)[digits] >= '0' && (*text)[digits] <= '9') {
        value = value * kDecimalBase + ((*text)[digits] - '0');
        if (value > kMaxResolution) return false;
        ++digits;
    }
    if (!digits || !value) return false;
    text->remove_prefix(digits);
    *number = static_cast<int16_t>(value);
    return true;
}

}  // namespace

int16_t PaperSizeOf(std::string_view pageSizeKeyword, size_t optionIndex) {
    for (const PaperName &entry : kPapers)
        if (pageSizeKeyword == entry.keyword) return entry.paper;
    const size_t user = static_cast<size_t>(kFirstUserPaper) + optionIndex;
    const size_t limit = static_cast<size_t>(std::numeric_limits<int16_t>::max());
    return static_cast<int16_t>(user < limit ? user : limit);
}

int16_t DuplexModeOf(std::string_view duplexKeyword) {
    if (duplexKeyword == "DuplexNoTumble") return kVertical;
    if (duplexKeyword == "DuplexTumble") return kHorizontal;
    return kSimplex;
}

bool ReadResolution(std::string_view keyword, int16_t *x, int16_t *y) {
    int16_t across = 0, down = 0;
    if (!ReadNumber(&keyword, &across)) return false;
    down = across;
    if (!keyword.empty() && keyword.front() == 'x') {
        keyword.remove_prefix(1);
        if (!ReadNumber(&keyword, &down)) return false;
    }
    if (keyword != kDpiSuffix) return false;
    *x = across;
    *y = down;
    return true;
}
