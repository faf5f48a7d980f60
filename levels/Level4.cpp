#include "levels/Level4.h"

#include "levels/Level4Bank.h"

const LevelValues Level4{
    .number = 4,
    .introText = "Level 4 consists 200 Questions. Click on Start Button to start the Quiz",
    .levelCaption = "Level  4",
    .levelFont = {"Times New Roman", 15.75, 700},
    .levelColour = 0x000000FF,
    .levelWidth = 1815,
    .titleColour = 0x00008000,
    .titleWidth = 3375,
    .completeHeight = 495,
    .smileLeft = 240,
    .smileTop = 5280,
    .sadLeft = 1080,
    .sadTop = 5280,
    .exitBeforeNext = true,
    .completionText = "Level 4 completed",
    .bank = Level4Bank,
};
