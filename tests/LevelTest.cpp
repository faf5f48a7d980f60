// The level windows, played through their real widgets: every test runs
// once for each level window, and one plays them all side by side.
#include "LevelRows.h"
#include "TestSupport.h"

#include "round/Module1.h"
#include "round/frmLevel.h"
#include "runtime/Twips.h"
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

QColor colourOf(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// One level window and its round, as the tests see them.
class Level {
public:
    explicit Level(const LevelRow &row) : row(row), form(row.form()), round(Module1::Round(row.level)) {}

    const LevelRow &row;
    frmLevel &form;
    RoundState &round;

    QString text(const char *label) const { return form.label(label).caption(); }
    QString question() const { return form.textBox("Text1").text(); }
    bool enabled(const char *button) const { return form.button(button).isEnabled(); }
    qint64 face() const { return form.image("Image1").picture().cacheKey(); }
    qint64 storedFace(const char *image) const { return form.image(image).picture().cacheKey(); }
    const Question &record(int n) const { return BankRecord(*row.bank, runtime::Integer(n)); }
    const Question &onScreen() const { return record(round.intQuestionOrder(round.intQuestionNumber)); }
    QString intro() const
    {
        return QString("Level %1 consists 200 Questions. Click on Start Button to start the Quiz").arg(row.level);
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

    void checkLoadedPhase() const
    {
        QCOMPARE(pressable(), QStringList({"cmdNext", "cmdQuit"}));
        QCOMPARE(form.button("cmdNext").caption(), QString("&Start"));
        QCOMPARE(question(), intro());
        for (const char *label : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label14", "lblcomplete"})
            QVERIFY2(text(label).isEmpty(), label);
        QVERIFY(form.image("Image1").picture().isNull());
        QVERIFY(!form.control("Image2")->isVisible() && !form.control("Image3")->isVisible());
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
    void checkQuestionShown(int number, int n) const
    {
        const Question &shown = record(n);
        QCOMPARE(text("Label10"), QString::number(number));
        QCOMPARE(question(), QString(shown.QuestionText));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(text(kOptionLabels[k]), QString(shown.OptionText[std::size_t(k)]));
        QCOMPARE(pressable(), QStringList({"Command1", "Command2", "Command3", "Command4", "cmdQuit"}));
        QCOMPARE(form.button("cmdNext").caption(), QString("&Next"));
        QVERIFY(form.image("Image1").picture().isNull());
        QVERIFY(text("Label14").isEmpty());
    }

    // Presses option `k` and checks the answered phase; returns whether the
    // answer was right.
    bool answer(int k, BeepCounter &beeps) const
    {
        const Question &asked = onScreen();
        const int beepsBefore = beeps.beeps;
        const QString marksBefore = text("Label11");
        click(form, kOptionButtons[k - 1]);
        const bool right = asked.CorrectOption == k;
        [&] {
            QCOMPARE(text("Label14"), QString::number(asked.CorrectOption));
            QCOMPARE(pressable(), QStringList({"cmdNext", "cmdQuit"}));
            QCOMPARE(face(), storedFace(right ? "Image2" : "Image3"));
            QCOMPARE(beeps.beeps, beepsBefore + (right ? 1 : 0));
            QCOMPARE(text("Label11"), right ? QString::number(round.intMarks) : marksBefore);
            QVERIFY(text("Label11") != "0");
        }();
        return right;
    }

    // Next, then the right or a wrong answer; returns the bank number asked.
    int playOne(bool rightly, BeepCounter &beeps) const
    {
        click(form, "cmdNext");
        const Question &asked = onScreen();
        answer(rightly ? asked.CorrectOption : asked.CorrectOption % 4 + 1, beeps);
        return round.intQuestionOrder(round.intQuestionNumber);
    }
};

} // namespace

class LevelTest : public QObject {
    Q_OBJECT

    frmtervalo &menu = FormRegistry::frmtervalo();

    static void addLevelRows()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kLevelRows)); ++row)
            QTest::newRow(kLevelRows[row].window) << row;
    }

    static Level fetchLevel()
    {
        QFETCH(int, row);
        return Level(kLevelRows[row]);
    }

    void open(const Level &level)
    {
        click(menu, level.row.menuButton);
        QVERIFY(QTest::qWaitForWindowActive(level.form.window()));
    }

