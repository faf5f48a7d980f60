// The main menu and the About box, driven through their real widgets.
#include "TestSupport.h"

#include "round/frmLevel.h"
#include "shell/FormRegistry.h"
#include "shell/frmAbout.h"
#include "shell/frmtervalo.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>

#include <cmath>

using namespace testing_support;

class ShellTest : public QObject {
    Q_OBJECT

    frmtervalo &menu = FormRegistry::frmtervalo();
    frmAbout &about = FormRegistry::frmAbout();

    QString aboutText(const char *label) const { return about.label(label).caption(); }

private slots:
    void initTestCase() { runtime::PrepareApplication(*qApp); }
    void init() { QVERIFY(showAndActivate(menu)); }
    void cleanup()
    {
        menu.unload();
        about.unload();
        flushDeletes();
    }

    void menuIsABorderlessCentredWindow()
    {
        QWidget *window = menu.window();
        QCOMPARE(window->size(), QSize(640, 480));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->windowTitle(), QString("Tervalo"));
        QVERIFY(!window->windowIcon().isNull());
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(window->pos(), QPoint((screen.width() - 640) / 2, (screen.height() - 480) / 2));
    }

    void menuButtonsSitInOneRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::newRow("level 1") << "cmdLevel1" << "Level  &1" << 40;
        QTest::newRow("level 2") << "cmdLevel2" << "Level  &2" << 120;
        QTest::newRow("level 3") << "cmdLevel3" << "Level  &3" << 200;
        QTest::newRow("level 4") << "cmdLevel4" << "Level  &4" << 280;
        QTest::newRow("level 5") << "cmdLevel5" << "Level  &5" << 360;
        QTest::newRow("exit") << "cmdExit" << "E&xit" << 520;
    }

    void menuButtonsSitInOneRow()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QPushButton *button = buttonOf(menu, qPrintable(name));
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), QRect(left, 408, 81, 33));
        QVERIFY(button->isEnabled() && button->isVisible());
        const QFontInfo font(button->font());
        QCOMPARE(font.family(), QString("Liberation Serif"));
        QCOMPARE(font.pixelSize(), 13);
        QVERIFY(font.bold());
    }

    void menuTabOrderStartsAtLevelOne()
    {
        QCOMPARE(QApplication::focusWidget(), menu.control("cmdLevel1"));
        for (const char *next : {"cmdLevel2", "cmdLevel3", "cmdLevel4", "cmdLevel5", "cmdExit", "cmdLevel1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), menu.control(next));
        }
    }

    void leavingTheMenuShowsTheAboutBox_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << "click";
        QTest::newRow("Alt+X") << "alt";
        QTest::newRow("Esc") << "esc";
    }

    void leavingTheMenuShowsTheAboutBox()
    {
        QFETCH(QString, how);
        EndWatcher watcher;
        if (how == "click")
            click(menu, "cmdExit");
        else if (how == "alt")
            pressAccessKey(menu.window(), Qt::Key_X);
        else
            QTest::keyClick(menu.window(), Qt::Key_Escape);
        QVERIFY(!menu.isLoaded());
        QVERIFY(about.isLoaded());
        QVERIFY(about.window()->isVisible());
        QCOMPARE(watcher.ends, 0);
    }

    void exitPressedWithALevelKeyOpensOnlyTheAboutBox()
    {
        FatalErrorTrap trap;
        pressAccessKeysInOnePass(menu.window(), {Qt::Key_X, Qt::Key_1});
        QVERIFY(!menu.isLoaded());
        QVERIFY(about.isLoaded());
        QVERIFY(!FormRegistry::frmgk().isLoaded());
    }

    void aboutBoxShowsTitleVersionAndContactLines()
    {
        click(menu, "cmdExit");
        QVERIFY(QTest::qWaitForWindowActive(about.window()));
        QWidget *window = about.window();
        QCOMPARE(window->windowTitle(), QString("About TERVALO"));
        QCOMPARE(window->size(), QSize(398, 255));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(aboutText("lblTitle"), QString("TERVALO"));
        QCOMPARE(aboutText("lblVersion"), QString("Version 1.0.0"));
        for (const char *line : {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
            QVERIFY2(!aboutText(line).isEmpty(), line);
            QCOMPARE(about.control(line)->parentWidget(), about.control("Picture1"));
        }
        // Centred in twips by its outer size, frame included: screen / 2 -
        // window / 2, top first. The platform here frames it once shown.
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const auto centred = [](int screenPixels, int windowPixels) {
            return int(std::lround((screenPixels * 15 / 2.0 - windowPixels * 15 / 2.0) / 15));
        };
        const QRect frame = window->frameGeometry();
        QCOMPARE(frame.topLeft(), QPoint(centred(screen.width(), frame.width()), centred(screen.height(), frame.height())));
        QCOMPARE(QApplication::focusWidget(), about.control("cmdOk"));
    }

    void warningTextIsShortAndFitsItsLabel()
    {
        click(menu, "cmdExit");
        const QString warning = aboutText("lblDisclaimer");
        QCOMPARE(warning.size(), 207);
        QVERIFY(!warning.endsWith('.'));
        QVERIFY(warning.count(',') > 0);
        for (qsizetype i = warning.indexOf(','); i >= 0; i = warning.indexOf(',', i + 1))
            QCOMPARE(warning.at(i - 1), QChar(' '));
        auto *label = qobject_cast<QLabel *>(about.control("lblDisclaimer"));
        QVERIFY(label->wordWrap());
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    void aboutBoxClosesAndTheProgramEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << "click";
        QTest::newRow("Alt+O") << "alt";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("title bar") << "close";
    }

    void aboutBoxClosesAndTheProgramEnds()
    {
        QFETCH(QString, how);
        click(menu, "cmdExit");
        QVERIFY(QTest::qWaitForWindowActive(about.window()));
        EndWatcher watcher;
        if (how == "click")
            click(about, "cmdOk");
        else if (how == "alt")
            pressAccessKey(about.window(), Qt::Key_O);
        else if (how == "esc")
            QTest::keyClick(about.window(), Qt::Key_Escape);
        else
            about.window()->close();
        QVERIFY(!about.isLoaded());
        QCOMPARE(watcher.ends, 1);
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
