#include "core/calculators/Hexagon.h"
#include "core/calculators/PlateAndSheet.h"
#include "core/calculators/Rebar.h"

#include <QTest>

using namespace tolvex::calc;

// Hexagon bar, reinforcing bar, checker plate and profiled sheet.
class TestBarsAndSheets : public QObject
{
    Q_OBJECT
private slots:
    void tables_data();
    void tables();
    void metresPerTonne_data();
    void metresPerTonne();
    void results_data();
    void results();
    void reports_data();
    void reports();
    void withoutSelection();
    void badInput_data();
    void badInput();
};

using Lookup = std::optional<long double> (*)(int);
using Calculation = Outcome (*)(const ListChoice&, const PerMetreFields&);
Q_DECLARE_METATYPE(Lookup)
Q_DECLARE_METATYPE(Calculation)

void TestBarsAndSheets::tables_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<Lookup>("lookup");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const auto hex = hexagonSizes();
    QTest::newRow("hexagon first") << hex << Lookup(hexagonKgPerMetre) << 41 << 0 << "8" << 0.435;
    QTest::newRow("hexagon 21") << hex << Lookup(hexagonKgPerMetre) << 41 << 13 << "21" << 3.0;
    QTest::newRow("hexagon 23") << hex << Lookup(hexagonKgPerMetre) << 41 << 15 << "23" << 3.92;
    QTest::newRow("hexagon last") << hex << Lookup(hexagonKgPerMetre) << 41 << 40 << "100" << 67.98;
    const auto rebar = rebarDiameters();
    QTest::newRow("rebar first") << rebar << Lookup(rebarKgPerMetre) << 20 << 0 << "6" << 0.222;
    QTest::newRow("rebar 12") << rebar << Lookup(rebarKgPerMetre) << 20 << 3 << "12" << 0.888;
    QTest::newRow("rebar last") << rebar << Lookup(rebarKgPerMetre) << 20 << 19 << "80" << 39.46;
    const auto plate = checkerPlateItems();
    const Lookup plateLookup = checkerPlateKgPerSquareMetre;
    QTest::newRow("plate first") << plate << plateLookup << 16 << 0 << "Ромбическое рифление 2,5"
                                 << 21.0;
    QTest::newRow("plate 7") << plate << plateLookup << 16 << 7 << "Ромбическое рифление 12,0"
                             << 99.3;
    QTest::newRow("plate 8") << plate << plateLookup << 16 << 8 << "Чечевичное рифление 2,5"
                             << 20.1;
    QTest::newRow("plate last") << plate << plateLookup << 16 << 15 << "Чечевичное рифление 12,0"
                                << 96.8;
    const auto sheet = profiledSheetItems();
    const Lookup sheetLookup = profiledSheetKgPerSquareMetre;
    QTest::newRow("sheet first") << sheet << sheetLookup << 29 << 0 << "C10-1000-0,6" << 5.6;
    QTest::newRow("sheet HC35") << sheet << sheetLookup << 29 << 10 << "HC35-1000-0,8" << 8.4;
    QTest::newRow("sheet tab 19") << sheet << sheetLookup << 29 << 19 << "H60-845-0,9\t" << 11.1;
    QTest::newRow("sheet tab 25") << sheet << sheetLookup << 29 << 25 << "H114-600-1,0\t" << 17.2;
    QTest::newRow("sheet last") << sheet << sheetLookup << 29 << 28 << "H114-750-1,0" << 15.4;
}

void TestBarsAndSheets::tables()
{
    QFETCH(QStringList, items);
    QFETCH(Lookup, lookup);
    QFETCH(int, count);
    QFETCH(int, pos);
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(items.size(), count);
    QCOMPARE(items.at(pos), text);
    QCOMPARE(double(*lookup(pos)), value);
    QVERIFY(!lookup(-1));
    QVERIFY(!lookup(count));
}

