#include "core/calculators/Angles.h"

#include <QTest>

using namespace tolvex::calc;

namespace
{
const QString Head = QStringLiteral("Расчетные данные и результат расчета: \r\n\r\n");

AngleSelection equalLeg(int width, int thickness, AngleType type = AngleType::EqualLeg)
{
    const auto& table = equalLegAngles();
    return {type,
            width,
            -1,
            thickness,
            table[std::size_t(width)].text,
            {},
            table[std::size_t(width)].thicknesses[std::size_t(thickness)].text};
}

AngleSelection unequalLeg(int size, int thickness)
{
    const auto& table = unequalLegAngles();
    return {AngleType::UnequalLeg,
            -1,
            size,
            thickness,
            {},
            table[std::size_t(size)].text,
            table[std::size_t(size)].thicknesses[std::size_t(thickness)].text};
}
} // namespace

Q_DECLARE_METATYPE(tolvex::calc::AngleSelection)
Q_DECLARE_METATYPE(tolvex::calc::Status)

class TestAngles : public QObject
{
    Q_OBJECT
private slots:
    void tables_data();
    void tables();
    void spotValues_data();
    void spotValues();
    void calculations_data();
    void calculations();
    void failures_data();
    void failures();
};

void TestAngles::tables_data()
{
    QTest::addColumn<const AngleTable*>("table");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QList<int>>("rowLengths");
    QTest::addColumn<int>("entries");

    QTest::newRow("equal-leg") << &equalLegAngles()
                               << QStringList{"20",  "25",  "28",  "32",  "36",  "40",
                                              "45",  "50",  "56",  "63",  "70",  "75",
                                              "80",  "90",  "100", "110", "125", "140",
                                              "160", "180", "200", "220", "250"}
                               << QList<int>{2, 2, 1, 2, 2, 3, 3, 3, 2, 3, 5, 5,
                                             4, 4, 7, 2, 6, 3, 7, 2, 7, 2, 7}
                               << 84;
    QTest::newRow("unequal-leg") << &unequalLegAngles()
                                 << QStringList{"25 х 16",   "32 х 20",   "40 х 25",  "45 х 28",
                                                "50 х 32",   "56 х 36",   "63 х 40",  "70 х 45",
                                                "75 х 50",   "80 х 50",   "90 х 56",  "100 х 63",
                                                "110 х 70",  "125 х 80",  "140 х 90", "160 х 100",
                                                "180 х 110", "200 х 125", "250 х 160"}
                                 << QList<int>{1, 2, 2, 2, 2, 2, 4, 1, 3, 2,
                                               3, 4, 2, 4, 2, 4, 2, 4, 4}
                                 << 50;
}

void TestAngles::tables()
{
    QFETCH(const AngleTable*, table);
    QFETCH(QStringList, sizes);
    QFETCH(QList<int>, rowLengths);
    QFETCH(int, entries);
    QCOMPARE(angleSizeTexts(*table), sizes);
    int count = 0;
    for (std::size_t i = 0; i < table->size(); ++i) {
        const auto& row = table->at(i);
        QCOMPARE(int(row.thicknesses.size()), rowLengths.at(qsizetype(i)));
        QCOMPARE(angleThicknessTexts(*table, int(i)).size(), rowLengths.at(qsizetype(i)));
        count += int(row.thicknesses.size());
        // Thicknesses grow along a row; the weight grows with them.
        for (std::size_t t = 1; t < row.thicknesses.size(); ++t)
            QVERIFY2(row.thicknesses[t].kgPerMetre > row.thicknesses[t - 1].kgPerMetre,
                     qPrintable(row.text));
    }
    QCOMPARE(count, entries);
    QVERIFY(angleThicknessTexts(*table, -1).isEmpty());
    QVERIFY(angleThicknessTexts(*table, int(table->size())).isEmpty());
    QCOMPARE(angleKgPerMetre(*table, 0, -1), std::nullopt);
    QCOMPARE(angleKgPerMetre(*table, 0, 7), std::nullopt);
}

void TestAngles::spotValues_data()
{
    QTest::addColumn<const AngleTable*>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("kgPerMetre");

    QTest::newRow("equal first") << &equalLegAngles() << 0 << 0 << "3" << 0.89;
    QTest::newRow("equal 28") << &equalLegAngles() << 2 << 0 << "3" << 1.27;
    QTest::newRow("equal 70 4,5") << &equalLegAngles() << 10 << 0 << "4,5" << 4.87;
    QTest::newRow("equal 160 11") << &equalLegAngles() << 18 << 1 << "11" << 27.0;
    QTest::newRow("equal last") << &equalLegAngles() << 22 << 6 << "30" << 111.4;
    QTest::newRow("unequal first") << &unequalLegAngles() << 0 << 0 << "3" << 0.91;
    QTest::newRow("unequal 70 х 45") << &unequalLegAngles() << 7 << 0 << "5" << 4.39;
    QTest::newRow("unequal 90 х 56") << &unequalLegAngles() << 10 << 0 << "5,5" << 6.17;
    QTest::newRow("unequal last") << &unequalLegAngles() << 18 << 3 << "20" << 61.7;
}

