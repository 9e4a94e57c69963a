#include "tests/testsupport.h"

#include "app/windows.h"
#include "main_window/form1.h"
#include "segment_score/form5.h"
#include "severity_score/form4.h"

#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

// Whole examinations through the three assessment windows, as a physician makes them.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::setUpProgram(); }
    void init() { testing::resetProgram(); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void cleanupTestCase() { testing::resetProgram(); }

    void extendedDiagnosis_data();
    void extendedDiagnosis();
    void newExaminationStartsEmpty();
    void closedMainWindowIsReloadedByTheExtendedDiagnosis();
    void exitEndsTheProgram();
};

namespace {

QString text(QWidget &window, const char *box)
{
    return testing::control<QLineEdit>(window, box)->text();
}

QString dateOf(Form1 &main)
{
    return text(main, "Text2");
}

// Through the menu to the severity window, and on to the segmental score window.
Form5 &walkToSegments(const QString &severityClicks)
{
    testing::control<QAction>(app::form<Form1>(), "SuperCeap")->trigger();
    Form4 &severity = app::form<Form4>();
    testing::clickAll(severity, severityClicks + " CommandDalshe");
    return app::form<Form5>();
}

} // namespace

void TestProgram::extendedDiagnosis_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("mainClicks");
    QTest::addColumn<QString>("formula"); // before the date
    QTest::addColumn<QString>("severityClicks");
    QTest::addColumn<QString>("segmentClicks");
    QTest::addColumn<QString>("tail");

    QTest::newRow("reflux and obstruction, VCSS 12, disability 2")
        << "ru_RU"
        << "Check3 Option14 Option1 Chk_Ep Check9 Check11 Check28 Option7 Option12 Command1"
        << "C 2,4a, S, Ep, As, p, Pr, 2,3,18, LII "
        << "OptionPain3 OptionVaric_veins3 OptionEdema3 OptionSkin_pig3 CommandVCSS"
        << "CheckGSV_R CheckPV_R CheckPV_O CommandSegment OptionVDS_2 CommandCEAP"
        << "; ТЯЖЕСТЬ: 12; РЕФЛЮКС: 3 ОБСТРУКЦИЯ: 2; НЕТРУДОСПОСОБНОСТЬ: 2";
    QTest::newRow("half weights under a decimal comma")
        << "ru_RU"
        << "Check1 Option2 Chk_En Check5 Option10 Option11 Command1"
        << "C 0,A, En, An, Pn,  LI "
        << "OptionPain1 OptionUlcerSize2 CommandVCSS"
        << "CheckSSV_R CheckPV_R CheckCFV_O CommandSegment OptionVDS_3 CommandCEAP"
        << "; ТЯЖЕСТЬ: 3; РЕФЛЮКС: 2,5 ОБСТРУКЦИЯ: 2; НЕТРУДОСПОСОБНОСТЬ: 3";
    QTest::newRow("half weights under a decimal point")
        << "en_US"
        << "Command1"
        << "C EA"
        << "CommandVCSS"
        << "CheckPV_Th_R CommandSegment CommandCEAP"
        << "; ТЯЖЕСТЬ: 0; РЕФЛЮКС: 0.5 ОБСТРУКЦИЯ: 0; НЕТРУДОСПОСОБНОСТЬ: 0";
    QTest::newRow("every window reset")
        << "ru_RU"
        << "Check3 Command1 Command2"
        << "CEAP="
        << "OptionPain2 CommandVCSS CommandCleanTextVCSS"
        << "CheckPV_R CommandSegment CommandVSDS_Clean CommandCEAP"
        << "; ТЯЖЕСТЬ: 0;REFLUX  0  OBSTRUCTION  0; НЕТРУДОСПОСОБНОСТЬ: 0";
}

