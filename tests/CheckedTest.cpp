// Checked 16-bit arithmetic, bounds-checked arrays, the fatal error and the
// standard random source.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <limits>

using namespace runtime;
using testing_support::FatalError;
using testing_support::FatalErrorTrap;

namespace {

RuntimeError errorOf(const std::function<void()> &operation)
{
    FatalErrorTrap trap;
    try {
        operation();
    } catch (const FatalError &e) {
        return e.error;
    }
    ADD_FAILURE() << "no runtime error was raised";
    return RuntimeError{};
}

TEST(CheckedAdd, AddsWithinRangeAndRaisesOverflowOutside)
{
    EXPECT_EQ(CheckedAdd(200, 1), 201);
    EXPECT_EQ(CheckedAdd(32766, 1), 32767);
    EXPECT_EQ(CheckedAdd(-32767, -1), -32768);
    EXPECT_EQ(errorOf([] { CheckedAdd(32767, 1); }), RuntimeError::Overflow);
    EXPECT_EQ(errorOf([] { CheckedAdd(-32768, -1); }), RuntimeError::Overflow);
}

TEST(FloorToInteger, TakesTheLargestIntegerNotAbove)
{
    EXPECT_EQ(FloorToInteger(1.0), 1);
    EXPECT_EQ(FloorToInteger(200.99999), 200);
    EXPECT_EQ(FloorToInteger(-0.5), -1);
    EXPECT_EQ(FloorToInteger(32767.9), 32767);
    EXPECT_EQ(FloorToInteger(-32768.0), -32768);
    EXPECT_EQ(errorOf([] { FloorToInteger(32768.0); }), RuntimeError::Overflow);
    EXPECT_EQ(errorOf([] { FloorToInteger(-32768.5); }), RuntimeError::Overflow);
    EXPECT_EQ(errorOf([] { FloorToInteger(std::nan("")); }), RuntimeError::Overflow);
}

TEST(CheckedSingle, RaisesOverflowForWhatSinglePrecisionCannotHold)
{
    EXPECT_EQ(CheckedSingle(-1200.0), -1200.0f);
    EXPECT_EQ(errorOf([] { CheckedSingle(1e39); }), RuntimeError::Overflow);
    EXPECT_EQ(errorOf([] { CheckedSingle(std::numeric_limits<double>::infinity()); }), RuntimeError::Overflow);
}

TEST(FixedArray, ChecksBothBoundsAndStartsAtZero)
{
    FixedArray<Integer, 0, 200> array;
    EXPECT_EQ(array(0), 0);
    EXPECT_EQ(array(200), 0);
    array(1) = 5;
    EXPECT_EQ(array(1), 5);
    EXPECT_EQ(errorOf([&] { array(-1); }), RuntimeError::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { array(201); }), RuntimeError::SubscriptOutOfRange);
}

TEST(IntegerText, HasNoLeadingBlank)
{
    EXPECT_EQ(IntegerText(7), QString("7"));
    EXPECT_EQ(IntegerText(200), QString("200"));
    EXPECT_EQ(IntegerText(-3), QString("-3"));
}

TEST(RuntimeErrorDeathTest, PrintsTheStandardMessageAndEndsWithItsNumber)
{
    EXPECT_EQ(RuntimeErrorMessage(RuntimeError::Overflow), QString("Run-time error '6':\n\nOverflow"));
    EXPECT_EXIT(CheckedAdd(32767, 1), ::testing::ExitedWithCode(6), "Run-time error '6': Overflow");
    EXPECT_EXIT((FixedArray<Integer, 0, 200>{}(201)), ::testing::ExitedWithCode(9),
                "Run-time error '9': Subscript out of range");
}

TEST(StandardRandom, StaysInTheHalfOpenUnitInterval)
{
    Randomize();
    int buckets[200] = {};
    for (int i = 0; i < 200000; ++i) {
        const float r = Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++buckets[int(double(r) * 200)];
    }
    for (int count : buckets)
        EXPECT_GT(count, 700); // about 1000 each
}

TEST(StandardRandom, CanBeReplacedAndRestored)
{
    {
        testing_support::ScriptedRandom scripted({0.25f, 0.5f});
        Randomize();
        EXPECT_EQ(scripted.seeds, 1);
        EXPECT_EQ(Rnd(), 0.25f);
        EXPECT_EQ(Rnd(), 0.5f);
    }
    EXPECT_EQ(SetRandomSource(nullptr), nullptr); // the standard source is back
}

} // namespace
