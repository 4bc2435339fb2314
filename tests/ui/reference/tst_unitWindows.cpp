#include "StubWindowDirectory.h"
#include "TestSupport.h"

#include "core/app/LanguageKeys.h"
#include "core/app/LanguageState.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/WindowContext.h"
#include "ui/reference/ConverterColumns.h"
#include "ui/reference/TForm26.h"
#include "ui/reference/UnitConverterWindow.h"
#include "ui/reference/UnitWindows.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using namespace tolvex;
using tolvex::test::ModalWatcher;

class TestUnitWindows : public QObject
{
    Q_OBJECT
private slots:
    void pressureConversion_data();
    void pressureConversion();
    void pressurePanes_data();
    void pressurePanes();
    void pressureChoiceResetsFields();
    void otherUnitRightAfterChoiceWritesZeros();
    void emptiedFieldIsReported();
    void converters_data();
    void converters();
    void windows_data();
    void windows();
    void languageTargets();

private:
    static void choose(ConverterColumns* c, int unit) { c->item(unit)->click(); }
    static void convert(ConverterColumns* c, int unit, const QString& value)
    {
        test::typeInto(c->field(unit), value);
        QTest::mouseClick(c->button(unit), Qt::LeftButton);
    }
};

void TestUnitWindows::pressureConversion_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mbar") << 1 << "2000";
    QTest::newRow("Па") << 2 << "200000";
    QTest::newRow("МПа") << 4 << "0,2";
    QTest::newRow("мм рт.ст.") << 8 << "1500,124";
    QTest::newRow("psi") << 11 << "29,00754";
    QTest::newRow("bar itself") << 0 << "2";
}

void TestUnitWindows::pressureConversion()
{
    QFETCH(int, field);
    QFETCH(QString, expected);
    TForm26 w;
    choose(w.columns(), 0);
    convert(w.columns(), 0, QStringLiteral("2"));
    QCOMPARE(w.columns()->field(field)->text(), expected);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    test::saveShot(&w, QStringLiteral("Form26-converted"));
}

void TestUnitWindows::pressurePanes_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("pane");
    QTest::addColumn<QString>("text");
    QTest::newRow("atm: mm Hg") << 7 << 8 << "760";
    QTest::newRow("atm: itself") << 7 << 7 << "1";
    QTest::newRow("mm H2O: bar") << 10 << 0 << "0,000098067";
}

void TestUnitWindows::pressurePanes()
{
    QFETCH(int, unit);
    QFETCH(int, pane);
    QFETCH(QString, text);
    TForm26 w;
    choose(w.columns(), unit);
    auto* label = w.findChild<QLabel*>(QStringLiteral("RzStatusPane%1").arg(pane + 1));
    QVERIFY(label);
    QCOMPARE(label->text(), text);
}

void TestUnitWindows::pressureChoiceResetsFields()
{
    TForm26 w;
    ConverterColumns* c = w.columns();
    choose(c, 0);
    convert(c, 0, QStringLiteral("2"));
    choose(c, 3);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(c->field(i)->text(), QStringLiteral("0"));
        QCOMPARE(c->field(i)->isReadOnly(), i != 3);
        const QPalette::ColorRole role = i == 3 ? QPalette::Base : QPalette::Button;
        QCOMPARE(c->field(i)->palette().color(QPalette::Base), w.palette().color(role));
    }
}

void TestUnitWindows::otherUnitRightAfterChoiceWritesZeros()
{
    TForm26 w;
    ConverterColumns* c = w.columns();
    choose(c, 0);
    convert(c, 0, QStringLiteral("2"));
    choose(c, 0);
    QTest::mouseClick(c->button(5), Qt::LeftButton);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(c->field(i)->text(), QStringLiteral("0"));
}

void TestUnitWindows::emptiedFieldIsReported()
{
    TForm26 w;
    ConverterColumns* c = w.columns();
    choose(c, 0);
    ModalWatcher watcher;
    convert(c, 0, QString());
    QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(watcher.seen().first().caption, QStringLiteral("Error"));
    QCOMPARE(c->field(1)->text(), QStringLiteral("0"));
}

void TestUnitWindows::converters_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");
    QTest::newRow("верста→метр") << "Form27"
                                 << "Верста"
                                 << "1"
                                 << "Метр"
                                 << "1066,8";
    QTest::newRow("верста→аршин") << "Form27"
                                  << "Верста"
                                  << "1"
                                  << "Аршин"
                                  << "1500";
    QTest::newRow("дюйм→мм") << "Form27"
                             << "Дюйм"
                             << "1"
                             << "Миллиметр"
                             << "25,4";
    QTest::newRow("пуд→кг") << "frmMassUnits"
                            << "Пуд"
                            << "2"
                            << "Килограмм"
                            << "32,7609928";
    QTest::newRow("акр→м²") << "frmAreaUnits"
                            << "Акр"
                            << "1"
                            << "Квадратный метр"
                            << "4046,8564224";
}

