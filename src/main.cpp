#include "app/startup.h"

#include <QApplication>

// tolvex [--screenshot FILE.png] [--window NAME]
//   --screenshot: start, save a picture of the main window (or of NAME) and quit.
//   --window: show the window with that objectName as well.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tolvex::startApplication(QCoreApplication::arguments());
    const int code = QApplication::exec();
    tolvex::stopApplication();
    return code;
}
