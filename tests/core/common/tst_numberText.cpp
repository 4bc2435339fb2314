#include "core/common/NumberText.h"

#include <QTest>
#include <cmath>

using namespace tolvex;

class NumberTextTest : public QObject
{
    Q_OBJECT
private slots:
    void general_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("comma");
        QTest::addColumn<QString>("point");
        QTest::newRow("round bar 20 mm, 1 m") << 10.0L * 3.141592653589793238462643383279502884L *
                                                     10.0L * 1.0L * (long double)7.85 / 1000
                                              << "2,46615023306799"
                                              << "2.46615023306799";
        QTest::newRow("whole") << 136.0L << "136"
                               << "136";
        QTest::newRow("zero") << 0.0L << "0"
                              << "0";
        QTest::newRow("negative") << -0.785L << "-0,785"
                                  << "-0.785";
        QTest::newRow("0,0001 stays positional") << 0.0001L << "0,0001"
                                                 << "0.0001";
        QTest::newRow("below 1E-4") << 0.000015L << "1,5E-5"
                                    << "1.5E-5";
        QTest::newRow("2E15") << 2e15L << "2E15"
                              << "2E15";
        QTest::newRow("just under 1E15") << 999999999999999.0L << "999999999999999"
                                         << "999999999999999";
        QTest::newRow("rounds up to 1E15") << 999999999999999.6L << "1E15"
                                           << "1E15";
        QTest::newRow("rounds to 15 digits") << 1.0L / 3 << "0,333333333333333"
                                             << "0.333333333333333";
        QTest::newRow("trailing zeros dropped") << 31.4000000000000001L << "31,4"
                                                << "31.4";
        QTest::newRow("tiny negative") << -1.25e-7L << "-1,25E-7"
                                       << "-1.25E-7";
        QTest::newRow("big with digits") << 1.234e20L << "1,234E20"
                                         << "1.234E20";
    }
    void general()
    {
        QFETCH(long double, value);
        QFETCH(QString, comma);
        QFETCH(QString, point);
        QCOMPARE(formatGeneral(value, QChar(',')), comma);
        QCOMPARE(formatGeneral(value, QChar('.')), point);
    }

    void systemLocaleIsRussianHere()
    {
        // The test runs under a Russian locale: the comma is the separator.
        QCOMPARE(formatGeneral(0.785L), QStringLiteral("0,785"));
    }

    void fixedAndCut()
    {
        QCOMPARE(formatFixed(0.0600000001L, 3, QChar(',')), QStringLiteral("0,060"));
        QCOMPARE(formatFixed(-0.0001L, 3, QChar(',')), QStringLiteral("0,000"));
        QCOMPARE(formatFixed(12.3299999L, 3, QChar('.')), QStringLiteral("12.330"));
        QCOMPARE(cutText(QStringLiteral("4,61786631141981"), 9), QStringLiteral("4,6178663"));
        QCOMPARE(cutText(QStringLiteral("4,6"), 9), QStringLiteral("4,6"));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("7,85") << "7,85" << QChar(',') << true << 7.85;
        QTest::newRow("7, reads 7") << "7," << QChar(',') << true << 7.0;
        QTest::newRow(",5") << ",5" << QChar(',') << true << 0.5;
        QTest::newRow("signed") << "-2,5" << QChar(',') << true << -2.5;
        QTest::newRow("plus") << "+8" << QChar(',') << true << 8.0;
        QTest::newRow("blanks around") << " 8 " << QChar(',') << true << 8.0;
        QTest::newRow("point under comma") << "7.5" << QChar(',') << false << 0.0;
        QTest::newRow("point under point") << "7.5" << QChar('.') << true << 7.5;
        QTest::newRow("letters") << "abc" << QChar(',') << false << 0.0;
        QTest::newRow("sign only") << "-" << QChar(',') << false << 0.0;
        QTest::newRow("separator only") << "," << QChar(',') << false << 0.0;
        QTest::newRow("empty") << "" << QChar(',') << false << 0.0;
        QTest::newRow("exponent out of range") << "1e5000" << QChar(',') << false << 0.0;
        QTest::newRow("exponent form written") << "2,69E-5" << QChar(',') << true << 2.69e-5;
        QTest::newRow("exponent whole") << "2E15" << QChar(',') << true << 2e15;
        QTest::newRow("small e, plus sign") << "-1,5e+3" << QChar(',') << true << -1500.0;
        QTest::newRow("exponent under point") << "1.25E-7" << QChar('.') << true << 1.25e-7;
        QTest::newRow("point mantissa under comma") << "1.5E-5" << QChar(',') << false << 0.0;
        QTest::newRow("exponent without digits") << "1,5E" << QChar(',') << false << 0.0;
        QTest::newRow("exponent only") << "E5" << QChar(',') << false << 0.0;
        QTest::newRow("decimal exponent") << "1E2,5" << QChar(',') << false << 0.0;
        QTest::newRow("two separators") << "1,2,3" << QChar(',') << false << 0.0;
        QTest::newRow("unit") << "7,85 г/см3" << QChar(',') << false << 0.0;
        QTest::newRow("entry text edited")
            << "Сталь конструкционная - 7," << QChar(',') << false << 0.0;
        QTest::newRow("below the smallest normal long double")
            << "1,68105157155605E-4932" << QChar(',') << true << 0.0;
        QTest::newRow("negative smallest subnormal")
            << "-3,64519953188247E-4951" << QChar(',') << true << 0.0;
        QTest::newRow("below the smallest subnormal") << "1E-4960" << QChar(',') << false << 0.0;
        QTest::newRow("10000 nines overflow")
            << QString(10000, QChar('9')) << QChar(',') << false << 0.0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const auto parsed = parseNumber(text, separator);
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QCOMPARE(double(*parsed), value);
    }

    // Every text the general form writes, positional or exponent, reads back to the same
    // 15 digits.
    void readsBackWhatItWrites_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::newRow("comma") << QChar(',');
        QTest::newRow("point") << QChar('.');
    }
    void readsBackWhatItWrites()
    {
        QFETCH(QChar, separator);
        const long double mantissas[] = {1.0L, 2.69L, -1.23456789012345L, 9.99999999999999L,
                                         5.2359877559829887L};
        for (int exponent = -20; exponent <= 20; ++exponent)
            for (const long double m : mantissas) {
                const QString text = formatGeneral(m * std::pow(10.0L, exponent), separator);
                const auto back = parseNumber(text, separator);
                QVERIFY2(back.has_value(), qPrintable(text));
                QCOMPARE(formatGeneral(*back, separator), text);
                const auto value = parseFieldValue(text, separator);
                QVERIFY2(value.has_value(), qPrintable(text));
                QCOMPARE(formatGeneral(*value, separator), text);
            }
    }

    // A field value is the text read as a double: 4,8 is the double nearest 4.8.
    void fieldValueIsADouble()
    {
        QCOMPARE(*parseFieldValue(QStringLiteral("4,8"), QChar(',')), (long double)4.8);
        QVERIFY(*parseNumber(QStringLiteral("4,8"), QChar(',')) != (long double)4.8);
        QCOMPARE(*parseFieldValue(QStringLiteral("2,69E-5"), QChar(',')), (long double)2.69e-5);
        QVERIFY(!parseFieldValue(QStringLiteral("1e400"), QChar(',')));
    }

    // What a field can hold: finite and within the range of a double.
    void fitsDouble_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<bool>("fits");
        QTest::newRow("largest double") << (long double)1.7976931348623157e308 << true;
        QTest::newRow("negative largest") << -(long double)1.7976931348623157e308 << true;
        QTest::newRow("just above") << 1.7976931348623159e308L << false;
        QTest::newRow("1E400") << 1e400L << false;
        QTest::newRow("-1E400") << -1e400L << false;
        QTest::newRow("1E-400 (an underflow, not an overflow)") << 1e-400L << true;
        QTest::newRow("infinity") << (long double)INFINITY << false;
        QTest::newRow("NaN") << (long double)NAN << false;
    }
    void fitsDouble()
    {
        QFETCH(long double, value);
        QTEST(tolvex::fitsDouble(value), "fits");
    }
};

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numberText.moc"
