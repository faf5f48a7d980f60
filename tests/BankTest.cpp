// The question banks, checked from their data: the rules every bank keeps
// and each level's own figures, one row of figures per level, then the few
// figures that only one level has.
#include "levels/Level1Bank.h"
#include "levels/Level2Bank.h"
#include "levels/Level3Bank.h"
#include "levels/Level4Bank.h"
#include "levels/Level5Bank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Options = std::array<std::string, 4>;
using Place = std::pair<int, int>; // record, text: 0 the question, 1..4 an option

const std::string kFiller[] = {"****", "*****", "******"};

bool isFiller(const std::string &text)
{
    return std::ranges::find(kFiller, text) != std::end(kFiller);
}

Options optionsOf(const Question &q)
{
    return {q.OptionText[0], q.OptionText[1], q.OptionText[2], q.OptionText[3]};
}

// The question (text 0) and the options (texts 1..4).
std::array<std::string, 5> textsOf(const Question &q)
{
    return {q.QuestionText, q.OptionText[0], q.OptionText[1], q.OptionText[2], q.OptionText[3]};
}

std::size_t longestBlankRun(const std::string &text)
{
    std::size_t longest = 0, run = 0;
    for (char c : text) {
        run = c == ' ' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The text with each run of blanks as one blank.
std::string collapsed(const std::string &text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' || out.empty() || out.back() != ' ')
            out += c;
    return out;
}

bool hasLowerCase(const std::string &text)
{
    return std::ranges::any_of(text, [](char c) { return std::islower(static_cast<unsigned char>(c)); });
}

// What a player sees of an option without knowing the answer: a leading
// blank, a trailing blank, its longest run of two or more blanks (0 for
// none), a title before a name, parentheses, and a number with a blank
// inside it.
using Look = std::array<std::size_t, 6>;

const char *const kLookParts[] = {"a leading blank", "a trailing blank", "a run of blanks",
                                  "a title",         "parentheses",      "a number with a blank inside"};
static_assert(std::size(kLookParts) == Look().size());

// A number written with a blank inside it, as "199 6".
const std::regex kSplitNumber("[0-9] [0-9]");

Look lookOf(const std::string &option)
{
    static const std::regex title("(^|[^A-Za-z])(Dr|Mrs|Ms|Smt)\\.");
    const std::size_t run = longestBlankRun(option);
    return {option.front() == ' ', option.back() == ' ', run >= 2 ? run : 0, std::regex_search(option, title),
            option.find_first_of("()") != std::string::npos, std::regex_search(option, kSplitNumber)};
}

std::array<Look, 4> looksOf(const Question &q)
{
    std::array<Look, 4> looks;
    for (std::size_t k = 0; k < 4; ++k)
        looks[k] = lookOf(q.OptionText[k]);
    return looks;
}

// Whether one part of the right option's look is shared with no other
// option, so that a player could tell the answer by it alone.
bool giveAway(const Question &q)
{
    const std::array<Look, 4> looks = looksOf(q);
    const std::size_t right = std::size_t(q.CorrectOption - 1);
    for (std::size_t part = 0; part < Look().size(); ++part) {
        bool shared = false;
        for (std::size_t k = 0; k < 4; ++k)
            shared = shared || (k != right && looks[k][part] == looks[right][part]);
        if (!shared)
            return true;
    }
    return false;
}

std::set<int> range(int first, int last, std::set<int> except = {})
{
    std::set<int> records;
    for (int n = first; n <= last; ++n)
        if (!except.contains(n))
            records.insert(n);
    return records;
}

std::set<int> operator+(std::set<int> a, const std::set<int> &b)
{
    a.insert(b.begin(), b.end());
    return a;
}

// A record the level's description quotes; a null text or a right option of
// 0 is one it does not quote.
struct Quoted {
    int n;
    const char *question;
    std::array<const char *, 4> options;
    int right = 0;
    std::size_t questionLength = 0; // of a question described, not quoted
};

// Records that share one set of four options, with their right options in
// bank order (empty where the description gives none).
struct OptionGroup {
    std::vector<int> records;
    std::vector<int> rights;
};

// A level's figures; -1, or an empty optional, for a figure that the level's
// description does not give.
struct BankFigures {
    const char *level;
    const QuestionBank *bank;
    std::array<int, 4> rights;
    std::size_t shortestQuestion, longestQuestion;
    std::set<int> shortestQuestions, longestQuestions;
    std::size_t shortestOption, longestOption;
    std::set<Place> shortestOptions, longestOptions; // empty: not named
    std::string forbiddenCharacters;
    // Lower case stands only in these words, in so many texts and records.
    std::vector<std::string> lowerCaseWords;
    int lowerCaseTexts = -1;
    int lowerCaseRecordCount = -1;
    std::optional<std::set<int>> lowerCaseRecords;
    bool lowerCaseInQuestions = false;
    // Options that begin with one blank, and the records with all four so.
    int leadingTexts = -1;
    int leadingRecords = -1;
    std::set<int> allFourLeading;
    // Runs of two or more blanks.
    std::optional<std::set<int>> questionRuns; // the records whose question has one
    std::optional<std::set<int>> optionRuns;   // the records with an option that has one
    int runTexts = -1;
    int runRecords = -1;
    std::size_t longestRun;
    std::set<Place> trailingBlanks;
    std::set<int> fillerRecords;
    std::set<int> equalOptionRecords; // fillers included
    int noneOfTheAbove;               // always option 4
    std::set<int> noneOfTheAboveRight;
    std::set<int> allOfTheAbove; // always option 4
    std::set<int> allOfTheAboveRight;
    std::vector<std::vector<int>> repeatedQuestions;
    // Every group of records sharing their options, or, where the groups
    // are only counted, some of them and the count.
    std::vector<OptionGroup> optionGroups;
    bool onlyTheseGroups = true;
    int groupCount = -1, groupedRecords = -1;
    std::string questionEnding;
    int questionsWithEnding = -1;
    std::vector<Quoted> quoted;
    std::set<int> fixedGiveAways; // records whose looks are given, not authored
};

const BankFigures kBanks[] = {
    {
        .level = "Level1",
        .bank = &Level1Bank,
        .rights = {88, 40, 41, 31},
        .shortestQuestion = 11, .longestQuestion = 73,
        .shortestQuestions = {184}, .longestQuestions = {198},
        .shortestOption = 1, .longestOption = 31,
        .shortestOptions = {{87, 1}}, .longestOptions = {{157, 3}},
        .lowerCaseWords = {"Dr.", "Ltd.", "Sq.Km"},
        .lowerCaseRecordCount = 4,
        .lowerCaseInQuestions = true,
        .leadingTexts = 38, .leadingRecords = 13,
        .runTexts = 15, .runRecords = 9,
        .longestRun = 4,
        .trailingBlanks = {{36, 0}},
        .fillerRecords = {158},
        .equalOptionRecords = {158},
        .noneOfTheAbove = 14,
        .repeatedQuestions = {{7, 29}},
        .optionGroups = {{{90, 91, 92}, {4, 3, 1}}},
        .onlyTheseGroups = false, .groupCount = 12, .groupedRecords = 37,
        .quoted = {
            {29, "MALAYALAM IS THE PRINCIPAL LANGUAGE OF",
             {"DADRA AND NAGAR HAVELI", "PONDICHERRY", "LASHADWEEP", "ANDAMAN AND NICOBAR"}, 3},
            {66, "BATTLE OF PLASSEY WAS FOUGHT IN", {" 1800", " 1820", " 1750", " 1757"}, 4},
            {90, "ANKLESWAR IN GUJARAT IS WELL-KNOWN FOR", {"FERTILIZERS", "PENCILLIN FACTORY", "COPPER", "CRUDE OIL"}, 4},
            {158, nullptr, {"TARAPORE NEAR MUMBAI", "KALPAKKAM NEAR CHENNAI", "******", "******"}, 1, 42},
            {198, "INSTITUTE OF ARMAMENT STUDIES AND METEOROLOGICAL OBSERVATORY  ARE LOCATED",
             {"KIRKEE (PUNE)", "MUMBAI", "CALCUTTA", "CHENNAI"}, 1},
            {7, "MALAYALAM IS THE PRINCIPAL LANGUAGE OF", {}, 4},
        },
        .fixedGiveAways = {198},
    },
    {
        .level = "Level2",
        .bank = &Level2Bank,
        .rights = {68, 41, 44, 47},
        .shortestQuestion = 12, .longestQuestion = 71,
        .shortestQuestions = {51}, .longestQuestions = {12},
        .shortestOption = 3, .longestOption = 28,
        .shortestOptions = {{58, 4}, {89, 4}}, .longestOptions = {{4, 3}},
        .forbiddenCharacters = "*/?",
        .lowerCaseWords = {"Dr.", "Mrs.", "Ms.", "Smt."},
        .lowerCaseTexts = 77,
        .lowerCaseRecords = std::set<int>{27, 28, 30, 31, 126} + range(166, 200, {191, 193}),
        .leadingTexts = 48, .leadingRecords = 12,
        .allFourLeading = range(45, 57, {48}),
        .questionRuns = std::set<int>{9, 26, 43, 48, 60} + range(122, 130) + range(166, 200),
        .optionRuns = std::set<int>{10, 38, 40, 41, 42, 44},
        .runTexts = 49 + 12,
        .longestRun = 2,
        .trailingBlanks = {{13, 4}},
        .noneOfTheAbove = 15,
        .allOfTheAbove = range(166, 169),
        .allOfTheAboveRight = {166, 167},
        .repeatedQuestions = {{127, 128}, {129, 130}, {170, 171}, {173, 174}, {181, 182}},
        .optionGroups = {
            {{26, 43}, {1, 2}}, {{48, 60}, {3, 4}}, {{73, 74, 75, 76}, {1, 2, 3, 4}},
            {{106, 107, 108, 109, 110, 111, 113, 117, 132}, {}}, {{122, 123, 124, 125}, {1, 2, 3, 4}},
            {{153, 154, 155, 156}, {1, 2, 3, 4}}, {{183, 184, 185, 186}, {1, 2, 3, 4}},
            {{197, 198, 199, 200}, {1, 2, 3, 4}},
        },
        .quoted = {
            {4, "NARORA IN UTTAR PRADESH HAS",
             {"ATOMIC POWER STATION", "THERMAL POWER STATION", "HYDRO ELECTRIC POWER STATION", "WIND FARM"}, 1},
            {43, "POPULATION OF ARUNACHAL PRADESH AS PER  1991 CENSUS IS",
             {"6,65,08,008", "8,64,558", "2,24, 14,322", "8,63,74,465"}, 2},
            {51, "INDO-PAK WAR", {" 1948", " 1947", " 1971", " 1951"}, 3},
            {58, nullptr, {nullptr, nullptr, nullptr, "M.P"}},
            {89, nullptr, {nullptr, nullptr, nullptr, "GOA"}},
            {106, nullptr, {"GANGES", "SARAYU", "JAMUNA", "HOOGLY"}},
            // The repeated questions of the highest civilian award.
            {127, nullptr, {}, 4, 56}, {128, nullptr, {}, 2, 56}, {129, nullptr, {}, 1, 56}, {130, nullptr, {}, 3, 56},
            {170, nullptr, {}, 4, 40}, {171, nullptr, {}, 4, 40}, {173, nullptr, {}, 3, 40}, {174, nullptr, {}, 3, 40},
            {181, nullptr, {}, 4, 40}, {182, nullptr, {}, 2, 40},
        },
        .fixedGiveAways = {13},
    },
    {
        .level = "Level3",
        .bank = &Level3Bank,
        .rights = {109, 34, 35, 22},
        .shortestQuestion = 16, .longestQuestion = 69,
        .shortestQuestions = {75}, .longestQuestions = {118, 151},
        .shortestOption = 2, .longestOption = 37,
        .shortestOptions = {{142, 2}}, .longestOptions = {{130, 3}},
        .forbiddenCharacters = "/?",
        .lowerCaseWords = {"Mrs.", "Dr.", "Kms"},
        .lowerCaseTexts = 15 + 4,
        .lowerCaseInQuestions = true,
        .leadingTexts = 117, .leadingRecords = 30,
        .allFourLeading = range(33, 53) + range(60, 62) + std::set<int>{103, 135, 141, 160},
        .questionRuns = range(1, 5) + std::set<int>{47, 52, 66, 145, 178},
        .optionRuns = std::set<int>{10, 174},
        .runTexts = 10 + 1 + 4,
        .longestRun = 2,
        .trailingBlanks = {{153, 1}},
        .fillerRecords = {142},
        .equalOptionRecords = {142},
        .noneOfTheAbove = 37,
        .noneOfTheAboveRight = {7, 102},
        .optionGroups = {
            {{26, 27, 28, 29}, {4, 2, 3, 1}}, {{117, 118, 119, 120}, {1, 1, 1, 1}}, {{34, 35}, {}}, {{51, 52}, {}},
            {{68, 69}, {}}, {{109, 110}, {}}, {{157, 158}, {}}, {{162, 165}, {}}, {{195, 197}, {}},
        },
        .questionEnding = "IN THE YEAR", .questionsWithEnding = 24,
        .quoted = {
            {142, nullptr, {"YES", "NO", "****", "****"}, 1, 60},
            {182, "NATIONAL BOTANICAL GARDEN IS LOCATED AT", {"LUCKNOW", "MUMBAI", "CALCUTTA", "DELHI"}, 1},
            {39, "FIRST GENERAL ELECTION TO THE LOK SABA WAS HELD IN THE YEAR", {" 1928", " 1923", " 1943", " 1952"}, 4},
            {178, "RIVER SHARAVATHI FLOWS  INTO", {"BAY OF BENGAL", "ARABIAN SEA", "RED SEA", "CAPSIAN SEA"}, 2},
            {186, "MOUNT KAILASH TIBET IS THE SOURCE FOR", {"GANGES RIVER", "TAPATI RIVER", "INDUS RIVER", "MAHANADHI"}, 3},
            {75, "MAGASTANESE IS A", {}},
            {10, nullptr, {nullptr, nullptr, nullptr, "NONE  OF THE ABOVE"}},
        },
    },
    {
        .level = "Level4",
        .bank = &Level4Bank,
        .rights = {97, 37, 45, 21},
        .shortestQuestion = 15, .longestQuestion = 70,
        .shortestQuestions = {12}, .longestQuestions = {56},
        .shortestOption = 2, .longestOption = 29,
        .longestOptions = {{60, 2}, {106, 3}},
        .forbiddenCharacters = "/?",
        .lowerCaseWords = {"Sq.Km", "Dr."},
        .lowerCaseRecords = std::set<int>{29} + range(179, 188),
        .leadingRecords = 23,
        .questionRuns = std::set<int>{49, 113, 126},
        .optionRuns = std::set<int>{3, 162} + range(179, 188),
        .longestRun = 4,
        .fillerRecords = {27, 28, 31, 32, 56, 80, 84, 86, 154},
        .equalOptionRecords = {27, 28, 31, 32, 56, 80, 84, 86},
        .noneOfTheAbove = 18,
        .optionGroups = {{{180, 181, 182, 183}, {1, 2, 3, 4}}, {{184, 185, 186, 187}, {1, 2, 3, 4}}},
        .quoted = {
            {27, nullptr, {"YES", "NO", "*****", "*****"}, 1, 50},
            {28, "AYURVEDA MEANS SCIENCE OF LIFE", {"YES", "NO", "*****", "*****"}, 1},
            {31, nullptr, {"YES", "NO", "****", "****"}, 1, 39},
            {32, "ZHEND AVESTA IS THE SACRED SCRIPTURE OF PARSIS", {"YES", "NO", "****", "****"}, 1},
            {56, nullptr, {"YES", "NO", "****", "****"}, 1, 70},
            {80, nullptr, {"YES", "NO", "*****", "*****"}, 1, 58},
            {84, nullptr, {"PADMA BHUSHAN", "PADMA SHRI", "****", "****"}, 1, 66},
            {86, nullptr, {"YES", "NO", "****", "****"}, 1, 59},
            {154, nullptr, {"YES", "NO", "MAY BE", "*****"}, 1, 48},
            {24, "STAR IS THE SYMBOL OF", {"HINDUISM", "SIKHISM", "JAINISM", "JUDAISM"}, 4},
            {145, "THE HEIGHT OF QUTUB MINAR IS", {"200 FEET", "288 FEET", "300 FEET", " 100 FEET"}, 2},
            {182, "AREA OF MEGHALAYA IS", {"3,07,7 13 Sq.Km", "22,327   Sq.Km", "22,429   Sq.Km", "2 1,08 1   Sq.Km"}, 3},
            {12, "GRANTH SAHIB IS", {}},
            {60, nullptr, {nullptr, "ALLAHABAD SESSION OF CONGRESS", nullptr, nullptr}},
            {106, nullptr, {nullptr, nullptr, "ANAND RAO PAINTER OF KOLHAPUR", nullptr}},
        },
        .fixedGiveAways = {180},
    },
    {
        .level = "Level5",
        .bank = &Level5Bank,
        .rights = {98, 39, 29, 34},
        .shortestQuestion = 14, .longestQuestion = 71,
        .shortestQuestions = {194}, .longestQuestions = {41},
        .shortestOption = 2, .longestOption = 35,
        .longestOptions = {{182, 2}},
        .forbiddenCharacters = "/?",
        .lowerCaseWords = {"Sq.Km", "Sq.KM", "Dr."},
        .leadingTexts = 8 + 4 + 7, .leadingRecords = 2 + 4 + 7,
        .allFourLeading = {23, 31},
        .questionRuns = range(183, 186),
        .runTexts = 4 + 23,
        .longestRun = 4,
        .trailingBlanks = {{91, 0}},
        .fillerRecords = {188, 189},
        .equalOptionRecords = {88, 188, 189},
        .noneOfTheAbove = 3,
        .allOfTheAbove = {159},
        .allOfTheAboveRight = {159},
        .repeatedQuestions = {{138, 147, 159}},
        .optionGroups = {
            {{107, 108, 109, 110}, {1, 2, 3, 4}}, {{169, 170, 171, 172}, {1, 2, 3, 4}},
            {{190, 191, 192, 193}, {1, 2, 3, 4}}, {{194, 195, 196, 197}, {1, 2, 3, 4}}, {{198, 199, 200}, {1, 2, 3}},
        },
        .questionEnding = "IS LOCATED AT", .questionsWithEnding = 112,
        .quoted = {
            {70, "NATIONAL BOTANICAL GARDEN IS LOCATED AT", {"BHAVA NAGAR", "LUCKNOW", "PUNE", "CHENNAI"}, 2},
            {88, "ATOMIC ENERGY COMMISION IS LOCATED AT", {"MUMBAI", "CALCUTTA", "MUMBAI", "CHENNAI"}, 1},
            {138, "CHANDIGARH IS THE CAPITAL OF", {"ASSAM", "BIHAR", "GUJARAT", "HARYANA"}, 4},
            {147, "CHANDIGARH IS THE CAPITAL OF", {"PUNJAB", "BIHAR", "GUJARAT", "HIMACHAL PRADESH"}, 1},
            {159, "CHANDIGARH IS THE CAPITAL OF", {"CHANDIGARH", "PUNJAB", "HARYANA", "ALL OF THE ABOVE"}, 4},
            {188, nullptr, {"YES", "NO", "****", "****"}, 1, 49},
            {189, nullptr, {"YES", "NO", "****", "****"}, 1, 53},
            {23, "VIVIDH BHARATHI WAS STARTED IN THE YEAR", {" 1957", " 1970", " 1980", " 1966"}, 1},
            {194, "AREA OF GOA IS", {"3,702    Sq.Km", " 1,96,024 Sq.Km", "44,2 12   Sq.Km", "55,673   Sq.KM"}, 1},
            {41, "POST-GRADUATE INSTITUTE OF MEDICAL EDUCATION AND RESEARCH IS LOCATED AT", {}},
            {182, nullptr, {nullptr, "SOUTH POINT HIGH SCHOOL AT CALCUTTA", nullptr, nullptr}},
        },
        .fixedGiveAways = {193, 194, 195, 196, 199},
    },
};

void PrintTo(const BankFigures &figures, std::ostream *out)
{
    *out << figures.level;
}

const Question &recordOf(const BankFigures &figures, int n)
{
    return BankRecord(*figures.bank, std::int16_t(n));
}

class EveryBank : public ::testing::TestWithParam<BankFigures> {
protected:
    const BankFigures &figures = GetParam();
    const Question &record(int n) const { return recordOf(figures, n); }
};

TEST_P(EveryBank, KeepsTheRecordRules)
{
    std::set<std::tuple<std::string, Options, int>> records;
    for (int n = 1; n <= kBankSize; ++n) {
        const Question &q = record(n);
        SCOPED_TRACE("record " + std::to_string(n));
        ASSERT_NE(q.QuestionText, nullptr);
        ASSERT_TRUE(q.CorrectOption >= 1 && q.CorrectOption <= 4);
        for (const std::string &text : textsOf(q)) {
            ASSERT_FALSE(text.empty());
            for (char c : text)
                EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << "character " << int(c) << " in \"" << text << '"';
        }
        EXPECT_LE(std::string(q.QuestionText).size(), 73u);
        EXPECT_NE(q.QuestionText[0], ' ');
        const auto options = optionsOf(q);
        for (const std::string &option : options)
            EXPECT_LE(option.size(), 37u);
        EXPECT_FALSE(isFiller(options[std::size_t(q.CorrectOption - 1)])) << "a filler is never right";
        // Fillers stand last: options 3 and 4 alike, or option 4 alone.
        if (isFiller(options[2]))
            EXPECT_EQ(options[3], options[2]);
        EXPECT_FALSE(isFiller(options[0]) || isFiller(options[1]));
        EXPECT_TRUE(records.emplace(q.QuestionText, options, q.CorrectOption).second) << "a record stands twice";
        EXPECT_EQ(giveAway(q), figures.fixedGiveAways.contains(n)) << "its looks tell the right option";
    }
}

// Over a bank, no look leans to the right option: among the records where
// some but not all options have it, chance puts it on the right option a
// quarter of a record for each option that has it. A player who played the
// look would win at most one record more than that.
TEST_P(EveryBank, NoLookLeansToTheRightOption)
{
    std::array<int, std::tuple_size_v<Look>> onRight{}, marked{};
    for (int n = 1; n <= kBankSize; ++n) {
        if (figures.fixedGiveAways.contains(n))
            continue;
        const Question &q = record(n);
        const std::array<Look, 4> looks = looksOf(q);
        const Look &right = looks[std::size_t(q.CorrectOption - 1)];
        for (std::size_t part = 0; part < right.size(); ++part) {
            const auto have = std::ranges::count_if(looks, [part](const Look &look) { return look[part] != 0; });
            if (have == 0 || have == 4)
                continue;
            marked[part] += int(have);
            onRight[part] += right[part] != 0;
        }
    }
    for (std::size_t part = 0; part < onRight.size(); ++part)
        EXPECT_LE(4 * onRight[part], marked[part] + 4)
            << kLookParts[part] << " stands on the right option in " << onRight[part]
            << " records, where chance puts it in " << marked[part] / 4.0;
}

TEST_P(EveryBank, RightOptionsAndLengths)
{
    std::array<int, 4> rights{};
    std::map<std::size_t, std::set<int>> questions;
    std::map<std::size_t, std::set<Place>> options;
    for (int n = 1; n <= kBankSize; ++n) {
        const auto texts = textsOf(record(n));
        ++rights[std::size_t(record(n).CorrectOption - 1)];
        questions[texts[0].size()].insert(n);
        for (int k = 1; k <= 4; ++k)
            options[texts[std::size_t(k)].size()].emplace(n, k);
    }
    EXPECT_EQ(rights, figures.rights);
    EXPECT_EQ(questions.begin()->first, figures.shortestQuestion);
    EXPECT_EQ(questions.begin()->second, figures.shortestQuestions);
    EXPECT_EQ(questions.rbegin()->first, figures.longestQuestion);
    EXPECT_EQ(questions.rbegin()->second, figures.longestQuestions);
    EXPECT_EQ(options.begin()->first, figures.shortestOption);
    if (!figures.shortestOptions.empty())
        EXPECT_EQ(options.begin()->second, figures.shortestOptions);
    EXPECT_EQ(options.rbegin()->first, figures.longestOption);
    EXPECT_EQ(options.rbegin()->second, figures.longestOptions);
}

TEST_P(EveryBank, CharactersAndLowerCase)
{
    int lowerTexts = 0;
    std::set<int> lowerRecords;
    for (int n = 1; n <= kBankSize; ++n) {
        const auto texts = textsOf(record(n));
        for (std::size_t t = 0; t < texts.size(); ++t) {
            const std::string &text = texts[t];
            EXPECT_EQ(text.find_first_of(figures.forbiddenCharacters), std::string::npos) << text;
            if (t == 0)
                EXPECT_NE(text.back(), '?') << text;
            if (!hasLowerCase(text))
                continue;
            ++lowerTexts;
            lowerRecords.insert(n);
            if (!figures.lowerCaseInQuestions)
                EXPECT_NE(t, 0u) << "record " << n << ": lower case in the question";
            std::string rest = text;
            for (const std::string &word : figures.lowerCaseWords)
                for (std::size_t at; (at = rest.find(word)) != std::string::npos;)
                    rest.replace(at, word.size(), "");
            EXPECT_FALSE(hasLowerCase(rest)) << "record " << n << ": \"" << text << '"';
        }
    }
    if (figures.lowerCaseTexts >= 0)
        EXPECT_EQ(lowerTexts, figures.lowerCaseTexts);
    if (figures.lowerCaseRecordCount >= 0)
        EXPECT_EQ(int(lowerRecords.size()), figures.lowerCaseRecordCount);
    if (figures.lowerCaseRecords)
        EXPECT_EQ(lowerRecords, *figures.lowerCaseRecords);
}

TEST_P(EveryBank, Blanks)
{
    int leadingTexts = 0, runTexts = 0;
    std::set<int> leadingRecords, allFourLeading, questionRuns, optionRuns, runRecords;
    std::set<Place> trailing;
    std::size_t longestRun = 0;
    for (int n = 1; n <= kBankSize; ++n) {
        const auto texts = textsOf(record(n));
        int leading = 0;
        for (int t = 0; t < 5; ++t) {
            const std::string &text = texts[std::size_t(t)];
            if (t > 0 && text[0] == ' ') {
                EXPECT_NE(text[1], ' ') << "record " << n << ": one leading blank, never two";
                ++leading;
            }
            if (text.find("  ") != std::string::npos) {
                ++runTexts;
                runRecords.insert(n);
                (t == 0 ? questionRuns : optionRuns).insert(n);
            }
            longestRun = std::max(longestRun, longestBlankRun(text));
            if (text.back() == ' ')
                trailing.emplace(n, t);
        }
        leadingTexts += leading;
        if (leading > 0)
            leadingRecords.insert(n);
        if (leading == 4)
            allFourLeading.insert(n);
    }
    if (figures.leadingTexts >= 0)
        EXPECT_EQ(leadingTexts, figures.leadingTexts);
    if (figures.leadingRecords >= 0)
        EXPECT_EQ(int(leadingRecords.size()), figures.leadingRecords);
    if (!figures.allFourLeading.empty())
        EXPECT_EQ(allFourLeading, figures.allFourLeading);
    if (figures.questionRuns)
        EXPECT_EQ(questionRuns, *figures.questionRuns);
    if (figures.optionRuns)
        EXPECT_EQ(optionRuns, *figures.optionRuns);
    if (figures.runTexts >= 0)
        EXPECT_EQ(runTexts, figures.runTexts);
    if (figures.runRecords >= 0)
        EXPECT_EQ(int(runRecords.size()), figures.runRecords);
    EXPECT_EQ(longestRun, figures.longestRun);
    EXPECT_EQ(trailing, figures.trailingBlanks);
}

TEST_P(EveryBank, FillersAndStockOptions)
{
    std::set<int> fillers, equalOptions, none, noneRight, all, allRight;
    for (int n = 1; n <= kBankSize; ++n) {
        const Question &q = record(n);
        const auto options = optionsOf(q);
        if (std::ranges::any_of(options, isFiller))
            fillers.insert(n);
        if (std::set<std::string>(options.begin(), options.end()).size() < 4)
            equalOptions.insert(n);
        for (int k = 1; k <= 4; ++k) {
            const std::string option = collapsed(options[std::size_t(k - 1)]);
            for (auto [stock, records, rights] : {std::tuple("NONE OF THE ABOVE", &none, &noneRight),
                                                  std::tuple("ALL OF THE ABOVE", &all, &allRight)}) {
                if (option != stock)
                    continue;
                EXPECT_EQ(k, 4) << "record " << n << ": " << stock << " stands last";
                records->insert(n);
                if (q.CorrectOption == k)
                    rights->insert(n);
            }
        }
    }
    EXPECT_EQ(fillers, figures.fillerRecords);
    EXPECT_EQ(equalOptions, figures.equalOptionRecords);
    EXPECT_EQ(int(none.size()), figures.noneOfTheAbove);
    EXPECT_EQ(noneRight, figures.noneOfTheAboveRight);
    EXPECT_EQ(all, figures.allOfTheAbove);
    EXPECT_EQ(allRight, figures.allOfTheAboveRight);
}

TEST_P(EveryBank, RepeatsAndSharedOptions)
{
    std::map<std::string, std::vector<int>> questions;
    std::map<Options, std::vector<int>> optionSets;
    for (int n = 1; n <= kBankSize; ++n) {
        questions[record(n).QuestionText].push_back(n);
        optionSets[optionsOf(record(n))].push_back(n);
    }
    std::set<std::vector<int>> repeated;
    for (const auto &[text, records] : questions)
        if (records.size() > 1)
            repeated.insert(records);
    EXPECT_EQ(repeated, std::set<std::vector<int>>(figures.repeatedQuestions.begin(), figures.repeatedQuestions.end()));

    std::set<std::vector<int>> groups;
    int grouped = 0;
    for (const auto &[options, records] : optionSets) {
        if (records.size() > 1) {
            groups.insert(records);
            grouped += int(records.size());
        }
    }
    std::set<std::vector<int>> expected;
    for (const OptionGroup &group : figures.optionGroups) {
        expected.insert(group.records);
        EXPECT_TRUE(groups.contains(group.records)) << "records from " << group.records.front();
        for (std::size_t i = 0; i < group.rights.size(); ++i)
            EXPECT_EQ(record(group.records[i]).CorrectOption, group.rights[i]) << "record " << group.records[i];
    }
    if (figures.onlyTheseGroups) {
        // Filler records with the same two answers share their options too.
        for (const std::vector<int> &group : groups)
            if (!figures.fillerRecords.contains(group.front()))
                EXPECT_TRUE(expected.contains(group)) << "records from " << group.front() << " share options";
    } else {
        EXPECT_EQ(int(groups.size()), figures.groupCount);
        EXPECT_EQ(grouped, figures.groupedRecords);
    }
}

TEST_P(EveryBank, QuotedRecordsStandAsWritten)
{
    for (const Quoted &quoted : figures.quoted) {
        const Question &q = record(quoted.n);
        SCOPED_TRACE("record " + std::to_string(quoted.n));
        if (quoted.question)
            EXPECT_STREQ(q.QuestionText, quoted.question);
        if (quoted.questionLength)
            EXPECT_EQ(std::string(q.QuestionText).size(), quoted.questionLength);
        for (int k = 0; k < 4; ++k)
            if (quoted.options[std::size_t(k)])
                EXPECT_STREQ(q.OptionText[std::size_t(k)], quoted.options[std::size_t(k)]) << "option " << k + 1;
        if (quoted.right)
            EXPECT_EQ(q.CorrectOption, quoted.right);
    }
    if (figures.questionsWithEnding >= 0) {
        int ending = 0;
        for (const Question &q : *figures.bank)
            ending += std::string(q.QuestionText).ends_with(figures.questionEnding);
        EXPECT_EQ(ending, figures.questionsWithEnding);
    }
}

INSTANTIATE_TEST_SUITE_P(Banks, EveryBank, ::testing::ValuesIn(kBanks),
                         [](const auto &info) { return std::string(info.param.level); });

// No question text stands in two banks, but for the one the Level 3 and
// Level 5 banks share.
TEST(AllBanks, NoQuestionStandsInTwoBanks)
{
    std::map<std::string, std::set<std::string>> banksOf;
    for (const BankFigures &figures : kBanks)
        for (const Question &q : *figures.bank)
            banksOf[q.QuestionText].insert(figures.level);
    const std::map<std::string, std::set<std::string>> shared{
        {"NATIONAL BOTANICAL GARDEN IS LOCATED AT", {"Level3", "Level5"}}};
    for (const auto &[text, banks] : banksOf)
        if (banks.size() > 1)
            EXPECT_EQ(banks, shared.contains(text) ? shared.at(text) : std::set<std::string>{}) << text;
}

// Level 2: the odd numbers and names with a blank inside them.
TEST(Level2Bank, NumbersWithABlankInside)
{
    const auto at = [](int n, int t) { return textsOf(BankRecord(Level2Bank, std::int16_t(n)))[std::size_t(t)]; };
    EXPECT_EQ(at(26, 3), "2,24, 14,322");
    EXPECT_EQ(at(48, 3), "2,24,14,322");
    EXPECT_EQ(at(60, 3), "2,24,14,322");
    EXPECT_EQ(at(41, 2), "MAY 2 1, 1981");
    EXPECT_EQ(at(42, 2), "MAY 2 1, 1981");
    EXPECT_NE(at(44, 0).find("INSAT- 1A"), std::string::npos);
    EXPECT_NE(at(195, 0).find("198 1"), std::string::npos);
    EXPECT_EQ(at(44, 2), "MAY 21, 1981");
}

// Level 3: the titles stand straight before a name; the unit of record 179.
TEST(Level3Bank, TitlesAndUnit)
{
    int titles = 0;
    for (const Question &q : Level3Bank)
        for (const std::string &text : textsOf(q))
            for (const std::string title : {"Mrs.", "Dr."})
                for (std::size_t at = text.find(title); at != std::string::npos; at = text.find(title, at + 1)) {
                    ++titles;
                    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(text[at + title.size()]))) << text;
                }
    EXPECT_EQ(titles, 15);
    for (const char *option : BankRecord(Level3Bank, 179).OptionText)
        EXPECT_NE(std::string(option).find("Kms"), std::string::npos) << option;
}

