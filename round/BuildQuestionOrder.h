#pragma once

struct RoundState;

// Fills elements 1..200 of the round's question order with a fresh random
// permutation of the bank numbers 1..200 and leaves intQuestionNumber at 0.
void BuildQuestionOrder(RoundState &round);
