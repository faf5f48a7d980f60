// Times the level window's hot paths on the offscreen platform: loading the
// window (its controls and the question order), the order fill alone, a
// Start/Next press and an answer press. Prints the median of each over
// 1000 repeats, in microseconds. The presses play a whole run in each of the
// five level windows, so every option of every bank is put on screen, and
// the events that a press posts are delivered between presses, as the event
// loop does between a player's clicks.
#include "round/BuildQuestionOrder.h"
#include "round/Module1.h"
#include "round/frmLevel.h"
#include "runtime/Beep.h"
#include "runtime/Program.h"
#include "shell/FormRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRepeats = 1000;

double median(std::vector<double> samples)
{
    std::ranges::sort(samples);
    return samples[samples.size() / 2];
}

// Microseconds that `work` takes.
double timed(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1000.0;
}

void press(frmLevel &form, const char *button)
{
    qobject_cast<QPushButton *>(form.control(button))->click();
}

void destroyUnloaded()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    runtime::PrepareApplication(app);
    runtime::SetBeepHook([] {});
    runtime::SetProgramEndHook([] {});
    frmLevel &form = FormRegistry::frmgk();

    std::vector<double> loads, fills, nexts, answers;
    for (int i = 0; i < kRepeats; ++i) {
        loads.push_back(timed([&] { form.load(); }));
        form.unload();
        destroyUnloaded();
    }
    RoundState round;
    for (int i = 0; i < kRepeats; ++i)
        fills.push_back(timed([&] { BuildQuestionOrder(round); }));

    for (frmLevel &(*window)() : {&FormRegistry::frmgk, &FormRegistry::frmgk1, &FormRegistry::frmgk2,
                                   &FormRegistry::frmgk3, &FormRegistry::frmgk4}) {
        frmLevel &played = window();
        played.load();
        played.show();
        for (int question = 1; question <= 200; ++question) {
            nexts.push_back(timed([&] { press(played, "cmdNext"); }));
            QCoreApplication::sendPostedEvents();
            answers.push_back(timed([&] { press(played, "Command1"); }));
            QCoreApplication::sendPostedEvents();
        }
        played.unload();
        destroyUnloaded();
    }

    std::printf("median of %d repeats, offscreen:\n", kRepeats);
    std::printf("  level window load   %8.1f us\n", median(loads));
    std::printf("  question order fill %8.1f us\n", median(fills));
    std::printf("  Start/Next press    %8.1f us\n", median(nexts));
    std::printf("  answer press        %8.1f us\n", median(answers));
    return 0;
}