// The records with a number written with a blank inside it.
std::set<int> recordsWithSplitNumbers(const QuestionBank &bank)
{
    std::set<int> records;
    for (int n = 1; n <= kBankSize; ++n)
        for (const std::string &text : textsOf(BankRecord(bank, std::int16_t(n))))
            if (std::regex_search(text, kSplitNumber))
                records.insert(n);
    return records;
}

TEST(Level3Bank, NumbersWithABlankInside)
{
    EXPECT_EQ(recordsWithSplitNumbers(Level3Bank), (std::set<int>{5, 37, 135, 152, 180}));
}

// Level 4: every digit 1 stands after a blank; the year questions; the
// power stations; the areas.
TEST(Level4Bank, EveryOneStandsAfterABlank)
{
    for (int n = 1; n <= kBankSize; ++n)
        for (const std::string &text : textsOf(BankRecord(Level4Bank, std::int16_t(n))))
            for (std::size_t at = text.find('1'); at != std::string::npos; at = text.find('1', at + 1))
                EXPECT_TRUE(at > 0 && text[at - 1] == ' ') << "record " << n << ": \"" << text << '"';
    for (int n = 1; n <= kBankSize; ++n)
        for (const std::string &option : optionsOf(BankRecord(Level4Bank, std::int16_t(n))))
            if (option[0] == ' ')
                EXPECT_EQ(option[1], '1') << "record " << n << ": a leading blank stands before a 1";
    for (int n : {61, 65, 66, 79, 81, 82, 89, 103, 107, 124, 125, 150})
        for (const std::string &option : optionsOf(BankRecord(Level4Bank, std::int16_t(n))))
            EXPECT_TRUE(std::regex_match(option, std::regex(" 1[0-9 ]*")) && std::ranges::count(option, ' ') + 4 == option.size())
                << "record " << n << ": \"" << option << '"';
}

