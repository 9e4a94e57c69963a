#include "tests/testsupport.h"

#include "app/application.h"
#include "app/message.h"
#include "app/windows.h"

#include <QCoreApplication>
#include <QTest>

namespace testing {

QStringList &messages()
{
    static QStringList shown;
    return shown;
}

int &endCount()
{
    static int ends = 0;
    return ends;
}

void setUpProgram()
{
    // The headless platform warns about window operations it has no use for.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith("This plugin does not support"))
                previous(type, context, text);
        });
    app::initialise();
    app::setMessageHook([](const QString &text) { messages() << text; });
    app::setQuitHook([] { ++endCount(); });
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void resetProgram()
{
    for (auto id : {app::WindowId::Main, app::WindowId::About, app::WindowId::Help,
                    app::WindowId::Severity, app::WindowId::Segments})
        app::unloadWindow(id);
    settle();
    messages().clear();
    endCount() = 0;
}

void click(QAbstractButton *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void doubleClick(QWidget *control)
{
    QWidget *window = control->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       control->mapTo(window, control->rect().center()));
}

void clickAll(QWidget &window, const QString &names)
{
    for (const QString &name : names.split(' ', Qt::SkipEmptyParts))
        click(control<QWidget>(window, qPrintable(name)));
}

} // namespace testing
