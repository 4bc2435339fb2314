#include "core/common/NumberText.h"
#include "core/reference/PressureUnits.h"

#include <QtTest>

using namespace tolvex;

class TestPressure : public QObject
{
    Q_OBJECT
private slots:
    void conversion_data();
    void conversion();
    void storedTexts_data();
    void storedTexts();
    void factorsAgreeWithPascal();
    void notANumber();
};

void TestPressure::conversion_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    // 2 bar into the other units, by hand from the bar row.
    QTest::newRow("bar→mbar") << 0 << "2" << 1 << "2000";
    QTest::newRow("bar→Па") << 0 << "2" << 2 << "200000";
    QTest::newRow("bar→МПа") << 0 << "2" << 4 << "0,2";
    QTest::newRow("bar→мм рт.ст.") << 0 << "2" << 8 << "1500,124";
    QTest::newRow("bar→psi") << 0 << "2" << 11 << "29,00754";
    // 1,5 atm: 1,5 × 760 and 1,5 × 14,6959 = 22,04385.
    QTest::newRow("атм→мм рт.ст.") << 7 << "1,5" << 8 << "1140";
    QTest::newRow("атм→psi") << 7 << "1,5" << 11 << "22,04385";
    // 3 Па × 0,000000102 = 3,06E-7: the exponent form.
    QTest::newRow("Па→кгс/мм2") << 2 << "3" << 5 << "3,06E-7";
}

void TestPressure::conversion()
{
    QFETCH(int, unit);
    QFETCH(QString, value);
    QFETCH(int, column);
    QFETCH(QString, expected);
    QCOMPARE(pressure::productText(value, pressure::factorText(unit, column)).value_or("none"),
             expected);
}

void TestPressure::storedTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("trailing zero kept") << 8 << 9 << "0,01360";
    QTest::newRow("psi in mm Hg") << 11 << 8 << "51,715217";
    QTest::newRow("kgf/mm2 in psi") << 5 << 11 << "1422,3344";
}

void TestPressure::storedTexts()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QCOMPARE(pressure::factorText(row, column), text);
}

// Every factor is the ratio of the two units' values in Па, to the few digits tabled:
// a digit lost or a zero too many in the table shows up here.
void TestPressure::factorsAgreeWithPascal()
{
    for (int r = 0; r < pressure::unitCount; ++r) {
        for (int c = 0; c < pressure::unitCount; ++c) {
            const long double f = *parseNumber(pressure::factorText(r, c), QChar(','));
            const long double pr = *parseNumber(pressure::factorText(r, 2), QChar(','));
            const long double pc = *parseNumber(pressure::factorText(c, 2), QChar(','));
            const long double deviation = f / (pr / pc) - 1;
            QVERIFY2(deviation < 1e-3L && deviation > -1e-3L,
                     qPrintable(QStringLiteral("row %1 column %2").arg(r).arg(c)));
        }
    }
}

void TestPressure::notANumber()
{
    QVERIFY(!pressure::productText(QString(), QStringLiteral("1000")));
    QVERIFY(!pressure::productText(QStringLiteral("2.5"), QStringLiteral("1000")));
    QCOMPARE(pressure::buttonHint(7), QStringLiteral("Расчет по физ.атм."));
    QCOMPARE(pressure::buttonHint(11), QStringLiteral("Расчет по psi"));
}

QTEST_GUILESS_MAIN(TestPressure)
#include "tst_pressure.moc"
