#pragma once

#include "round/LevelValues.h"

extern const LevelValues Level4;
