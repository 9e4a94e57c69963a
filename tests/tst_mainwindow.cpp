#include "app/controls.h"
#include "app/message.h"
#include "app/texts.h"
#include "app/windows.h"
#include "main_window/form1.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString C0 = QStringLiteral("Ошибка! Нельзя одновременно вводить C0 (признаков венозного "
                                  "заболевания) и указывать клинический класс!");
const QString En = QStringLiteral("Ошибка! Нельзя одновременно вводить En (нет данных за "
                                  "венозную этиологию) и указывать этиологию!");
const QString An = QStringLiteral("Ошибка! Нельзя одновременно вводить An (нет изменений "
                                  "венозной системы) и указывать поражённый сегмент!");
const QString Pn = QStringLiteral("Ошибка! Нельзя одновременно вводить Pn (нет нарушения "
                                  "венозного оттока) и указывать поражённый сегмент!");
const QString NoSegment =
    QStringLiteral("Ошибка! Необходимо обозначить хотя бы один анатомический сегмент");

const QStringList segmentBoxes = {"Check8",  "Check9",  "Check11", "Check12", "Check13", "Check15",
                                  "Check16", "Check17", "Check18", "Check19", "Check20", "Check21",
                                  "Check22", "Check23", "Check24", "Check25", "Check27", "Check28"};

QStringList steps(const QString &text)
{
    return text.split(' ', Qt::SkipEmptyParts);
}

void sequence(const char *name, const char *clicks, const char *text, QStringList shown = {})
{
    QTest::newRow(name) << QString(clicks) << QString(text) << shown;
}

void states(const char *name, const char *clicks, QStringList disabled, QStringList checked)
{
    QTest::newRow(name) << QString(clicks) << disabled << checked;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::setUpProgram(); }
    void init() { testing::resetProgram(); }

    void clickSequences_data();
    void clickSequences();
    void controlStates_data();
    void controlStates();
    void optionGroups_data();
    void optionGroups();
    void flowTypeExample();
    void reloadStartsFresh();

private:
    static Form1 &window() { return app::form<Form1>(); }
    static QString formula() { return testing::control<QLineEdit>(window(), "Text1")->text(); }
    static QString withDate(QString text)
    {
        return text.replace("{date}", testing::control<QLineEdit>(window(), "Text2")->text());
    }

    // Clicks the named controls as a user does; "set:Name" ticks a box by code instead, and
    // "key:Up" (Down, Left, Right) presses an arrow key on the control that has the focus.
    static void run(const QString &clicks)
    {
        static const QHash<QString, Qt::Key> keys = {{"Up", Qt::Key_Up},
                                                     {"Down", Qt::Key_Down},
                                                     {"Left", Qt::Key_Left},
                                                     {"Right", Qt::Key_Right}};
        for (const QString &name : steps(clicks)) {
            if (name.startsWith("key:"))
                QTest::keyClick(QApplication::focusWidget(), keys.value(name.mid(4)));
            else if (name.startsWith("set:"))
                app::setValue(
                    testing::control<QCheckBox>(window(), name.mid(4).toLatin1().constData()), 1);
            else
                testing::click(
                    testing::control<QAbstractButton>(window(), name.toLatin1().constData()));
        }
    }
};

