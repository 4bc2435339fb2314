// The printed result sheet as the user gets it: the page's texts in order, every line
// of a long report, the picture below the report, preview and print alike, and the
// boxes when the sheet can't be printed.
#include "StubWindowDirectory.h"
#include "TestSupport.h"
#include "core/app/LanguageState.h"
#include "ui/common/WindowContext.h"
#include "ui/report/ReportWindows.h"
#include "ui/report/ResultSheet.h"
#include "ui/report/SheetPainter.h"
#include "ui/report/TForm29.h"

#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvex;
using namespace tolvex::test;

namespace
{

const QString heading = QStringLiteral("Результат расчета.");
const QString footer = QStringLiteral("Данный расчет произведен в справочнике Tolvex версии 6.00");

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines in `lines` (trimmed, non-empty) appear in `text` in this order; else the
// first that does not.
QString firstMissing(const QString& text, const QStringList& lines)
{
    qsizetype from = 0;
    for (const QString& line : lines) {
        const QString wanted = line.trimmed();
        if (wanted.isEmpty())
            continue;
        const qsizetype at = text.indexOf(wanted, from);
        if (at < 0)
            return wanted;
        from = at + wanted.size();
    }
    return {};
}

// The first page of a PDF at `dpi`.
QImage pageImage(const QString& pdf, int dpi)
{
    const QString prefix = pdf + QStringLiteral(".page");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                     QStringLiteral("-r"), QString::number(dpi), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The first and the last row (mm from the paper's top) holding a pure red pixel.
std::pair<int, int> redRowsMm(const QImage& page, int dpi)
{
    int first = -1, last = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) == qRgb(255, 0, 0)) {
                last = int(y * 25.4 / dpi);
                first = first < 0 ? last : first;
                break;
            }
    return {first, last};
}

QString pipeReport()
{
    return QStringLiteral("Расчетные данные и результат расчета: \r\n\r\n"
                          "Материал трубы: Сталь конструкционная - 7,85\r\n"
                          "внешний диаметр трубы 57 мм.,\r\n"
                          "толщина стенки трубы 3,5 мм.,\r\n"
                          "при длине трубы в 1 м.,\r\n"
                          "общий вес трубы составит: 4,6178663 кг.\r\n"
                          "общая поверхность трубы составит: 0,3373 кв.м.");
}

QString longReport(int lines)
{
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text << QStringLiteral("Строка %1 из %2: сторона а= %1 мм.,").arg(i).arg(lines);
    return text.join(QStringLiteral("\r\n"));
}

} // namespace

class tst_resultSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void createdByFactory();
    void printedTexts_data();
    void printedTexts();
    void pictureBelowLongReport();
    void previewRightAfterStartMatchesPrint();
    void printFailures_data();
    void printFailures();

private:
    QTemporaryDir m_dir;
};

void tst_resultSheet::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils are not installed");
}

void tst_resultSheet::cleanup()
{
    setPrintTarget({});
}

