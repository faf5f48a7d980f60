#pragma once

#include "round/QuestionBank.h"

extern const QuestionBank Level4Bank;
