// The baseline: a bare Qt window with one label, ending at its first paint.
#include "bench/firstpaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.installEventFilter(new FirstPaint(&application));
    QLabel window("Flebika");
    window.resize(959, 600);
    window.show();
    return application.exec();
}
