#include "app/application.h"

#include "app/windows.h"
#include "main_window/form1.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

// The pictures are compiled into a static library, whose registration nothing else pulls in.
static void registerResources()
{
    Q_INIT_RESOURCE(flebika);
}

namespace app {

namespace {
std::function<void()> &quitHook()
{
    static std::function<void()> hook = [] { QCoreApplication::exit(0); };
    return hook;
}
} // namespace

void initialise()
{
    registerResources();
    // The windows are drawn for an 8 pt "MS Sans Serif"; map it to a metric-compatible family.
    QFont::insertSubstitutions("MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "Arial"});
    QApplication::setApplicationName("Flebika");
    QApplication::setWindowIcon(QIcon(":/flebika/icon.png"));
    // Every text of the interface is Russian, Qt's own ones too (a text box's context menu).
    auto *translator = new QTranslator(qApp);
    if (translator->load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    // The program ends by its own rule (see windows.cpp), not when Qt sees the last window close.
    QApplication::setQuitOnLastWindowClosed(false);
}

void start()
{
    form<Form1>();
}

void End()
{
    quitHook()();
}

void setQuitHook(std::function<void()> hook)
{
    quitHook() = std::move(hook);
}

} // namespace app
