#pragma once

#include "round/QuestionBank.h"
#include "runtime/Layout.h"

// What one level window has of its own; everything else is the one level
// window design.
struct LevelValues {
    int number; // 1..5
    const char *introText;
    const char *levelCaption;
    runtime::FontSpec levelFont;
    runtime::Colour levelColour;
    int levelWidth;
    runtime::Colour titleColour;
    int titleWidth;
    int completeHeight;
    int smileLeft, smileTop;
    int sadLeft, sadTop;
    bool exitBeforeNext; // tab order of the two buttons at the bottom
    const char *completionText;
    const QuestionBank &bank;
};
