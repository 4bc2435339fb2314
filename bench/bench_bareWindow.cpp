// A bare Qt window that starts, saves a picture of itself and quits: the yardstick
// for the program's own start (tools/bench-startup.py).
#include "ui/common/FirstPaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Qt"));
    window.resize(578, 476);
    window.show();
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bare.png");
    // As the program does: the picture as soon as the window has been painted.
    tolvex::afterFirstPaint(&window, [&] { QApplication::exit(window.grab().save(file) ? 0 : 1); });
    return QApplication::exec();
}
