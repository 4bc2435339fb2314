#include "core/reference/UnitConverter.h"

#include <QtTest>

using namespace tolvex::units;

Q_DECLARE_METATYPE(tolvex::units::Quantity)

class TestUnits : public QObject
{
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void roundTrip_data();
    void roundTrip();
    void readGeneralForm();
};

void TestUnits::examples_data()
{
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");
    const Quantity L = Quantity::Length;
    const Quantity M = Quantity::Mass;
    const Quantity A = Quantity::Area;
    QTest::newRow("верста→метр") << L << "Верста"
                                 << "1"
                                 << "Метр"
                                 << "1066,8";
    QTest::newRow("верста→аршин") << L << "Верста"
                                  << "1"
                                  << "Аршин"
                                  << "1500";
    QTest::newRow("дюйм→мм") << L << "Дюйм"
                             << "1"
                             << "Миллиметр"
                             << "25,4";
    QTest::newRow("аршин→вершок") << L << "Аршин"
                                  << "1"
                                  << "Вершок"
                                  << "16";
    QTest::newRow("миля→кабельтов") << L << "Миля морская (междунар.)"
                                    << "1"
                                    << "Кабельтов (межд.)"
                                    << "10";
    QTest::newRow("сажень→стопа") << L << "Сажень"
                                  << "1"
                                  << "Стопа"
                                  << "7";
    QTest::newRow("световой год") << L << "Световой год"
                                  << "1"
                                  << "Километр"
                                  << "9460730472580,8";
    // 1 au / 1 pc = π / 648000 = 4,84813681109536E-6.
    QTest::newRow("парсек") << L << "Астрономическая единица"
                            << "1"
                            << "Парсек"
                            << "4,84813681109536E-6";
    QTest::newRow("пуд→фунт") << M << "Пуд"
                              << "1"
                              << "Фунт русский"
                              << "40";
    QTest::newRow("пуд→кг") << M << "Пуд"
                            << "1"
                            << "Килограмм"
                            << "16,3804964";
    QTest::newRow("фунт→г") << M << "Фунт (англ.)"
                            << "1"
                            << "Грамм"
                            << "453,59237";
    QTest::newRow("золотник→доля") << M << "Золотник"
                                   << "1"
                                   << "Доля"
                                   << "96";
    QTest::newRow("тройская унция") << M << "Унция тройская"
                                    << "1"
                                    << "Грамм"
                                    << "31,1034768";
    QTest::newRow("длинная тонна") << M << "Тонна длинная (Великобр.)"
                                   << "1"
                                   << "Килограмм"
                                   << "1016,0469088";
    QTest::newRow("акр") << A << "Акр"
                         << "1"
                         << "Квадратный метр"
                         << "4046,8564224";
    // 2400 × 2,1336² = 10925,397504.
    QTest::newRow("десятина") << A << "Десятина"
                              << "1"
                              << "Квадратный метр"
                              << "10925,397504";
    QTest::newRow("кв. миля→акр") << A << "Квадратная миля"
                                  << "1"
                                  << "Акр"
                                  << "640";
}

void TestUnits::examples()
{
    QFETCH(Quantity, quantity);
    QFETCH(QString, from);
    QFETCH(QString, value);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    const UnitConverter c(quantity);
    const int f = c.indexOf(from);
    const int t = c.indexOf(to);
    QVERIFY(f >= 0 && t >= 0);
    QCOMPARE(c.convert(value, f).value_or(QStringList()).value(t), expected);
}

void TestUnits::roundTrip_data()
{
    QTest::addColumn<Quantity>("quantity");
    QTest::newRow("length") << Quantity::Length;
    QTest::newRow("mass") << Quantity::Mass;
    QTest::newRow("area") << Quantity::Area;
}

// 1 of every unit into every other and back through the shown texts gives 1 to 12
// significant digits.
void TestUnits::roundTrip()
{
    QFETCH(Quantity, quantity);
    const UnitConverter c(quantity);
    for (int a = 0; a < c.count(); ++a) {
        // Every list item carries one leading blank, as the length list does.
        QVERIFY(c.unit(a).name.startsWith(' ') && c.unit(a).name.at(1) != ' ');
        const QStringList there = c.convert(QStringLiteral("1"), a).value();
        for (int b = 0; b < c.count(); ++b) {
            const QStringList back = c.convert(there[b], b).value();
            const long double value = readGeneral(back[a]).value();
            QVERIFY2(qAbs(value - 1) < 5e-12L,
                     qPrintable(c.unit(a).name + " →" + c.unit(b).name + ": " + back[a]));
        }
    }
}

void TestUnits::readGeneralForm()
{
    QCOMPARE(double(readGeneral(QStringLiteral("1,5E-5")).value()), 1.5e-5);
    QCOMPARE(double(readGeneral(QStringLiteral("2E15")).value()), 2e15);
    QVERIFY(!readGeneral(QStringLiteral("1,5E")));
    QVERIFY(!readGeneral(QStringLiteral("E5")));
    QVERIFY(!readGeneral(QString()));
    QVERIFY(!readGeneral(QStringLiteral("1E5000")));
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
