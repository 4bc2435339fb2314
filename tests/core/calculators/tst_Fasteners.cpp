#include "core/calculators/Fasteners.h"

#include <QTest>

using namespace tolvex::calc;

class TestFasteners : public QObject
{
    Q_OBJECT
private slots:
    void table();
    void rows_data();
    void rows();
    void weights_data();
    void weights();
    void report();
    void incompleteChoice();
    void badCount_data();
    void badCount();
};

void TestFasteners::table()
{
    const QStringList d = boltDiameters();
    QCOMPARE(d.size(), 16);
    QCOMPARE(d.first(), "2");
    QCOMPARE(d.at(1), "2,5");
    QCOMPARE(d.last(), "48");
    const QList<int> counts{2, 4, 4, 6, 8, 14, 15, 25, 28, 29, 27, 25, 23, 20, 19, 18};
    int pairs = 0;
    for (int i = 0; i < d.size(); ++i) {
        QCOMPARE(boltLengths(i).size(), counts[i]);
        QVERIFY(boltWeight(i, counts[i] - 1));
        QVERIFY(!boltWeight(i, counts[i]));
        pairs += counts[i];
    }
    QCOMPARE(pairs, 267);
    QVERIFY(boltLengths(-1).isEmpty());
    QVERIFY(boltLengths(16).isEmpty());
    QVERIFY(!nutWeight(16));
    QCOMPARE(boltLengths(0), QStringList({"14", "16"}));
    QCOMPARE(boltLengths(15).first(), "90");
    QCOMPARE(boltLengths(15).last(), "300");
}

void TestFasteners::rows_data()
{
    QTest::addColumn<int>("diameter");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("lengthText");
    QTest::addColumn<double>("nut");
    QTest::addColumn<double>("bolt");
    QTest::newRow("2x14") << 0 << 0 << "14" << 0.000144 << 0.000446;
    QTest::newRow("5x45") << 4 << 7 << "45" << 0.001243 << 0.007836;
    QTest::newRow("10x50") << 7 << 6 << "50" << 0.011 << 0.04146;
    QTest::newRow("12x260") << 8 << 27 << "260" << 0.015 << 0.241;
    QTest::newRow("16x300") << 9 << 28 << "300" << 0.033 << 0.4966;
    QTest::newRow("36x75") << 13 << 0 << "75" << 0.377 << 0.9941;
    QTest::newRow("48x300") << 15 << 17 << "300" << 0.956 << 5.225;
}

void TestFasteners::rows()
{
    QFETCH(int, diameter);
    QFETCH(int, length);
    QFETCH(QString, lengthText);
    QFETCH(double, nut);
    QFETCH(double, bolt);
    QCOMPARE(boltLengths(diameter).at(length), lengthText);
    QCOMPARE(*nutWeight(diameter), nut);
    QCOMPARE(double(*boltWeight(diameter, length)), bolt);
}

void TestFasteners::weights_data()
{
    QTest::addColumn<int>("diameter");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("label");
    QTest::newRow("10x50, 100") << 7 << 6 << "100"
                                << "5,246 кг.";
    QTest::newRow("48x300, 1") << 15 << 17 << "1"
                               << "6,181 кг.";
    QTest::newRow("decimal count") << 7 << 6 << "0,5"
                                   << "0,02623 кг.";
    QTest::newRow("count 0,0") << 7 << 6 << "0,0"
                               << "0 кг.";
}

void TestFasteners::weights()
{
    QFETCH(int, diameter);
    QFETCH(int, length);
    QFETCH(QString, count);
    QFETCH(QString, label);
    const Outcome out = bolt({diameter, "d"}, {length, "l"}, count, "old");
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, label);
}

void TestFasteners::report()
{
    QCOMPARE(bolt({7, "10"}, {6, "50"}, "100", QString()).report,
             QString("Расчетные данные и результат расчета: \r\n\r\nДиаметр болта 10 мм.,\r\n"
                     "длина болта 50 мм.,\r\nпри количестве в 100 шт.,\r\n"
                     "общий вес метиз составляет: 5,246 кг."));
}

void TestFasteners::incompleteChoice()
{
    // Another diameter empties the length: the label keeps its text, the report is written.
    const Outcome out = bolt({15, "48"}, {-1, ""}, "3", "5,246 кг.");
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, "5,246 кг.");
    QCOMPARE(out.report,
             QString("Расчетные данные и результат расчета: \r\n\r\nДиаметр болта 48 мм.,\r\n"
                     "длина болта  мм.,\r\nпри количестве в 3 шт.,\r\n"
                     "общий вес метиз составляет: 5,246 кг."));
    QCOMPARE(bolt({-1, ""}, {-1, ""}, "3", "").result, "");
}

void TestFasteners::badCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<Status>("status");
    QTest::newRow("0") << "0" << Status::Refused;
    QTest::newRow("empty") << "" << Status::NotANumber;
    QTest::newRow("sign only") << "-" << Status::NotANumber;
    QTest::newRow("point") << "1.5" << Status::NotANumber;
}

void TestFasteners::badCount()
{
    QFETCH(QString, count);
    QFETCH(Status, status);
    const Outcome out = bolt({7, "10"}, {6, "50"}, count, "x");
    QCOMPARE(out.status, status);
    if (status == Status::Refused)
        QCOMPARE(out.messageKey, 419);
    QVERIFY(out.report.isEmpty());
}

QTEST_GUILESS_MAIN(TestFasteners)
#include "tst_Fasteners.moc"
