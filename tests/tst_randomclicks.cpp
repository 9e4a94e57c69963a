// A long seeded run of random user actions over every window on screen, checking after each
// action that the program's rules still hold. A failure prints the seed and the last actions, so
// the case can be replayed:
//   FLEBIKA_RANDOM_SEED=seed FLEBIKA_RANDOM_ACTIONS=count tst_randomclicks
#include "app/application.h"
#include "app/buttons.h"
#include "app/controls.h"
#include "app/windows.h"
#include "info_windows/form2.h"
#include "info_windows/form3.h"
#include "main_window/form1.h"
#include "segment_score/form5.h"
#include "severity_score/form4.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <span>

#include <dlfcn.h>
#include <link.h>

using app::WindowId;

namespace {

// Every message the windows may show in normal use. The browser's failure is not among them:
// the stand-in browser is always there.
// C0, An and Pn refuse a choice and reset the main window; En only unticks Ec, Ep and Es.
const QStringList knownMessages = {
    "Ошибка! Нельзя одновременно вводить C0 (признаков венозного заболевания) и указывать "
    "клинический класс!",
    "Ошибка! Нельзя одновременно вводить En (нет данных за венозную этиологию) и указывать "
    "этиологию!",
    "Ошибка! Нельзя одновременно вводить An (нет изменений венозной системы) и указывать "
    "поражённый сегмент!",
    "Ошибка! Нельзя одновременно вводить Pn (нет нарушения венозного оттока) и указывать "
    "поражённый сегмент!",
    "Ошибка! Необходимо обозначить хотя бы один анатомический сегмент",
    "Пожалуйста, рассчитайте шкалу сегментов поражения венозной системы!",
    "Пожалуйста, рассчитайте данные для клинической шкалы!",
    "Пожалуйста, рассчитайте CEAP!",
};

const WindowId windowOrder[] = {WindowId::Main, WindowId::Severity, WindowId::Segments,
                                WindowId::About, WindowId::Help};

const char *windowName(WindowId id)
{
    switch (id) {
    case WindowId::Main:
        return "Form1";
    case WindowId::About:
        return "Form2";
    case WindowId::Help:
        return "Form3";
    case WindowId::Severity:
        return "Form4";
    case WindowId::Segments:
        return "Form5";
    }
    return "?";
}

QWidget *shownWindow(WindowId id)
{
    QWidget *window = app::loadedWindow(id);
    return window && window->isVisible() ? window : nullptr;
}

int shownCount()
{
    int count = 0;
    for (WindowId id : windowOrder)
        count += shownWindow(id) != nullptr;
    return count;
}

int intFromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

struct Action {
    QString text; // how the failure report names it: "Form1 click Check5"
    std::function<void()> run;
    // The option group (the container of the option) that a click or an arrow key acts on.
    QPointer<QWidget> group = nullptr;
    // "Очистить" of the main window: every box unticked and every option deselected after it.
    bool resetsMainWindow = false;
};

// The selected options of every option group of the windows on screen, by group. A group is the
// option buttons that share one container: a frame, or the window itself.
using Selections = std::map<QWidget *, QStringList>;

Selections selections()
{
    Selections groups;
    for (WindowId id : windowOrder)
        if (QWidget *window = shownWindow(id))
            for (QRadioButton *option : window->findChildren<QRadioButton *>()) {
                QStringList &selected = groups[option->parentWidget()];
                if (app::selected(option))
                    selected << option->objectName();
            }
    return groups;
}

// The messages after which the main window resets itself.
bool endsInReset(const QStringList &shown)
{
    return std::any_of(shown.begin(), shown.end(), [](const QString &text) {
        const int kind = knownMessages.indexOf(text);
        return kind == 0 || kind == 2 || kind == 3;
    });
}

// The last actions, for the failure report and for a sanitizer's report of a crash.
std::deque<QString> history;
quint32 runningSeed = 0;
int runningIndex = 0;

QString historyText()
{
    QString text = QString("replay with FLEBIKA_RANDOM_SEED=%1 FLEBIKA_RANDOM_ACTIONS=%2; the "
                           "last %3 actions, oldest first:\n")
                       .arg(runningSeed)
                       .arg(runningIndex)
                       .arg(history.size());
    for (const QString &line : history)
        text += "  " + line + '\n';
    return text;
}

void printHistory()
{
    fprintf(stderr, "%s", qPrintable(historyText()));
}

// Has every sanitizer runtime in the process print the history when it reports an error. The
// address and the undefined behaviour sanitizers are separate libraries, each with its own
// copy of the hook, so each is found and set.
void printHistoryOnSanitizerReport()
{
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *) {
            const QByteArray name = info->dlpi_name;
            if (!name.contains("/libasan.") && !name.contains("/libubsan."))
                return 0;
            if (void *library = dlopen(name.constData(), RTLD_LAZY | RTLD_NOLOAD)) {
                using SetCallback = void (*)(void (*)());
                if (auto set = reinterpret_cast<SetCallback>(
                        dlsym(library, "__sanitizer_set_death_callback")))
                    set(printHistory);
                dlclose(library);
            }
            return 0;
        },
        nullptr);
}

} // namespace

