#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>

// Reports the first paint of a window on standard output and ends the process, so that a
// harness can time a program's start-up up to the moment the user sees its window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QObject *parent) : QObject(parent) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            std::puts("painted");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }
};
