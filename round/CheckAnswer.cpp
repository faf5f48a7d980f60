#include "round/Module1.h"
#include "round/frmLevel.h"
#include "runtime/Beep.h"

using runtime::IntegerText;

// Marks option K against the question on screen and ends that question.
void frmLevel::CheckAnswer(runtime::Integer K)
{
    if (round_.intCorrectOption == K) {
        round_.intMarks = runtime::CheckedAdd(round_.intMarks, 1);
        label("Label11").setCaption(IntegerText(round_.intMarks));
        image("Image1").setPicture(image("Image2").picture());
        label("Label14").setCaption(IntegerText(round_.intCorrectOption));
        runtime::Beep();
    } else {
        image("Image1").setPicture(image("Image3").picture());
        label("Label14").setCaption(IntegerText(round_.intCorrectOption));
    }
    enableOptions(false);
    button("cmdNext").setEnabled(true);
}
