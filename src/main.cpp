#include "ui/app/startup.h"

#include <QApplication>

// tolvex [--screenshot FILE.png] [--window NAME] [--group NAME]
//   --screenshot: start, save a picture of the main window (or of NAME) and quit.
//   --window: show the window with that objectName as well.
//   --group: open that group of the main window (gbProkat, gbTruba …) at start.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tolvex::startApplication(QCoreApplication::arguments());
    const int code = QApplication::exec();
    tolvex::stopApplication();
    return code;
}
