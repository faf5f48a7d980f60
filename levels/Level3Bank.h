#pragma once

#include "round/QuestionBank.h"

extern const QuestionBank Level3Bank;
