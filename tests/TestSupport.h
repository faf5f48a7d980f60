#pragma once

#include "runtime/Beep.h"
#include "runtime/Checked.h"
#include "runtime/Form.h"
#include "runtime/Program.h"
#include "runtime/Random.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <functional>
#include <initializer_list>
#include <stdexcept>

namespace testing_support {

// Counts how often the program would have ended.
class EndWatcher {
public:
    EndWatcher() { previous_ = runtime::SetProgramEndHook([this] { ++ends; }); }
    ~EndWatcher() { runtime::SetProgramEndHook(previous_); }
    int ends = 0;

private:
    std::function<void()> previous_;
};

class BeepCounter {
public:
    BeepCounter() { previous_ = runtime::SetBeepHook([this] { ++beeps; }); }
    ~BeepCounter() { runtime::SetBeepHook(previous_); }
    int beeps = 0;

private:
    std::function<void()> previous_;
};

// A fatal runtime error, seen by a test instead of ending the process.
struct FatalError : std::runtime_error {
    explicit FatalError(runtime::RuntimeError e) : std::runtime_error("runtime error"), error(e) {}
    runtime::RuntimeError error;
};

class FatalErrorTrap {
public:
    FatalErrorTrap()
    {
        previous_ = runtime::SetFatalErrorHandler([](runtime::RuntimeError e) { throw FatalError(e); });
    }
    ~FatalErrorTrap() { runtime::SetFatalErrorHandler(previous_); }

private:
    runtime::FatalErrorHandler previous_;
};

// Hands out the values it is given, then sweeps the 200 bank-number
// intervals in order so that any fill of the question order ends; counts
// seeds and draws.
class ScriptedRandom final : public runtime::RandomSource {
public:
    explicit ScriptedRandom(std::deque<float> values = {}) : values_(std::move(values))
    {
        previous_ = runtime::SetRandomSource(this);
    }
    ~ScriptedRandom() override { runtime::SetRandomSource(previous_); }

    // The value that draws bank number n.
    static float drawing(int n) { return (float(n) - 0.5f) / 200.0f; }

    void seedFromClock() override { ++seeds; }
    float next() override
    {
        ++draws;
        if (!values_.empty()) {
            const float value = values_.front();
            values_.pop_front();
            return value;
        }
        sweep_ = sweep_ % 200 + 1;
        return drawing(sweep_);
    }

    int seeds = 0;
    int draws = 0;

private:
    std::deque<float> values_;
    int sweep_ = 0;
    runtime::RandomSource *previous_ = nullptr;
};

inline QPushButton *buttonOf(const runtime::Form &form, const char *name)
{
    return qobject_cast<QPushButton *>(form.control(name));
}

inline void click(const runtime::Form &form, const char *name)
{
    QTest::mouseClick(buttonOf(form, name), Qt::LeftButton);
}

// Destroys the windows that unloads left for the event loop to delete.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Alt with an access key; a button pressed that way shows itself pressed
// for a moment before its click.
inline void pressAccessKey(QWidget *window, Qt::Key key)
{
    QTest::keyClick(window, key, Qt::AltModifier);
    QTest::qWait(150);
}

// Several access keys handled in one pass of the event loop, as when they
// are typed while the program is busy: every button is pressed before the
// first of them clicks.
inline void pressAccessKeysInOnePass(QWidget *window, std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key key : keys)
        QTest::keyClick(window, key, Qt::AltModifier);
    QTest::qWait(150);
}

inline bool showAndActivate(runtime::Form &form)
{
    form.show();
    return QTest::qWaitForWindowActive(form.window());
}

} // namespace testing_support
