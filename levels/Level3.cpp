#include "levels/Level3.h"

#include "levels/Level3Bank.h"

const LevelValues Level3{
    .number = 3,
    .introText = "Level 3 consists 200 Questions. Click on Start Button to start the Quiz",
    .levelCaption = "Level 3",
    .levelFont = {"Bookman Old Style", 15.75, 600},
    .levelColour = 0x000040C0,
    .levelWidth = 1815,
    .titleColour = 0x00000080,
    .titleWidth = 3375,
    .completeHeight = 495,
    .smileLeft = 240,
    .smileTop = 5160,
    .sadLeft = 960,
    .sadTop = 5160,
    .exitBeforeNext = true,
    .completionText = "Level 3 completed",
    .bank = Level3Bank,
};
