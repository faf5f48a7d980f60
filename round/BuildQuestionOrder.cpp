#include "round/BuildQuestionOrder.h"

#include "round/Module1.h"
#include "runtime/Random.h"

using runtime::CheckedAdd;
using runtime::FloorToInteger;

namespace {

// A bank number 1..200 from one random value: r = 0 gives 1, 0.5 gives 101
// and the largest single below 1 gives 200. Wider arithmetic keeps it exact.
runtime::Integer DrawBankNumber()
{
    return FloorToInteger(double(runtime::Rnd()) * 200.0 + 1.0);
}

// Compares the draw with the positions filled so far, in ascending order,
// up to the first equal one.
bool IsDrawnAlready(RoundState &round)
{
    round.intScan = 1;
    while (round.intScan != round.intQuestionNumber) {
        if (round.intQuestionOrder(round.intScan) == round.intDrawn)
            return true;
        round.intScan = CheckedAdd(round.intScan, 1);
    }
    return false;
}

} // namespace

// Each position takes the first draw that no earlier position holds, so with
// uniform draws every order is equally likely.
void BuildQuestionOrder(RoundState &round)
{
    round.intQuestionNumber = 1;
    runtime::Randomize();
    do {
        do
            round.intDrawn = DrawBankNumber();
        while (IsDrawnAlready(round));
        round.intQuestionOrder(round.intQuestionNumber) = round.intDrawn;
        round.intQuestionNumber = CheckedAdd(round.intQuestionNumber, 1);
    } while (round.intQuestionNumber < 201);
    round.intQuestionNumber = 0;
}
