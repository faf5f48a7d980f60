#pragma once

#include "round/Question.h"

#include <array>
#include <cstdint>

inline constexpr int kBankSize = 200;

// A level's questions in bank order; bank number n is element n - 1.
using QuestionBank = std::array<Question, kBankSize>;

// The record with bank number n (1..200); any other number is the runtime's
// subscript error.
const Question &BankRecord(const QuestionBank &bank, std::int16_t n);
