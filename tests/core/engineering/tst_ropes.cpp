// Rope tables, the rope calculation, cross-section formulas and the assortment texts.
#include "core/common/NumberText.h"
#include "core/engineering/RopeAssortment.h"
#include "core/engineering/RopeCalculation.h"
#include "core/engineering/RopeSection.h"
#include "core/engineering/RopeTables.h"

#include <QTest>
#include <cmath>

using namespace tolvex;
using namespace tolvex::ropes;

namespace
{
const RopeRow& row(int table, const char* diameter)
{
    for (const RopeRow& r : ropeConstructions()[std::size_t(table)].rows)
        if (qstrcmp(r.diameter, diameter) == 0)
            return r;
    qFatal("no row %s", diameter);
}
constexpr std::optional<qint32> none = std::nullopt;
} // namespace

class tst_ropes : public QObject
{
    Q_OBJECT
private slots:
    void diameterLists_data();
    void diameterLists();
    void sourcedValues_data();
    void sourcedValues();
    void massPerArea();
    void forcesAscend();
    void ropeLines_data();
    void ropeLines();
    void sections_data();
    void sections();
    void assortment();
};

void tst_ropes::diameterLists_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("diameters");
    const char* lists[] = {
        "1.6, 1.7, 1.8, 2.0, 2.1, 2.4, 2.7, 2.8, 3.6, 4.2, 4.6, 5.0, 5.6, 6.4, 7.0, 7.8, 8.5, 9.2, "
        "9.9, 10.5, 11.5, 12.0, 12.5, 14.0, 15.5, 17.0, 18.5, 20.0, 21.0, 22.5, 24.0, 27.0",
        "3.6, 3.8, 4.1, 4.5, 4.8, 5.1, 5.6, 6.2, 6.9, 7.6, 8.3, 9.1, 9.9, 11, 12, 13, 14, 15, "
        "16.5, "
        "18, 19.5, 21, 22.5, 24, 25, 27, 28, 30.5, 32, 33.5, 37, 39.5, 42, 44.5, 47.5, 51, 56",
        "6.3, 6.7, 7.4, 8.1, 9.0, 9.7, 11.5, 13.5, 15.0, 16.5, 18.0, 20.0, 22.0, 23.5, 25.5, 27.0, "
        "29.0, 31.0, 33.0, 34.5, 36.5, 38.0, 39.5, 42.0, 43.0, 44.5, 46.5, 48.5, 50.5, 53.5, 56.0, "
        "58.5, 60.5, 63.0, 65.0, 68.0, 72.0",
        "5.9, 6.4, 7.2, 8.6, 10.5, 13.0, 14.5, 16.0, 17.5, 19.5, 21.0, 23.0, 25.0, 26.5, 28.0, "
        "30.0, 32.5, 35.5, 36.5, 39.0, 41.0, 42.0, 45.0, 49.0, 52.0, 57.0, 60.5, 61.5, 64.0, 68.0, "
        "72.0",
        "1.9, 2.0, 2.2, 2.4, 2.6, 2.8, 3.1, 3.5, 3.8, 4.2, 4.6, 5.6, 6.4, 7.4, 8.2, 9.2, 10.0, "
        "11.0, 12.0, 13.0, 14.0, 15.0, 15.5, 16.5, 18.5, 20.0, 22.0, 24.0, 26.0, 27.5",
        "2.2, 2.3, 2.5, 2.7, 2.9, 3.3, 3.7, 4.0, 4.9, 5.9, 6.8, 7.8, 8.7, 9.7, 10.5, 11.5, 12.5, "
        "13.5, 14.5, 15.5, 16.5, 17.5, 19.5, 21.0, 23.0, 25.5, 27.0, 29.0",
        "4.6, 5.1, 5.7, 6.4, 7.8, 8.8, 10.5, 11.5, 12.0, 13.0, 14.0, 15.0, 16.5, 17.5, 19.5, 20.5, "
        "22.0, 23.0, 25.5, 28.0, 30.5, 32.5, 35.0, 37.0, 39.0, 40.0, 41.0, 43.5, 45.0, 46.0",
        "8.1, 9.7, 11.5, 13.0, 14.5, 16.0, 17.5, 19.5, 21.0, 22.5, 24.0, 25.5, 27.5, 29.0, 32.0, "
        "35.5, 38.5, 42.0, 45.0, 48.5",
        "7.8, 9.5, 11.5, 12.5, 14.0, 15.5, 17.0, 19.0, 20.5, 22.0, 23.0, 25.0, 27.0, 28.0, 31.0, "
        "34.0, 37.0, 41.0, 44.0, 47.0",
        "5.8, 6.5, 8.5, 11.5, 13.5, 15.5, 17.0, 19.5, 21.5, 23.0, 25.0, 27.0, 29.0, 30.5, 33.0, "
        "35.0, 39.0, 43.0, 47.0, 50.0, 52.0, 54.0, 56.0, 58.0, 62.0, 66.5, 71.0, 75.0",
        "30.5, 32, 34, 35.5",
        "38.5, 40.5, 42.5, 45, 47, 51",
        "50, 52, 54, 55, 60, 65, 70",
    };
    QCOMPARE(ropeConstructions().size(), std::size(lists));
    for (int i = 0; i < int(std::size(lists)); ++i)
        QTest::addRow("%s", qPrintable(ropeConstructions()[std::size_t(i)].standard))
            << i << QString::fromUtf8(lists[i]);
}

