// The geometry windows' layout tables and their window density.
#include "core/geometry/FlatBlankTable.h"
#include "core/geometry/GeometryNumbers.h"
#include "core/geometry/SolidTable.h"
#include "core/geometry/WindowDensity.h"
#include "core/materials/MaterialCatalogue.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace tolvex::geometry;

class tst_GeometryTables : public QObject
{
    Q_OBJECT
private slots:
    void blankCounts();
    void blankNamesUnique();
    void blankLabelsOfKeyTable_data();
    void blankLabelsOfKeyTable();
    void solidCounts();
    void sketchesExist();
    void densityByMaterialAndAlloy();
    void densityTyped_data();
    void densityTyped();
    void wholeNumbers_data();
    void wholeNumbers();
};

void tst_GeometryTables::blankCounts()
{
    const auto& variants = blankVariants();
    QCOMPARE(int(variants.size()), BlankCount);
    QCOMPARE(int(blankTabs().size()), 10);
    QCOMPARE(int(blankOuterTabs().size()), 4);
    int fields = 0;
    QList<int> perTab(10, 0);
    for (int i = 0; i < BlankCount; ++i) {
        const BlankVariant& v = variants[std::size_t(i)];
        QCOMPARE(int(v.kind), i);
        fields += int(v.inputs.size());
        QCOMPARE(v.inputs.back().caption, QStringLiteral("Толщина металла:"));
        ++perTab[v.tab];
        QCOMPARE(v.radioItem.isEmpty(), blankTabs()[std::size_t(v.tab)].radioGroup.isEmpty());
    }
    QCOMPARE(fields, 67);
    QCOMPARE(perTab, (QList<int>{3, 2, 1, 3, 3, 2, 1, 3, 1, 1}));
    QCOMPARE(variants.front().routine, QStringLiteral("treug_proizv1"));
    QCOMPARE(variants.back().inputs.size(), std::size_t(4));
}

void tst_GeometryTables::blankNamesUnique()
{
    QSet<QString> names;
    int count = 0;
    auto add = [&](const QString& name) {
        names.insert(name);
        ++count;
    };
    for (const BlankVariant& v : blankVariants()) {
        for (const BlankInput& in : v.inputs) {
            add(in.labelName);
            add(in.fieldName);
        }
        add(v.areaLine);
        add(v.weightLine);
        add(v.panelName);
    }
    for (const BlankTab& t : blankTabs()) {
        add(t.sheetName);
        add(t.computeButton);
        add(t.clearButton);
    }
    QCOMPARE(names.size(), count);
    QCOMPARE(count, 67 * 2 + 40 + 20 + 30);
}

void tst_GeometryTables::blankLabelsOfKeyTable_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels"); // the language key table's targets
    QTest::newRow("LNG_36") << "Высота, h:" << QStringList{"Label2",  "Label25", "Label36",
                                                           "Label52", "Label74", "Label69"};
    QTest::newRow("LNG_183") << "Сторона, а:" << QStringList{"Label12", "Label7",  "Label24",
                                                             "Label19", "Label40", "Label35"};
    QTest::newRow("LNG_183 with blank") << "Сторона , а:" << QStringList{"Label58", "Label53"};
    QTest::newRow("LNG_184") << "Сторона, b:"
                             << QStringList{"Label13", "Label8", "Label20", "Label41"};
    QTest::newRow("LNG_200") << "Угол:" << QStringList{"Label48", "Label42", "Label59",
                                                       "Label81", "Label86", "Label92"};
    QTest::newRow("LNG_225") << "Радиус, R:"
                             << QStringList{"Label80", "Label97", "Label85", "Label91"};
    QTest::newRow("LNG_52") << "Диаметр, D:" << QStringList{"Label106", "Label102"};
    QTest::newRow("LNG_188") << "Толщина металла:"
                             << QStringList{"Label17",  "Label18", "Label4",  "Label26",
                                            "Label21",  "Label32", "Label49", "Label43",
                                            "Label38",  "Label64", "Label57", "Label54",
                                            "Label75",  "Label70", "Label82", "Label108",
                                            "Label103", "Label98", "Label87", "Label93"};
}

void tst_GeometryTables::blankLabelsOfKeyTable()
{
    QFETCH(QString, caption);
    QFETCH(QStringList, labels);
    QStringList found;
    for (const BlankVariant& v : blankVariants())
        for (const BlankInput& in : v.inputs)
            if (in.caption == caption)
                found << in.labelName;
    found.sort();
    labels.sort();
    QCOMPARE(found, labels);
}

