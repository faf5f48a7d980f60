#pragma once

// Every level window of the program, one row each: the tests that go over
// all levels read this table, so a new level joins them here. The values
// are what the player sees, written out, not read from the program.
#include "levels/Level1Bank.h"
#include "levels/Level2Bank.h"
#include "levels/Level3Bank.h"
#include "levels/Level4Bank.h"
#include "levels/Level5Bank.h"
#include "round/frmLevel.h"
#include "shell/FormRegistry.h"

#include <QPoint>
#include <Qt>

#include <cstdint>

namespace testing_support {

struct LevelRow {
    const char *window;     // the window's name
    int level;              // its number and its round in Module1
    frmLevel &(*form)();    // the one instance
    const QuestionBank *bank;
    const char *menuButton; // the main menu's button that opens it
    Qt::Key menuKey;        // the access key of that button

    // Its own looks; sizes in twips, colours as 0x00BBGGRR.
    const char *levelCaption;
    const char *levelFont;
    int levelFontWeight;
    std::uint32_t levelColour;
    int levelWidth;
    std::uint32_t titleColour;
    int completeHeight;
    QPoint smile, sad; // the hidden face stores
    bool exitBeforeNext;
    const char *completionText;

    // Its bank as a player meets it: marks for a run answered with one key.
    int marksAnsweringOne;
    int marksAnsweringFour;
};

inline const LevelRow kLevelRows[] = {
    {"frmgk", 1, &FormRegistry::frmgk, &Level1Bank, "cmdLevel1", Qt::Key_1,
     "Level 1", "Bookman Old Style", 600, 0x000000FF, 1815, 0x00FF0000, 375, {240, 5160}, {1320, 5160}, false,
     "Level 1 completed", 88, 31},
    {"frmgk1", 2, &FormRegistry::frmgk1, &Level2Bank, "cmdLevel2", Qt::Key_2,
     "Level 2", "Bookman Old Style", 600, 0x00FF0000, 1695, 0x000080FF, 495, {240, 5160}, {1200, 5160}, true,
     "Level 2 completed", 68, 47},
    {"frmgk2", 3, &FormRegistry::frmgk2, &Level3Bank, "cmdLevel3", Qt::Key_3,
     "Level 3", "Bookman Old Style", 600, 0x000040C0, 1815, 0x00000080, 495, {240, 5160}, {960, 5160}, true,
     "Level 3 completed", 109, 22},
    {"frmgk3", 4, &FormRegistry::frmgk3, &Level4Bank, "cmdLevel4", Qt::Key_4,
     "Level  4", "Times New Roman", 700, 0x000000FF, 1815, 0x00008000, 495, {240, 5280}, {1080, 5280}, true,
     "Level 4 completed", 97, 21},
    {"frmgk4", 5, &FormRegistry::frmgk4, &Level5Bank, "cmdLevel5", Qt::Key_5,
     "Level  5", "Times New Roman", 700, 0x00C00000, 1815, 0x00800080, 495, {240, 5280}, {1080, 5280}, true,
     "Level 5 completed", 98, 34},
};

} // namespace testing_support
