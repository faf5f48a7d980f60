// The Level 1 window, played through its real widgets.
#include "TestSupport.h"

#include "levels/Level1Bank.h"
#include "round/Module1.h"
#include "round/frmLevel.h"
#include "shell/FormRegistry.h"
#include "shell/frmAbout.h"
#include "shell/frmtervalo.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <set>

using namespace testing_support;

namespace {

const char *const kOptionButtons[] = {"Command1", "Command2", "Command3", "Command4"};
const char *const kOptionLabels[] = {"Label6", "Label7", "Label8", "Label9"};

} // namespace

class LevelTest : public QObject {
    Q_OBJECT

    frmtervalo &menu = FormRegistry::frmtervalo();
    frmLevel &frmgk = FormRegistry::frmgk();
    RoundState &round = Module1::Round(1);

    QString text(const char *label) const { return frmgk.label(label).caption(); }
    QString question() const { return frmgk.textBox("Text1").text(); }
    bool enabled(const char *button) const { return frmgk.button(button).isEnabled(); }
    qint64 face() const { return frmgk.image("Image1").picture().cacheKey(); }
    qint64 storedFace(const char *image) const { return frmgk.image(image).picture().cacheKey(); }

    void openLevel1()
    {
        click(menu, "cmdLevel1");
        QVERIFY(QTest::qWaitForWindowActive(frmgk.window()));
    }

    // The only buttons of the window that can be pressed.
    QStringList pressable() const
    {
        QStringList names;
        for (const char *name : {"Command1", "Command2", "Command3", "Command4", "cmdNext", "cmdQuit"})
            if (enabled(name))
                names << name;
        return names;
    }

