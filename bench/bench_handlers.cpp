// Times the click handling of the heaviest presses, in process, on the real windows.
//
// A press that can be repeated on the same state is timed with QBENCHMARK. The reset and the An
// conflict change the state they need, so each repetition first ticks everything again; only
// the press itself is timed, and the mean is handed to Qt Test as the benchmark's result.
//   FLEBIKA_BENCH_REPEATS  repetitions of those two (default 500)
#include "app/controls.h"
#include "app/windows.h"
#include "main_window/form1.h"
#include "segment_score/form5.h"
#include "severity_score/form4.h"
#include "tests/testsupport.h"

#include <QElapsedTimer>
#include <QTest>

#include <functional>

namespace {

const char *const clinicalAndEtiology[] = {"Check2", "Check3", "Check4", "Check6",
                                           "Check7", "Chk_Ec", "Chk_Ep", "Chk_Es"};
const char *const segments[] = {"Check8",  "Check9",  "Check11", "Check12", "Check13", "Check15",
                                "Check16", "Check17", "Check18", "Check19", "Check20", "Check21",
                                "Check22", "Check23", "Check24", "Check25", "Check27", "Check28"};

void press(QWidget &window, const char *name)
{
    testing::control<QAbstractButton>(window, name)->click();
}

Form1 &mainWindow()
{
    return app::form<Form1>();
}

// Everything that can be chosen together: every clinical class but C0, C4 b, symptoms, the three
// etiologies, all 18 segments, reflux over them and the third level. Not C0, En, An or Pn, which
// exclude the others.
void tickEverything()
{
    Form1 &window = mainWindow();
    for (const char *name : clinicalAndEtiology)
        press(window, name);
    for (const char *name : segments)
        press(window, name);
    for (const char *name : {"Option15", "Option1", "Option7", "Option13"})
        press(window, name);
}

int repeats()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("FLEBIKA_BENCH_REPEATS", &ok);
    return ok && value > 0 ? value : 500;
}

// The mean time of `timed` over the repetitions, each after its own `prepare`.
void timeEach(const std::function<void()> &prepare, const std::function<void()> &timed)
{
    const int count = repeats();
    qint64 nanoseconds = 0;
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        prepare();
        clock.start();
        timed();
        nanoseconds += clock.nsecsElapsed();
    }
    QTest::setBenchmarkResult(qreal(nanoseconds) / count / 1e6, QTest::WalltimeMilliseconds);
}

} // namespace

class BenchHandlers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::setUpProgram(); }
    void init()
    {
        testing::resetProgram();
        app::show<Form1>();
    }

    void calculateEverythingTicked()
    {
        tickEverything();
        QBENCHMARK
        {
            press(mainWindow(), "Command1");
        }
        QVERIFY(mainWindow().formulaText().startsWith("C 1,2,3,4b, 5,6,S, Ec, p, s, As, d, p, "));
        QVERIFY(testing::messages().isEmpty());
    }

    void resetEverythingTicked()
    {
        timeEach(tickEverything, [] { press(mainWindow(), "Command2"); });
        QCOMPARE(mainWindow().formulaText(), "CEAP=");
        QVERIFY(testing::messages().isEmpty());
    }

    void anConflict()
    {
        timeEach(
            [] {
                testing::messages().clear();
                tickEverything();
            },
            [] { press(mainWindow(), "Check5"); });
        QCOMPARE(testing::messages().size(), 2);
        QCOMPARE(mainWindow().formulaText(), "CEAP=");
    }

    void severityScore()
    {
        Form4 &window = app::form<Form4>();
        app::show<Form4>();
        for (const char *item : {"Pain", "Varic_veins", "Edema", "Skin_pig", "Inflam", "Induration",
                                 "NoUlcer", "AcUlcerDuration", "UlcerSize", "CompressTHer"})
            press(window, qPrintable(QString("Option%1%2").arg(item).arg(3)));
        QBENCHMARK
        {
            press(window, "CommandVCSS");
        }
        QCOMPARE(window.vcssText(), "30");
    }

    void segmentScore()
    {
        Form5 &window = app::form<Form5>();
        app::show<Form5>();
        for (QCheckBox *box : window.findChildren<QCheckBox *>())
            box->click();
        press(window, "OptionCVMult_R");
        QBENCHMARK
        {
            press(window, "CommandSegment");
        }
        QVERIFY(testing::control<QLineEdit>(window, "TextVSDS")->text().startsWith(" РЕФЛЮКС: "));
    }

    void fullCeap()
    {
        tickEverything();
        press(mainWindow(), "Command1");
        Form4 &severity = app::form<Form4>();
        press(severity, "CommandVCSS");
        Form5 &segment = app::form<Form5>();
        app::show<Form5>();
        for (QCheckBox *box : segment.findChildren<QCheckBox *>())
            box->click();
        press(segment, "CommandSegment");
        press(segment, "OptionVDS_3");
        QBENCHMARK
        {
            press(segment, "CommandCEAP");
        }
        QVERIFY(testing::messages().isEmpty());
        QVERIFY(testing::control<QLineEdit>(segment, "TextALL_CEAP")
                    ->text()
                    .endsWith("; НЕТРУДОСПОСОБНОСТЬ: 3"));
    }
};

QTEST_MAIN(BenchHandlers)
#include "bench_handlers.moc"
