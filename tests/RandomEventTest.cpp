// The whole program under a long stream of random player events: clicks on
// every control, access keys alone and in bursts, Esc, Tab, Enter, typing and
// window-manager closes. After every event the program must be in a state it
// can reach by itself. The seed is fixed; TERVALO_EVENT_SEED picks another.
#include "LevelRows.h"
#include "TestSupport.h"

#include "round/Module1.h"
#include "shell/FormRegistry.h"
#include "shell/frmAbout.h"
#include "shell/frmtervalo.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace testing_support;

namespace {

constexpr int kEvents = 20000;
constexpr unsigned kDefaultSeed = 20261208;

const char *const kOptionButtons[] = {"Command1", "Command2", "Command3", "Command4"};
// Every access key of the program, and two that none has; the player
// answers more often than he leaves.
const Qt::Key kKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_S, Qt::Key_N,
                         Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_S, Qt::Key_N,
                         Qt::Key_X, Qt::Key_O, Qt::Key_A, Qt::Key_Q};

runtime::Form &startupForm()
{
    return FormRegistry::frmtervalo();
}

unsigned seedToUse()
{
    if (const char *seed = std::getenv("TERVALO_EVENT_SEED"))
        return unsigned(std::strtoul(seed, nullptr, 10));
    return kDefaultSeed;
}

// The phases of a level window, told apart by its buttons and its round.
enum class Phase { Loaded, QuestionShown, Answered, Complete };

} // namespace

class RandomEventTest : public QObject {
    Q_OBJECT

    std::mt19937 random_{seedToUse()};