void tst_ropes::diameterLists()
{
    QFETCH(int, table);
    QFETCH(QString, diameters);
    QStringList names;
    for (const RopeRow& r : ropeConstructions()[std::size_t(table)].rows)
        names << QString::fromUtf8(r.diameter);
    QCOMPARE(names.join(QStringLiteral(", ")), diameters);
}

void tst_ropes::sourcedValues_data()
{
    using F = std::array<std::optional<qint32>, 4>;
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<std::optional<double>>("area");
    QTest::addColumn<std::optional<double>>("mass");
    QTest::addColumn<F>("forces");
    QTest::newRow("3064 1.6") << 0 << "1.6" << std::optional(1.41) << std::optional(0.012)
                              << F{0, 0, 2105, 2340};
    QTest::newRow("3064 5.0") << 0 << "5.0" << std::optional(14.29) << std::optional(0.122)
                              << F{16650, 19000, 20800, 22650};
    QTest::newRow("3064 27.0") << 0 << "27.0" << std::optional(420.84) << std::optional(3.59)
                               << F{490000, 560500, 602500, 0};
    QTest::newRow("3064 4.6 mass 105,5")
        << 0 << "4.6" << std::optional(12.30) << std::optional(0.1055) << F{0, 16350, none, none};
    QTest::newRow("3064 24.0 as printed") << 0 << "24.0" << std::optional(337.03)
                                          << std::optional(2.875) << F{396000, none, none, none};
    QTest::newRow("2688 3.6") << 1 << "3.6" << std::optional(4.98) << std::optional(0.0488)
                              << F{0, 0, 7465, 8295};
    QTest::newRow("2688 56") << 1 << "56" << std::optional(1190.53) << std::optional(11.65)
                             << F{1385000, 1580000, 1705000, 0};
    QTest::newRow("2688 12 unsourced") << 1 << "12" << std::optional<double>()
                                       << std::optional<double>() << F{none, none, none, none};
    QTest::newRow("7668 72.0") << 2 << "72.0" << std::optional(2008.28) << std::optional(19.8)
                               << F{2255000, none, none, none};
    QTest::newRow("7668 15.0") << 2 << "15.0" << std::optional<double>() << std::optional(0.812)
                               << F{none, none, none, none};
    QTest::newRow("7669 42.0 left out") << 3 << "42.0" << std::optional<double>()
                                        << std::optional<double>() << F{none, none, none, none};
    QTest::newRow("3077 35.0") << 6 << "35.0" << std::optional(470.34) << std::optional(4.61)
                               << F{none, none, none, 748500};
    QTest::newRow("3077 46.0 none at 1960")
        << 6 << "46.0" << std::optional(794.70) << std::optional(7.79) << F{none, none, none, 0};
    QTest::newRow("7667 23.0 not listed") << 8 << "23.0" << std::optional<double>()
                                          << std::optional<double>() << F{none, none, none, none};
    // Closed ropes: mass of 1000 m / 1000 (5249,8 kg per 1000 m is 5,2498 kg per metre).
    QTest::newRow("3090 30.5") << 10 << "30.5" << std::optional(616.59) << std::optional(5.2498)
                               << F{664000, 724500, 785000, 845600};
    QTest::newRow("3090 32") << 10 << "32" << std::optional(673.9) << std::optional(5.7371)
                             << F{none, none, none, none};
    QTest::newRow("3090 35.5") << 10 << "35.5" << std::optional(800.12) << std::optional(6.8103)
                               << F{862000, 940500, 1015000, 1085000};
    QTest::newRow("7676 70") << 12 << "70" << std::optional<double>() << std::optional<double>()
                             << F{none, none, none, none};
}

