// The question banks, checked from their data: the rules every bank keeps,
// then each level's own figures.
#include "levels/Level1Bank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::string kFiller[] = {"****", "*****", "******"};

bool isFiller(const std::string &text)
{
    return std::ranges::find(kFiller, text) != std::end(kFiller);
}

std::vector<std::string> textsOf(const Question &q)
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

// A run inside the text; a single leading blank is not one.
bool hasInnerBlankRun(const std::string &text)
{
    return text.find("  ") != std::string::npos;
}

std::array<std::string, 4> optionsOf(const Question &q)
{
    return {q.OptionText[0], q.OptionText[1], q.OptionText[2], q.OptionText[3]};
}

// How an option's blanks look: a leading blank, a trailing blank, and its
// longest run of two or more blanks (0 for none).
std::tuple<bool, bool, std::size_t> blankLook(const std::string &option)
{
    const std::size_t run = longestBlankRun(option);
    return {option.front() == ' ', option.back() == ' ', run >= 2 ? run : 0};
}

// Whether one look of the right option's blanks is shared with no other
// option, so that a player could tell the answer by its blanks alone.
bool blanksGiveAway(const Question &q)
{
    const auto options = optionsOf(q);
    const auto right = blankLook(options[std::size_t(q.CorrectOption - 1)]);
    const auto sharedBy = [&](auto part) {
        int others = 0;
        for (int k = 1; k <= 4; ++k)
            others += k != q.CorrectOption && part(blankLook(options[std::size_t(k - 1)])) == part(right);
        return others > 0;
    };
    return !sharedBy([](const auto &look) { return std::get<0>(look); })
           || !sharedBy([](const auto &look) { return std::get<1>(look); })
           || !sharedBy([](const auto &look) { return std::get<2>(look); });
}

struct BankRow {
    const char *level;
    const QuestionBank *bank;
    std::set<int> fixedGiveAways; // records whose blanks are given, not authored
};

class EveryBank : public ::testing::TestWithParam<BankRow> {};

