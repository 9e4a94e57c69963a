#pragma once

#include <QString>
#include <QtGlobal>

// An outside web browser driven the way the links drive it: the page is asked for first, the
// window is set up property by property, and making it visible starts a new browser window.
// The program neither waits for the browser nor reads anything back from it; of the desktop's
// opener, which only hands the page on, it watches the exit status.
class Browser
{
public:
    void Navigate(const QString &url) { m_url = url; }

    // Bars of the new window (1 shown). A browser's new window shows them all of itself.
    qint16 MenuBar = 1;
    qint16 ToolBar = 1;
    qint16 StatusBar = 1;
    qint16 AddressBar = 1;
    // Place and size of the new window on the screen, in pixels; passed on where the browser
    // takes them on its command line.
    qint16 Left = 0;
    qint16 Top = 0;
    qint16 Width = 0;
    qint16 Height = 0;

    // Visible 1 starts a new browser window with the page, detached, and returns at once.
    // False when no browser could be started. When only the desktop's opener is found, its
    // exit status is watched, and a failure it reports later is said then.
    bool setVisible(qint16 visible);

private:
    QString m_url;
};

// Opens an address in a new browser window, 400 x 400 pixels at the screen's top left corner.
// With no browser to start it says so and goes on: the open windows stay as they are.
void openLink(const QString &url);