class TestRandomClicks : public QObject {
    Q_OBJECT
    QTemporaryDir m_browserDir;
    QByteArray m_path;

    QRandomGenerator m_random;
    int m_linkClicks = 0;
    int m_runs = 0;
    std::array<int, 8> m_messageCounts{};

    int pick(int count) { return int(m_random.bounded(quint32(count))); }

    // The controls a user can click on a window on screen: enabled, visible check boxes, option
    // buttons and buttons ("Выйти" aside), and the click-sensitive labels, pictures and boxes.
    void addControls(WindowId id, QWidget *window, std::vector<Action> &actions)
    {
        const QString prefix = QString(windowName(id)) + " click ";
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            const bool kind = qobject_cast<QCheckBox *>(button) ||
                              qobject_cast<QRadioButton *>(button) ||
                              qobject_cast<QPushButton *>(button);
            if (!kind || !button->isVisible() || !button->isEnabled() ||
                button->objectName() == "CommandExitAll")
                continue;
            const bool option = qobject_cast<QRadioButton *>(button);
            actions.push_back({prefix + button->objectName(), [button] { testing::click(button); },
                               option ? button->parentWidget() : nullptr,
                               id == WindowId::Main && button->objectName() == "Command2"});
        }
        const auto addClickable = [&](QWidget *widget) {
            if (!widget->isVisible() || !widget->isEnabled())
                return;
            const bool link = widget->objectName() == "Label18" ||
                              widget->objectName() == "Image3" || widget->objectName() == "Text3";
            actions.push_back({prefix + widget->objectName(), [this, widget, link] {
                                   m_linkClicks += link;
                                   testing::click(widget);
                               }});
        };
        for (ClickLabel *label : window->findChildren<ClickLabel *>())
            addClickable(label);
        for (ClickLineEdit *box : window->findChildren<ClickLineEdit *>())
            addClickable(box);
    }

    // One random action: mostly a click on any control of the windows on screen, sometimes an
    // arrow key on an option, a menu command of the main window or a window's close box.
    Action nextAction()
    {
        std::vector<WindowId> shown;
        for (WindowId id : windowOrder)
            if (shownWindow(id))
                shown.push_back(id);
        const int roll = pick(100);
        if (roll < 2) {
            const WindowId id = shown[pick(int(shown.size()))];
            QWidget *window = shownWindow(id);
            return {QString(windowName(id)) + " close box", [window] { window->close(); }};
        }
        if (roll < 10) {
            std::vector<QRadioButton *> options;
            for (WindowId id : shown)
                for (QRadioButton *option : shownWindow(id)->findChildren<QRadioButton *>())
                    if (option->isVisible() && option->isEnabled())
                        options.push_back(option);
            if (!options.empty()) {
                static const std::pair<Qt::Key, const char *> keys[] = {{Qt::Key_Up, "Up"},
                                                                        {Qt::Key_Down, "Down"},
                                                                        {Qt::Key_Left, "Left"},
                                                                        {Qt::Key_Right, "Right"}};
                QRadioButton *option = options[pick(int(options.size()))];
                const auto [key, name] = keys[pick(4)];
                return {QString("%1 key %2 on %3")
                            .arg(option->window()->objectName(), name, option->objectName()),
                        [option, key] {
                            option->window()->activateWindow();
                            QVERIFY(QTest::qWaitForWindowActive(option->window()));
                            option->setFocus();
                            QTest::keyClick(option, key);
                        },
                        option->parentWidget()};
            }
        }
        if (roll < 14 && shownWindow(WindowId::Main)) {
            static const char *const commands[] = {"SuperCeap", "Help", "about"};
            const char *name = commands[pick(3)];
            QAction *command = shownWindow(WindowId::Main)->findChild<QAction *>(name);
            return {QString("Form1 menu ") + name, [command] { command->trigger(); }};
        }
        std::vector<Action> actions;
        for (WindowId id : shown)
            addControls(id, shownWindow(id), actions);
        if (actions.empty()) { // not expected: every window has a control to click
            QWidget *window = shownWindow(shown.front());
            return {QString(windowName(shown.front())) + " close box",
                    [window] { window->close(); }};
        }
        return actions[pick(int(actions.size()))];
    }

    // The rules that must hold between any two actions; an empty text when they all do.
    static QString brokenRule()
    {
        for (const QString &text : testing::messages())
            if (!knownMessages.contains(text))
                return "unexpected message: " + text;

        const int shown = shownCount();
        if (shown > 0 && testing::endCount() != 0)
            return "the program ended with a window on screen";
        if (shown == 0 && testing::endCount() != 1)
            return QString("no window on screen, and the program ended %1 times")
                .arg(testing::endCount());
        if (shown == 0) {
            for (WindowId id : windowOrder)
                if (app::loadedWindow(id))
                    return QString("%1 still loaded after the end").arg(windowName(id));
            return {};
        }

        if (QWidget *main = app::loadedWindow(WindowId::Main))
            if (QString broken = mainWindowRule(*main); !broken.isEmpty())
                return broken;
        if (QWidget *severity = app::loadedWindow(WindowId::Severity)) {
            const QString score = testing::control<QLineEdit>(*severity, "TextVCSS")->text();
            bool number = false;
            const int value = score.toInt(&number);
            if (score != "Тяжесть=" &&
                !(number && value >= 0 && value <= 30 && QString::number(value) == score))
                return "TextVCSS holds " + score;
        }
        return {};
    }

    static QString mainWindowRule(QWidget &window)
    {
        const auto box = [&](const char *name) {
            return testing::control<QCheckBox>(window, name);
        };
        const auto option = [&](const char *name) {
            return testing::control<QRadioButton>(window, name);
        };

        const QString formula = testing::control<QLineEdit>(window, "Text1")->text();
        const bool ascii =
            std::all_of(formula.begin(), formula.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (formula != "CEAP =" && formula != "CEAP=" && !(formula.startsWith("C ") && ascii))
            return "Text1 holds " + formula;

        // C0 ticked: the other clinical classes and C4 are disabled and none is chosen.
        const bool c0 = app::value(box("Check1")) == 1;
        for (const char *name :
             {"Check2", "Check3", "Check4", "Check6", "Check7", "Frame5", "Option14", "Option15"})
            if (testing::control<QWidget>(window, name)->isEnabled() == c0)
                return QString("C0 %1 but %2 %3")
                    .arg(c0 ? "ticked" : "unticked", name, c0 ? "enabled" : "disabled");
        if (c0) {
            for (const char *name : {"Check2", "Check3", "Check4", "Check6", "Check7"})
                if (app::value(box(name)) != 0)
                    return QString("C0 ticked together with %1").arg(name);
            if (app::selected(option("Option14")) || app::selected(option("Option15")))
                return "C0 ticked together with C4";
        }

        // En ticked: Ec, Ep and Es are disabled and unticked.
        const bool en = app::value(box("Chk_En")) == 1;
        for (const char *name : {"Chk_Ec", "Chk_Ep", "Chk_Es"}) {
            if (box(name)->isEnabled() == en)
                return QString("En %1 but %2 %3")
                    .arg(en ? "ticked" : "unticked", name, en ? "enabled" : "disabled");
            if (en && app::value(box(name)) != 0)
                return QString("En ticked together with %1").arg(name);
        }

        // An ticked: every segment box is disabled and no segment 2 to 18 is ticked. Segment 1
        // is locked by An alone; segments 2 to 18 by An or Pn.
        static const char *const segments[] = {
            "Check8",  "Check9",  "Check11", "Check12", "Check13", "Check15",
            "Check16", "Check17", "Check18", "Check19", "Check20", "Check21",
            "Check22", "Check23", "Check24", "Check25", "Check27", "Check28"};
        const bool an = app::value(box("Check5")) == 1;
        const bool pn = app::selected(option("Option10"));
        if (box("Check8")->isEnabled() == an)
            return QString("An %1 but Check8 %2")
                .arg(an ? "ticked" : "unticked", an ? "enabled" : "disabled");
        for (const char *name : std::span(segments).subspan(1)) {
            if (an && box(name)->isEnabled())
                return QString("An ticked but %1 enabled").arg(name);
            if (an && app::value(box(name)) != 0)
                return QString("An ticked together with %1").arg(name);
            if (!an && !pn && !box(name)->isEnabled())
                return QString("%1 disabled with neither An nor Pn chosen").arg(name);
        }

        // Pn selected exactly while the other flow types are disabled.
        for (const char *name : {"Option7", "Option8", "Option9"})
            if (option(name)->isEnabled() == pn)
                return QString("Pn %1 but %2 %3")
                    .arg(pn ? "selected" : "not selected", name, pn ? "enabled" : "disabled");
        return {};
    }

    // At most one selected option in every group, and an action on one group leaves the others
    // as they were, unless it was refused and reset the main window.
    static QString groupRule(const Action &action, const Selections &before)
    {
        const Selections after = selections();
        for (const auto &[group, selected] : after)
            if (selected.size() > 1)
                return "one group has " + selected.join(" and ") + " selected";
        if (!action.group || endsInReset(testing::messages()))
            return {};
        for (const auto &[group, selected] : before) {
            const auto now = after.find(group);
            if (group != action.group && now != after.end() && now->second != selected)
                return QString("%1 changed the selection %2 to %3")
                    .arg(action.text, selected.join(' '), now->second.join(' '));
        }
        return {};
    }

    // "Очистить" leaves no box ticked and no option selected anywhere in the main window.
    static QString resetRule(const Action &action)
    {
        QWidget *main = shownWindow(WindowId::Main);
        if (!main || !(action.resetsMainWindow || endsInReset(testing::messages())))
            return {};
        for (QAbstractButton *button : main->findChildren<QAbstractButton *>())
            if ((qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button)) &&
                button->isChecked())
                return button->objectName() + " still chosen after the reset";
        return {};
    }

    // Runs one action, lets its queued work finish and checks the rules.
    void step(const Action &action, int index)
    {
        runningIndex = index;
        history.push_back(QString("%1: %2").arg(index).arg(action.text));
        if (history.size() > 20)
            history.pop_front();
        const Selections before = selections();
        action.run();
        testing::settle();
        QString broken = brokenRule();
        if (broken.isEmpty())
            broken = groupRule(action, before);
        if (broken.isEmpty())
            broken = resetRule(action);
        if (!broken.isEmpty()) {
            printHistory();
            QFAIL(qPrintable(
                QString("after action %1 (%2): %3").arg(index).arg(action.text, broken)));
        }
        for (const QString &text : testing::messages())
            ++m_messageCounts[knownMessages.indexOf(text)];
        testing::messages().clear();
    }

    int linesLogged() const
    {
        QFile log(m_browserDir.filePath("log"));
        return log.open(QIODevice::ReadOnly) ? int(log.readAll().count('\n')) : 0;
    }

