// The question order: the rejection-sampling fill and its draw arithmetic.
#include "TestSupport.h"

#include "round/BuildQuestionOrder.h"
#include "round/Module1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using testing_support::ScriptedRandom;

namespace {

void expectPermutation(const RoundState &round)
{
    std::set<int> seen;
    for (int position = 1; position <= 200; ++position) {
        const int n = round.intQuestionOrder(position);
        EXPECT_TRUE(n >= 1 && n <= 200) << "position " << position;
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 200u);
    EXPECT_EQ(round.intQuestionOrder(0), 0);
}

TEST(BuildQuestionOrder, FirstPositionTakesTheFirstDraw)
{
    ScriptedRandom random({0.5f});
    RoundState round;
    BuildQuestionOrder(round);
    EXPECT_EQ(round.intQuestionOrder(1), 101);
    EXPECT_EQ(random.seeds, 1);
    // The sweep then fills 1..100, skips 101 once, and goes on.
    EXPECT_EQ(round.intQuestionOrder(2), 1);
    EXPECT_EQ(round.intQuestionOrder(102), 102);
    EXPECT_EQ(random.draws, 201);
    expectPermutation(round);
}

TEST(BuildQuestionOrder, DrawsAgainForADuplicate)
{
    ScriptedRandom random({0.0f, 0.0f, 0.0f, 0.0075f});
    RoundState round;
    BuildQuestionOrder(round);
    EXPECT_EQ(round.intQuestionOrder(1), 1);
    EXPECT_EQ(round.intQuestionOrder(2), 2); // 0 twice refused, 0.0075 gives 2
    expectPermutation(round);
}

TEST(BuildQuestionOrder, MapsEachDrawToABankNumber)
{
    const struct {
        float r;
        int bankNumber;
    } cases[] = {
        {0.0f, 1},
        {0.5f, 101},
        {std::nextafter(1.0f, 0.0f), 200}, // 0.99999994
        {0.004999f, 1},
        {0.0075f, 2},
    };
    for (const auto &c : cases) {
        ScriptedRandom random({c.r});
        RoundState round;
        BuildQuestionOrder(round);
        EXPECT_EQ(round.intQuestionOrder(1), c.bankNumber) << "r = " << c.r;
    }
}

TEST(BuildQuestionOrder, LeavesAPermutationAndTheScratchValues)
{
    RoundState round;
    round.intQuestionNumber = 57;
    round.intCorrectOption = 3;
    round.intMarks = 9;
    for (int run = 0; run < 20; ++run) {
        BuildQuestionOrder(round);
        expectPermutation(round);
        EXPECT_EQ(round.intQuestionNumber, 0);
        EXPECT_EQ(round.intDrawn, round.intQuestionOrder(200));
        EXPECT_EQ(round.intScan, 200);
    }
    EXPECT_EQ(round.intCorrectOption, 3); // untouched
    EXPECT_EQ(round.intMarks, 9);
}

TEST(BuildQuestionOrder, FreshOrdersDiffer)
{
    RoundState first, second;
    BuildQuestionOrder(first);
    BuildQuestionOrder(second);
    int same = 0;
    for (int position = 1; position <= 200; ++position)
        same += first.intQuestionOrder(position) == second.intQuestionOrder(position);
    EXPECT_LT(same, 200);
}

TEST(Module1, KeepsOneRoundForEachLevelWindow)
{
    for (int level = 1; level <= Module1::kLevels; ++level)
        for (int other = level + 1; other <= Module1::kLevels; ++other)
            EXPECT_NE(&Module1::Round(level), &Module1::Round(other));
    EXPECT_EQ(&Module1::Round(2), &Module1::Round(2));

    Module1::Round(2).intMarks = 7;
    BuildQuestionOrder(Module1::Round(1));
    Module1::Round(1).intMarks = 0;
    EXPECT_EQ(Module1::Round(2).intMarks, 7);
}

} // namespace
