#include "ui/report/ResultSheet.h"

#include "core/report/SheetLayout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/report/SheetPainter.h"
#include "ui/report/TForm29.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>

namespace tolvex
{

namespace
{

QString& target()
{
    static QString path;
    return path;
}

void reportUnwritable(QWidget* owner, const QString& path)
{
    showError(owner,
              QStringLiteral("Не удалось записать файл «%1».").arg(QDir::toNativeSeparators(path)));
}

// No printer: say so instead of printing nothing, and offer the sheet as a PDF file.
void offerPdf(const SheetContent& content, QWidget* owner)
{
    if (!askOkCancel(owner, QStringLiteral("Принтер не найден.\nСохранить лист с итогами "
                                           "расчета в файл PDF?")))
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        owner, QStringLiteral("Сохранить итоги расчетов"),
        QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(sheetFileName(content.title)),
        QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && !writeSheetPdf(content, path))
        reportUnwritable(owner, path);
}

} // namespace

void setPrintTarget(const QString& pdfPath)
{
    // Relative to the folder the program was started in, whatever it does later.
    target() = pdfPath.isEmpty() ? QString() : QFileInfo(pdfPath).absoluteFilePath();
}

QString printTarget()
{
    return target();
}

bool writeSheetPdf(const SheetContent& content, const QString& pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    setUpSheetPrinter(printer, content.title);
    return printSheetOn(printer, content);
}

QString sheetFileName(const QString& title)
{
    static const QRegularExpression forbidden(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f]+)"));
    QString name = QString(title).replace(forbidden, QStringLiteral("_")).simplified();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QString::fromUtf8(report::sheet().caption);
    return name + QStringLiteral(".pdf");
}

void printSheet(TForm29& sheet, const QString& title, const QString& reportText, Drawing picture,
                QWidget* owner)
{
    sheet.fill(title, reportText, picture);
    const SheetContent content = sheet.content();
    if (!printTarget().isEmpty()) {
        if (!writeSheetPdf(content, printTarget()))
            reportUnwritable(owner, printTarget());
        return;
    }
    // The default printer; a system that names none but has one still prints.
    QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
        printerInfo = QPrinterInfo::availablePrinters().constFirst();
    if (printerInfo.isNull()) {
        offerPdf(content, owner);
        return;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    setUpSheetPrinter(printer, content.title);
    if (!printSheetOn(printer, content))
        showError(owner, QStringLiteral("Принтер «%1» не принял лист с итогами расчета.")
                             .arg(printerInfo.printerName()));
}

void previewSheet(TForm29& sheet, const QString& title, const QString& reportText, Drawing picture,
                  QWidget* owner)
{
    sheet.fill(title, reportText, picture);
    const SheetContent content = sheet.content();
    QPrinter printer(QPrinter::HighResolution);
    setUpSheetPrinter(printer, content.title);
    if (!printTarget().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTarget());
    }
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("sheetPreview"));
    dialog.setWindowModality(Qt::ApplicationModal);
    // Room for a readable page: most of the screen's height, a page's proportions.
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableSize() * 0.9;
        dialog.resize(std::min(room.width(), std::max(640, room.height() * 4 / 5)), room.height());
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&content](QPrinter* target) { printSheetOn(*target, content); });
    dialog.exec();
}

} // namespace tolvex