TEST(Level4Bank, PowerStationsAndAreas)
{
    int westBengalMadhyaPradesh = 0;
    for (int n : range(172, 178) + range(189, 200)) {
        const auto options = optionsOf(BankRecord(Level4Bank, std::int16_t(n)));
        westBengalMadhyaPradesh += options[0] == "WEST BENGAL" && options[1] == "MADHYA PRADESH";
    }
    EXPECT_EQ(westBengalMadhyaPradesh, 14);
    for (int n : range(179, 188)) {
        int unitRuns = 0;
        for (const std::string &option : optionsOf(BankRecord(Level4Bank, std::int16_t(n)))) {
            EXPECT_TRUE(option.ends_with(" Sq.Km")) << option;
            unitRuns += option.ends_with("   Sq.Km");
        }
        EXPECT_GT(unitRuns, 0) << "record " << n;
    }
    int doctors = 0;
    for (const char *option : BankRecord(Level4Bank, 29).OptionText)
        doctors += std::string(option).starts_with("Dr.");
    EXPECT_EQ(doctors, 2);
}

// Level 5: the areas and their unit; the one doctor.
TEST(Level5Bank, AreasAndTheirUnit)
{
    int areaOptions = 0, unitRuns = 0, doctors = 0;
    for (int n = 1; n <= kBankSize; ++n) {
        const auto options = optionsOf(BankRecord(Level5Bank, std::int16_t(n)));
        for (int k = 1; k <= 4; ++k) {
            const std::string &option = options[std::size_t(k - 1)];
            doctors += option.starts_with("Dr.");
            EXPECT_EQ(option.find("Sq.KM") != std::string::npos, n >= 194 && n <= 197 && k == 4) << option;
            if (n >= 190) {
                ++areaOptions;
                unitRuns += std::regex_search(option, std::regex("   +Sq\\.K[mM]$"));
            } else {
                EXPECT_LT(longestBlankRun(option), 2u) << option;
            }
        }
    }
    std::set<Place> leading;
    for (int n = 1; n <= kBankSize; ++n)
        for (int k = 1; k <= 4; ++k)
            if (BankRecord(Level5Bank, std::int16_t(n)).OptionText[std::size_t(k - 1)][0] == ' ')
                leading.emplace(n, k);
    std::set<Place> expected{{190, 4}, {191, 4}, {192, 4}, {193, 4}};
    for (int k = 1; k <= 4; ++k)
        expected.insert({{23, k}, {31, k}});
    for (int n : range(194, 200))
        expected.emplace(n, 2);
    EXPECT_EQ(leading, expected);
    for (int n : range(183, 186))
        EXPECT_TRUE(std::regex_search(BankRecord(Level5Bank, std::int16_t(n)).QuestionText, std::regex("  [0-9]+ [0-9]+")))
            << "record " << n;
    EXPECT_EQ(areaOptions, 44);
    EXPECT_EQ(unitRuns, 23);
    EXPECT_EQ(doctors, 1);
    for (int n : {17, 32, 179})
        EXPECT_STREQ(BankRecord(Level5Bank, std::int16_t(n)).OptionText[3], "NONE OF THE ABOVE");
}

} // namespace
