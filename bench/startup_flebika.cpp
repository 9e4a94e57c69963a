// The program's start-up as main.cpp does it, ending at the main window's first paint.
#include "app/application.h"
#include "bench/firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.installEventFilter(new FirstPaint(&application));
    app::initialise();
    app::start();
    return application.exec();
}
