#include "core/calculators/HollowSections.h"

#include <QTest>

using namespace tolvex::calc;

class TestHollowSections : public QObject
{
    Q_OBJECT
private slots:
    void squareTable();
    void squareWalls_data();
    void squareWalls();
    void rectTable();
    void rectEntries_data();
    void rectEntries();
    void cascades();
    void calculations_data();
    void calculations();
    void reports();
    void refusals_data();
    void refusals();
};

void TestHollowSections::squareTable()
{
    const QStringList sizes = squareTubeSizes();
    QCOMPARE(sizes.size(), 20);
    QCOMPARE(sizes.first(), "10");
    QCOMPARE(sizes.last(), "180");
    const QList<int> counts{1, 2, 3, 5, 5, 6, 7, 5, 7, 7, 6, 5, 5, 4, 4, 4, 4, 4, 4, 5};
    int total = 0;
    for (int i = 0; i < sizes.size(); ++i) {
        QCOMPARE(squareTubeWalls(i).size(), counts[i]);
        total += squareTubeWalls(i).size();
    }
    QCOMPARE(total, 93);
    QVERIFY(squareTubeWalls(-1).isEmpty());
    QVERIFY(squareTubeWalls(20).isEmpty());
}

void TestHollowSections::squareWalls_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("wall");
    QTest::addColumn<QString>("wallText");
    QTest::addColumn<double>("kgPerMetre");
    QTest::newRow("10 first") << 0 << 0 << "1.0" << 0.269;
    QTest::newRow("20 last") << 2 << 2 << "2.0" << 1.075;
    QTest::newRow("40 first") << 6 << 0 << "2.0" << 2.33;
    QTest::newRow("70 middle") << 11 << 2 << "6.0" << 11.57;
    QTest::newRow("150 last") << 18 << 3 << "10.0" << 42.61;
    QTest::newRow("180 last") << 19 << 4 << "14.0" << 70.33;
}

void TestHollowSections::squareWalls()
{
    QFETCH(int, size);
    QFETCH(int, wall);
    QFETCH(QString, wallText);
    QFETCH(double, kgPerMetre);
    QCOMPARE(squareTubeWalls(size).at(wall), wallText);
    QCOMPARE(double(*squareTubeKgPerMetre(size, wall)), kgPerMetre);
    QVERIFY(!squareTubeKgPerMetre(size, squareTubeWalls(size).size()));
    QVERIFY(!squareTubeKgPerMetre(size, -1));
}

void TestHollowSections::rectTable()
{
    const QStringList larger = rectTubeLargerSides();
    QCOMPARE(larger.size(), 25);
    QCOMPARE(larger.first(), "15");
    QCOMPARE(larger.last(), "230");
    const QList<int> pairs{1, 2, 2, 1, 3, 3, 5, 2, 2, 4, 3, 3, 3,
                           3, 3, 3, 3, 3, 3, 1, 4, 1, 1, 1, 1};
    int pairCount = 0;
    int entries = 0;
    for (int l = 0; l < larger.size(); ++l) {
        const QStringList smaller = rectTubeSmallerSides(l);
        QCOMPARE(smaller.size(), pairs[l]);
        pairCount += smaller.size();
        for (int s = 0; s < smaller.size(); ++s) {
            const int walls = rectTubeWalls(l, s).size();
            QVERIFY(walls > 0);
            QVERIFY(rectTubeKgPerMetre(l, s, walls - 1));
            QVERIFY(!rectTubeKgPerMetre(l, s, walls));
            entries += walls;
        }
        QVERIFY(rectTubeWalls(l, smaller.size()).isEmpty());
    }
    QCOMPARE(pairCount, 61);
    QCOMPARE(entries, 248);
    QVERIFY(rectTubeSmallerSides(-1).isEmpty());
    QVERIFY(rectTubeSmallerSides(25).isEmpty());
    QCOMPARE(rectTubeSmallerSides(6), QStringList({"15", "20", "25", "28", "30"}));
    QCOMPARE(rectTubeSmallerSides(20), QStringList({"80", "100", "145", "150"}));
}

