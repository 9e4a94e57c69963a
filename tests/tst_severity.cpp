#include "app/windows.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

using app::WindowId;

namespace
{

QAbstractButton *button(WindowId id, const QString &name)
{
    return testing::control<QAbstractButton>(app::loadWindow(id), qPrintable(name));
}

// Clicks the severity window's controls named in turn, separated by blanks.
void clickAll(const QString &names)
{
    testing::clickAll(app::loadWindow(WindowId::Severity), names);
}

QString vcssText()
{
    return testing::control<QLineEdit>(app::loadWindow(WindowId::Severity), "TextVCSS")->text();
}

// Opens the severity window from the main window's menu, as the user does.
void openSeverity()
{
    testing::control<QAction>(app::loadWindow(WindowId::Main), "SuperCeap")->trigger();
}

} // namespace

class TestSeverity : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::setUpProgram(); }
    void init() { testing::resetProgram(); }

    void total_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("design state") << "CommandVCSS"
                                      << "0";
        QTest::newRow("all three") << "OptionPain3 OptionVaric_veins3 OptionEdema3 OptionSkin_pig3 "
                                      "OptionInflam3 OptionInduration3 OptionNoUlcer3 "
                                      "OptionAcUlcerDuration3 OptionUlcerSize3 "
                                      "OptionCompressTHer3 CommandVCSS"
                                   << "30";
        QTest::newRow("some items") << "OptionPain2 OptionVaric_veins1 OptionEdema3 CommandVCSS"
                                    << "6";
        QTest::newRow("changed after the press") << "OptionPain3 CommandVCSS OptionPain1"
                                                 << "3";
        QTest::newRow("clear") << "OptionPain3 CommandVCSS CommandCleanTextVCSS"
                               << "0";
        QTest::newRow("clear selects option 0") << "OptionPain3 CommandCleanTextVCSS CommandVCSS"
                                                << "0";
        QTest::newRow("fifth ulcer option keeps the ulcer score")
            << "OptionUlcerSize3 CommandVCSS Option1 OptionPain1 CommandVCSS"
            << "4";
        QTest::newRow("clear forgets the kept score")
            << "OptionUlcerSize3 CommandVCSS CommandCleanTextVCSS Option1 CommandVCSS"
            << "0";
    }

    void total()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, expected);
        openSeverity();
        clickAll(clicks);
        QCOMPARE(vcssText(), expected);
    }

    void navigation()
    {
        openSeverity();
        clickAll("OptionPain2 OptionUlcerSize3 CommandVCSS CommandDalshe");
        QWidget *segments = app::loadedWindow(WindowId::Segments);
        QVERIFY(segments && segments->isVisible());
        // Going back and forth shows the same windows with their contents as they were.
        clickAll("CmdBackForm1 CommandDalshe");
        QCOMPARE(app::loadedWindow(WindowId::Segments), segments);
        QVERIFY(button(WindowId::Severity, "OptionPain2")->isChecked());
        QCOMPARE(vcssText(), "5");

        // Closed by their close boxes, the severity and main windows come back fresh: the ulcer
        // score kept for the fifth option went with the old window.
        app::loadWindow(WindowId::Main).close();
        app::loadWindow(WindowId::Severity).close();
        testing::settle();
        testing::click(button(WindowId::Segments, "CmdBack"));
        QCOMPARE(vcssText(), "Тяжесть=");
        // The fifth ulcer-size option shows only as a strip one pixel high at its frame's edge.
        QCOMPARE(button(WindowId::Severity, "Option1")->visibleRegion().boundingRect().height(), 1);
        clickAll("Option1 CommandVCSS CmdBackForm1");
        QCOMPARE(vcssText(), "0");
        QVERIFY(app::loadedWindow(WindowId::Main)->isVisible());
        QCOMPARE(testing::endCount(), 0);
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("stops");
        const QString buttons = "CommandVCSS TextVCSS CommandCleanTextVCSS CommandDalshe "
                                "CmdBackForm1";
        QTest::newRow("design state")
            << ""
            << "OptionPain0 OptionEdema0 OptionVaric_veins0 OptionSkin_pig0 OptionInflam0 "
               "OptionInduration0 OptionNoUlcer0 OptionAcUlcerDuration0 OptionUlcerSize0 "
               "OptionCompressTHer0 " +
                   buttons;
        // The stops start at the control that has the focus after the clicks.
        QTest::newRow("other options selected")
            << "OptionUlcerSize2 OptionEdema2"
            << "OptionEdema2 OptionVaric_veins0 OptionSkin_pig0 OptionInflam0 OptionInduration0 "
               "OptionNoUlcer0 OptionAcUlcerDuration0 OptionUlcerSize2 OptionCompressTHer0 " +
                   buttons + " OptionPain0";
        // The highest pain and edema options come after the varicose veins in the window's order.
        QTest::newRow("pain 3 selected")
            << "OptionPain3"
            << "OptionPain3 OptionSkin_pig0 OptionInflam0 OptionInduration0 OptionNoUlcer0 "
               "OptionAcUlcerDuration0 OptionUlcerSize0 OptionCompressTHer0 " +
                   buttons + " OptionEdema0 OptionVaric_veins0";
    }

    // Tab stops only at each item's selected option, then at the buttons and the score box, and
    // round again; Shift+Tab takes the same way back.
    void tabOrder()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, stops);
        openSeverity();
        QWidget &window = app::loadWindow(WindowId::Severity);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget()->objectName(), "OptionPain0");
        clickAll(clicks);

        QStringList round = stops.split(' ');
        round << round.first();
        // Presses Tab, or Shift+Tab, once for each stop and lists where the focus went.
        auto visit = [&round](Qt::KeyboardModifiers modifiers) {
            QStringList visited{QApplication::focusWidget()->objectName()};
            while (visited.size() < round.size()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
                visited << QApplication::focusWidget()->objectName();
            }
            return visited;
        };
        QCOMPARE(visit(Qt::NoModifier), round);
        std::reverse(round.begin(), round.end());
        QCOMPARE(visit(Qt::ShiftModifier), round);
    }
};

QTEST_MAIN(TestSeverity)
#include "tst_severity.moc"