void tst_ropes::sourcedValues()
{
    using F = std::array<std::optional<qint32>, 4>;
    QFETCH(int, table);
    QFETCH(QString, diameter);
    QFETCH(std::optional<double>, area);
    QFETCH(std::optional<double>, mass);
    QFETCH(F, forces);
    const RopeRow& r = row(table, diameter.toUtf8().constData());
    QCOMPARE(r.wiresArea, area);
    QCOMPARE(r.massPerMetre, mass);
    QVERIFY(r.breakingForce == forces);
}

// kg per 1000 m per mm² of wire stays within the construction's band (the bands of the
// sources' checks, to two decimals).
void tst_ropes::massPerArea()
{
    const std::pair<double, double> bands[] = {{8.465, 8.585}, {9.75, 9.85}, {9.845, 9.895}, {0, 0},
                                               {0, 0},         {0, 0},       {9.785, 9.815}, {0, 0},
                                               {0, 0},         {0, 0},       {8.505, 8.525}, {0, 0},
                                               {0, 0}};
    int checked = 0;
    for (std::size_t t = 0; t < ropeConstructions().size(); ++t) {
        for (const RopeRow& r : ropeConstructions()[t].rows) {
            if (!r.wiresArea || !r.massPerMetre)
                continue;
            const double ratio = *r.massPerMetre * 1000 / *r.wiresArea;
            QVERIFY2(bands[t].first > 0, r.diameter);
            QVERIFY2(ratio >= bands[t].first && ratio <= bands[t].second,
                     qPrintable(QStringLiteral("%1 %2: %3")
                                    .arg(ropeConstructions()[t].standard, r.diameter)
                                    .arg(ratio)));
            ++checked;
        }
    }
    QCOMPARE(checked, 32 + 2 + 9 + 8 + 3);
}

void tst_ropes::forcesAscend()
{
    for (const RopeConstruction& c : ropeConstructions()) {
        for (const RopeRow& r : c.rows) {
            qint32 last = 0;
            for (const auto& f : r.breakingForce) {
                if (!f || *f == 0)
                    continue;
                QVERIFY2(*f > last, qPrintable(c.standard + QLatin1Char(' ') + r.diameter));
                last = *f;
            }
        }
    }
}

void tst_ropes::ropeLines_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("lines"); // mass, area, four forces
    const QString nd = QStringLiteral("нет данных");
    QTest::newRow("5.0 × 100") << 0 << "5.0"
                               << "100" << false << QStringList{"12,2 кг.", "14,29", "16650",
                                                                "19000",    "20800", "22650"};
    QTest::newRow("english") << 0 << "5.0"
                             << "100" << true << QStringList{"12,2 kg.", "14,29", "16650",
                                                             "19000",    "20800", "22650"};
    QTest::newRow("1.6: none in two groups")
        << 0 << "1.6"
        << "1" << false << QStringList{"0,012 кг.", "1,41", "0", "0", "2105", "2340"};
    QTest::newRow("closed 32 × 1")
        << 10 << "32"
        << "1" << false << QStringList{"5,7371 кг.", "673,9", nd, nd, nd, nd};
    QTest::newRow("length 0") << 0 << "27.0"
                              << "0" << false
                              << QStringList{"0 кг.", "420,84", "490000", "560500", "602500", "0"};
    QTest::newRow("negative length")
        << 0 << "5.0"
        << "-2,5" << false
        << QStringList{"-0,305 кг.", "14,29", "16650", "19000", "20800", "22650"};
    QTest::newRow("no data") << 1 << "12"
                             << "10" << false << QStringList{nd, nd, nd, nd, nd, nd};
    QTest::newRow("mass only") << 4 << "27.5"
                               << "3" << false << QStringList{"9,63 кг.", nd, nd, nd, nd, nd};
}

void tst_ropes::ropeLines()
{
    QFETCH(int, table);
    QFETCH(QString, diameter);
    QFETCH(QString, length);
    QFETCH(bool, english);
    QFETCH(QStringList, lines);
    const RopeResult r =
        ropeResult(row(table, diameter.toUtf8().constData()),
                   *parseNumber(length, QLatin1Char(',')), english, QLatin1Char(','));
    QCOMPARE((QStringList{r.mass, r.area, r.forces[0], r.forces[1], r.forces[2], r.forces[3]}),
             lines);
}