void TestHollowSections::rectEntries_data()
{
    QTest::addColumn<int>("larger");
    QTest::addColumn<int>("smaller");
    QTest::addColumn<QStringList>("walls");
    QTest::addColumn<int>("wall");
    QTest::addColumn<double>("kgPerMetre");
    QTest::newRow("15x10") << 0 << 0 << QStringList{"1.0", "1.5", "2.0"} << 0 << 0.348;
    QTest::newRow("40x25") << 6 << 2 << QStringList{"1.5", "2.0", "2.5", "3.0", "3.5", "4.0"} << 5
                           << 3.36;
    QTest::newRow("60x40") << 10 << 2 << QStringList{"3.0", "3.5", "4.0", "5.0"} << 0 << 4.3;
    QTest::newRow("90x50") << 13 << 1 << QStringList{"3.0"} << 0 << 6.19;
    QTest::newRow("140x60") << 17 << 0 << QStringList{"3.0", "5.0", "6.0", "7.0", "8.0"} << 1
                            << 14.58;
    QTest::newRow("160x130") << 19 << 0 << QStringList{"8.0"} << 0 << 33.55;
    QTest::newRow("180x145") << 20 << 2 << QStringList{"20.0"} << 0 << 84.1;
    QTest::newRow("190x120") << 21 << 0 << QStringList{"12"} << 0 << 51.94;
    QTest::newRow("196x170") << 22 << 0 << QStringList{"18"} << 0 << 88.99;
    QTest::newRow("230x100") << 24 << 0 << QStringList{"8.0"} << 0 << 38.57;
}

void TestHollowSections::rectEntries()
{
    QFETCH(int, larger);
    QFETCH(int, smaller);
    QFETCH(QStringList, walls);
    QFETCH(int, wall);
    QFETCH(double, kgPerMetre);
    QCOMPARE(rectTubeWalls(larger, smaller), walls);
    QCOMPARE(double(*rectTubeKgPerMetre(larger, smaller, wall)), kgPerMetre);
}

void TestHollowSections::cascades()
{
    // A square size refills the walls only; the fields stay.
    ListReaction r = squareTubeSelect(0, {6, 3});
    QCOMPARE(r.emptied, QList<int>{1});
    QCOMPARE(r.refilled, 1);
    QCOMPARE(r.items, squareTubeWalls(6));
    QVERIFY(!r.resetsFields);
    r = squareTubeSelect(1, {6, 3});
    QVERIFY(r.emptied.isEmpty() && r.refilled < 0 && !r.resetsFields);

    // "160" offers only "130", and that only "8.0"; every choice resets the fields.
    r = rectTubeSelect(0, {19, 2, 4});
    QCOMPARE(r.emptied, QList<int>({1, 2}));
    QCOMPARE(r.refilled, 1);
    QCOMPARE(r.items, QStringList{"130"});
    QVERIFY(r.resetsFields);
    r = rectTubeSelect(1, {19, 0, -1});
    QCOMPARE(r.emptied, QList<int>{2});
    QCOMPARE(r.refilled, 2);
    QCOMPARE(r.items, QStringList{"8.0"});
    QVERIFY(r.resetsFields);
    r = rectTubeSelect(2, {19, 0, 0});
    QVERIFY(r.emptied.isEmpty() && r.refilled < 0);
    QVERIFY(r.resetsFields);
}

void TestHollowSections::calculations_data()
{
    QTest::addColumn<bool>("rect");
    QTest::addColumn<bool>("toWeight");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("result");
    QTest::newRow("length 0,0 passes") << false << true << QList<int>{6, 0} << "0,0"
                                       << "5"
                                       << "0";
    QTest::newRow("square no wall keeps weight") << false << true << QList<int>{6, -1} << "6"
                                                 << "12,5"
                                                 << "12,5";
    QTest::newRow("rect no smaller side keeps length")
        << true << false << QList<int>{10, -1, -1} << "7"
        << "100"
        << "7";
    QTest::newRow("180x14.0, 1000 kg") << false << false << QList<int>{19, 4} << "0"
                                       << "1000"
                                       << "14,2186833499218";
    // The exponent form the result is written in reads back as a number.
    QTest::newRow("10x1.0, 0,0001 m") << false << true << QList<int>{0, 0} << "0,0001"
                                      << "0"
                                      << "2,69E-5";
    QTest::newRow("10x1.0, 2,69E-5 kg back") << false << false << QList<int>{0, 0} << "0"
                                             << "2,69E-5"
                                             << "0,0001";
}