void TestMainWindow::clickSequences_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("shown");

    sequence("nothing chosen", "Command1", "C EA{date}");
    for (int n = 1; n <= 18; ++n)
        QTest::addRow("segment %d", n) << segmentBoxes[n - 1] + " Option7 Command1"
                                       << QString("C EA%1Pr, %2,{date}")
                                              .arg(n <= 5    ? "s, "
                                                   : n <= 16 ? "d, "
                                                             : "p, ")
                                              .arg(n)
                                       << QStringList();
    sequence("example 1",
             "Check3 Option14 Option1 Chk_Ep Check9 Check11 Check28 Option7 Option12 Command1",
             "C 2,4a, S, Ep, As, p, Pr, 2,3,18, LII {date}");
    sequence("example 2",
             "Check3 Option14 Option1 Chk_Ep Check9 Check11 Check28 Option7 Option12 Command1 "
             "Check9 Check11 Check28 Check20 Check22 Option8 Command1",
             "C 2,4a, S, Ep, As, d, p, Pr, 2,3,18,Po, 11,13, LII {date}");
    sequence("example 3", "Check1 Option2 Chk_En Check5 Option10 Option11 Command1",
             "C 0,A, En, An, Pn,  LI {date}");

    // Flow types pressed one after the other stand in the order Pr, Po, Pr,o.
    sequence("Po pressed, then Pr", "Check20 Option8 Command1 Check20 Check9 Option7 Command1",
             "C EAs, d, Pr, 2,Po, 11,{date}");
    sequence("Pr,o pressed, then Po", "Check13 Option9 Command1 Check13 Check15 Option8 Command1",
             "C EAs, d, Po, 6,Pr,o 5,{date}");
    sequence("segments changed between presses", "Check9 Option7 Command1 Check9 Check20 Command1",
             "C EAs, d, Pr, 11,{date}");

    // Perforators count for the test for a segment but are not listed by Po and Pr,o.
    sequence("segment 17 with Po", "Check27 Option8 Command1", "C EAp, Po, {date}");
    sequence("stale 18 lets Po through", "Check28 Check28 Option8 Command1", "C EAPo, {date}");
    sequence("stale 18 cleared by Pr", "Check28 Check28 Option7 Option8 Command1", "C EA{date}",
             {NoSegment, NoSegment});

    sequence("C1 ticked and unticked", "Check2 Check2 Command1", "C EA{date}");
    sequence("C0 unticked does not count", "Check1 Check1 Check3 Command1", "C 2,EA{date}");
    sequence("click on a class locked by C0", "Check1 Check3 Command1", "C 0,EA{date}");
    sequence("C0 conflict with C4 b, then press", "Option15 Check1 Command1", "C EA{date}", {C0});
    sequence("C4 b chosen again after S", "Option15 Option1 Option14 Option15 Check9 Command1",
             "C 4b, S, EAs, {date}");
    sequence("last option of a group wins",
             "Option2 Option1 Option12 Option11 Option14 Option15 Command1",
             "C 4b, S, EA LI {date}");

    sequence("En conflict at click", "Chk_Ec Chk_Ep Chk_En Command1", "C En, A{date}", {En});
    sequence("En conflict at press", "Chk_En set:Chk_Ec set:Chk_Ep set:Chk_Es Command1",
             "C En, A{date}", {En, En, En});
    sequence("En unticked", "Chk_En Chk_En Command1", "C EA{date}");

    sequence("An with segment 1 and Pr", "Check8 Option7 Check5 Command1", "C EAn, Pr, {date}");
    sequence("click on a segment locked by An", "Check5 Check9 Command1", "C EAn, {date}");
    sequence("An conflict, then press", "Check2 Check13 Check6 Chk_En Check5 Command1",
             "C EA{date}", {An, An});
    sequence("Pn conflict", "Check28 Option10", "CEAP=", {Pn});
    sequence("Pn keeps a stored Po", "Check8 Option8 Option10 Command1", "C EAs, Pn, Po, 1,{date}");
    sequence("Pn replaces Pr", "Check8 Option7 Option10 Command1", "C EAs, Pn, {date}");
    sequence("Pn, An ticked and unticked, then a segment",
             "Option10 Check5 Check5 Check9 Option7 Command1", "C EAs, Pn, {date}");

    sequence("reset", "Check3 Option10 Command2", "CEAP=");
    sequence("reset, then press",
             "Check2 Check6 Option14 Option1 Chk_En Check8 Option7 Check5 Option13 Command1 "
             "Command2 Command1",
             "C EA{date}");
}

void TestMainWindow::clickSequences()
{
    QFETCH(QString, clicks);
    QFETCH(QString, text);
    QFETCH(QStringList, shown);

    run(clicks);
    QCOMPARE(formula(), withDate(text));
    QCOMPARE(testing::messages(), shown);
}

void TestMainWindow::controlStates_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<QStringList>("checked");

    const QStringList flowTypes = {"Option7", "Option8", "Option9"};
    states("C0", "Check1",
           {"Check2", "Check3", "Check4", "Check6", "Check7", "Frame5", "Option14", "Option15"},
           {"Check1"});
    states("C0 conflict", "Check3 Option1 Check1", {}, {});
    states("En after Ep", "Chk_Ep Chk_En", {"Chk_Ec", "Chk_Ep", "Chk_Es"}, {"Chk_En"});
    states("An, then press", "Check8 Check5 Command1", segmentBoxes, {"Check5"});
    states("An conflict", "Check9 Option1 Check5", {}, {});
    states("Pn with segment 1", "Check8 Option10", segmentBoxes.mid(1) + flowTypes,
           {"Check8", "Option10"});
    states("Pn, An ticked and unticked", "Option10 Check5 Check5", flowTypes, {"Option10"});
    states("Pn conflict", "Check28 Option10", {}, {});
    states("refused flow type", "Check9 Option8 Check9 Option7", {}, {});
    states("reset", "Check1 Chk_En Check8 Check5 Option10 Option2 Option11 Command2", {}, {});
}

