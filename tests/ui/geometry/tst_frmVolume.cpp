// The solids window and its two base dialogs as a user meets them.
#include "TestSupport.h"
#include "core/geometry/SolidTable.h"
#include "ui/common/NumericEdit.h"
#include "ui/geometry/BaseSidesDialog.h"
#include "ui/geometry/SketchView.h"
#include "ui/geometry/TfrmVolume.h"
#include "ui/geometry/WholeNumberEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tolvex;
using namespace tolvex::test;

class tst_frmVolume : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void created();
    void examples_data();
    void examples();
    void prismBaseTooLarge();
    void coneLeavesTotalEmpty();
    void segmentWithoutRadii();
    void clearAndClose();
    void densitySurvivesHiding();
    void baseDialogs_data();
    void baseDialogs();
    void baseDialogCancel();
    void badInput_data();
    void badInput();
    void nothingClipped();
    void wholeNumbersOnly_data();
    void wholeNumbersOnly();

private:
    template <typename T> T* get(const QString& name) const { return child<T>(m_window, name); }
    QStringList values() const
    {
        QStringList out;
        for (const char* name : {"Label6", "Label7", "Label8", "Label9"})
            out << get<QLabel>(QLatin1String(name))->text();
        return out;
    }
    void compute(geometry::Solid kind, const QStringList& texts)
    {
        const auto& page = geometry::solidPages()[std::size_t(kind)];
        m_window->showPage(page.outerPage, page.innerPage);
        for (int i = 0; i < texts.size(); ++i)
            get<QLineEdit>(page.inputs[std::size_t(i)].fieldName)->setText(texts[i]);
        QTest::mouseClick(get<QPushButton>(QStringLiteral("RzBitBtn1")), Qt::LeftButton);
    }
    void pickSteel() const
    {
        auto* box = get<QComboBox>(QStringLiteral("RzComboBox1"));
        pick(box, box->findText(QStringLiteral("Сталь конструкционная - 7,85")));
    }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<RunningProgram> m_program;
    TfrmVolume* m_window = nullptr;
};

Q_DECLARE_METATYPE(tolvex::geometry::Solid)

void tst_frmVolume::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_program = std::make_unique<RunningProgram>();
    m_window = qobject_cast<TfrmVolume*>(m_program->window(QStringLiteral("frmVolume")));
    QVERIFY(m_window);
}

void tst_frmVolume::cleanup()
{
    m_program.reset();
    m_folder.reset();
}

void tst_frmVolume::created()
{
    QVERIFY(m_window->isHidden());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Объёмные фигуры"));
    QCOMPARE(m_window->size(), QSize(475, 514));
    // "Шар", inner tab "Пояс".
    QCOMPARE(m_window->outerTabs()->currentIndex(), 4);
    QCOMPARE(m_window->innerTabs(4)->currentIndex(), 3);
    QCOMPARE(values(), QStringList(4, "0"));
    const auto fields = m_window->findChildren<NumericEdit*>();
    QCOMPARE(fields.size(), 37);
    for (NumericEdit* field : fields)
        QCOMPARE(field->text(), QStringLiteral("0"));
    QCOMPARE(get<QLabel>(QStringLiteral("Label4"))->text(),
             QStringLiteral("Объём тела составляет, куб.м: "));
    for (SketchView* sketch : m_window->findChildren<SketchView*>())
        QVERIFY2(sketch->isValid(), qPrintable(sketch->resourcePath()));
    QCOMPARE(m_window->findChildren<SketchView*>().size(), 12);
    QVERIFY(m_program->window(QStringLiteral("frmSquareCalc"))->isHidden());
    QCOMPARE(m_program->window(QStringLiteral("frmPerimetrCalc"))->windowTitle(),
             QStringLiteral("Вычисление периметра основания"));
}

