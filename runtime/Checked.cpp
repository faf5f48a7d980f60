#include "runtime/Checked.h"

#include "runtime/AppData.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

namespace runtime {

namespace {

FatalErrorHandler &fatalErrorHandler()
{
    static FatalErrorHandler handler;
    return handler;
}

const char *errorDescription(RuntimeError error)
{
    switch (error) {
    case RuntimeError::Overflow:
        return "Overflow";
    case RuntimeError::SubscriptOutOfRange:
        return "Subscript out of range";
    case RuntimeError::ObjectRequired:
        return "Object required";
    }
    return "Application-defined or object-defined error";
}

} // namespace

QString RuntimeErrorMessage(RuntimeError error)
{
    return QStringLiteral("Run-time error '%1':\n\n%2")
        .arg(static_cast<int>(error))
        .arg(QLatin1String(errorDescription(error)));
}

FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler)
{
    return std::exchange(fatalErrorHandler(), std::move(handler));
}

void RaiseRuntimeError(RuntimeError error)
{
    if (const auto &handler = fatalErrorHandler())
        handler(error);

    const QString message = RuntimeErrorMessage(error);
    std::fprintf(stderr, "%s\n", qPrintable(QString(message).replace(QLatin1String("\n\n"), QLatin1String(" "))));
    // A message box needs a screen to be seen on; without one the line on
    // standard error is all the player gets.
    if (qobject_cast<QApplication *>(QCoreApplication::instance())
        && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::critical(nullptr, AppTitle(), message);
    }
    std::exit(static_cast<int>(error));
}

Integer CheckedAdd(Integer a, Integer b)
{
    const int sum = int(a) + int(b);
    if (sum < std::numeric_limits<Integer>::min() || sum > std::numeric_limits<Integer>::max())
        RaiseRuntimeError(RuntimeError::Overflow);
    return static_cast<Integer>(sum);
}

Integer FloorToInteger(double x)
{
    const double floored = std::floor(x);
    if (!(floored >= std::numeric_limits<Integer>::min() && floored <= std::numeric_limits<Integer>::max()))
        RaiseRuntimeError(RuntimeError::Overflow);
    return static_cast<Integer>(floored);
}

float CheckedSingle(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > std::numeric_limits<float>::max())
        RaiseRuntimeError(RuntimeError::Overflow);
    return static_cast<float>(x);
}

QString IntegerText(Integer value)
{
    return QString::number(value);
}

} // namespace runtime