void TestMainWindow::controlStates()
{
    QFETCH(QString, clicks);
    QFETCH(QStringList, disabled);
    QFETCH(QStringList, checked);

    run(clicks);
    QStringList disabledNow, checkedNow;
    for (QWidget *control : window().findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (!QRegularExpression("^(Check|Chk_|Option|Frame)").match(name).hasMatch())
            continue;
        if (!control->isEnabled())
            disabledNow << name;
        if (auto *button = qobject_cast<QAbstractButton *>(control); button && button->isChecked())
            checkedNow << name;
    }
    for (QStringList *names : {&disabledNow, &checkedNow, &disabled, &checked})
        names->sort();
    QCOMPARE(disabledNow, disabled);
    QCOMPARE(checkedNow, checked);
}

// Each frame's options and the window's own C4 pair are separate groups, by mouse and by the
// arrow keys, which move only within the group that has the focus.
void TestMainWindow::optionGroups_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("focus");

    const auto row = [](const char *name, const char *clicks, QStringList selected,
                        const char *focus = "") {
        QTest::newRow(name) << QString(clicks) << selected << QString(focus);
    };
    row("C4 a after S and b", "Option15 Option1 Option14", {"Option1", "Option14"});
    row("C4 b after S and a", "Option15 Option1 Option14 Option15", {"Option1", "Option15"});
    row("C4 after A", "Option2 Option14 Option15", {"Option2", "Option15"});
    row("C4 after level and flow type", "Check9 Option7 Option13 Option15 Option14",
        {"Option7", "Option13", "Option14"});
    row("every frame after C4", "Option14 Option1 Option12 Check9 Option8",
        {"Option1", "Option12", "Option14", "Option8"});
    row("Up from C4 b with S", "Option1 Option15 key:Up", {"Option1", "Option14"}, "Option14");
    row("Down stays in the C4 pair", "Option1 Option15 key:Up key:Down key:Down key:Down",
        {"Option1", "Option15"}, "Option15");
    row("Up stays in the C4 pair", "Option2 Option12 Option15 key:Up key:Up key:Left",
        {"Option2", "Option12", "Option14"}, "Option14");
    row("arrows in a frame leave C4", "Option14 Option1 Option11 key:Right",
        {"Option1", "Option13", "Option14"}, "Option13");
    row("reset after C4 and S", "Option15 Option1 Command2", {});
    row("C0 conflict after C4 and S", "Option1 Option14 Check1", {});
}

void TestMainWindow::optionGroups()
{
    QFETCH(QString, clicks);
    QFETCH(QStringList, selected);
    QFETCH(QString, focus);

    QVERIFY(QTest::qWaitForWindowActive(&window()));
    run(clicks);
    QStringList selectedNow;
    for (QRadioButton *option : window().findChildren<QRadioButton *>())
        if (app::selected(option))
            selectedNow << option->objectName();
    selectedNow.sort();
    selected.sort();
    QCOMPARE(selectedNow, selected);
    if (!focus.isEmpty())
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

// Stored flow type texts and stale segment codes within one load.
void TestMainWindow::flowTypeExample()
{
    Form1 &form = window();
    run("Check9 Check11 Check28 Option7");
    QCOMPARE(form.StrPatho_Pr, "Pr, 2,3,18,");

    run("Check9 Check11 Check28 Check20 Check22 Option8");
    QCOMPARE(form.StrSegmentsAll, "11,13,18,");
    QCOMPARE(form.StrPatho_Po, "Po, 11,13,");
    QCOMPARE(form.StrPatho_Pr, "Pr, 2,3,18,");

    // The stale "18," still counts for Pr,o, which lists segments up to 16 only.
    run("Check20 Check22 Option9");
    QVERIFY(testing::messages().isEmpty());
    QCOMPARE(form.StrPatho_Pro, "Pr,o ");
    QCOMPARE(form.StrPatho_Po, "Po, 11,13,");

    // Pr clears the stale code first and is refused.
    run("Option7");
    QCOMPARE(testing::messages(), QStringList{NoSegment});
    for (const char *option : {"Option7", "Option8", "Option9", "Option10"})
        QVERIFY(!app::selected(testing::control<QRadioButton>(form, option)));
    QCOMPARE(form.StrPatho_Pr, "Pr, 2,3,18,");

    run("Command1");
    QCOMPARE(formula(), withDate("C EAPr, 2,3,18,Po, 11,13,Pr,o {date}"));
}

// A new load of the window carries nothing of the previous examination.
void TestMainWindow::reloadStartsFresh()
{
    run("Check1 Option1 Chk_En Check27 Check27 Check8 Option9 Check5 Option10 Option12 Command1");
    QCOMPARE(formula(), withDate("C 0,S, En, An, Pn, Pr,o 1, LII {date}"));
    app::unload<Form1>();
    testing::settle();
    testing::messages().clear();

    QCOMPARE(formula(), "CEAP =");
    QCOMPARE(testing::control<QLineEdit>(window(), "Text2")->text(), app::todayText());
    run("Option8 Command1");
    QCOMPARE(testing::messages(), QStringList{NoSegment});
    QCOMPARE(formula(), "C EA" + app::todayText());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