void tst_frmVolume::examples_data()
{
    QTest::addColumn<geometry::Solid>("kind");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("lines");
    using geometry::Solid;
    QTest::newRow("prism") << Solid::Prizma << QStringList{"400", "10000", "100"}
                           << QStringList{"0,04", "0,06", "0,001", "7,85"};
    QTest::newRow("cylinder") << Solid::Cilindr << QStringList{"100", "200"}
                              << QStringList{"0,0628", "0,0785", "0,0015", "12,330"};
    QTest::newRow("sphere") << Solid::Shar << QStringList{"100"}
                            << QStringList{"", "0,0314", "0,0005", "4,1102"};
    QTest::newRow("pyramid") << Solid::Piramida << QStringList{"0", "0", "10000", "300"}
                             << QStringList{"0", "0,01", "0,001", "7,85"};
    QTest::newRow("torus") << Solid::Tor << QStringList{"20", "200"}
                           << QStringList{"0,0394", "", "0,0001", "1,5495"};
    QTest::newRow("sphere 50: 6,5449E-5 m³ below the exponent limit")
        << Solid::Shar << QStringList{"50"} << QStringList{"", "0,0078", "0,0000", "0,5137"};
}

void tst_frmVolume::examples()
{
    QFETCH(geometry::Solid, kind);
    QFETCH(QStringList, fields);
    pickSteel();
    compute(kind, fields);
    QTEST(values(), "lines");
}

void tst_frmVolume::prismBaseTooLarge()
{
    pickSteel();
    compute(geometry::Solid::Cilindr, {"100", "200"});
    ModalWatcher watcher;
    compute(geometry::Solid::Prizma, {"400", "10001", "100"});
    QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(watcher.seen().front().caption, QStringLiteral("Information"));
    QCOMPARE(watcher.texts().front(), QStringLiteral("При данном периметре, площадь основания \n\r"
                                                     " должна быть не более 10000 кв.мм."));
    QCOMPARE(values(), (QStringList{"0,0628", "0,0785", "0,0015", "12,330"}));
}

void tst_frmVolume::coneLeavesTotalEmpty()
{
    compute(geometry::Solid::Prizma, {"400", "10000", "100"});
    compute(geometry::Solid::Konus, {"10", "50"});
    QCOMPARE(values(), (QStringList{"0,0016", "", "5,2359E-6", "0"}));
}

void tst_frmVolume::segmentWithoutRadii()
{
    pickSteel();
    compute(geometry::Solid::Shar, {"100"});
    compute(geometry::Solid::SharSegment, {"0", "0", "10"});
    QCOMPARE(values(), (QStringList{"0", "", "", ""}));
}

void tst_frmVolume::clearAndClose()
{
    compute(geometry::Solid::Cilindr, {"100", "200"});
    QTest::mouseClick(get<QPushButton>(QStringLiteral("RzBitBtn2")), Qt::LeftButton);
    QCOMPARE(values(), QStringList(4, "0"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("RzNumericEdit14"))->text(), QStringLiteral("0"));
    compute(geometry::Solid::Cilindr, {"100", "200"});
    QTest::mouseClick(get<QPushButton>(QStringLiteral("RzBitBtn3")), Qt::LeftButton);
    QVERIFY(m_window->isHidden());
    QCOMPARE(values(), QStringList(4, "0"));
    // Selecting tabs clears nothing.
    compute(geometry::Solid::Cilindr, {"100", "200"});
    m_window->showPage(5, -1);
    QCOMPARE(values()[0], QStringLiteral("0,0628"));
}

void tst_frmVolume::densitySurvivesHiding()
{
    pickSteel();
    m_window->close();
    m_window->showPage(2, 0);
    QVERIFY(m_window->isVisible());
    compute(geometry::Solid::Cilindr, {"100", "200"});
    QCOMPARE(values()[3], QStringLiteral("12,330"));
}

void tst_frmVolume::baseDialogs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("area") << "RzBitBtn5"
                          << "frmSquareCalc";
    QTest::newRow("perimeter") << "RzBitBtn4"
                               << "frmPerimetrCalc";
}

