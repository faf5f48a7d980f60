#include "runtime/Beep.h"

#include <QApplication>

#include <utility>

namespace runtime {

namespace {
std::function<void()> beepHook;
}

void Beep()
{
    if (beepHook)
        beepHook();
    else
        QApplication::beep();
}

std::function<void()> SetBeepHook(std::function<void()> hook)
{
    return std::exchange(beepHook, std::move(hook));
}

} // namespace runtime