    void checkLoadedPhase()
    {
        QCOMPARE(pressable(), QStringList({"cmdNext", "cmdQuit"}));
        QCOMPARE(frmgk.button("cmdNext").caption(), QString("&Start"));
        QCOMPARE(question(), QString("Level 1 consists 200 Questions. Click on Start Button to start the Quiz"));
        for (const char *label : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label14", "lblcomplete"})
            QVERIFY2(text(label).isEmpty(), label);
        QVERIFY(frmgk.image("Image1").picture().isNull());
        QVERIFY(!frmgk.control("Image2")->isVisible() && !frmgk.control("Image3")->isVisible());
        QCOMPARE(round.intQuestionNumber, 0);
        QCOMPARE(round.intMarks, 0);
        std::set<int> order;
        for (int position = 1; position <= 200; ++position)
            order.insert(round.intQuestionOrder(position));
        QCOMPARE(order.size(), std::size_t(200));
        QCOMPARE(*order.begin(), 1);
        QCOMPARE(*order.rbegin(), 200);
        QCOMPARE(round.intQuestionOrder(0), runtime::Integer(0));
    }

    // After Start or Next has shown question `number`, bank record `n`.
    void checkQuestionShown(int number, int n)
    {
        const Question &record = BankRecord(Level1Bank, runtime::Integer(n));
        QCOMPARE(text("Label10"), QString::number(number));
        QCOMPARE(question(), QString(record.QuestionText));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(text(kOptionLabels[k]), QString(record.OptionText[std::size_t(k)]));
        QCOMPARE(pressable(), QStringList({"Command1", "Command2", "Command3", "Command4", "cmdQuit"}));
        QCOMPARE(frmgk.button("cmdNext").caption(), QString("&Next"));
        QVERIFY(frmgk.image("Image1").picture().isNull());
        QVERIFY(text("Label14").isEmpty());
    }

    // Presses option `k` and checks the answered phase; returns whether the
    // answer was right.
    bool answer(int k, BeepCounter &beeps)
    {
        const int n = round.intQuestionOrder(round.intQuestionNumber);
        const Question &record = BankRecord(Level1Bank, runtime::Integer(n));
        const int beepsBefore = beeps.beeps;
        const QString marksBefore = text("Label11");
        click(frmgk, kOptionButtons[k - 1]);
        const bool right = record.CorrectOption == k;
        [&] {
            QCOMPARE(text("Label14"), QString::number(record.CorrectOption));
            QCOMPARE(pressable(), QStringList({"cmdNext", "cmdQuit"}));
            QCOMPARE(face(), storedFace(right ? "Image2" : "Image3"));
            QCOMPARE(beeps.beeps, beepsBefore + (right ? 1 : 0));
            QCOMPARE(text("Label11"), right ? QString::number(round.intMarks) : marksBefore);
            QVERIFY(text("Label11") != "0");
        }();
        return right;
    }

private slots:
    void initTestCase() { runtime::PrepareApplication(*qApp); }
    void init() { QVERIFY(showAndActivate(menu)); }
    void cleanup()
    {
        frmgk.unload();
        menu.unload();
        FormRegistry::frmAbout().unload();
        flushDeletes();
    }

    void levelButtonOpensTheLoadedWindowInFrontOfTheMenu()
    {
        openLevel1();
        QVERIFY(menu.isLoaded() && menu.window()->isVisible());
        QCOMPARE(frmgk.window()->size(), QSize(640, 480));
        QCOMPARE(frmgk.window()->pos(), menu.window()->pos());
        QCOMPARE(QApplication::activeWindow(), frmgk.window());
        QCOMPARE(text("Label12"), QString("Level 1"));
        QCOMPARE(text("Label5"), QString("Tervalo"));
        checkLoadedPhase();

        // Esc presses nothing; typing into the question box changes nothing.
        QTest::keyClick(frmgk.window(), Qt::Key_Escape);
        QTest::keyClicks(frmgk.control("Text1"), "typed");
        checkLoadedPhase();
    }

    void wholeRunAnsweringOneShowsEveryRecordOnce()
    {
        BeepCounter beeps;
        openLevel1();
        std::set<int> shown;
        int rights = 0;
        for (int number = 1; number <= 200; ++number) {
            click(frmgk, "cmdNext");
            const int n = round.intQuestionOrder(number);
            checkQuestionShown(number, n);
            shown.insert(n);
            rights += answer(1, beeps);
        }
        QCOMPARE(shown.size(), std::size_t(200));
        QCOMPARE(rights, 88);
        QCOMPARE(beeps.beeps, 88);
        QCOMPARE(text("Label11"), QString("88"));

        const QString lastQuestion = question();
        const QString lastRight = text("Label14");
        click(frmgk, "cmdNext");
        QCOMPARE(text("lblcomplete"), QString("Level 1 completed"));
        QCOMPARE(pressable(), QStringList({"cmdQuit"}));
        QVERIFY(frmgk.image("Image1").picture().isNull());
        QCOMPARE(text("Label10"), QString("200"));
        QCOMPARE(text("Label14"), lastRight);
        QCOMPARE(question(), lastQuestion);
        QCOMPARE(round.intQuestionNumber, runtime::Integer(201));
        QCOMPARE(beeps.beeps, 88);
    }

    void wrongAnswersOnlyLeaveTheMarksEmpty()
    {
        BeepCounter beeps;
        openLevel1();
        for (int number = 1; number <= 200; ++number) {
            click(frmgk, "cmdNext");
            const Question &record = BankRecord(Level1Bank, round.intQuestionOrder(number));
            QVERIFY(!answer(record.CorrectOption % 4 + 1, beeps));
        }
        click(frmgk, "cmdNext");
        QVERIFY(text("Label11").isEmpty());
        QCOMPARE(beeps.beeps, 0);
        QCOMPARE(text("lblcomplete"), QString("Level 1 completed"));
    }

    void tellingRecords_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("right");
        QTest::newRow("158, a filler") << 158 << 3 << false;
        QTest::newRow("158, the other filler") << 158 << 4 << false;
        QTest::newRow("158, its right option") << 158 << 1 << true;
        QTest::newRow("7") << 7 << 4 << true;
        QTest::newRow("29, same question") << 29 << 3 << true;
        QTest::newRow("66, leading blanks") << 66 << 4 << true;
        QTest::newRow("198, two blanks") << 198 << 1 << true;
        QTest::newRow("36, trailing blank") << 36 << int(BankRecord(Level1Bank, 36).CorrectOption) << true;
    }

    void tellingRecords()
    {
        QFETCH(int, record);
        QFETCH(int, option);
        QFETCH(bool, right);
        ScriptedRandom random({ScriptedRandom::drawing(record)});
        BeepCounter beeps;
        openLevel1();
        QCOMPARE(random.seeds, 1);
        click(frmgk, "cmdNext");
        checkQuestionShown(1, record); // texts exactly as stored, blanks and all
        QCOMPARE(answer(option, beeps), right);
    }

