#include "app/message.h"

#include <QMessageBox>

namespace app {

namespace {
std::function<void(const QString &)> &hook()
{
    static std::function<void(const QString &)> instance;
    return instance;
}
} // namespace

void message(const QString &text)
{
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, "Flebika", text, QMessageBox::Ok);
    box.exec();
}

void setMessageHook(std::function<void(const QString &)> newHook)
{
    hook() = std::move(newHook);
}

} // namespace app
