#include "tests/testsupport.h"

#include "app/controls.h"
#include "app/texts.h"
#include "app/windows.h"
#include "info_windows/form2.h"
#include "info_windows/form3.h"
#include "main_window/form1.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

// The window runtime: value semantics of check boxes and option buttons, window lifetime, and
// when the program ends.
class TestRuntime : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::setUpProgram(); }
    void init() { testing::resetProgram(); }
    void cleanupTestCase() { testing::resetProgram(); }

    void settingABoxRunsItsHandlingNestedBeforeTheSetterReturns();
    void settingTheValueABoxHoldsRunsNothing();
    void optionGroupCanBeEmptiedByCodeWithoutHandling();
    void selectingByCodeRunsHandlingOnlyForTheSelectedOption();
    void grayedValueIsNeitherTickedNorUnticked();

    void startUpShowsMainWindowWithTodaysDate();
    void unloadThenReferenceGivesDesignState();
    void unloadingAWindowNotLoadedDoesNothing();
    void handlerUnloadingItsOwnWindowAndShowingAnotherKeepsRunning();
    void closeBox_data();
    void closeBox();
    void hiddenWindowDoesNotKeepTheProgramAlive();
    void exitMenuEndsAtOnce();

    void numbersAsText_data();
    void numbersAsText();
};

namespace {

// A bare window with controls whose handling records what it saw.
struct Probe : QWidget {
    QCheckBox *first = new QCheckBox(this);
    QCheckBox *second = new QCheckBox(this);
    QWidget *group = new QWidget(this);
    QRadioButton *optionA = new QRadioButton(group);
    QRadioButton *optionB = new QRadioButton(group);
    QStringList log;

    void firstClick()
    {
        log << QString("first=%1").arg(app::value(first));
        if (app::value(first) == 1)
            app::setValue(second, 1);
        log << "first done";
    }
    void secondClick() { log << QString("second=%1").arg(app::value(second)); }
    void optionAClick() { log << "A"; }
    void optionBClick() { log << "B"; }

    Probe()
    {
        app::onClick(first, this, &Probe::firstClick);
        app::onClick(second, this, &Probe::secondClick);
        app::onClick(optionA, this, &Probe::optionAClick);
        app::onClick(optionB, this, &Probe::optionBClick);
    }
};

} // namespace

void TestRuntime::settingABoxRunsItsHandlingNestedBeforeTheSetterReturns()
{
    Probe probe;
    app::setValue(probe.first, 1);
    probe.log << "setter returned";
    QCOMPARE(probe.log, QStringList({"first=1", "second=1", "first done", "setter returned"}));
}

void TestRuntime::settingTheValueABoxHoldsRunsNothing()
{
    Probe probe;
    app::setValue(probe.first, 0);
    QVERIFY(probe.log.isEmpty());
    app::setValue(probe.second, 1);
    probe.log.clear();
    app::setValue(probe.second, 1);
    QVERIFY(probe.log.isEmpty());
}

void TestRuntime::optionGroupCanBeEmptiedByCodeWithoutHandling()
{
    Probe probe;
    probe.show();
    testing::click(probe.optionA);
    QCOMPARE(probe.log, QStringList({"A"}));
    app::deselect(probe.optionA);
    QVERIFY(!app::selected(probe.optionA));
    QVERIFY(!app::selected(probe.optionB));
    QCOMPARE(probe.log, QStringList({"A"}));
    // The group still excludes afterwards.
    testing::click(probe.optionB);
    testing::click(probe.optionA);
    QVERIFY(!app::selected(probe.optionB));
    QCOMPARE(probe.log, QStringList({"A", "B", "A"}));
}

void TestRuntime::selectingByCodeRunsHandlingOnlyForTheSelectedOption()
{
    Probe probe;
    app::select(probe.optionA);
    app::select(probe.optionB);
    app::select(probe.optionB);
    QCOMPARE(probe.log, QStringList({"A", "B"}));
    QVERIFY(!app::selected(probe.optionA));
}

void TestRuntime::grayedValueIsNeitherTickedNorUnticked()
{
    Probe probe;
    app::setValue(probe.second, 2);
    QCOMPARE(app::value(probe.second), 2);
    QCOMPARE(probe.log, QStringList({"second=2"}));
    app::setValue(probe.second, 0);
    QCOMPARE(app::value(probe.second), 0);
}

