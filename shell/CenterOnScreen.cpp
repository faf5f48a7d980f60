#include "shell/CenterOnScreen.h"

#include "runtime/Checked.h"
#include "runtime/Form.h"
#include "runtime/Screen.h"

using runtime::CheckedSingle;

namespace {

void centreLeft(runtime::Form &form)
{
    const float width = form.width();
    const float screenWidth = runtime::ScreenWidth();
    form.setLeft(CheckedSingle(screenWidth / 2.0 - width / 2.0));
}

void centreTop(runtime::Form &form)
{
    const float height = form.height();
    const float screenHeight = runtime::ScreenHeight();
    form.setTop(CheckedSingle(screenHeight / 2.0 - height / 2.0));
}

void centre(runtime::Form &form, CentreOrder order)
{
    if (order == CentreOrder::LeftFirst) {
        centreLeft(form);
        centreTop(form);
    } else {
        centreTop(form);
        centreLeft(form);
    }
}

} // namespace

void CenterOnScreen(runtime::Form &form, CentreOrder order)
{
    centre(form, order);
    // Centred by the outer size: once a window manager has framed the
    // window, its real outer size is known.
    form.placeAgainWhenFramed([&form, order] { centre(form, order); });
}