    int draw(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    // A loaded window to send the next event to: most often a level window,
    // where there is most to press.
    runtime::Form *pickWindow()
    {
        std::vector<runtime::Form *> levels, others;
        for (const LevelRow &row : kLevelRows)
            if (row.form().isLoaded())
                levels.push_back(&row.form());
        for (runtime::Form *form : {static_cast<runtime::Form *>(&FormRegistry::frmtervalo()),
                                    static_cast<runtime::Form *>(&FormRegistry::frmAbout())})
            if (form->isLoaded())
                others.push_back(form);
        const auto &from = !levels.empty() && (others.empty() || draw(4) != 0) ? levels : others;
        return from.empty() ? nullptr : from.at(std::size_t(draw(int(from.size()))));
    }

    // A stretch of steady play in one level window: the next press that the
    // window takes, an option or Next.
    int stretch_ = 0;
    int stretchLevel_ = 0;

    bool playOn()
    {
        if (stretch_ == 0 || !kLevelRows[stretchLevel_].form().isLoaded())
            return false;
        --stretch_;
        frmLevel &form = kLevelRows[stretchLevel_].form();
        const char *press = form.button("cmdNext").isEnabled() ? "cmdNext" : kOptionButtons[draw(4)];
        if (form.button(press).isEnabled())
            click(form, press);
        else
            stretch_ = 0; // the level is complete
        QCoreApplication::processEvents();
        return true;
    }

    // Sends one random event to one of the loaded windows.
    void sendRandomEvent(runtime::Form &form)
    {
        QWidget *window = form.window();
        const QList<QWidget *> controls = window->findChildren<QWidget *>();
        switch (draw(40)) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9:
        case 10: case 11: { // a click on any control, most often a button
            const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
            QWidget *control = draw(3) != 0 && !buttons.empty() ? buttons.at(draw(int(buttons.size())))
                                                                : controls.at(draw(int(controls.size())));
            if (control->isVisible())
                QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
            break;
        }
        case 12: case 13: case 14: case 15: case 16: case 17: case 18: case 19: case 20: case 21: // an access key
            QTest::keyClick(window, kKeys[draw(std::size(kKeys))], Qt::AltModifier);
            break;
        case 22: case 23: case 24: case 25: { // a burst of them, all handled in one pass
            const int keys = 2 + draw(3);
            for (int i = 0; i < keys; ++i)
                QTest::keyClick(window, kKeys[draw(std::size(kKeys))], Qt::AltModifier);
            break;
        }
        case 26:
            QTest::keyClick(window, Qt::Key_Escape);
            break;
        case 27: case 28:
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
            break;
        case 29: case 30:
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Return);
            break;
        case 31: case 32:
            if (QWidget *box = form.control("Text1"))
                QTest::keyClicks(box, "typed 1");
            break;
        case 33: // the window manager's close button
            window->close();
            break;
        case 34: case 35: case 36: // the player brings another window to the front
            window->activateWindow();
            break;
        default: // a pause, long enough for every pressed button to click
            if (draw(8) == 0)
                QTest::qWait(110);
            break;
        }
        QCoreApplication::processEvents();
        flushDeletes();
    }

    static Phase phaseOf(const frmLevel &form, const RoundState &round, QString &why)
    {
        const bool next = form.button("cmdNext").isEnabled();
        const QString caption = form.button("cmdNext").caption();
        int optionsOn = 0;
        for (const char *name : kOptionButtons)
            optionsOn += form.button(name).isEnabled();
        const int number = round.intQuestionNumber;
        if (!form.button("cmdQuit").isEnabled())
            why = "Exit is disabled";
        else if (number == 0 && next && caption == "&Start" && optionsOn == 0)
            return Phase::Loaded;
        else if (number >= 1 && number <= 200 && !next && caption == "&Next" && optionsOn == 4)
            return Phase::QuestionShown;
        else if (number >= 1 && number <= 200 && next && caption == "&Next" && optionsOn == 0)
            return Phase::Answered;
        else if (number == 201 && !next && optionsOn == 0)
            return Phase::Complete;
        else
            why = QString("question %1, Next %2 \"%3\", %4 options enabled")
                      .arg(number).arg(next ? "on" : "off").arg(caption).arg(optionsOn);
        return Phase::Loaded;
    }

    // The states the program can reach by itself; empty when it is in one.
    QString brokenInvariant() const
    {
        if (FormRegistry::frmAbout().isLoaded() && FormRegistry::frmtervalo().isLoaded())
            return "the About box is shown while the menu is loaded";
        for (const LevelRow &row : kLevelRows) {
            const frmLevel &form = row.form();
            if (!form.isLoaded())
                continue;
            const RoundState &round = Module1::Round(row.level);
            QString why;
            const Phase phase = phaseOf(form, round, why);
            if (!why.isEmpty())
                return QString(row.window) + ": " + why;
            const int number = round.intQuestionNumber;
            const int answered = phase == Phase::Loaded          ? 0
                                 : phase == Phase::QuestionShown ? number - 1
                                 : phase == Phase::Answered      ? number
                                                                 : 200;
            if (round.intMarks < 0 || round.intMarks > answered)
                return QString("%1: %2 marks from %3 answers").arg(row.window).arg(round.intMarks).arg(answered);
            const QString marks = form.label("Label11").caption();
            if (marks != (round.intMarks ? QString::number(round.intMarks) : QString()))
                return QString("%1: marks label \"%2\" for %3 marks").arg(row.window, marks).arg(round.intMarks);
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        runtime::PrepareApplication(*qApp);
        std::printf("seed %u (TERVALO_EVENT_SEED sets another)\n", seedToUse());
    }

    void programKeepsItsInvariantsUnderRandomEvents()
    {
        EndWatcher end;
        BeepCounter beeps; // silence
        runtime::SetFatalErrorHandler([](runtime::RuntimeError error) {
            std::fprintf(stderr, "FAIL: fatal error: %s\n", qPrintable(runtime::RuntimeErrorMessage(error)));
            std::abort();
        });
        QElapsedTimer clock;
        clock.start();
        runtime::StartProgram(startupForm);
        int programs = 1, furthest = 0;
        for (int event = 1; event <= kEvents; ++event) {
            if (!playOn()) {
                runtime::Form *window = pickWindow();
                QVERIFY(window);
                sendRandomEvent(*window);
                if (draw(100) == 0) {
                    stretchLevel_ = draw(int(std::size(kLevelRows)));
                    stretch_ = 50 + draw(400);
                }
            }
            const QString broken = brokenInvariant();
            if (!broken.isEmpty())
                QFAIL(qPrintable(QString("after event %1: %2").arg(event).arg(broken)));
            for (const LevelRow &row : kLevelRows)
                if (row.form().isLoaded())
                    furthest = std::max<int>(furthest, Module1::Round(row.level).intQuestionNumber);
            if (end.ends > 0) {
                QCOMPARE(runtime::Form::loadedCount(), 0);
                end.ends = 0;
                runtime::StartProgram(startupForm);
                ++programs;
            }
        }
        std::printf("%d events over %d programs in %.1f s; the furthest run reached question %d\n", kEvents,
                    programs, clock.elapsed() / 1000.0, furthest);
        QVERIFY(programs > 1);
        runtime::SetFatalErrorHandler({});
        while (runtime::Form *form = pickWindow())
            form->unload();
        flushDeletes();
    }
};

QTEST_MAIN(RandomEventTest)
#include "RandomEventTest.moc"