void tst_frmVolume::baseDialogs()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    m_window->showPage(0, -1);
    QString seen, shown;
    QTimer::singleShot(50, [&] {
        auto* d = qobject_cast<BaseSidesDialog*>(QApplication::activeModalWidget());
        if (!d)
            return;
        seen = d->objectName();
        d->sideAField()->setValue(100);
        d->sideBField()->setValue(100);
        shown = d->sideAField()->text();
        d->findChild<QPushButton*>(QStringLiteral("RzBitBtn1"))->click();
    });
    QTest::mouseClick(get<QToolButton>(button), Qt::LeftButton);
    QCOMPARE(seen, dialog);
    QCOMPARE(shown, QStringLiteral("100"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("RzNumericEdit2"))->text(), QStringLiteral("10000"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("RzNumericEdit1"))->text(), QStringLiteral("400"));
}

void tst_frmVolume::baseDialogCancel()
{
    m_window->showPage(0, -1);
    auto* dialog =
        qobject_cast<BaseSidesDialog*>(m_program->window(QStringLiteral("frmSquareCalc")));
    QVERIFY(dialog);
    dialog->sideAField()->setValue(-1500);
    dialog->sideBField()->setValue(1234567);
    // Grouped, negative in parentheses, when not being edited.
    QCOMPARE(dialog->sideAField()->text(), QStringLiteral("(1\u00a0500)"));
    QCOMPARE(dialog->sideBField()->text(), QStringLiteral("1\u00a0234\u00a0567"));
    ModalWatcher watcher; // rejects the dialog
    QTest::mouseClick(get<QToolButton>(QStringLiteral("RzBitBtn5")), Qt::LeftButton);
    QCOMPARE(watcher.closedDialogs(), QStringList{"frmSquareCalc"});
    QCOMPARE(get<QLineEdit>(QStringLiteral("RzNumericEdit2"))->text(), QStringLiteral("0"));
    QCOMPARE(dialog->sideA(), 1500 * -1); // kept between uses
}

void tst_frmVolume::badInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("empty") << "";
    QTest::newRow("minus") << "-";
    QTest::newRow("garbage") << "x1";
    QTest::newRow("huge") << "9" + QString(63, '9');
    QTest::newRow("negative") << "-40";
}

void tst_frmVolume::badInput()
{
    QFETCH(QString, input);
    ModalWatcher watcher; // prism check and floating-point boxes
    pickSteel();
    for (const auto& page : geometry::solidPages()) {
        compute(page.kind, QStringList(int(page.inputs.size()), input));
        for (const QString& line : values()) {
            QVERIFY2(!line.contains("nan", Qt::CaseInsensitive), qPrintable(line));
            QVERIFY2(!line.contains("inf", Qt::CaseInsensitive), qPrintable(line));
        }
        if (input.isEmpty())
            QCOMPARE(get<QLineEdit>(page.inputs.front().fieldName)->text(), QStringLiteral("0"));
    }
}

void tst_frmVolume::nothingClipped()
{
    for (const auto& page : geometry::solidPages()) {
        m_window->showPage(page.outerPage, page.innerPage);
        for (const char* name : {"Label6", "Label7", "Label8", "Label9"})
            get<QLabel>(QLatin1String(name))->setText(QStringLiteral("1,2345"));
        QApplication::processEvents();
        const QStringList clipped = clippedWidgets(m_window);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
        saveShot(m_window, QStringLiteral("frmVolume_%1").arg(page.sheetName));
    }
}

// The base dialogs' fields take whole numbers only: a decimal separator is refused
// while typing, so "12,5" never becomes a silent 0.
void tst_frmVolume::wholeNumbersOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("value");
    QTest::newRow("12,5") << "12,5"
                          << "125" << qint64(125);
    QTest::newRow("12.5") << "12.5"
                          << "125" << qint64(125);
    QTest::newRow("1'000") << "1'000"
                           << "1000" << qint64(1000);
    QTest::newRow("-1500") << "-1500"
                           << "-1500" << qint64(-1500);
    QTest::newRow("10 000") << "10 000"
                            << "10 000" << qint64(10000);
}

void tst_frmVolume::wholeNumbersOnly()
{
    QFETCH(QString, typed);
    WholeNumberEdit edit(QStringLiteral("probe"));
    edit.show();
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, typed);
    QTEST(edit.text(), "shown");
    QTEST(edit.value(), "value");
}

QTEST_MAIN(tst_frmVolume)
#include "tst_frmVolume.moc"
