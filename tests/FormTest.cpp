// The form runtime: lifecycle, the end rule, controls, keyboard and centring.
#include "TestSupport.h"

#include "runtime/Screen.h"
#include "shell/CenterOnScreen.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>

using namespace runtime;
using namespace testing_support;

namespace {

constexpr FontSpec kSerif{"Times New Roman", 9.75, 700};

constexpr ControlLayout kControls[] = {
    {.kind = ControlKind::Frame, .name = "Frame1", .caption = "A  frame", .left = 1500, .top = 1500, .width = 3000,
     .height = 1500},
    {.kind = ControlKind::Label, .name = "lblInFrame", .container = "Frame1", .caption = "x", .left = 150,
     .top = 300, .width = 1500, .height = 255},
    {.kind = ControlKind::PictureBox, .name = "Picture1", .left = 4800, .top = 1500, .width = 1500, .height = 1500,
     .backColour = 0x00C0C0FF},
    {.kind = ControlKind::Label, .name = "lblInPicture", .container = "Picture1", .caption = "y", .left = 0,
     .top = 150, .width = 900, .height = 255},
    {.kind = ControlKind::Label, .name = "lblText", .caption = " two  blanks ", .left = 150, .top = 300,
     .width = 1500, .height = 450, .font = &kSerif},
    {.kind = ControlKind::TextBox, .name = "Text1", .caption = "stored text", .left = 150, .top = 900,
     .width = 3000, .height = 285, .tabIndex = 0},
    {.kind = ControlKind::CommandButton, .name = "cmdApply", .caption = "&Apply", .left = 150, .top = 3300,
     .width = 1200, .height = 450, .tabIndex = 3},
    {.kind = ControlKind::CommandButton, .name = "cmdBack", .caption = "&Back", .left = 1500, .top = 3300,
     .width = 1200, .height = 450, .enabled = false, .tabIndex = 1},
    {.kind = ControlKind::CommandButton, .name = "cmdCancel", .caption = "&Cancel", .left = 3000, .top = 3300,
     .width = 1200, .height = 450, .cancel = true, .tabIndex = 2},
};

constexpr FormLayout kLayout{
    .caption = "Test window", .clientWidth = 9000, .clientHeight = 6000, .controls = kControls};

// A window larger than any screen the tests run on.
constexpr FormLayout kHugeLayout{.clientWidth = 60000, .clientHeight = 45000};

class TestWindow : public Form {
public:
    explicit TestWindow(const FormLayout &layout = kLayout) : Form(layout)
    {
        onClick("cmdApply", &TestWindow::cmdApply_Click);
        onClick("cmdBack", &TestWindow::cmdBack_Click);
        onClick("cmdCancel", &TestWindow::cmdCancel_Click);
    }

    int loads = 0;
    int applies = 0;
    int backs = 0;
    int cancels = 0;
    std::function<void()> onApply;

protected:
    void Form_Load() override { ++loads; }

private:
    void cmdApply_Click()
    {
        ++applies;
        if (onApply)
            onApply();
    }
    void cmdBack_Click() { ++backs; }
    void cmdCancel_Click() { ++cancels; }
};

} // namespace

class FormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(*qApp); }
    void init()
    {
        for (TestWindow *window : {&first, &second}) {
            window->loads = window->applies = window->backs = window->cancels = 0;
            window->onApply = nullptr;
        }
    }
    void cleanup()
    {
        first.unload();
        second.unload();
        flushDeletes();
        QCOMPARE(Form::loadedCount(), 0);
    }

    void loadBuildsHiddenAndRunsFormLoadOnce()
    {
        first.load();
        QVERIFY(first.isLoaded());
        QCOMPARE(first.loads, 1);
        QVERIFY(!first.window()->isVisible());

        first.label("lblText").setCaption("changed");
        QWidget *window = first.window();
        first.load();
        QCOMPARE(first.loads, 1);
        QCOMPARE(first.window(), window);
        QCOMPARE(first.label("lblText").caption(), QString("changed"));

        first.show();
        QVERIFY(first.window()->isVisible());
        first.show(); // showing again is no new load
        QCOMPARE(first.loads, 1);
    }

    void unloadDestroysControlsAndReloadRestoresStoredValues()
    {
        first.load();
        first.label("lblText").setCaption("changed");
        first.button("cmdApply").setEnabled(false);
        first.textBox("Text1").setText("other");
        QPointer<QWidget> oldLabel = first.control("lblText");

        first.unload();
        QVERIFY(!first.isLoaded());
        QVERIFY(first.control("lblText") == nullptr);
        flushDeletes();
        QVERIFY(oldLabel.isNull());

        first.load();
        QCOMPARE(first.loads, 2);
        QCOMPARE(first.label("lblText").caption(), QString(" two  blanks "));
        QVERIFY(first.button("cmdApply").isEnabled());
        QCOMPARE(first.textBox("Text1").text(), QString("stored text"));
    }

    void programEndsOnlyWhenAHandlerLeavesNothingLoaded()
    {
        EndWatcher watcher;
        QVERIFY(showAndActivate(first));
        QVERIFY(showAndActivate(second));

        first.onApply = [this] { first.unload(); };
        click(first, "cmdApply");
        QCOMPARE(watcher.ends, 0); // the second window is still loaded

        // Unloading the last window and loading another in one handler goes on.
        second.onApply = [this] {
            second.unload();
            first.load();
            first.show();
        };
        click(second, "cmdApply");
        QCOMPARE(watcher.ends, 0);
        QVERIFY(first.isLoaded());

        first.onApply = [this] { first.unload(); };
        click(first, "cmdApply");
        QCOMPARE(watcher.ends, 1);
    }

    void closeRequestUnloadsWithoutAHandler()
    {
        EndWatcher watcher;
        QVERIFY(showAndActivate(first));
        first.window()->close();
        QVERIFY(!first.isLoaded());
        QCOMPARE(first.applies + first.backs + first.cancels, 0);
        QCOMPARE(watcher.ends, 1);
    }

    void accessKeysEscAndDisabledButtons()
    {
        QVERIFY(showAndActivate(first));
        pressAccessKey(first.window(), Qt::Key_A);
        QCOMPARE(first.applies, 1);
        QTest::keyClick(first.window(), Qt::Key_Escape);
        QCOMPARE(first.cancels, 1);

        // cmdBack is disabled: no click, no access key, no focus.
        click(first, "cmdBack");
        pressAccessKey(first.window(), Qt::Key_B);
        QCOMPARE(first.backs, 0);
        first.button("cmdBack").setEnabled(true);
        pressAccessKey(first.window(), Qt::Key_B);
        QCOMPARE(first.backs, 1);

        first.button("cmdApply").setEnabled(false);
        pressAccessKey(first.window(), Qt::Key_A);
        QCOMPARE(first.applies, 1);
    }

    // A pressed button clicks a moment after its access key; by then the
    // button may have stopped taking clicks.
    void aPressIsDroppedWhenItsButtonStopsTakingClicks_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("disabled") << "disable";
        QTest::newRow("hidden") << "hide";
        QTest::newRow("window unloaded") << "unload";
        QTest::newRow("window unloaded and loaded again") << "reload";
    }

    void aPressIsDroppedWhenItsButtonStopsTakingClicks()
    {
        QFETCH(QString, meanwhile);
        FatalErrorTrap trap;
        QVERIFY(showAndActivate(first));
        QTest::keyClick(first.window(), Qt::Key_A, Qt::AltModifier);
        if (meanwhile == "disable")
            first.button("cmdApply").setEnabled(false);
        else if (meanwhile == "hide")
            first.control("cmdApply")->hide();
        else
            first.unload();
        if (meanwhile == "reload")
            first.show();
        QTest::qWait(150);
        QCOMPARE(first.applies, 0);

        if (first.isLoaded()) { // the button takes clicks again as before
            first.button("cmdApply").setEnabled(true);
            first.control("cmdApply")->show();
            pressAccessKey(first.window(), Qt::Key_A);
            QCOMPARE(first.applies, 1);
        }
    }

    void aControlTheLayoutLacksIsAFatalError()
    {
        FatalErrorTrap trap;
        first.load();
        try {
            first.button("cmdMissing");
            QFAIL("a missing control was handed out");
        } catch (const FatalError &e) {
            QCOMPARE(e.error, RuntimeError::ObjectRequired);
        }
        try {
            first.label("cmdApply"); // there, but no label
            QFAIL("a button was handed out as a label");
        } catch (const FatalError &e) {
            QCOMPARE(e.error, RuntimeError::ObjectRequired);
        }
        QCOMPARE(RuntimeErrorMessage(RuntimeError::ObjectRequired), QString("Run-time error '424':\n\nObject required"));
    }

    void tabOrderFollowsTabIndexAndSkipsDisabledButtons()
    {
        QVERIFY(showAndActivate(first));
        // Text1 (index 0) takes no focus and cmdBack (1) is disabled.
        QCOMPARE(QApplication::focusWidget(), first.control("cmdCancel"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), first.control("cmdApply"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), first.control("cmdCancel"));
    }

    void controlsSitInPixelsAtFifteenTwipsEach()
    {
        first.load();
        QCOMPARE(first.window()->size(), QSize(600, 400));
        QCOMPARE(first.window()->windowTitle(), QString("Test window"));
        QCOMPARE(first.control("lblText")->geometry(), QRect(10, 20, 100, 30));
        QCOMPARE(first.control("cmdApply")->geometry(), QRect(10, 220, 80, 30));
        // A frame's children measure from its outer corner, a picture box's
        // from inside its border.
        QCOMPARE(first.control("lblInFrame")->parentWidget(), first.control("Frame1"));
        QCOMPARE(first.control("lblInFrame")->pos(), QPoint(10, 20));
        const QWidget *picture = first.control("Picture1");
        QCOMPARE(first.control("lblInPicture")->pos(), picture->contentsRect().topLeft() + QPoint(0, 10));
        QCOMPARE(picture->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0xC0));
    }

    void textIsShownExactlyAsGiven()
    {
        first.load();
        auto *label = qobject_cast<QLabel *>(first.control("lblText"));
        QCOMPARE(label->text(), QString(" two  blanks "));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        // The blanks take room on screen: nothing collapses them.
        const QFontMetrics metrics(label->font());
        QVERIFY(metrics.horizontalAdvance(label->text()) > metrics.horizontalAdvance("two blanks"));
        QCOMPARE(qobject_cast<QGroupBox *>(first.control("Frame1"))->title(), QString("A  frame"));

        first.textBox("Text1").setText("  lead");
        auto *box = qobject_cast<QLineEdit *>(first.control("Text1"));
        QCOMPARE(box->text(), QString("  lead"));
        QVERIFY(box->isReadOnly());
    }

    void fontsComeFromTheirMetricTwins()
    {
        first.load();
        const QFontInfo serif(first.control("lblText")->font());
        QCOMPARE(serif.family(), QString("Liberation Serif"));
        QCOMPARE(serif.pixelSize(), 13);
        QVERIFY(serif.bold());
        const QFontInfo fallback(first.control("cmdApply")->font());
        QCOMPARE(fallback.family(), QString("Liberation Sans"));
        QCOMPARE(fallback.pixelSize(), 11);
    }

    void centreOnScreenInBothOrders()
    {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        for (CentreOrder order : {CentreOrder::LeftFirst, CentreOrder::TopFirst}) {
            first.load();
            first.window()->move(3, 4);
            CenterOnScreen(first, order);
            QCOMPARE(first.window()->pos(), QPoint((screen.width() - 600) / 2, (screen.height() - 400) / 2));
            first.unload();
        }
        QCOMPARE(ScreenWidth(), float(screen.width() * 15));
        QCOMPARE(ScreenHeight(), float(screen.height() * 15));
    }

    void windowLargerThanTheScreenOverhangsBothSides()
    {
        TestWindow huge(kHugeLayout);
        huge.load();
        for (CentreOrder order : {CentreOrder::LeftFirst, CentreOrder::TopFirst}) {
            CenterOnScreen(huge, order);
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            const QRect window = huge.window()->frameGeometry();
            QVERIFY(window.left() < 0 && window.top() < 0);
            QCOMPARE(-window.left(), window.right() + 1 - screen.width());
            QCOMPARE(-window.top(), window.bottom() + 1 - screen.height());
        }
        huge.unload();
    }

    void fatalErrorsReachTheSeam()
    {
        FatalErrorTrap trap;
        FixedArray<Integer, 0, 200> order;
        order(200) = 7;
        QCOMPARE(order(200), Integer(7));
        try {
            order(201) = 1;
            QFAIL("an index past the upper bound was accepted");
        } catch (const FatalError &e) {
            QCOMPARE(e.error, RuntimeError::SubscriptOutOfRange);
        }
        try {
            CheckedAdd(32767, 1);
            QFAIL("an overflow went unnoticed");
        } catch (const FatalError &e) {
            QCOMPARE(e.error, RuntimeError::Overflow);
        }
    }

private:
    TestWindow first;
    TestWindow second;
};

QTEST_MAIN(FormTest)
#include "FormTest.moc"
