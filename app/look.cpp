#include "app/look.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace app {

namespace {

QColor colourNamed(const QString &name)
{
    const QPalette system = QApplication::palette();
    if (name.startsWith('#'))
        return QColor(name);
    if (name == "info")
        return system.color(QPalette::ToolTipBase);
    if (name == "highlight3d")
        return system.color(QPalette::Light);
    if (name == "window")
        return system.color(QPalette::Base);
    if (name == "activeTitle")
        return system.color(QPalette::Active, QPalette::Highlight);
    if (name == "desktop")
        return system.color(QPalette::Link);
    return system.color(QPalette::WindowText);
}

void applyTo(QWidget *widget)
{
    const QVariant background = widget->property("bg");
    const QVariant foreground = widget->property("fg");
    const QVariant points = widget->property("pt");
    if (background.isValid() || foreground.isValid()) {
        QPalette palette = widget->palette();
        if (background.isValid()) {
            const QColor colour = colourNamed(background.toString());
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                palette.setColor(role, colour);
            widget->setAutoFillBackground(true);
        }
        if (foreground.isValid()) {
            const QColor colour = colourNamed(foreground.toString());
            for (auto group : {QPalette::Active, QPalette::Inactive})
                for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                    palette.setColor(group, role, colour);
        }
        widget->setPalette(palette);
    }
    if (points.isValid()) {
        QFont font = widget->font();
        font.setPointSizeF(points.toDouble());
        widget->setFont(font);
    }
}

} // namespace

void applyLook(QWidget *window)
{
    applyTo(window);
    for (QWidget *child : window->findChildren<QWidget *>())
        applyTo(child);
}

void setUpWindow(QWidget *window, Frame frame)
{
    const Qt::WindowFlags common = Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowCloseButtonHint;
    window->setWindowFlags(frame == Frame::ToolWindow
                               ? Qt::Tool | common
                               : Qt::Window | common | Qt::WindowMinimizeButtonHint);
    applyLook(window);
}

} // namespace app