void tst_GeometryTables::solidCounts()
{
    const auto& pages = solidPages();
    QCOMPARE(int(pages.size()), SolidCount);
    QCOMPARE(int(solidOuterTabs().size()), 6);
    QCOMPARE(int(solidResultLines().size()), 4);
    int fields = 0;
    QSet<QString> names;
    for (int i = 0; i < SolidCount; ++i) {
        QCOMPARE(int(pages[std::size_t(i)].kind), i);
        for (const SolidInput& in : pages[std::size_t(i)].inputs) {
            names << in.labelName << in.fieldName;
            ++fields;
        }
    }
    QCOMPARE(fields, 37);
    QCOMPARE(names.size(), 74);
    QCOMPARE(pages.back().inputs.back().labelName, QStringLiteral("Label46"));
    QCOMPARE(solidResultLines()[2].caption, QStringLiteral("Объём тела составляет, куб.м: "));
}

void tst_GeometryTables::sketchesExist()
{
    QStringList paths;
    for (const BlankVariant& v : blankVariants())
        paths << v.sketch;
    for (const SolidPage& p : solidPages())
        paths << p.sketch;
    QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), 32);
    for (QString path : paths) {
        path.replace(QStringLiteral(":/"), QStringLiteral(TOLVEX_SOURCE_DIR "/resources/"));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QVERIFY2(file.readAll().contains("<svg"), qPrintable(path));
    }
}

void tst_GeometryTables::densityByMaterialAndAlloy()
{
    using tolvex::materials::materialIndexOf;
    WindowDensity d;
    QCOMPARE(d.density(), 0.0);
    QVERIFY(!d.alloyBoxVisible());
    QCOMPARE(d.chooseMaterial(materialIndexOf(QStringLiteral("Сталь конструкционная - 7,85"))), -1);
    QCOMPARE(d.density(), 7.85);
    // A group entry opens the alloy box at its first alloy, the density waits.
    QCOMPARE(d.chooseMaterial(materialIndexOf(QStringLiteral("Латуни (из списка)"))), 56);
    QVERIFY(d.alloyBoxVisible());
    QCOMPARE(d.density(), 7.85);
    d.chooseAlloy(56);
    QCOMPARE(d.density(), 8.3);
    QCOMPARE(d.chooseMaterial(materialIndexOf(QStringLiteral("Цинковые сплавы (из списка)"))), 122);
    d.chooseAlloy(125);
    QCOMPARE(d.density(), 6.3);
    // An ordinary entry after a group keeps the alloy box visible.
    d.chooseMaterial(materialIndexOf(QStringLiteral("Медь - 8,96")));
    QCOMPARE(d.density(), 8.96);
    QVERIFY(d.alloyBoxVisible());
}

void tst_GeometryTables::densityTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("density");
    QTest::newRow("empty gives 0") << "" << true << 0.0;
    QTest::newRow("number") << "8,5" << true << 8.5;
    QTest::newRow("trailing separator") << "7," << true << 7.0;
    QTest::newRow("not a number keeps the value") << "Сталь" << false << 2.75;
    QTest::newRow("minus alone") << "-" << false << 2.75;
}

void tst_GeometryTables::densityTyped()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    WindowDensity d;
    d.chooseMaterial(0); // a group: the alloy box opens
    d.chooseAlloy(0);    // 2.75
    QCOMPARE(d.typeText(text), accepted);
    QTEST(d.density(), "density");
    QVERIFY(d.alloyBoxVisible()); // typing does not hide it
}

void tst_GeometryTables::wholeNumbers_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("grouped");
    QTest::newRow("small") << qint64(400) << "400";
    QTest::newRow("thousands") << qint64(10000) << "10\u00a0000";
    QTest::newRow("negative in parentheses") << qint64(-1500) << "(1\u00a0500)";
    QTest::newRow("zero") << qint64(0) << "0";
}

void tst_GeometryTables::wholeNumbers()
{
    QFETCH(qint64, value);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTEST(groupedWhole(value, russian), "grouped");
    QCOMPARE(readWhole(groupedWhole(value, russian), russian), value);
    QCOMPARE(readWhole(QString::number(value), russian), value);
}

QTEST_GUILESS_MAIN(tst_GeometryTables)
#include "tst_GeometryTables.moc"