void TestRuntime::startUpShowsMainWindowWithTodaysDate()
{
    Form1 &main = app::form<Form1>();
    QVERIFY(main.isVisible());
    QCOMPARE(main.windowTitle(), QString(" Flebika"));
    auto *date = testing::control<QLineEdit>(main, "Text2");
    QCOMPARE(date->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!date->isVisible());
    QVERIFY(!date->isEnabled());
    QCOMPARE(testing::control<QLineEdit>(main, "Text1")->text(), QString("CEAP ="));
}

void TestRuntime::unloadThenReferenceGivesDesignState()
{
    Form1 &first = app::form<Form1>();
    auto *box = testing::control<QCheckBox>(first, "Check3");
    testing::click(box);
    QCOMPARE(app::value(box), 1);
    QPointer<Form1> old(&first);
    app::unload<Form1>();
    QVERIFY(!app::isLoaded<Form1>());
    Form1 &second = app::form<Form1>();
    QVERIFY(&second != old.data() || old.isNull());
    QCOMPARE(app::value(testing::control<QCheckBox>(second, "Check3")), 0);
    QVERIFY(second.isVisible());
    testing::settle();
    QVERIFY(old.isNull());
    QCOMPARE(testing::endCount(), 0);
}

void TestRuntime::unloadingAWindowNotLoadedDoesNothing()
{
    app::form<Form1>();
    app::unload<Form2>();
    testing::settle();
    QVERIFY(!app::isLoaded<Form2>());
    QVERIFY(app::isLoaded<Form1>());
    QCOMPARE(testing::endCount(), 0);
}

void TestRuntime::handlerUnloadingItsOwnWindowAndShowingAnotherKeepsRunning()
{
    app::show<Form2>();
    Form2 &about = app::form<Form2>();
    auto *button = new QPushButton(&about);
    connect(button, &QPushButton::clicked, &about, [] {
        app::unload<Form1>();
        app::unload<Form2>();
        app::show<Form1>();
    });
    button->show();
    QPointer<QWidget> gone(&about);
    testing::click(button);
    testing::settle();
    QVERIFY(gone.isNull());
    QVERIFY(app::isLoaded<Form1>());
    QVERIFY(app::form<Form1>().isVisible());
    QCOMPARE(testing::endCount(), 0);
}

void TestRuntime::closeBox_data()
{
    QTest::addColumn<bool>("otherWindowOpen");
    QTest::addColumn<int>("ends");
    QTest::newRow("last window") << false << 1;
    QTest::newRow("another window open") << true << 0;
}

void TestRuntime::closeBox()
{
    QFETCH(bool, otherWindowOpen);
    QFETCH(int, ends);
    app::form<Form1>();
    if (otherWindowOpen)
        app::show<Form3>();
    app::form<Form1>().close();
    QVERIFY(!app::isLoaded<Form1>());
    testing::settle();
    QCOMPARE(testing::endCount(), ends);
    QCOMPARE(app::isLoaded<Form3>(), otherWindowOpen);
}

void TestRuntime::hiddenWindowDoesNotKeepTheProgramAlive()
{
    app::form<Form1>();
    app::form<Form3>(); // loaded, never shown
    app::unload<Form1>();
    testing::settle();
    QCOMPARE(testing::endCount(), 1);
    QVERIFY(!app::isLoaded<Form3>());
}

void TestRuntime::exitMenuEndsAtOnce()
{
    Form1 &main = app::form<Form1>();
    app::show<Form2>();
    testing::control<QAction>(main, "exit")->trigger();
    QCOMPARE(testing::endCount(), 1);
}

void TestRuntime::numbersAsText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("half, Russian") << "ru_RU" << 0.5f << "0,5";
    QTest::newRow("two and a half, Russian") << "ru_RU" << 2.5f << "2,5";
    QTest::newRow("whole, Russian") << "ru_RU" << 10.0f << "10";
    QTest::newRow("zero, Russian") << "ru_RU" << 0.0f << "0";
    QTest::newRow("half, English") << "en_US" << 0.5f << "0.5";
    QTest::newRow("whole, English") << "en_US" << 3.0f << "3";
    QTest::newRow("not a half, Russian") << "ru_RU" << 0.1f << "0,1";
    QTest::newRow("not a half, English") << "en_US" << 12.3f << "12.3";
    // Latin digits under a locale with digits of its own, beside its own decimal separator.
    QTest::newRow("two and a half, Persian") << "fa_IR" << 2.5f << QString("2\u066B5");
}

void TestRuntime::numbersAsText()
{
    QFETCH(QString, locale);
    QFETCH(float, number);
    QFETCH(QString, text);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const QString written = app::floatText(number);
    QLocale::setDefault(before);
    QCOMPARE(written, text);
    QCOMPARE(app::intText(30), QString("30"));
}

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
