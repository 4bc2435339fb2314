// Time to render one result sheet: the painting of a channel sheet with a drawing on a
// 300 dpi A4 page image, and the whole print of the same sheet into a PDF file (what
// "Печать результатов" does with --print-to). Run by hand:
//   bench_resultSheet [runs] [sheet.pdf]
// (offscreen by default; with a file name it leaves the sheet there, and the sheet of
// a 40-line report beside it as sheet-long.pdf).

#include "ui/common/Drawings.h"
#include "ui/report/ResultSheet.h"
#include "ui/report/SheetPainter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

// The first run loads the fonts; the median is what every later print costs.
void report(const char* what, std::vector<double> ms)
{
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    std::printf("%-26s first %7.2f ms   median %6.2f ms   max %7.2f ms   (%zu runs)\n", what, first,
                ms[ms.size() / 2], ms.back(), ms.size());
}

std::vector<double> measure(int runs, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    Q_INIT_RESOURCE(tolvex);
    QTemporaryDir dir;
    const QString svg = tolvex::drawingPath(tolvex::Drawing::Channel);
    const tolvex::SheetContent content{
        QStringLiteral("Швеллер"),
        QStringLiteral("Расчетные данные и результат расчета: \r\n\r\n"
                       "Номер профиля швеллера 10П\r\n"
                       "при длине швеллера в 6 м.,\r\n"
                       "общий вес швеллера составляет: 51,54 кг."),
        svg};

    QImage page(2480, 3508, QImage::Format_RGB32); // A4 at 300 dpi
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white); // the page's memory, touched before the clock runs
    report("paint on a 300 dpi page", measure(runs, [&] {
               page.fill(Qt::white);
               QPainter painter(&page);
               tolvex::paintSheet(painter, content);
           }));

    // A report of 40 lines: the memo grows and the drawing moves down below it.
    tolvex::SheetContent longSheet = content;
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("Строка %1 из 40: сторона а= %1 мм.,").arg(i);
    longSheet.report = lines.join(QStringLiteral("\r\n"));
    report("paint a 40-line report", measure(runs, [&] {
               page.fill(Qt::white);
               QPainter painter(&page);
               tolvex::paintSheet(painter, longSheet);
           }));

    const QString pdf = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                 : QDir(dir.path()).filePath(QStringLiteral("sheet.pdf"));
    report("print into a PDF file", measure(runs, [&] {
               if (!tolvex::writeSheetPdf(content, pdf))
                   std::fprintf(stderr, "cannot write %s\n", qPrintable(pdf));
           }));
    if (argc > 2)
        tolvex::writeSheetPdf(longSheet, pdf.chopped(4) + QStringLiteral("-long.pdf"));
    return 0;
}