void TestBarsAndSheets::metresPerTonne_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("text");
    QTest::newRow("8") << 0 << "2298,8";
    QTest::newRow("21") << 13 << "333,3";
    QTest::newRow("63") << 32 << "37";
    QTest::newRow("100") << 40 << "14,7";
    QTest::newRow("none") << -1 << QString();
}

void TestBarsAndSheets::metresPerTonne()
{
    QFETCH(int, pos);
    QFETCH(QString, text);
    QCOMPARE(hexagonMetresPerTonneText(pos), text);
}

// Results of single calculations (the other examples are in the reports).
void TestBarsAndSheets::results_data()
{
    QTest::addColumn<Calculation>("calculation");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("result");
    QTest::newRow("sheet C21-1000-0,6, 100 kg") << Calculation(profiledSheetArea) << 6 << "0"
                                                << "100"
                                                << "15,625";
    QTest::newRow("sheet C15-1000-0,6, 100 kg") << Calculation(profiledSheetArea) << 2 << "0"
                                                << "100"
                                                << "15,625";
    QTest::newRow("sheet C18-1000-0,6, 100 kg") << Calculation(profiledSheetArea) << 4 << "0"
                                                << "100"
                                                << "15,625";
    // The rebar reads the weight field's value (a double), the hexagon converts the text.
    QTest::newRow("rebar 12, 4,4 kg") << Calculation(rebarLength) << 3 << "0"
                                      << "4,4"
                                      << "4,95495495495496";
    QTest::newRow("hexagon 23, 1,3 kg") << Calculation(hexagonLength) << 15 << "0"
                                        << "1,3"
                                        << "0,331632653061224";
    // No item selected: the given field is not converted, the result field keeps its text.
    QTest::newRow("plate, no item, area emptied") << Calculation(checkerPlateWeight) << -1 << ""
                                                  << "7"
                                                  << "7";
    QTest::newRow("sheet, no item, weight emptied") << Calculation(profiledSheetArea) << -1 << "3"
                                                    << ""
                                                    << "3";
}

void TestBarsAndSheets::results()
{
    QFETCH(Calculation, calculation);
    QFETCH(int, pos);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(QString, result);
    const Outcome out = calculation({pos, QString()}, {length, weight});
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, result);
}

void TestBarsAndSheets::reports_data()
{
    QTest::addColumn<Calculation>("calculation");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("report");
    const QString head = "Расчетные данные и результат расчета: \r\n\r\n";
    QTest::newRow("hexagon weight")
        << Calculation(hexagonWeight) << 13 << "21"
        << "10"
        << "0"
        << head + "Диаметр вписанного круга 21\r\nпри длине шестигранника 10 м.,\r\n"
                  "общий вес шестигранника составляет: 30 кг.";
    QTest::newRow("hexagon length")
        << Calculation(hexagonLength) << 0 << "8"
        << "0"
        << "1000"
        << head + "Диаметр вписанного круга 8\r\nпри весе шестигранника в 1000 кг.,\r\n"
                  "общая длина шестигранника равна: 2298,85057471264 м.";
    QTest::newRow("rebar weight")
        << Calculation(rebarWeight) << 0 << "6"
        << "100"
        << "0"
        << head + "Диаметр стержня арматуры 6 мм,\r\nпри 100 м. арматуры,\r\n"
                  "общий её вес, составляет: 22,2 кг.";
    QTest::newRow("rebar length")
        << Calculation(rebarLength) << 3 << "12"
        << "0"
        << "100"
        << head + "Диаметр стержня арматуры 12 мм,\r\nпри весе в 100 кг.,\r\n"
                  "длина арматуры составляет: 112,612612612613 м.";
    QTest::newRow("plate weight")
        << Calculation(checkerPlateWeight) << 2 << "Ромбическое рифление 4,0"
        << "10"
        << "0"
        << head + "Тип листа и толщина основания, S: \r\nРомбическое рифление 4,0\r\n"
                  "при площади в 10 кв.м.,\r\nобщий вес листа составляет: 335 кг.";
    QTest::newRow("plate area")
        << Calculation(checkerPlateArea) << 13 << "Чечевичное рифление 8,0"
        << "0"
        << "1000"
        << head + "Тип листа и толщина основания, S: \r\nЧечевичное рифление 8,0\r\n"
                  "при весе листа в 1000 кг.,\r\n"
                  "общая площадь листа составляет: 15,4083204930663 кв.м";
    QTest::newRow("sheet weight")
        << Calculation(profiledSheetWeight) << 15 << "H57-750-0,7"
        << "25"
        << "0"
        << head + "Тип профилированного листа H57-750-0,7\r\nпри площади листа в 25 кв.м.,\r\n"
                  "общий вес составляет: 217,5 кг.";
    QTest::newRow("sheet area")
        << Calculation(profiledSheetArea) << 6 << "C21-1000-0,6"
        << "0"
        << "100"
        << head + "Тип профилированного листа C21-1000-0,6\r\nпри весе в 100 кг.,\r\n"
                  "площадь листа составляет: 15,625 кв.м.";
}

