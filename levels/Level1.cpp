#include "levels/Level1.h"

#include "levels/Level1Bank.h"

const LevelValues Level1{
    .number = 1,
    .introText = "Level 1 consists 200 Questions. Click on Start Button to start the Quiz",
    .levelCaption = "Level 1",
    .levelFont = {"Bookman Old Style", 15.75, 600},
    .levelColour = 0x000000FF,
    .levelWidth = 1815,
    .titleColour = 0x00FF0000,
    .titleWidth = 3765,
    .completeHeight = 375,
    .smileLeft = 240,
    .smileTop = 5160,
    .sadLeft = 1320,
    .sadTop = 5160,
    .exitBeforeNext = false,
    .completionText = "Level 1 completed",
    .bank = Level1Bank,
};
