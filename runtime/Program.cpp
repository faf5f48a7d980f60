#include "runtime/Program.h"

#include "runtime/AppData.h"
#include "runtime/Form.h"

#include <QApplication>
#include <QFont>

#include <utility>

namespace runtime {

namespace {

int handlerDepth = 0;
bool ended = false;
std::function<void()> programEndHook;

// The layouts name Windows fonts; these have the same metrics.
void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Bookman Old Style"), QStringLiteral("URW Bookman"));
}

// Every window is centred by the program itself, and a Wayland client
// cannot place its windows: so where an X server is at hand (XWayland, on a
// Wayland desktop) the windows are X11 windows, with Wayland to fall back on.
// A platform the user has chosen wins.
void preferAPlatformThatPlacesWindows()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland;xcb" : "xcb;wayland");
}

void endIfNothingLoaded()
{
    if (Form::loadedCount() > 0)
        return;
    ended = true;
    if (programEndHook)
        programEndHook();
    else
        QCoreApplication::exit(0);
}

} // namespace

void PrepareApplication(QApplication &app)
{
    app.setApplicationName(AppTitle());
    app.setApplicationVersion(QStringLiteral("%1.%2.%3").arg(AppMajor()).arg(AppMinor()).arg(AppRevision()));
    // The program ends by its own rule, not when a window closes.
    app.setQuitOnLastWindowClosed(false);
    substituteFonts();
}

void RunHandler(const std::function<void()> &handler)
{
    struct Depth {
        Depth() { ++handlerDepth; }
        ~Depth() { --handlerDepth; }
    };
    {
        Depth depth;
        handler();
    }
    if (handlerDepth == 0)
        endIfNothingLoaded();
}

std::function<void()> SetProgramEndHook(std::function<void()> hook)
{
    return std::exchange(programEndHook, std::move(hook));
}

void StartProgram(Form &(*startupForm)())
{
    ended = false;
    RunHandler([startupForm] {
        Form &form = startupForm();
        form.load();
        form.show();
    });
}

int RunProgram(int &argc, char **argv, Form &(*startupForm)())
{
    preferAPlatformThatPlacesWindows();
    QApplication app(argc, argv);
    PrepareApplication(app);
    StartProgram(startupForm);
    if (ended)
        return 0;
    return app.exec();
}

} // namespace runtime