void TestProgram::extendedDiagnosis()
{
    QFETCH(QString, locale);
    QFETCH(QString, mainClicks);
    QFETCH(QString, formula);
    QFETCH(QString, severityClicks);
    QFETCH(QString, segmentClicks);
    QFETCH(QString, tail);
    QLocale::setDefault(QLocale(locale));

    Form1 &main = app::form<Form1>();
    testing::clickAll(main, mainClicks);
    // The reset leaves no date behind its text.
    const QString ceap = formula == "CEAP=" ? formula : formula + dateOf(main);
    QCOMPARE(text(main, "Text1"), ceap);

    Form5 &segments = walkToSegments(severityClicks);
    testing::clickAll(segments, segmentClicks);
    QCOMPARE(text(segments, "TextALL_CEAP"), ceap + tail);
    QVERIFY(testing::messages().isEmpty());
}

void TestProgram::newExaminationStartsEmpty()
{
    Form1 &first = app::form<Form1>();
    testing::clickAll(first, "Check1 Chk_En Option12 Command1");
    Form5 &segments = walkToSegments("OptionEdema2 CommandVCSS");
    testing::clickAll(segments, "CheckPV_O OptionVDS_3 CommandSegment");
    testing::click(testing::control<QAbstractButton>(segments, "CmdNewExam"));
    testing::settle();

    QCOMPARE(testing::endCount(), 0);
    QVERIFY(!app::isLoaded<Form4>());
    QVERIFY(!app::isLoaded<Form5>());
    Form1 &main = app::form<Form1>();
    QVERIFY(main.isVisible());
    QCOMPARE(text(main, "Text1"), QString("CEAP ="));
    QCOMPARE(dateOf(main), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    // Nothing of the previous patient reaches the new formula, score or segment text.
    testing::clickAll(main, "Command1");
    QCOMPARE(text(main, "Text1"), "C EA" + dateOf(main));
    Form5 &fresh = walkToSegments("");
    QCOMPARE(text(app::form<Form4>(), "TextVCSS"), QString("Тяжесть="));
    testing::clickAll(fresh, "CommandSegment CommandCEAP");
    QCOMPARE(text(fresh, "TextALL_CEAP"), QString("ПОЛНЫЙ ДИАГНОЗ ПО CEAP ="));
    QCOMPARE(testing::messages(),
             QStringList({"Пожалуйста, рассчитайте данные для клинической шкалы!"}));
    testing::clickAll(app::form<Form4>(), "CommandVCSS");
    testing::clickAll(fresh, "CommandSegment CommandCEAP");
    QCOMPARE(text(fresh, "TextALL_CEAP"),
             "C EA" + dateOf(main) +
                 "; ТЯЖЕСТЬ: 0; РЕФЛЮКС: 0 ОБСТРУКЦИЯ: 0; НЕТРУДОСПОСОБНОСТЬ: 0");
}

void TestProgram::closedMainWindowIsReloadedByTheExtendedDiagnosis()
{
    Form5 &segments = walkToSegments("CommandVCSS");
    app::form<Form1>().close();
    testing::settle();
    QVERIFY(!app::isLoaded<Form1>());
    testing::clickAll(segments, "CommandSegment CommandCEAP");
    QCOMPARE(testing::messages(), QStringList({"Пожалуйста, рассчитайте CEAP!"}));
    QVERIFY(app::isLoaded<Form1>());
    QVERIFY(app::form<Form1>().isVisible());
    QCOMPARE(testing::endCount(), 0);
}

void TestProgram::exitEndsTheProgram()
{
    testing::control<QAction>(app::form<Form1>(), "Help")->trigger();
    testing::control<QAction>(app::form<Form1>(), "about")->trigger();
    Form5 &segments = walkToSegments("");
    testing::click(testing::control<QAbstractButton>(segments, "CommandExitAll"));
    testing::settle();
    QCOMPARE(testing::endCount(), 1);
    for (auto id : {app::WindowId::Main, app::WindowId::About, app::WindowId::Help,
                    app::WindowId::Severity, app::WindowId::Segments})
        QVERIFY(!app::loadedWindow(id));
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
