#include "StubWindowDirectory.h"
#include "TestSupport.h"
#include "core/app/LanguageState.h"
#include "ui/common/ToolWindow.h"
#include "ui/common/WindowContext.h"
#include "ui/reference/PictureWindows.h"
#include "ui/reference/SvgPicture.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>
#include <memory>

using namespace tolvex;
using tolvex::test::StubWindowDirectory;

using Factory = QWidget* (*)(const WindowContext&);
Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(tolvex::Drawing)

namespace
{

// A table cell's text with its superscripts and subscripts written back as the
// Unicode characters the table's notation uses (LT⁻¹, м²).
QString cellText(const QTextTableCell& cell)
{
    static const QString plain = QStringLiteral("-0123456789");
    static const QString sup = QStringLiteral("⁻⁰¹²³⁴⁵⁶⁷⁸⁹");
    static const QString sub = QStringLiteral("aemv");
    QString text;
    for (auto block = cell.begin(); !block.atEnd(); ++block) {
        for (auto it = block.currentBlock().begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString piece = fragment.text();
            const auto align = fragment.charFormat().verticalAlignment();
            for (QChar& ch : piece) {
                if (align == QTextCharFormat::AlignSuperScript && plain.contains(ch))
                    ch = sup[plain.indexOf(ch)];
                else if (align == QTextCharFormat::AlignSubScript && sub.contains(ch))
                    ch = QStringLiteral("ₐₑₘᵥ")[sub.indexOf(ch)];
            }
            text += piece;
        }
    }
    return text;
}

} // namespace

class TstPictureWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sketchReplacesPictureAndCaption();
    void pictureWindows_data();
    void pictureWindows();
    void siTableReadBack_data();
    void siTableReadBack();
    void siKeepsScrollAndCopies();

private:
    StubWindowDirectory m_directory;
    LanguageState m_language;
    std::unique_ptr<QWidget> m_window;
};

void TstPictureWindows::init()
{
    m_directory = StubWindowDirectory();
}

void TstPictureWindows::cleanup()
{
    m_window.reset();
}

void TstPictureWindows::sketchReplacesPictureAndCaption()
{
    m_window.reset(createForm30({m_directory, m_language}));
    auto* sketch = qobject_cast<TForm30*>(m_window.get());
    QVERIFY(sketch);
    m_directory.put(WindowId::Form30, sketch);
    QCOMPARE(sketch->windowTitle(), QStringLiteral("Швеллер"));
    QVERIFY(!sketch->Image1->hasPicture());
    const int windows = QApplication::topLevelWidgets().size();

    const struct {
        Drawing drawing;
        const char* caption;
        const char* shot;
    } clicks[] = {{Drawing::Channel, "Швеллер", "Form30-channel"},
                  {Drawing::Rail, "Рельс", "Form30-rail"},
                  {Drawing::EqualAngle, "Уголок", "Form30-angle"},
                  {Drawing::UnequalAngle, "Уголок", "Form30-angle-unequal"},
                  {Drawing::IBeam, "Двутавр", "Form30-ibeam"}};
    for (const auto& click : clicks) {
        showSketch(m_directory, click.drawing, QString::fromUtf8(click.caption));
        QVERIFY(sketch->isVisible());
        QCOMPARE(sketch->windowTitle(), QString::fromUtf8(click.caption));
        QCOMPARE(sketch->Image1->drawing(), click.drawing);
        QVERIFY(sketch->Image1->hasPicture());
        // The window takes the drawing's own size.
        QCOMPARE(sketch->size(), sketch->Image1->sizeHint());
        test::saveShot(sketch, QString::fromUtf8(click.shot));
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QCOMPARE(m_directory.requests().size(), 5);
    for (const auto& request : m_directory.requests()) {
        QCOMPARE(request.id, WindowId::Form30);
        QCOMPARE(request.modality, Modality::Modeless);
    }
}

void TstPictureWindows::pictureWindows_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Drawing>("drawing");

    QTest::newRow("Form13") << &createForm13 << "Form13"
                            << "Лист рифленный" << QSize(557, 304) << Drawing::CheckerPlate;
    QTest::newRow("Form14") << &createForm14 << "Form14"
                            << "Арматура" << QSize(252, 211) << Drawing::Rebar;
    QTest::newRow("Prof_trub") << &createProf_trub << "Prof_trub"
                               << "Квадратная труба" << QSize(247, 233) << Drawing::SquareTube;
    QTest::newRow("Form25") << &createForm25 << "Form25"
                            << "Прямоугольная трубы" << QSize(300, 195) << Drawing::RectangularTube;
}

