#include "app/windows.h"

#include "app/application.h"
#include "info_windows/form2.h"
#include "info_windows/form3.h"
#include "main_window/form1.h"
#include "segment_score/form5.h"
#include "severity_score/form4.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QScreen>

#include <array>

namespace app {

namespace {

constexpr int windowCount = 5;
std::array<QPointer<QWidget>, windowCount> &instances()
{
    static std::array<QPointer<QWidget>, windowCount> instances;
    return instances;
}
QPointer<QWidget> &slotOf(WindowId id) { return instances()[static_cast<int>(id)]; }

// The close box unloads the window and runs nothing else of the program.
class CloseBoxUnloads : public QObject {
public:
    CloseBoxUnloads(WindowId id, QObject *parent) : QObject(parent), m_id(id) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && watched == parent()) {
            event->ignore();
            unloadWindow(m_id);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    WindowId m_id;
};

QWidget *create(WindowId id)
{
    switch (id) {
    case WindowId::Main:
        return new Form1;
    case WindowId::About:
        return new Form2;
    case WindowId::Help:
        return new Form3;
    case WindowId::Severity:
        return new Form4;
    case WindowId::Segments:
        return new Form5;
    }
    return nullptr;
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

// Runs after the event that unloaded a window has been handled: with no window of the program
// left on screen, any that is loaded but hidden goes too, and the program ends.
void endIfNoWindowShows()
{
    for (const auto &window : instances())
        if (window && window->isVisible())
            return;
    for (auto &window : instances()) {
        if (window) {
            QWidget *gone = window;
            window.clear();
            gone->hide();
            gone->deleteLater();
        }
    }
    End();
}

void scheduleEndCheck()
{
    static bool pending = false;
    if (pending)
        return;
    pending = true;
    QMetaObject::invokeMethod(
        qApp,
        [] {
            pending = false;
            endIfNoWindowShows();
        },
        Qt::QueuedConnection);
}

} // namespace

QWidget *loadedWindow(WindowId id)
{
    return slotOf(id).data();
}

QWidget &loadWindow(WindowId id)
{
    QPointer<QWidget> &slot = slotOf(id);
    if (slot)
        return *slot;
    QWidget *window = create(id);
    slot = window;
    window->installEventFilter(new CloseBoxUnloads(id, window));
    centreOnScreen(window);
    if (id == WindowId::Main)
        static_cast<Form1 *>(window)->Form_Load();
    return *window;
}

void showWindow(WindowId id)
{
    QWidget &window = loadWindow(id);
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}

void unloadWindow(WindowId id)
{
    QPointer<QWidget> &slot = slotOf(id);
    if (!slot)
        return;
    QWidget *window = slot;
    slot.clear();
    window->hide();
    window->deleteLater();
    scheduleEndCheck();
}

} // namespace app
