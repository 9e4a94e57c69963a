#include "info_windows/browser.h"

#include "app/message.h"

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
        // A browser that cannot be started (a broken install) gives way to the next one.
        if (QProcess::startDetached(program, arguments))
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
        app::message("Ошибка! Не удалось запустить веб-браузер.");
}