TEST_P(EveryBank, KeepsTheRecordRules)
{
    const QuestionBank &bank = *GetParam().bank;
    std::set<std::tuple<std::string, std::array<std::string, 4>, int>> records;
    for (int n = 1; n <= kBankSize; ++n) {
        const Question &q = BankRecord(bank, std::int16_t(n));
        SCOPED_TRACE("record " + std::to_string(n));
        ASSERT_NE(q.QuestionText, nullptr);
        ASSERT_TRUE(q.CorrectOption >= 1 && q.CorrectOption <= 4);
        for (const std::string &text : textsOf(q)) {
            EXPECT_FALSE(text.empty());
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
        EXPECT_EQ(blanksGiveAway(q), GetParam().fixedGiveAways.contains(n)) << "the blanks tell the right option";
    }
}

INSTANTIATE_TEST_SUITE_P(Banks, EveryBank, ::testing::Values(BankRow{"Level1", &Level1Bank, {}}),
                         [](const auto &info) { return std::string(info.param.level); });

// Level 1.

const Question &level1(int n)
{
    return BankRecord(Level1Bank, std::int16_t(n));
}

TEST(Level1Bank, RightOptionCounts)
{
    std::map<int, int> counts;
    for (const Question &q : Level1Bank)
        ++counts[q.CorrectOption];
    EXPECT_EQ(counts, (std::map<int, int>{{1, 88}, {2, 40}, {3, 41}, {4, 31}}));
}

TEST(Level1Bank, LongestAndShortestTexts)
{
    std::vector<std::pair<std::size_t, int>> questions;
    std::vector<std::tuple<std::size_t, int, int>> options;
    for (int n = 1; n <= 200; ++n) {
        questions.emplace_back(std::string(level1(n).QuestionText).size(), n);
        for (int k = 1; k <= 4; ++k)
            options.emplace_back(std::string(level1(n).OptionText[k - 1]).size(), n, k);
    }
    std::ranges::sort(questions);
    std::ranges::sort(options);
    EXPECT_EQ(questions.back(), std::make_pair(std::size_t(73), 198));
    EXPECT_LT(questions[questions.size() - 2].first, 73u) << "record 198's question is the only longest";
    EXPECT_EQ(questions.front(), std::make_pair(std::size_t(11), 184));
    EXPECT_GT(questions[1].first, 11u);
    EXPECT_EQ(options.back(), std::make_tuple(std::size_t(31), 157, 3));
    EXPECT_LT(std::get<0>(options[options.size() - 2]), 31u);
    EXPECT_EQ(options.front(), std::make_tuple(std::size_t(1), 87, 1));
    EXPECT_GT(std::get<0>(options[1]), 1u);
}

TEST(Level1Bank, Blanks)
{
    int leadingOptions = 0, runTexts = 0;
    std::set<int> leadingRecords, runRecords, lowerCaseRecords, trailing;
    std::size_t longestRun = 0;
    std::set<std::pair<int, int>> fourBlankRuns; // record, text (0: the question)
    for (int n = 1; n <= 200; ++n) {
        const auto texts = textsOf(level1(n));
        for (int t = 0; t < 5; ++t) {
            const std::string &text = texts[std::size_t(t)];
            if (t > 0 && text[0] == ' ') {
                EXPECT_NE(text[1], ' ') << "record " << n << ": one leading blank, never two";
                ++leadingOptions;
                leadingRecords.insert(n);
            }
            if (hasInnerBlankRun(text)) {
                ++runTexts;
                runRecords.insert(n);
            }
            longestRun = std::max(longestRun, longestBlankRun(text));
            if (longestBlankRun(text) == 4)
                fourBlankRuns.emplace(n, t);
            if (text.back() == ' ')
                trailing.insert(n * 10 + t);
            if (std::ranges::any_of(text, [](char c) { return std::islower(static_cast<unsigned char>(c)); }))
                lowerCaseRecords.insert(n);
        }
    }
    EXPECT_EQ(leadingOptions, 38);
    EXPECT_EQ(leadingRecords.size(), 13u);
    EXPECT_EQ(runTexts, 15);
    EXPECT_EQ(runRecords.size(), 9u);
    EXPECT_EQ(longestRun, 4u);
    EXPECT_EQ(fourBlankRuns, (std::set<std::pair<int, int>>{{142, 0}, {177, 1}}));
    EXPECT_EQ(trailing, std::set<int>{360}) << "only the question of record 36 ends with a blank";
    EXPECT_EQ(lowerCaseRecords.size(), 4u);
}

TEST(Level1Bank, FillersRepeatsAndSharedOptions)
{
    int fillerRecords = 0, noneOfTheAbove = 0;
    std::map<std::string, std::vector<int>> questions;
    std::map<std::array<std::string, 4>, std::vector<int>> optionSets;
    for (int n = 1; n <= 200; ++n) {
        const Question &q = level1(n);
        const auto options = optionsOf(q);
        fillerRecords += std::ranges::any_of(options, isFiller);
        for (int k = 1; k <= 4; ++k) {
            if (options[std::size_t(k - 1)] == "NONE OF THE ABOVE") {
                ++noneOfTheAbove;
                EXPECT_EQ(k, 4) << "record " << n;
                EXPECT_NE(q.CorrectOption, 4) << "record " << n;
            }
        }
        if (n != 158) {
            const std::set<std::string> distinct(options.begin(), options.end());
            EXPECT_EQ(distinct.size(), 4u) << "record " << n << " has two equal options";
        }
        questions[q.QuestionText].push_back(n);
        optionSets[options].push_back(n);
    }
    EXPECT_EQ(fillerRecords, 1);
    EXPECT_EQ(optionsOf(level1(158))[2], "******");
    EXPECT_EQ(optionsOf(level1(158))[3], "******");
    EXPECT_EQ(std::string(level1(158).QuestionText).size(), 42u);
    EXPECT_EQ(level1(158).CorrectOption, 1);
    EXPECT_EQ(noneOfTheAbove, 14);

    for (const auto &[text, records] : questions)
        if (records.size() > 1)
            EXPECT_EQ(records, (std::vector<int>{7, 29})) << text;
    EXPECT_EQ(level1(7).CorrectOption, 4);
    EXPECT_NE(optionsOf(level1(7)), optionsOf(level1(29)));

    int groups = 0, grouped = 0;
    for (const auto &[options, records] : optionSets) {
        if (records.size() > 1) {
            ++groups;
            grouped += int(records.size());
        }
    }
    EXPECT_EQ(groups, 12);
    EXPECT_EQ(grouped, 37);
    EXPECT_EQ(optionSets[optionsOf(level1(90))], (std::vector<int>{90, 91, 92}));
    EXPECT_EQ(level1(90).CorrectOption, 4);
    EXPECT_EQ(level1(91).CorrectOption, 3);
    EXPECT_EQ(level1(92).CorrectOption, 1);
}

TEST(Level1Bank, QuotedRecordsStandAsWritten)
{
    const struct {
        int n;
        const char *question;
        std::array<std::string, 4> options;
        int right;
    } quoted[] = {
        {29, "MALAYALAM IS THE PRINCIPAL LANGUAGE OF",
         {"DADRA AND NAGAR HAVELI", "PONDICHERRY", "LASHADWEEP", "ANDAMAN AND NICOBAR"}, 3},
        {66, "BATTLE OF PLASSEY WAS FOUGHT IN", {" 1800", " 1820", " 1750", " 1757"}, 4},
        {90, "ANKLESWAR IN GUJARAT IS WELL-KNOWN FOR", {"FERTILIZERS", "PENCILLIN FACTORY", "COPPER", "CRUDE OIL"}, 4},
        {158, nullptr, {"TARAPORE NEAR MUMBAI", "KALPAKKAM NEAR CHENNAI", "******", "******"}, 1},
        {198, "INSTITUTE OF ARMAMENT STUDIES AND METEOROLOGICAL OBSERVATORY  ARE LOCATED",
         {"KIRKEE (PUNE)", "MUMBAI", "CALCUTTA", "CHENNAI"}, 1},
    };
    for (const auto &record : quoted) {
        const Question &q = level1(record.n);
        if (record.question)
            EXPECT_STREQ(q.QuestionText, record.question) << "record " << record.n;
        EXPECT_EQ(optionsOf(q), record.options) << "record " << record.n;
        EXPECT_EQ(q.CorrectOption, record.right) << "record " << record.n;
    }
    EXPECT_STREQ(level1(7).QuestionText, "MALAYALAM IS THE PRINCIPAL LANGUAGE OF");
}

} // namespace