void TestBarsAndSheets::reports()
{
    QFETCH(Calculation, calculation);
    QFETCH(int, pos);
    QFETCH(QString, item);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(QString, report);
    QCOMPARE(calculation({pos, item}, {length, weight}).report, report);
}

void TestBarsAndSheets::withoutSelection()
{
    // Hexagon: 0 kg/m, so the weight is 0 and the length a floating-point error.
    Outcome out = hexagonWeight({}, {"10", "7"});
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, "0");
    QCOMPARE(hexagonLength({}, {"10", "7"}).status, Status::FloatError);
    // The others keep the result field's text and still write the report.
    out = rebarWeight({}, {"10", "7"});
    QCOMPARE(out.result, "7");
    QCOMPARE(out.report, "Расчетные данные и результат расчета: \r\n\r\n"
                         "Диаметр стержня арматуры  мм,\r\nпри 10 м. арматуры,\r\n"
                         "общий её вес, составляет: 7 кг.");
    QCOMPARE(checkerPlateArea({}, {"3", "7"}).result, "3");
    QCOMPARE(profiledSheetWeight({}, {"3", "7"}).result, "7");
}

void TestBarsAndSheets::badInput_data()
{
    QTest::addColumn<Calculation>("calculation");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<Status>("status");
    QTest::newRow("hexagon weight, 0") << Calculation(hexagonWeight) << "0"
                                       << "1" << Status::Refused;
    QTest::newRow("hexagon weight, empty") << Calculation(hexagonWeight) << ""
                                           << "1" << Status::Refused;
    QTest::newRow("hexagon length, 0") << Calculation(hexagonLength) << "1"
                                       << "0" << Status::Refused;
    QTest::newRow("hexagon length, empty") << Calculation(hexagonLength) << "1"
                                           << "" << Status::NotANumber;
    QTest::newRow("rebar weight, 0") << Calculation(rebarWeight) << "0"
                                     << "1" << Status::Refused;
    QTest::newRow("rebar length, 0") << Calculation(rebarLength) << "1"
                                     << "0" << Status::Refused;
    QTest::newRow("plate weight, 0") << Calculation(checkerPlateWeight) << "0"
                                     << "1" << Status::Refused;
    QTest::newRow("plate area, ,") << Calculation(checkerPlateArea) << "1"
                                   << "," << Status::NotANumber;
    QTest::newRow("sheet weight, empty") << Calculation(profiledSheetWeight) << ""
                                         << "1" << Status::NotANumber;
    QTest::newRow("sheet area, 0") << Calculation(profiledSheetArea) << "1"
                                   << "0" << Status::Refused;
}

void TestBarsAndSheets::badInput()
{
    QFETCH(Calculation, calculation);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(Status, status);
    const Outcome out = calculation({0, "x"}, {length, weight});
    QCOMPARE(out.status, status);
    if (status == Status::Refused)
        QCOMPARE(out.messageKey, 419);
}

QTEST_GUILESS_MAIN(TestBarsAndSheets)
#include "tst_BarsAndSheets.moc"