void tst_ropes::sections_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("round");   // round wires
    QTest::addColumn<int>("organic"); // organic discs
    QTest::addColumn<bool>("shaped");
    QTest::newRow("single lay") << "1х37(1+6+12+18)" << 37 << 0 << false;
    QTest::newRow("ЛК-Р") << "6х19(1+6+6/6)+1о.с" << 114 << 1 << false;
    QTest::newRow("metal strand core") << "6х7(1+6)+1х7(1+6)" << 49 << 0 << false;
    QTest::newRow("seven-strand core") << "6х36(1+7+7/7+14)+7х7(1+6)" << 216 + 49 << 0 << false;
    QTest::newRow("filler") << "6х25(1+6;6+12)+1о.с" << 150 << 1 << false;
    QTest::newRow("triple lay") << "6х7х19(1+6+6/6)+1о.с" << 6 * 7 * 19 << 1 << false;
    QTest::newRow("organic strand centres") << "6х30 (0+15+15)+7о.с." << 180 << 7 << false;
    QTest::newRow("latin x, blanks, point") << "6x37(1+6+12+18)+1 о.с." << 222 << 1 << false;
    QTest::newRow("closed") << "1х(1+6+12+к+к+з)" << 19 << 0 << true;
    QTest::newRow("empty") << "" << -1 << 0 << false;
    QTest::newRow("no layers") << "6х19+1о.с" << -1 << 0 << false;
    QTest::newRow("dangling plus") << "6х19(1+6+)+1о.с" << -1 << 0 << false;
    QTest::newRow("unknown core") << "6х19(1+6+12)+сталь" << -1 << 0 << false;
}

void tst_ropes::sections()
{
    QFETCH(QString, formula);
    QFETCH(int, round);
    QFETCH(int, organic);
    QFETCH(bool, shaped);
    const auto parsed = parseSectionFormula(formula);
    QCOMPARE(parsed.has_value(), round >= 0);
    if (!parsed)
        return;
    const SectionGeometry g = sectionGeometry(*parsed);
    int wires = 0, cores = 0;
    for (const SectionDisc& d : g.discs) {
        (d.organic ? cores : wires)++;
        QVERIFY(d.r > 0);
        QVERIFY(std::hypot(d.x, d.y) + d.r <= 1 + 1e-9); // nothing drawn outside the rope
    }
    QCOMPARE(wires, round);
    QCOMPARE(cores, organic);
    QCOMPARE(!g.shaped.isEmpty(), shaped);
}

void tst_ropes::assortment()
{
    const auto& entries = assortmentEntries();
    QCOMPARE(int(entries.size()), 26);
    // Row 5, column 5 tells the same as row 5, column 4.
    QCOMPARE(assortmentText(entries[24]), assortmentText(entries[23]));
    const QString first = assortmentText(entries[0]);
    QVERIFY(first.startsWith(QStringLiteral("Канат двойной свивки типа ЛК-Р конструкции\n\r"
                                            "6х19(1+6+6/6)+1о.с\n\rГОСТ 2688-80\n\r")));
    QCOMPARE(entries[6].lines.at(2), QStringLiteral("ГОСТ 3068-88 "));
    QCOMPARE(entries[25].lines.at(0), QStringLiteral("Канат стальной конструкционный "));
    for (const AssortmentEntry& e : entries) {
        QVERIFY2(parseSectionFormula(e.section), qPrintable(e.section));
        const QStringList lines = assortmentText(e).split(QStringLiteral("\n\r"));
        QCOMPARE(lines.mid(0, e.lines.size()), e.lines);
        for (const QString& line : lines.mid(e.lines.size()))
            QVERIFY2(!line.isEmpty() && line.size() <= 55, qPrintable(line));
    }
    QVERIFY(classificationText().startsWith(
        QStringLiteral("Канаты подразделяются по следующим признакам:")));
    QVERIFY(classificationText().contains(QStringLiteral("\nпо точности изготовления:\n")));
    QVERIFY(recommendationsText().startsWith(
        QStringLiteral("Рекомендации по применению канатов различных конструкций. ")));
    QVERIFY(recommendationsText().contains(
        QStringLiteral("\n\n\nКанаты трехрядные из азотсодержащей стали\n")));
}

QTEST_GUILESS_MAIN(tst_ropes)
#include "tst_ropes.moc"
