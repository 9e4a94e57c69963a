#pragma once

#include <QAbstractButton>
#include <QString>
#include <QStringList>
#include <QWidget>

// Shared by the test executables: the program's set-up with message boxes and the program's
// end recorded instead of shown or acted on, and clicks made the way a user makes them.
namespace testing {

// Call from initTestCase(): sets up the application as the program does.
void setUpProgram();

// Unloads every window and forgets what was recorded; call from init() or cleanup().
void resetProgram();

// Texts of the messages shown since the last reset, in order.
QStringList &messages();
// How many times the program would have ended since the last reset.
int &endCount();

// Lets queued work run (deferred deletes, the check for the program's end).
void settle();

// A left click in the middle of a control, as a user makes it.
void click(QAbstractButton *control);
void click(QWidget *control);
// A left double-click in the middle of a control, through the window system as a user makes it:
// press, release, press, release, of which the control sees the second press as a double-click.
void doubleClick(QWidget *control);

// Clicks the controls of a window named in turn, separated by blanks.
void clickAll(QWidget &window, const QString &names);

// A control of a window by its name; fails the test if there is none.
template <class T> T *control(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace testing
