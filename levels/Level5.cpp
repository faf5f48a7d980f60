#include "levels/Level5.h"

#include "levels/Level5Bank.h"

const LevelValues Level5{
    .number = 5,
    .introText = "Level 5 consists 200 Questions. Click on Start Button to start the Quiz",
    .levelCaption = "Level  5",
    .levelFont = {"Times New Roman", 15.75, 700},
    .levelColour = 0x00C00000,
    .levelWidth = 1815,
    .titleColour = 0x00800080,
    .titleWidth = 3375,
    .completeHeight = 495,
    .smileLeft = 240,
    .smileTop = 5280,
    .sadLeft = 1080,
    .sadTop = 5280,
    .exitBeforeNext = true,
    .completionText = "Level 5 completed",
    .bank = Level5Bank,
};