private slots:
    void initTestCase()
    {
        testing::setUpProgram();
        // A stand-in for a Chromium browser that notes each start and ends at once. It is the
        // only program on PATH, so no real browser can start.
        QFile browser(m_browserDir.filePath("chromium"));
        QVERIFY(browser.open(QIODevice::WriteOnly));
        browser.write(QString("#!/bin/sh\necho started >> '%1'\n")
                          .arg(m_browserDir.filePath("log"))
                          .toUtf8());
        browser.close();
        browser.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_path = qgetenv("PATH");
        qputenv("PATH", m_browserDir.path().toUtf8());
        printHistoryOnSanitizerReport();
    }
    void cleanupTestCase()
    {
        qputenv("PATH", m_path);
    }

    // Closing the last window on screen ends the program, as it does for a user: that
    // ends the run, and a new run starts the program afresh. "Выйти" is the very last action.
    void randomActions()
    {
        const int count = intFromEnvironment("FLEBIKA_RANDOM_ACTIONS", 3000);
        runningSeed = quint32(intFromEnvironment("FLEBIKA_RANDOM_SEED", 20240611));
        m_random.seed(runningSeed);
        history.clear();
        QElapsedTimer clock;
        clock.start();

        testing::resetProgram();
        app::start();
        testing::settle();
        m_runs = 1;
        for (int i = 1; i <= count; ++i) {
            step(nextAction(), i);
            if (QTest::currentTestFailed())
                return;
            if (shownCount() == 0) {
                testing::resetProgram();
                app::start();
                testing::settle();
                ++m_runs;
            }
        }

        // The way to "Выйти": the severity window's "Далее" from the main window's menu.
        int index = count;
        if (!shownWindow(WindowId::Segments) && !shownWindow(WindowId::Severity) &&
            shownWindow(WindowId::Main)) {
            step({"Form1 menu SuperCeap",
                  [] {
                      app::loadedWindow(WindowId::Main)
                          ->findChild<QAction *>("SuperCeap")
                          ->trigger();
                  }},
                 ++index);
        }
        if (!shownWindow(WindowId::Segments) && shownWindow(WindowId::Severity)) {
            step({"Form4 click CommandDalshe",
                  [] {
                      testing::click(testing::control<QAbstractButton>(
                          *app::loadedWindow(WindowId::Severity), "CommandDalshe"));
                  }},
                 ++index);
        }
        if (!shownWindow(WindowId::Segments)) // only the about or help window is left
            step({"show Form5", [] { app::show<Form5>(); }}, ++index);
        if (QTest::currentTestFailed())
            return;

        testing::click(testing::control<QAbstractButton>(*app::loadedWindow(WindowId::Segments),
                                                         "CommandExitAll"));
        testing::settle();
        QCOMPARE(testing::endCount(), 1);
        for (WindowId id : windowOrder)
            QVERIFY(!app::loadedWindow(id));
        // Every link click started the stand-in browser once.
        QTRY_COMPARE_WITH_TIMEOUT(linesLogged(), m_linkClicks, 10000);
        QStringList shown;
        for (int n : m_messageCounts)
            shown << QString::number(n);
        qInfo("seed %u: %d actions in %d runs, %d link clicks, messages shown by kind %s, %.1f s",
              runningSeed, count, m_runs, m_linkClicks, qPrintable(shown.join(' ')),
              clock.elapsed() / 1000.0);
    }
};

QTEST_MAIN(TestRandomClicks)
#include "tst_randomclicks.moc"