    void keyboardReachesOnlyWhatIsEnabled()
    {
        openLevel1();
        // Tab: Level 1 reaches Next before Exit.
        QCOMPARE(QApplication::focusWidget(), frmgk.control("cmdNext"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frmgk.control("cmdQuit"));

        pressAccessKey(frmgk.window(), Qt::Key_1); // options still disabled
        pressAccessKey(frmgk.window(), Qt::Key_N); // the caption is "&Start"
        checkLoadedPhase();

        pressAccessKey(frmgk.window(), Qt::Key_S);
        checkQuestionShown(1, round.intQuestionOrder(1));
        pressAccessKey(frmgk.window(), Qt::Key_S); // gone with "&Start"
        QCOMPARE(text("Label10"), QString("1"));

        const Question &record = BankRecord(Level1Bank, round.intQuestionOrder(1));
        pressAccessKey(frmgk.window(), Qt::Key(Qt::Key_0 + record.CorrectOption));
        QCOMPARE(text("Label11"), QString("1"));
        pressAccessKey(frmgk.window(), Qt::Key(Qt::Key_0 + record.CorrectOption)); // once per question
        QCOMPARE(text("Label11"), QString("1"));

        pressAccessKey(frmgk.window(), Qt::Key_N);
        QCOMPARE(text("Label10"), QString("2"));
        pressAccessKey(frmgk.window(), Qt::Key_X);
        QVERIFY(!frmgk.isLoaded());
    }

    void exitPressedWithStartOnlyLeaves()
    {
        FatalErrorTrap trap;
        EndWatcher watcher;
        openLevel1();
        click(frmgk, "cmdNext");
        BeepCounter beeps;
        answer(1, beeps);
        pressAccessKeysInOnePass(frmgk.window(), {Qt::Key_X, Qt::Key_N});
        QVERIFY(!frmgk.isLoaded());
        QCOMPARE(round.intQuestionNumber, runtime::Integer(1));
        QVERIFY(menu.window()->isVisible());
        QCOMPARE(watcher.ends, 0);
    }

    void fourOptionKeysInOnePassMarkOneAnswer()
    {
        BeepCounter beeps;
        openLevel1();
        for (int number = 1; number <= 20; ++number) {
            click(frmgk, "cmdNext");
            const Question &record = BankRecord(Level1Bank, round.intQuestionOrder(number));
            const int marksBefore = round.intMarks;
            pressAccessKeysInOnePass(frmgk.window(), {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4});
            // The first key answered; the other three found their buttons disabled.
            const bool right = record.CorrectOption == 1;
            QCOMPARE(int(round.intMarks), marksBefore + (right ? 1 : 0));
            QCOMPARE(face(), storedFace(right ? "Image2" : "Image3"));
            QCOMPARE(pressable(), QStringList({"cmdNext", "cmdQuit"}));
        }
        QCOMPARE(beeps.beeps, int(round.intMarks));
    }

    void exitThenANewLoadStartsAFreshRun()
    {
        BeepCounter beeps;
        openLevel1();
        click(frmgk, "cmdNext");
        answer(BankRecord(Level1Bank, round.intQuestionOrder(1)).CorrectOption, beeps);
        click(frmgk, "cmdNext");
        QList<int> firstOrder;
        for (int position = 1; position <= 200; ++position)
            firstOrder << round.intQuestionOrder(position);

        click(frmgk, "cmdQuit");
        QVERIFY(!frmgk.isLoaded());
        QCOMPARE(round.intQuestionNumber, runtime::Integer(2)); // Exit changes no round state
        QVERIFY(menu.window()->isVisible());

        openLevel1();
        checkLoadedPhase();
        QList<int> secondOrder;
        for (int position = 1; position <= 200; ++position)
            secondOrder << round.intQuestionOrder(position);
        QVERIFY(firstOrder != secondOrder);
    }

    void levelButtonOfAnOpenWindowResetsNothing()
    {
        BeepCounter beeps;
        openLevel1();
        click(frmgk, "cmdNext");
        answer(1, beeps);
        const QString shown = question();
        const int marks = round.intMarks;
        click(menu, "cmdLevel1");
        QCOMPARE(round.intQuestionNumber, runtime::Integer(1));
        QCOMPARE(int(round.intMarks), marks);
        QCOMPARE(question(), shown);
        QVERIFY(enabled("cmdNext"));
    }

    void levelWindowOutlivesTheMenu()
    {
        EndWatcher watcher;
        openLevel1();
        click(menu, "cmdExit");
        frmAbout &about = FormRegistry::frmAbout();
        QVERIFY(about.isLoaded() && frmgk.isLoaded());
        click(about, "cmdOk");
        QCOMPARE(watcher.ends, 0); // the level window is still loaded
        click(frmgk, "cmdNext");
        QCOMPARE(text("Label10"), QString("1"));
        click(frmgk, "cmdQuit");
        QCOMPARE(watcher.ends, 1);
    }

    void everyTextFitsItsBoxOnOneLine()
    {
        openLevel1();
        auto *box = qobject_cast<QLineEdit *>(frmgk.control("Text1"));
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        // QLineEdit keeps two pixels clear on each side of its text.
        const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
        const QFontMetrics questionFont(box->font());
        const QLabel *optionLabel = qobject_cast<QLabel *>(frmgk.control("Label6"));
        const QFontMetrics optionFont(optionLabel->font());
        for (const Question &record : Level1Bank) {
            QVERIFY2(questionFont.horizontalAdvance(record.QuestionText) <= room, record.QuestionText);
            for (const char *text : record.OptionText)
                QVERIFY2(optionFont.horizontalAdvance(text) <= optionLabel->width(), text);
        }
    }
};

QTEST_MAIN(LevelTest)
#include "LevelTest.moc"
