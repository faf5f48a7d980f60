#include "runtime/Screen.h"

#include "runtime/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace runtime {

namespace {
QSize screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}
} // namespace

float ScreenWidth()
{
    return PixelsToTwips(screenSize().width());
}

float ScreenHeight()
{
    return PixelsToTwips(screenSize().height());
}

} // namespace runtime