void TestAngles::spotValues()
{
    QFETCH(const AngleTable*, table);
    QFETCH(int, size);
    QFETCH(int, thickness);
    QFETCH(QString, text);
    QFETCH(double, kgPerMetre);
    QCOMPARE(angleThicknessTexts(*table, size).at(thickness), text);
    QCOMPARE(double(*angleKgPerMetre(*table, size, thickness)), kgPerMetre);
}

void TestAngles::calculations_data()
{
    QTest::addColumn<bool>("toWeight");
    QTest::addColumn<AngleSelection>("selection");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("report"); // a null text: no report

    const QString equal50 = Head + "Уголок равнополочный \r\nширина полки уголка: 50 мм.\r\n"
                                   "толщина уголка: 5 мм.\r\n";
    const QString unequal140 = Head + "Уголок: неравнополочный \r\nтип уголка: 140 х 90\r\n"
                                      "толщина уголка: 8 мм.\r\n";
    QTest::newRow("equal 50/5, 6 m")
        << true << equalLeg(7, 2) << "6"
        << "0"
        << "22,62" << equal50 + "при длине уголка в 6 м.,\r\nобщий вес уголка составит: 22,62 кг.";
    QTest::newRow("equal 50/5, 22,62 kg")
        << false << equalLeg(7, 2) << "0"
        << "22,62"
        << "6" << equal50 + "при весе уголка в 22,62 кг.,\r\nдлина уголка составит: 6 м.";
    QTest::newRow("unequal 140 х 90/8, 1 m")
        << true << unequalLeg(14, 0) << "1"
        << "0"
        << "14,1" << unequal140 + "при длине уголка в 1 м.,\r\nобщий вес уголка составит: 14,1 кг.";
    QTest::newRow("unequal 140 х 90/8, 141 kg")
        << false << unequalLeg(14, 0) << "0"
        << "141"
        << "10" << unequal140 + "при весе уголка в 141 кг.,\r\nдлина уголка составит: 10 м.";
    QTest::newRow("no type: result, no report") << true << equalLeg(7, 2, AngleType::None) << "6"
                                                << "0"
                                                << "22,62" << QString();
    // A stale equal-leg selection never answers for the unequal type.
    AngleSelection stale = equalLeg(7, 2, AngleType::UnequalLeg);
    QTest::newRow("unequal type, stale equal choice")
        << true << stale << "6"
        << "5"
        << "5"
        << Head + "Уголок: неравнополочный \r\nтип уголка: \r\nтолщина уголка: 5 мм.\r\n"
                  "при длине уголка в 6 м.,\r\nобщий вес уголка составит: 5 кг.";
    AngleSelection none;
    none.type = AngleType::EqualLeg;
    QTest::newRow("nothing chosen: result kept, report written")
        << false << none << "3"
        << "7"
        << "3"
        << Head + "Уголок равнополочный \r\nширина полки уголка:  мм.\r\nтолщина уголка:  мм.\r\n"
                  "при весе уголка в 7 кг.,\r\nдлина уголка составит: 3 м.";
}

void TestAngles::calculations()
{
    QFETCH(bool, toWeight);
    QFETCH(AngleSelection, selection);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(QString, result);
    QFETCH(QString, report);
    const Outcome out =
        toWeight ? Ugolok(selection, {length, weight}) : Ugolok1(selection, {length, weight});
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, result);
    QCOMPARE(out.report, report);
    QCOMPARE(out.report.isNull(), report.isNull());
}

void TestAngles::failures_data()
{
    QTest::addColumn<bool>("toWeight");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<Status>("status");

    QTest::newRow("length 0") << true << "0"
                              << "5" << Status::Refused;
    QTest::newRow("weight 0") << false << "5"
                              << "0" << Status::Refused;
    QTest::newRow("empty length") << true << ""
                                  << "5" << Status::NotANumber;
    QTest::newRow("empty weight") << false << "5"
                                  << "" << Status::NotANumber;
    QTest::newRow("sign only") << true << "+"
                               << "5" << Status::NotANumber;
}

void TestAngles::failures()
{
    QFETCH(bool, toWeight);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(Status, status);
    const AngleSelection s = equalLeg(0, 0);
    const Outcome out = toWeight ? Ugolok(s, {length, weight}) : Ugolok1(s, {length, weight});
    QCOMPARE(out.status, status);
    QVERIFY(out.report.isEmpty());
}

QTEST_GUILESS_MAIN(TestAngles)
#include "tst_angles.moc"
