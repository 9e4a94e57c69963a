#include "app/texts.h"
#include "app/windows.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

using app::WindowId;

namespace
{

const QString vsdsMissing = "Пожалуйста, рассчитайте шкалу сегментов поражения венозной системы!";
const QString vcssMissing = "Пожалуйста, рассчитайте данные для клинической шкалы!";
const QString ceapMissing = "Пожалуйста, рассчитайте CEAP!";

QAbstractButton *button(WindowId id, const QString &name)
{
    return testing::control<QAbstractButton>(app::loadWindow(id), qPrintable(name));
}

QLineEdit *box(WindowId id, const char *name)
{
    return testing::control<QLineEdit>(app::loadWindow(id), name);
}

// Clicks a window's controls named in turn, separated by blanks.
void clickAll(WindowId id, const QString &names)
{
    testing::clickAll(app::loadWindow(id), names);
}

} // namespace

class TestSegments : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::setUpProgram(); }
    void init() { testing::resetProgram(); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void vsdsText_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("expected"); // under Russian; English has a point for the comma
        const QString zero = " РЕФЛЮКС: 0 ОБСТРУКЦИЯ: 0";
        QTest::newRow("nothing") << "CommandSegment" << zero;
        QTest::newRow("small saphenous") << "CheckSSV_R CommandSegment"
                                         << " РЕФЛЮКС: 0,5 ОБСТРУКЦИЯ: 0";
        QTest::newRow("both halves") << "CheckSSV_R CheckPV_Th_R CommandSegment"
                                     << " РЕФЛЮКС: 1 ОБСТРУКЦИЯ: 0";
        QTest::newRow("reflux and obstruction")
            << "CheckSSV_R CheckPV_R CheckPV_O CheckGSV_O CommandSegment"
            << " РЕФЛЮКС: 2,5 ОБСТРУКЦИЯ: 3";
        QTest::newRow("everything")
            << "CheckSSV_R CheckGSV_R CheckPV_Th_R CheckPV_C_R OptionCVMult_R CheckPV_R CheckSFV_R "
               "CheckPFV_R CheckCFV_R CheckGSV_O CheckCV_O CheckPV_O CheckSFV_O CheckPFV_O "
               "CheckCFV_O CheckIV_O CheckIVC_O CommandSegment"
            << " РЕФЛЮКС: 10 ОБСТРУКЦИЯ: 10";
        QTest::newRow("single calf vein wins") << "OptionCVMult_R OptionCVAlon_R CommandSegment"
                                               << " РЕФЛЮКС: 1 ОБСТРУКЦИЯ: 0";
        QTest::newRow("unticked counts nothing")
            << "CheckPV_R CheckCFV_O CommandSegment CheckPV_R CheckCFV_O CommandSegment" << zero;
        QTest::newRow("clear") << "CheckSSV_R CheckPV_O CommandSegment CommandVSDS_Clean"
                               << "REFLUX  0  OBSTRUCTION  0";
        QTest::newRow("clear zeroes every weight")
            << "CheckSSV_R OptionCVMult_R CheckPV_O CommandVSDS_Clean CommandSegment" << zero;
    }

    void vsdsText()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, expected);
        for (auto language : {QLocale::Russian, QLocale::English}) {
            testing::resetProgram();
            QLocale::setDefault(QLocale(language));
            app::showWindow(WindowId::Segments);
            clickAll(WindowId::Segments, clicks);
            QCOMPARE(box(WindowId::Segments, "TextVSDS")->text(),
                     language == QLocale::English ? QString(expected).replace(',', '.') : expected);
        }
    }

    void extendedDiagnosis_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("severity");
        QTest::addColumn<QString>("segments");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");
        const QString formula = "C 2,4a, S, Ep, As, p, Pr, 2,3,18, LII 09.12.2025";
        const QString initial = "ПОЛНЫЙ ДИАГНОЗ ПО CEAP =";
        QTest::newRow("nothing computed") << "CEAP ="
                                          << ""
                                          << "" << vsdsMissing << initial;
        QTest::newRow("severity missing") << formula << ""
                                          << "CommandSegment OptionVDS_1" << vcssMissing << initial;
        QTest::newRow("formula missing") << "CEAP ="
                                         << "CommandVCSS"
                                         << "CommandSegment" << ceapMissing << initial;
        QTest::newRow("worked example")
            << formula << "OptionPain3 OptionVaric_veins3 OptionEdema3 OptionSkin_pig3 CommandVCSS"
            << "CheckGSV_R CheckPV_R CheckPV_O CommandSegment OptionVDS_2" << QString()
            << formula + "; ТЯЖЕСТЬ: 12; РЕФЛЮКС: 3 ОБСТРУКЦИЯ: 2; НЕТРУДОСПОСОБНОСТЬ: 2";
        QTest::newRow("all reset")
            << "CEAP="
            << "CommandCleanTextVCSS"
            << "OptionVDS_3 CommandVSDS_Clean OptionVDS_0" << QString()
            << "CEAP=; ТЯЖЕСТЬ: 0;REFLUX  0  OBSTRUCTION  0; НЕТРУДОСПОСОБНОСТЬ: 0";
    }

    void extendedDiagnosis()
    {
        QFETCH(QString, formula);
        QFETCH(QString, severity);
        QFETCH(QString, segments);
        QFETCH(QString, message);
        QFETCH(QString, expected);
        // The main window's own builder fills its formula box; here it is set directly.
        box(WindowId::Main, "Text1")->setText(formula);
        clickAll(WindowId::Severity, severity);
        app::showWindow(WindowId::Segments);
        clickAll(WindowId::Segments, segments + " CommandCEAP CommandCEAP");
        // Each press shows one message at most; two presses in a row write the same text.
        QCOMPARE(testing::messages(), message.isNull() ? QStringList() : QStringList(2, message));
        QCOMPARE(box(WindowId::Segments, "TextALL_CEAP")->text(), expected);
    }

    void readingLoadsMissingWindows()
    {
        app::showWindow(WindowId::Segments);
        clickAll(WindowId::Segments, "CommandVSDS_Clean CommandCEAP");
        QWidget *severity = app::loadedWindow(WindowId::Severity);
        QVERIFY(severity && !severity->isVisible());
        QVERIFY(!app::loadedWindow(WindowId::Main));

        button(WindowId::Severity, "CommandCleanTextVCSS")->click();
        clickAll(WindowId::Segments, "CommandCEAP");
        QVERIFY(app::loadedWindow(WindowId::Main)->isVisible());
        QCOMPARE(testing::messages(), (QStringList{vcssMissing, ceapMissing}));
    }

    void newExaminationAndExit()
    {
        QStringList unloaded;
        for (auto id : {WindowId::Main, WindowId::About, WindowId::Help, WindowId::Severity,
                        WindowId::Segments}) {
            app::showWindow(id);
            connect(&app::loadWindow(id), &QObject::destroyed, this,
                    [&unloaded, id] { unloaded << QString::number(int(id)); });
        }
        clickAll(WindowId::Segments, "CheckPV_O OptionCVMult_R CommandSegment");
        clickAll(WindowId::Segments, "CmdNewExam");
        testing::settle();
        QCOMPARE(unloaded.join(' '), "0 1 2 3 4"); // main, about, help, severity, segmental
        QCOMPARE(testing::endCount(), 0);
        QVERIFY(app::loadedWindow(WindowId::Main)->isVisible());
        QCOMPARE(box(WindowId::Main, "Text2")->text(), app::todayText());

        // The weights of the previous examination went with its window.
        testing::control<QAction>(app::loadWindow(WindowId::Main), "SuperCeap")->trigger();
        clickAll(WindowId::Severity, "CommandDalshe");
        clickAll(WindowId::Segments, "CommandSegment");
        QCOMPARE(box(WindowId::Segments, "TextVSDS")->text(), " РЕФЛЮКС: 0 ОБСТРУКЦИЯ: 0");

        // "Выйти" unloads every window, and with none left the program ends.
        clickAll(WindowId::Segments, "CommandExitAll");
        testing::settle();
        QCOMPARE(testing::endCount(), 1);
        QVERIFY(!app::loadedWindow(WindowId::Main));
    }
};

QTEST_MAIN(TestSegments)
#include "tst_segments.moc"