void TstPictureWindows::pictureWindows()
{
    QFETCH(Factory, factory);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(Drawing, drawing);

    m_window.reset(factory({m_directory, m_language}));
    m_window->show();
    QCOMPARE(m_window->objectName(), name);
    QCOMPARE(m_window->windowTitle(), caption);
    QCOMPARE(m_window->size(), size);
    auto* image = m_window->findChild<SvgPicture*>(QStringLiteral("Image1"));
    QVERIFY(image);
    QCOMPARE(image->drawing(), drawing);
    QVERIFY(image->hasPicture());
    test::saveShot(m_window.get(), name);
}

void TstPictureWindows::siTableReadBack_data()
{
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("length") << QStringList{"Длина", "L, l", "L", "метр", "м"};
    QTest::newRow("speed") << QStringList{"Скорость", "v, w, u", "LT⁻¹", "метр в секунду", "м/с"};
    QTest::newRow("pressure") << QStringList{"Давление", "p", "L⁻¹MT⁻²", "паскаль", "Па"};
    QTest::newRow("susceptibility")
        << QStringList{"Магнитная восприимчивость", "μ", "", "безразмерная величина", ""};
    QTest::newRow("illuminance") << QStringList{"Освещённость", "", "L⁻²J", "люкс", "лк"};
}

void TstPictureWindows::siTableReadBack()
{
    QFETCH(QStringList, cells);

    m_window.reset(createSI({m_directory, m_language}));
    qobject_cast<ToolWindow*>(m_window.get())->ensureBuilt(); // the table waits for a show
    QCOMPARE(m_window->objectName(), QStringLiteral("SI"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Еденицы международной системы СИ"));
    QCOMPARE(m_window->size(), QSize(696, 547));
    auto* browser = m_window->findChild<QTextBrowser*>(QStringLiteral("ScrollBox1"));
    QVERIFY(browser);
    QTextTable* table = nullptr;
    for (QTextFrame* frame : browser->document()->rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable*>(frame);
    QVERIFY(table);
    QCOMPARE(table->columns(), 5);

    // Two heading rows, then per section one title row spanning the table and its rows.
    QCOMPARE(cellText(table->cellAt(0, 0)), QStringLiteral("Величина"));
    QCOMPARE(cellText(table->cellAt(0, 3)), QStringLiteral("Единица"));
    int sections = 0;
    int matches = 0;
    QSet<QString> quantities;
    for (int r = 2; r < table->rows(); ++r) {
        if (table->cellAt(r, 0).columnSpan() == 5) {
            ++sections;
            continue;
        }
        QStringList row;
        for (int c = 0; c < 5; ++c)
            row << cellText(table->cellAt(r, c));
        QVERIFY2(!quantities.contains(row[0]), qPrintable(row[0]));
        quantities.insert(row[0]);
        if (row[0] == cells[0]) {
            ++matches;
            QCOMPARE(row, cells);
        }
    }
    QCOMPARE(sections, 8);
    QCOMPARE(quantities.size(), 92);
    QCOMPARE(matches, 1);
}

void TstPictureWindows::siKeepsScrollAndCopies()
{
    m_window.reset(createSI({m_directory, m_language}));
    m_window->show();
    auto* browser = m_window->findChild<QTextBrowser*>(QStringLiteral("ScrollBox1"));
    test::saveShot(m_window.get(), QStringLiteral("SI"));
    QScrollBar* bar = browser->verticalScrollBar();
    QVERIFY(bar->maximum() > 1000);
    bar->setValue(1000);
    m_window->hide();
    m_window->show();
    QCOMPARE(bar->value(), 1000);

    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(browser, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("Освещённость")));
}

QTEST_MAIN(TstPictureWindows)
#include "tst_pictureWindows.moc"