void tst_resultSheet::createdByFactory()
{
    StubWindowDirectory windows;
    LanguageState language;
    std::unique_ptr<QWidget> window(createForm29({windows, language}));
    QVERIFY(qobject_cast<TForm29*>(window.get()));
    QCOMPARE(window->objectName(), QStringLiteral("Form29"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Итоги расчетов"));
}

void tst_resultSheet::printedTexts_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("report");

    QTest::newRow("sheet") << QStringLiteral("Квдратный прокат или лист")
                           << QStringLiteral("Расчетные данные и результат расчета: \r\n\r\n"
                                             "Материал трубы: Сталь конструкционная - 7,85\r\n"
                                             "Профиль: лист \r\n"
                                             "сторона а= 1000 мм.,\r\n"
                                             "сторона b= 2000 мм.,\r\n"
                                             "при толщине листа в 2 мм.,\r\n"
                                             "общий вес листа составит: 31,4 кг.");
    QTest::newRow("pipe with its surface") << QStringLiteral("Труба") << pipeReport();
    QTest::newRow("40 lines") << QStringLiteral("Швеллер") << longReport(40);
    QTest::newRow("80 lines, reduced") << QStringLiteral("Метизы") << longReport(80);
}

void tst_resultSheet::printedTexts()
{
    QFETCH(QString, title);
    QFETCH(QString, report);
    const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    setPrintTarget(pdf);
    TForm29 sheet;
    ModalWatcher watcher;
    printSheet(sheet, title, report, Drawing::Channel, nullptr);
    QVERIFY2(watcher.seen().isEmpty(), qPrintable(watcher.texts().join(u'|')));

    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QStringList expected =
        QStringList{heading, title} + report.split(QStringLiteral("\r\n")) + QStringList{footer};
    const QString missing = firstMissing(text, expected);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing or out of order: ") + missing));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    QVERIFY(size.hasMatch());
    QCOMPARE(qRound(size.captured(1).toDouble()), 595);
    QCOMPARE(qRound(size.captured(2).toDouble()), 842);
}

void tst_resultSheet::pictureBelowLongReport()
{
    // A drawing that fills its box: a red square.
    const QString svg = m_dir.filePath(QStringLiteral("square.svg"));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>"
               "<rect width='100' height='100' fill='#ff0000'/></svg>");
    file.close();
    const QString pdf = m_dir.filePath(QStringLiteral("picture.pdf"));
    QVERIFY(writeSheetPdf({QStringLiteral("Швеллер"), longReport(40), svg}, pdf));

    // A line of Arial 12 pt takes 12 × 1.149 (ascent, descent, leading) = 13.79 pt =
    // 4.865 mm, so 40 lines take the memo from 34.3 to 228.9 mm; the picture follows
    // 6.2 mm lower (235.1 mm) and ends 6.2 mm above the footer (282.0 mm).
    const auto [first, last] = redRowsMm(pageImage(pdf, 50), 50);
    QVERIFY2(qAbs(first - 235) <= 1 && qAbs(last - 275) <= 1,
             qPrintable(QStringLiteral("picture from %1 to %2 mm").arg(first).arg(last)));
}

void tst_resultSheet::previewRightAfterStartMatchesPrint()
{
    // A fresh panel's report box holds its design text; the preview shows it.
    const QString title = QStringLiteral("Прокат круглый");
    const QString report = QStringLiteral("Итог вычислений");
    const QString previewed = m_dir.filePath(QStringLiteral("previewed.pdf"));
    const QString printed = m_dir.filePath(QStringLiteral("printed.pdf"));
    TForm29 sheet;

    // The preview's own print goes, like every print of this run, into the target.
    setPrintTarget(previewed);
    bool previewSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        previewSeen = true;
        saveShot(dialog, QStringLiteral("sheetPreview"));
        dialog->findChild<QPrintPreviewWidget*>()->print();
        dialog->reject();
    });
    poll.start(50);
    previewSheet(sheet, title, report, Drawing::None, nullptr);
    poll.stop();
    QVERIFY(previewSeen);
    const QString text = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), previewed, QStringLiteral("-")});
    QVERIFY2(firstMissing(text, {heading, title, report, footer}).isEmpty(), qPrintable(text));

    setPrintTarget(printed);
    printSheet(sheet, title, report, Drawing::None, nullptr);
    const QImage a = pageImage(previewed, 60);
    const QImage b = pageImage(printed, 60);
    QVERIFY(!a.isNull());
    QCOMPARE(a.size(), b.size());
    QVERIFY(a == b);
}

void tst_resultSheet::printFailures_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");

    QTest::newRow("no printer") << QString() << QStringLiteral("Information")
                                << QStringLiteral("Принтер не найден.");
    QTest::newRow("unwritable target")
        << QStringLiteral("/nonexistent-folder/sheet.pdf") << QStringLiteral("Error")
        << QStringLiteral("Не удалось записать файл «/nonexistent-folder/sheet.pdf».");
}

void tst_resultSheet::printFailures()
{
    QFETCH(QString, target);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    if (target.isEmpty() && !QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer");
    setPrintTarget(target);
    TForm29 sheet;
    ModalWatcher watcher(QMessageBox::Cancel);
    printSheet(sheet, QStringLiteral("Труба"), pipeReport(), Drawing::None, nullptr);
    QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(watcher.seen().first().caption, caption);
    QVERIFY2(watcher.seen().first().text.startsWith(text), qPrintable(watcher.seen().first().text));
}

QTEST_MAIN(tst_resultSheet)
#include "tst_resultSheet.moc"