void TestHollowSections::calculations()
{
    QFETCH(bool, rect);
    QFETCH(bool, toWeight);
    QFETCH(QList<int>, positions);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(QString, result);
    const TubeChoice c{positions, QStringList(positions.size(), QString())};
    const PerMetreFields f{length, weight};
    const Outcome out = rect ? (toWeight ? rectTubeWeight(c, f) : rectTubeLength(c, f))
                             : (toWeight ? squareTubeWeight(c, f) : squareTubeLength(c, f));
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, result);
    QVERIFY(!out.report.isEmpty());
}

void TestHollowSections::reports()
{
    const TubeChoice square{{6, 0}, {"40", "2.0"}};
    QCOMPARE(squareTubeWeight(square, {"6", "0"}).report,
             QString("Расчетные данные и результат расчета: \r\n\r\n"
                     "Наружний размер трубы 40 мм,\r\nтолщина стенки трубы 2.0 мм,\r\n"
                     "при 6 м. трубы,\r\nобщий её вес, составляет: 13,98 кг."));
    QCOMPARE(squareTubeLength(square, {"0", "13,98"}).report,
             QString("Расчетные данные и результат расчета: \r\n\r\n"
                     "Наружний размер трубы 40 мм,\r\nтолщина стенки трубы 2.0 мм,\r\n"
                     "при весе в 13,98 кг.,\r\nдлина трубы составляет: 6 м."));
    const TubeChoice rect{{10, 2, 0}, {"60", "40", "3.0"}};
    QCOMPARE(rectTubeWeight(rect, {"2", "0"}).report,
             QString("Расчетные данные и результат расчета: \r\n\r\n"
                     "Большая сторона трубы 60 мм,\r\nменьшая сторона трубы 40 мм,\r\n"
                     "толщина стенки трубы 3.0 мм,\r\nпри 2 м. трубы,\r\n"
                     "общий её вес, составляет: 8,6 кг."));
    QCOMPARE(rectTubeLength(rect, {"0", "100"}).report,
             QString("Расчетные данные и результат расчета: \r\n\r\n"
                     "Большая сторона трубы 60 мм,\r\nменьшая сторона трубы 40 мм,\r\n"
                     "толщина стенки трубы 3.0 мм,\r\nпри весе в 100 кг.,\r\n"
                     "длина трубы составляет: 23,2558139534884 м."));
    // An incomplete choice still writes the report, with the empty list texts.
    QCOMPARE(rectTubeWeight({{10, -1, -1}, {"60", "", ""}}, {"2", "5"}).report,
             QString("Расчетные данные и результат расчета: \r\n\r\n"
                     "Большая сторона трубы 60 мм,\r\nменьшая сторона трубы  мм,\r\n"
                     "толщина стенки трубы  мм,\r\nпри 2 м. трубы,\r\n"
                     "общий её вес, составляет: 5 кг."));
}

void TestHollowSections::refusals_data()
{
    QTest::addColumn<bool>("toWeight");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<Status>("status");
    QTest::addColumn<int>("key");
    QTest::newRow("weight, length 0") << true << "0"
                                      << "5" << Status::Refused << 424;
    QTest::newRow("length, weight 0") << false << "5"
                                      << "0" << Status::Refused << 425;
    QTest::newRow("weight, length empty") << true << ""
                                          << "5" << Status::NotANumber << 0;
    QTest::newRow("length, weight empty") << false << "5"
                                          << "" << Status::NotANumber << 0;
    QTest::newRow("weight, length no number") << true << "1.5"
                                              << "5" << Status::NotANumber << 0;
    QTest::newRow("length, weight no number") << false << "5"
                                              << "-" << Status::NotANumber << 0;
}

void TestHollowSections::refusals()
{
    QFETCH(bool, toWeight);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(Status, status);
    QFETCH(int, key);
    const TubeChoice c{{6, 0}, {"40", "2.0"}};
    for (bool rect : {false, true}) {
        const TubeChoice rc{{10, 2, 0}, {"60", "40", "3.0"}};
        const Outcome out = rect ? (toWeight ? rectTubeWeight(rc, {length, weight})
                                             : rectTubeLength(rc, {length, weight}))
                                 : (toWeight ? squareTubeWeight(c, {length, weight})
                                             : squareTubeLength(c, {length, weight}));
        QCOMPARE(out.status, status);
        if (status == Status::Refused)
            QCOMPARE(out.messageKey, key);
        QVERIFY(out.report.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestHollowSections)
#include "tst_HollowSections.moc"