private slots:
    void initTestCase() { runtime::PrepareApplication(*qApp); }
    void init() { QVERIFY(showAndActivate(menu)); }
    void cleanup()
    {
        for (const LevelRow &row : kLevelRows)
            row.form().unload();
        menu.unload();
        FormRegistry::frmAbout().unload();
        flushDeletes();
    }

    void levelButtonOpensTheWindowInFrontOfTheMenu_data() { addLevelRows(); }
    void levelButtonOpensTheWindowInFrontOfTheMenu()
    {
        const Level level = fetchLevel();
        const LevelRow &row = level.row;
        pressAccessKey(menu.window(), row.menuKey);
        QVERIFY(QTest::qWaitForWindowActive(level.form.window()));
        QVERIFY(menu.isLoaded() && menu.window()->isVisible());
        QCOMPARE(level.form.window()->size(), QSize(640, 480));
        QCOMPARE(level.form.window()->pos(), menu.window()->pos());
        QCOMPARE(QApplication::activeWindow(), level.form.window());

        // The level's own looks.
        const auto *caption = qobject_cast<QLabel *>(level.form.control("Label12"));
        QCOMPARE(caption->text(), QString(row.levelCaption));
        QCOMPARE(caption->font().family(), QString(row.levelFont));
        QCOMPARE(caption->font().pixelSize(), 21); // 15.75 pt
        QCOMPARE(caption->font().weight(), QFont::Weight(row.levelFontWeight));
        QCOMPARE(caption->palette().color(QPalette::WindowText), colourOf(row.levelColour));
        QCOMPARE(caption->width(), row.levelWidth / 15);
        const auto *title = qobject_cast<QLabel *>(level.form.control("Label5"));
        QCOMPARE(title->text(), QString("Tervalo"));
        QCOMPARE(title->palette().color(QPalette::WindowText), colourOf(row.titleColour));
        QCOMPARE(title->size(), title->sizeHint()); // it sizes itself to the title
        QCOMPARE(level.form.control("lblcomplete")->height(), row.completeHeight / 15);
        QCOMPARE(level.form.control("Image2")->pos(), row.smile / 15);
        QCOMPARE(level.form.control("Image3")->pos(), row.sad / 15);
        level.checkLoadedPhase();

        // Esc presses nothing; typing into the question box changes nothing.
        QTest::keyClick(level.form.window(), Qt::Key_Escape);
        QTest::keyClicks(level.form.control("Text1"), "typed");
        level.checkLoadedPhase();
    }

    void wholeRunWithOneKey_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("marks");
        for (int row = 0; row < int(std::size(kLevelRows)); ++row) {
            const LevelRow &level = kLevelRows[row];
            QTest::addRow("%s, &1", level.window) << row << 1 << level.marksAnsweringOne;
            QTest::addRow("%s, &4", level.window) << row << 4 << level.marksAnsweringFour;
        }
    }

    void wholeRunWithOneKey()
    {
        const Level level = fetchLevel();
        QFETCH(int, key);
        QFETCH(int, marks);
        BeepCounter beeps;
        open(level);
        std::set<int> shown;
        int rights = 0;
        for (int number = 1; number <= 200; ++number) {
            click(level.form, "cmdNext");
            const int n = level.round.intQuestionOrder(number);
            level.checkQuestionShown(number, n);
            shown.insert(n);
            rights += level.answer(key, beeps);
        }
        QCOMPARE(shown.size(), std::size_t(200));
        QCOMPARE(rights, marks);
        QCOMPARE(beeps.beeps, marks);
        QCOMPARE(level.text("Label11"), QString::number(marks));

        const QString lastQuestion = level.question();
        const QString lastRight = level.text("Label14");
        click(level.form, "cmdNext");
        QCOMPARE(level.text("lblcomplete"), QString(level.row.completionText));
        QCOMPARE(level.pressable(), QStringList({"cmdQuit"}));
        QVERIFY(level.form.image("Image1").picture().isNull());
        QCOMPARE(level.text("Label10"), QString("200"));
        QCOMPARE(level.text("Label14"), lastRight);
        QCOMPARE(level.question(), lastQuestion);
        QCOMPARE(level.round.intQuestionNumber, runtime::Integer(201));
        QCOMPARE(beeps.beeps, marks);
    }

    void wrongAnswersOnlyLeaveTheMarksEmpty_data() { addLevelRows(); }
    void wrongAnswersOnlyLeaveTheMarksEmpty()
    {
        const Level level = fetchLevel();
        BeepCounter beeps;
        open(level);
        for (int number = 1; number <= 200; ++number)
            level.playOne(false, beeps);
        click(level.form, "cmdNext");
        QVERIFY(level.text("Label11").isEmpty());
        QCOMPARE(beeps.beeps, 0);
        QCOMPARE(level.text("lblcomplete"), QString(level.row.completionText));
    }

    // Records that look or answer unlike most: fillers, repeated questions,
    // blanks that must stay.
    void tellingRecords_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("right");
        QTest::newRow("frmgk 158, a filler") << 0 << 158 << 3 << false;
        QTest::newRow("frmgk 158, the other filler") << 0 << 158 << 4 << false;
        QTest::newRow("frmgk 158, its right option") << 0 << 158 << 1 << true;
        QTest::newRow("frmgk 7") << 0 << 7 << 4 << true;
        QTest::newRow("frmgk 29, same question") << 0 << 29 << 3 << true;
        QTest::newRow("frmgk 66, leading blanks") << 0 << 66 << 4 << true;
        QTest::newRow("frmgk 198, two blanks") << 0 << 198 << 1 << true;
        QTest::newRow("frmgk 36, trailing blank") << 0 << 36 << int(BankRecord(Level1Bank, 36).CorrectOption) << true;
        QTest::newRow("frmgk1 127") << 1 << 127 << 4 << true;
        QTest::newRow("frmgk1 128, same question") << 1 << 128 << 2 << true;
        QTest::newRow("frmgk1 129") << 1 << 129 << 1 << true;
        QTest::newRow("frmgk1 130, same question") << 1 << 130 << 3 << true;
        QTest::newRow("frmgk1 13, trailing blank") << 1 << 13 << 4 << true;
        QTest::newRow("frmgk1 43, blank inside a number") << 1 << 43 << 3 << false;
        QTest::newRow("frmgk1 51, leading blanks") << 1 << 51 << 3 << true;
        QTest::newRow("frmgk2 142, a filler") << 2 << 142 << 3 << false;
        QTest::newRow("frmgk2 142, the other filler") << 2 << 142 << 4 << false;
        QTest::newRow("frmgk2 7, none of the above") << 2 << 7 << 4 << true;
        QTest::newRow("frmgk2 182, shared with frmgk4") << 2 << 182 << 1 << true;
        QTest::newRow("frmgk2 153, trailing blank") << 2 << 153 << 1 << false;
        QTest::newRow("frmgk3 154, may be") << 3 << 154 << 3 << false;
        QTest::newRow("frmgk3 154, a filler") << 3 << 154 << 4 << false;
        QTest::newRow("frmgk3 27, a filler") << 3 << 27 << 3 << false;
        QTest::newRow("frmgk3 182, runs of blanks") << 3 << 182 << 3 << true;
        QTest::newRow("frmgk4 70, shared with frmgk2") << 4 << 70 << 2 << true;
        QTest::newRow("frmgk4 88, equal options") << 4 << 88 << 3 << false;
        QTest::newRow("frmgk4 159, all of the above") << 4 << 159 << 4 << true;
        QTest::newRow("frmgk4 188, a filler") << 4 << 188 << 4 << false;
        QTest::newRow("frmgk4 91, trailing blank") << 4 << 91 << int(BankRecord(Level5Bank, 91).CorrectOption) << true;
    }

    void tellingRecords()
    {
        const Level level = fetchLevel();
        QFETCH(int, record);
        QFETCH(int, option);
        QFETCH(bool, right);
        ScriptedRandom random({ScriptedRandom::drawing(record)});
        BeepCounter beeps;
        open(level);
        QCOMPARE(random.seeds, 1);
        click(level.form, "cmdNext");
        level.checkQuestionShown(1, record); // texts exactly as stored, blanks and all
        QCOMPARE(level.answer(option, beeps), right);
    }

    void keyboardReachesOnlyWhatIsEnabled_data() { addLevelRows(); }
    void keyboardReachesOnlyWhatIsEnabled()
    {
        const Level level = fetchLevel();
        QWidget *window = level.form.window();
        open(level);
        // Tab: Level 1 reaches Next before Exit, the others Exit before Next.
        QWidget *first = level.form.control(level.row.exitBeforeNext ? "cmdQuit" : "cmdNext");
        QWidget *second = level.form.control(level.row.exitBeforeNext ? "cmdNext" : "cmdQuit");
        QWidget *afterOptions = level.form.control("Command4")->nextInFocusChain();
        while (afterOptions != first && afterOptions != second)
            afterOptions = afterOptions->nextInFocusChain();
        QCOMPARE(afterOptions, first);
        QCOMPARE(QApplication::focusWidget(), first);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), second);

        pressAccessKey(window, Qt::Key_1); // options still disabled
        pressAccessKey(window, Qt::Key_N); // the caption is "&Start"
        level.checkLoadedPhase();

        pressAccessKey(window, Qt::Key_S);
        level.checkQuestionShown(1, level.round.intQuestionOrder(1));
        pressAccessKey(window, Qt::Key_S); // gone with "&Start"
        QCOMPARE(level.text("Label10"), QString("1"));

        const int right = level.onScreen().CorrectOption;
        pressAccessKey(window, Qt::Key(Qt::Key_0 + right));
        QCOMPARE(level.text("Label11"), QString("1"));
        pressAccessKey(window, Qt::Key(Qt::Key_0 + right)); // once per question
        QCOMPARE(level.text("Label11"), QString("1"));

        pressAccessKey(window, Qt::Key_N);
        QCOMPARE(level.text("Label10"), QString("2"));
        pressAccessKey(window, Qt::Key_X);
        QVERIFY(!level.form.isLoaded());
    }

    void exitPressedWithNextOnlyLeaves_data() { addLevelRows(); }
    void exitPressedWithNextOnlyLeaves()
    {
        const Level level = fetchLevel();
        FatalErrorTrap trap;
        EndWatcher watcher;
        BeepCounter beeps;
        open(level);
        level.playOne(true, beeps);
        pressAccessKeysInOnePass(level.form.window(), {Qt::Key_X, Qt::Key_N});
        QVERIFY(!level.form.isLoaded());
        QCOMPARE(level.round.intQuestionNumber, runtime::Integer(1));
        QVERIFY(menu.window()->isVisible());
        QCOMPARE(watcher.ends, 0);
    }

    void fourOptionKeysInOnePassMarkOneAnswer_data() { addLevelRows(); }
    void fourOptionKeysInOnePassMarkOneAnswer()
    {
        const Level level = fetchLevel();
        BeepCounter beeps;
        open(level);
        for (int number = 1; number <= 20; ++number) {
            click(level.form, "cmdNext");
            const Question &asked = level.onScreen();
            const int marksBefore = level.round.intMarks;
            pressAccessKeysInOnePass(level.form.window(), {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4});
            // The first key answered; the other three found their buttons disabled.
            const bool right = asked.CorrectOption == 1;
            QCOMPARE(int(level.round.intMarks), marksBefore + (right ? 1 : 0));
            QCOMPARE(level.face(), level.storedFace(right ? "Image2" : "Image3"));
            QCOMPARE(level.pressable(), QStringList({"cmdNext", "cmdQuit"}));
        }
        QCOMPARE(beeps.beeps, int(level.round.intMarks));
    }

    void exitThenANewLoadStartsAFreshRun_data() { addLevelRows(); }
    void exitThenANewLoadStartsAFreshRun()
    {
        const Level level = fetchLevel();
        BeepCounter beeps;
        open(level);
        level.playOne(true, beeps);
        click(level.form, "cmdNext");
        QList<int> firstOrder;
        for (int position = 1; position <= 200; ++position)
            firstOrder << level.round.intQuestionOrder(position);

        click(level.form, "cmdQuit");
        QVERIFY(!level.form.isLoaded());
        QCOMPARE(level.round.intQuestionNumber, runtime::Integer(2)); // Exit changes no round state
        QVERIFY(menu.window()->isVisible());

        open(level);
        level.checkLoadedPhase();
        QList<int> secondOrder;
        for (int position = 1; position <= 200; ++position)
            secondOrder << level.round.intQuestionOrder(position);
        QVERIFY(firstOrder != secondOrder);
    }

    void levelButtonOfAnOpenWindowResetsNothing_data() { addLevelRows(); }
    void levelButtonOfAnOpenWindowResetsNothing()
    {
        const Level level = fetchLevel();
        BeepCounter beeps;
        open(level);
        level.playOne(false, beeps);
        const QString shown = level.question();
        const int marks = level.round.intMarks;
        click(menu, level.row.menuButton);
        QCOMPARE(level.round.intQuestionNumber, runtime::Integer(1));
        QCOMPARE(int(level.round.intMarks), marks);
        QCOMPARE(level.question(), shown);
        QVERIFY(level.enabled("cmdNext"));
    }

    void levelWindowOutlivesTheMenu_data() { addLevelRows(); }
    void levelWindowOutlivesTheMenu()
    {
        const Level level = fetchLevel();
        EndWatcher watcher;
        open(level);
        click(menu, "cmdExit");
        frmAbout &about = FormRegistry::frmAbout();
        QVERIFY(about.isLoaded() && level.form.isLoaded());
        click(about, "cmdOk");
        QCOMPARE(watcher.ends, 0); // the level window is still loaded
        click(level.form, "cmdNext");
        QCOMPARE(level.text("Label10"), QString("1"));
        click(level.form, "cmdQuit");
        QCOMPARE(watcher.ends, 1);
    }

    // Every level window open at once, each in the middle of its own run:
    // none disturbs another's order, question, marks or completion.
    void levelWindowsSideBySide()
    {
        BeepCounter beeps;
        std::vector<Level> levels;
        std::vector<QList<int>> orders;
        const auto orderOf = [](const Level &level) {
            QList<int> order;
            for (int position = 1; position <= 200; ++position)
                order << level.round.intQuestionOrder(position);
            return order;
        };
        // Open the windows one by one; each plays three questions, two of them
        // rightly, before the next one opens.
        for (const LevelRow &row : kLevelRows) {
            for (std::size_t i = 0; i < levels.size(); ++i) {
                QCOMPARE(int(levels[i].round.intQuestionNumber), 3);
                QCOMPARE(int(levels[i].round.intMarks), 2);
                QCOMPARE(orderOf(levels[i]), orders[i]);
            }
            levels.emplace_back(row);
            open(levels.back());
            orders.push_back(orderOf(levels.back()));
            for (bool rightly : {true, false, true})
                levels.back().playOne(rightly, beeps);
        }
        // Pressing the button of an open level changes nothing.
        for (const Level &level : levels) {
            click(menu, level.row.menuButton);
            QCOMPARE(int(level.round.intQuestionNumber), 3);
        }
        // Turn about, each window asks the next question of its own order and
        // marks it against its own question, until each completes.
        for (int number = 4; number <= 200; ++number)
            for (std::size_t i = 0; i < levels.size(); ++i) {
                QCOMPARE(levels[i].playOne(true, beeps), orders[i].at(number - 1));
                QCOMPARE(levels[i].text("Label10"), QString::number(number));
            }
        for (const Level &level : levels) {
            click(level.form, "cmdNext");
            QCOMPARE(level.text("lblcomplete"), QString(level.row.completionText));
            QCOMPARE(int(level.round.intMarks), 199);
            QCOMPARE(level.text("Label11"), QString("199"));
        }
        // Exit of one leaves the others running.
        click(levels.front().form, "cmdQuit");
        for (std::size_t i = 1; i < levels.size(); ++i)
            QVERIFY(levels[i].form.isLoaded());
    }

    void everyTextFitsItsBoxOnOneLine_data() { addLevelRows(); }
    void everyTextFitsItsBoxOnOneLine()
    {
        const Level level = fetchLevel();
        open(level);
        auto *box = qobject_cast<QLineEdit *>(level.form.control("Text1"));
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        // QLineEdit keeps two pixels clear on each side of its text.
        const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
        const QFontMetrics questionFont(box->font());
        QWidget *window = level.form.window();
        const auto rectOf = [window](const QWidget *widget) { return QRect(widget->mapTo(window, QPoint()), widget->size()); };
        for (const Question &record : *level.row.bank) {
            QVERIFY2(questionFont.horizontalAdvance(record.QuestionText) <= room, record.QuestionText);
            // Each option shows whole, clear of every other control.
            for (int k = 0; k < 4; ++k)
                level.form.label(kOptionLabels[k]).setCaption(record.OptionText[std::size_t(k)]);
            for (const char *name : kOptionLabels) {
                const auto *label = qobject_cast<QLabel *>(level.form.control(name));
                const QString text = label->text();
                if (label->wordWrap())
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(text));
                else
                    QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->width(), qPrintable(text));
                QVERIFY2(rectOf(label->parentWidget()).contains(rectOf(label)), qPrintable(text));
                for (const QWidget *other : window->findChildren<QWidget *>())
                    if (other != label && !other->isAncestorOf(label) && !label->isAncestorOf(other)
                        && other->isVisibleTo(window))
                        QVERIFY2(!rectOf(other).intersects(rectOf(label)), qPrintable(text + " under " + other->objectName()));
            }
        }
    }
};

QTEST_MAIN(LevelTest)
#include "LevelTest.moc"