void TestUnitWindows::converters()
{
    QFETCH(QString, window);
    QFETCH(QString, from);
    QFETCH(QString, value);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    std::unique_ptr<UnitConverterWindow> w;
    if (window == QLatin1String("Form27"))
        w = std::make_unique<TForm27>();
    else if (window == QLatin1String("frmMassUnits"))
        w = std::make_unique<TfrmMassUnits>();
    else
        w = std::make_unique<TfrmAreaUnits>();
    QCOMPARE(w->objectName(), window);
    const int f = w->converter().indexOf(from);
    const int t = w->converter().indexOf(to);
    ConverterColumns* c = w->columns();
    choose(c, f);
    // The ratio column holds one chosen unit in every unit; its own row reads 1.
    QCOMPARE(c->ratioText(f), QStringLiteral("1"));
    QVERIFY(!c->field(f)->isReadOnly());
    QVERIFY(c->field(t)->isReadOnly());
    convert(c, f, value);
    QCOMPARE(c->field(t)->text(), expected);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    test::saveShot(w.get(), window + QStringLiteral("-converted"));
}

void TestUnitWindows::windows_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("rows");
    QTest::newRow("pressure") << 0 << "Form26"
                              << "Соотношение единиц давления" << 12;
    QTest::newRow("length") << 1 << "Form27"
                            << "Соотношения едениц длины" << 48;
    QTest::newRow("mass") << 2 << "frmMassUnits"
                          << "Соотношения едениц массы" << 18;
    QTest::newRow("area") << 3 << "frmAreaUnits"
                          << "Соотношения едениц площади" << 14;
}

// Each window from its factory: names, rows 20 pixels apart with each unit's field
// beside its name, nothing clipped; the long list scrolls.
void TestUnitWindows::windows()
{
    QFETCH(int, which);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, rows);
    test::StubWindowDirectory directory;
    LanguageState language;
    const WindowContext context{directory, language};
    using Factory = QWidget* (*)(const WindowContext&);
    const Factory factories[] = {createForm26, createForm27, createFrmMassUnits,
                                 createFrmAreaUnits};
    std::unique_ptr<QWidget> w(factories[which](context));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->objectName(), name);
    QCOMPARE(w->windowTitle(), caption);
    auto* group = w->findChild<QGroupBox*>(QStringLiteral("RzRadioGroup1"));
    QVERIFY(group);
    QCOMPARE(group->findChildren<QAbstractButton*>().size(), rows);
    QCOMPARE(w->findChild<QGroupBox*>(QStringLiteral("RzRadioGroup2"))->title(),
             QStringLiteral("Калькулятор"));
    QWidget* content = w.get();
    if (auto* scroll = w->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))) {
        content = scroll->widget();
        QVERIFY2(content->width() <= scroll->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2, min %3")
                                .arg(content->width())
                                .arg(scroll->viewport()->width())
                                .arg(content->minimumSizeHint().width())));
        QCOMPARE(scroll->verticalScrollBar()->maximum() > 0, rows > 20);
    }
    for (int i = 0; i < rows; ++i) {
        const QString n = QString::number(i + 1);
        auto* item =
            group->findChild<QAbstractButton*>(QStringLiteral("RzRadioGroup1_item%1").arg(i));
        auto* field = w->findChild<QLineEdit*>(QStringLiteral("RzNumericEdit") + n);
        auto* button = w->findChild<QPushButton*>(QStringLiteral("RzBitBtn") + n);
        QVERIFY(item && field && button);
        const int y = item->mapTo(content, QPoint(0, 0)).y();
        QVERIFY2(qAbs(field->mapTo(content, QPoint(0, 0)).y() - y) <= 1, qPrintable(n));
        if (i > 0) {
            auto* above = group->findChild<QAbstractButton*>(
                QStringLiteral("RzRadioGroup1_item%1").arg(i - 1));
            QCOMPARE(y - above->mapTo(content, QPoint(0, 0)).y(), 20);
        }
    }
    QCOMPARE(test::clippedWidgets(content), QStringList());
    if (name == QLatin1String("Form27"))
        QCOMPARE(w->size(), QSize(522, 492));
    test::saveShot(w.get(), name);
    if (auto* scroll = w->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))) {
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        test::saveShot(w.get(), name + QStringLiteral("-end"));
    }
}

// Every text the language key table names in the mass and area windows exists there
// and holds the table's built-in text.
void TestUnitWindows::languageTargets()
{
    TfrmMassUnits mass;
    TfrmAreaUnits area;
    mass.ensureBuilt(); // the controls wait for the first show
    area.ensureBuilt();
    int seen = 0;
    for (const language::Target& t : language::formTargets()) {
        QWidget* w = t.window == mass.objectName()   ? static_cast<QWidget*>(&mass)
                     : t.window == area.objectName() ? static_cast<QWidget*>(&area)
                                                     : nullptr;
        if (!w)
            continue;
        ++seen;
        QString text;
        if (t.kind == language::TextKind::Title)
            text = w->windowTitle();
        else if (t.kind == language::TextKind::Item)
            text = w->findChild<QGroupBox*>(t.control)
                       ->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)
                       .value(t.item)
                       ->text();
        else
            text = w->findChild<QGroupBox*>(t.control)->title();
        QVERIFY2(text == t.builtIn, qPrintable(t.id()));
    }
    QCOMPARE(seen, 2 + 18 + 2 + 14);
}

QTEST_MAIN(TestUnitWindows)
#include "tst_unitWindows.moc"
