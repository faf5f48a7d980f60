#include "levels/Level2.h"

#include "levels/Level2Bank.h"

const LevelValues Level2{
    .number = 2,
    .introText = "Level 2 consists 200 Questions. Click on Start Button to start the Quiz",
    .levelCaption = "Level 2",
    .levelFont = {"Bookman Old Style", 15.75, 600},
    .levelColour = 0x00FF0000,
    .levelWidth = 1695,
    .titleColour = 0x000080FF,
    .titleWidth = 3375,
    .completeHeight = 495,
    .smileLeft = 240,
    .smileTop = 5160,
    .sadLeft = 1200,
    .sadTop = 5160,
    .exitBeforeNext = true,
    .completionText = "Level 2 completed",
    .bank = Level2Bank,
};
