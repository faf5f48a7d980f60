#pragma once

// Every level window of the program, one row each: the tests that go over
// all levels read this table, so a new level joins them here.
#include "round/frmLevel.h"
#include "shell/FormRegistry.h"

#include <Qt>

namespace testing_support {

struct LevelRow {
    const char *window;     // the window's name
    int level;              // its number and its round in Module1
    frmLevel &(*form)();    // the one instance
    const char *menuButton; // the main menu's button that opens it
    Qt::Key menuKey;        // the access key of that button
};

inline const LevelRow kLevelRows[] = {
    {"frmgk", 1, &FormRegistry::frmgk, "cmdLevel1", Qt::Key_1},
};

} // namespace testing_support
