#include "info_windows/browser.h"

#include "app/message.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#ifndef Q_OS_LINUX
#include <QDesktopServices>
#include <QUrl>
#endif

namespace
{

enum class Family { Chromium, Firefox, Opener };

struct Candidate {
    const char *name;
    Family family;
};

// Looked for on PATH in this order: a Chromium-family browser, Firefox, then the desktop's own
// opener, which takes nothing but the address.
constexpr Candidate candidates[] = {
    {"chromium", Family::Chromium},      {"chromium-browser", Family::Chromium},
    {"google-chrome", Family::Chromium}, {"google-chrome-stable", Family::Chromium},
    {"brave-browser", Family::Chromium}, {"microsoft-edge", Family::Chromium},
    {"firefox", Family::Firefox},        {"xdg-open", Family::Opener},
};

const char noBrowser[] = "Ошибка! Не удалось запустить веб-браузер.";

// The opener hands the address to the desktop's default browser and exits; only its exit status
// tells whether a page opened (it fails when no default browser is set). So it runs as a child
// that is watched but not waited for, and a failure it reports later is said then. The process
// belongs to the application, not to the window clicked, which may be closed in the meantime,
// and deletes itself once the opener has ended.
bool startWatched(const QString &program, const QStringList &arguments)
{
    auto *opener = new QProcess(qApp);
    // As with a detached start, the opener reads and writes the program's own terminal.
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setInputChannelMode(QProcess::ForwardedInputChannel);
    opener->start(program, arguments);
    // Returns as soon as the opener runs or has failed to start, as a detached start does.
    if (!opener->waitForStarted()) {
        delete opener;
        return false;
    }
    // Received by the application: its teardown drops the connection before it ends an opener
    // still running, so nothing is said then.
    QObject::connect(opener, &QProcess::finished, qApp,
                     [opener](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0)
                             app::message(noBrowser);
                     });
    return true;
}

} // namespace

bool Browser::setVisible(qint16 visible)
{
    if (visible != 1)
        return true;
    const bool sized = Width > 0 && Height > 0;
    for (const Candidate &candidate : candidates) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(candidate.name));
        if (program.isEmpty())
            continue;
        QStringList arguments;
        switch (candidate.family) {
        case Family::Chromium:
            arguments << "--new-window"
                      << "--window-position=" + QString::number(Left) + ',' + QString::number(Top);
            if (sized)
                arguments << "--window-size=" + QString::number(Width) + ',' +
                                 QString::number(Height);
            arguments << m_url;
            break;
        case Family::Firefox:
            // Firefox takes a size but no position.
            if (sized)
                arguments << "--width" << QString::number(Width) << "--height"
                          << QString::number(Height);
            arguments << "--new-window" << m_url;
            break;
        case Family::Opener:
            arguments << m_url;
            break;
        }
        // A browser that cannot be started (a broken install) gives way to the next one. A
        // browser proper may run for hours and is left to itself; the opener is watched.
        if (candidate.family == Family::Opener ? startWatched(program, arguments)
                                               : QProcess::startDetached(program, arguments))
            return true;
    }
#ifndef Q_OS_LINUX
    return QDesktopServices::openUrl(QUrl(m_url));
#else
    return false;
#endif
}

void openLink(const QString &url)
{
    Browser browser;
    browser.Navigate(url);
    browser.MenuBar = 1;
    browser.ToolBar = 1;
    browser.StatusBar = 1;
    browser.AddressBar = 1;
    browser.Left = 0;
    browser.Top = 0;
    browser.Width = 400;
    browser.Height = 400;
    if (!browser.setVisible(1))
        app::message(noBrowser);
}
