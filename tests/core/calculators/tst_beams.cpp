#include "core/calculators/Beams.h"

#include <QTest>

using namespace tolvex::calc;

namespace
{
const QString Head = QStringLiteral("Расчетные данные и результат расчета: \r\n\r\n");
using Calc = Outcome (*)(int, const QString&, const PerMetreFields&);
} // namespace

Q_DECLARE_METATYPE(Calc)
Q_DECLARE_METATYPE(tolvex::calc::Status)

class TestBeams : public QObject
{
    Q_OBJECT
private slots:
    void tables_data();
    void tables();
    void calculations_data();
    void calculations();
    void failures_data();
    void failures();
    void fillTemplateFillsOneHole();
    void reading_data();
    void reading();
};

void TestBeams::tables_data()
{
    QTest::addColumn<const PerMetreTable*>("table");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("kgPerMetre");

    QTest::newRow("I-beam first") << &iBeamTable() << 23 << 0 << "10" << 9.46;
    QTest::newRow("I-beam 27а") << &iBeamTable() << 23 << 13 << "27а" << 33.9;
    QTest::newRow("I-beam last") << &iBeamTable() << 23 << 22 << "60" << 108.0;
    QTest::newRow("channel first") << &channelTable() << 22 << 0 << "5" << 4.84;
    QTest::newRow("channel 16а") << &channelTable() << 22 << 8 << "16а" << 15.3;
    QTest::newRow("channel last") << &channelTable() << 22 << 21 << "40" << 48.3;
    QTest::newRow("rail first") << &railTable() << 11 << 0 << "KP - 50" << 29.85;
    QTest::newRow("rail P - 43") << &railTable() << 11 << 7 << "P - 43" << 44.653;
    QTest::newRow("rail last") << &railTable() << 11 << 10 << "P - 75" << 74.41;
}

void TestBeams::tables()
{
    QFETCH(const PerMetreTable*, table);
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(double, kgPerMetre);
    QCOMPARE(int(table->size()), count);
    QCOMPARE(table->at(std::size_t(position)).name, name);
    QCOMPARE(double(table->at(std::size_t(position)).kgPerMetre), kgPerMetre);
    QCOMPARE(kgPerMetreAt(*table, -1), std::nullopt);
    QCOMPARE(kgPerMetreAt(*table, count), std::nullopt);
    // The letter "а" of the profile names is Cyrillic, the rail letters Latin.
    for (const PerMetreSize& size : *table) {
        QVERIFY(!size.name.contains(QLatin1Char('a')));
        QVERIFY(!size.name.contains(QChar(0x041A)) && !size.name.contains(QChar(0x0420)));
    }
}

// The I-beam and the channel read the field's value (a double); the rail converts the
// text (extended precision). The weights are not exact in binary.
void TestBeams::reading_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("result");
    QTest::newRow("I-beam 20а, 10,3 kg") << Calc(balkaLength) << 7 << "10,3"
                                         << "0,453744493392071";
    QTest::newRow("channel 10, 0,7 kg") << Calc(shvelerLength) << 3 << "0,7"
                                        << "0,0814901047729918";
    QTest::newRow("rail P - 43, 11,6 kg") << Calc(relsLength) << 7 << "11,6"
                                          << "0,259780977761853";
}

void TestBeams::reading()
{
    QFETCH(Calc, calc);
    QFETCH(int, position);
    QFETCH(QString, weight);
    QFETCH(QString, result);
    QCOMPARE(calc(position, QString(), {QStringLiteral("0"), weight}).result, result);
}

void TestBeams::calculations_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("report");

    QTest::newRow("I-beam weight")
        << Calc(balka) << 7 << "6"
        << "0"
        << "136,2"
        << Head + "Номер профиля балки 20а\r\nпри длине балки в 6 м.,\r\n"
                  "общий вес балки составляет: 136,2 кг.";
    QTest::newRow("I-beam length")
        << Calc(balkaLength) << 6 << "0"
        << "42"
        << "2"
        << Head + "Номер профиля балки 20\r\nпри общем весе балки 42 кг.,"
                  "\r\nобщая длина балки составляет: 2 м.";
    QTest::newRow("channel weight")
        << Calc(shveler) << 1 << "12"
        << "0"
        << "70,8"
        << Head + "Номер профиля швеллера 6,5\r\nпри длине швеллера в 12 "
                  "м.,\r\nобщий вес швеллера составляет: 70,8 кг.";
    QTest::newRow("channel length") << Calc(shvelerLength) << 0 << "0"
                                    << "9,68"
                                    << "2"
                                    << Head + "Номер профиля швеллера 5\r\nпри весе в 9,68 кг.,\r\n"
                                              "длина швеллера составляет: 2 м.";
    QTest::newRow("rail weight") << Calc(rels) << 0 << "12,5"
                                 << "0"
                                 << "373,125"
                                 << Head + "Тип рельса KP - 50\r\nпри длине рельса в 12,5 м.,\r\n"
                                           "общий вес рельса составляет: 373,125 кг.";
    QTest::newRow("rail length") << Calc(relsLength) << 9 << "0"
                                 << "1000"
                                 << "15,451174289246"
                                 << Head + "Тип рельса P - 65\r\nпри весе в 1000 кг.,\r\n"
                                           "длина рельса составляет: 15,451174289246 м.";
    QTest::newRow("0,0 passes the refusal rule")
        << Calc(balkaLength) << 0 << "5"
        << "0,0"
        << "0"
        << Head + "Номер профиля балки 10\r\nпри общем весе "
                  "балки 0,0 кг.,\r\nобщая длина балки "
                  "составляет: 0 м.";
    // No beam or channel chosen: the result field keeps its text, the report is written.
    QTest::newRow("no I-beam") << Calc(balka) << -1 << "3"
                               << "17"
                               << "17"
                               << Head + "Номер профиля балки \r\nпри длине балки в 3 м.,\r\n"
                                         "общий вес балки составляет: 17 кг.";
    QTest::newRow("no channel") << Calc(shvelerLength) << -1 << "4"
                                << "17"
                                << "4"
                                << Head + "Номер профиля швеллера \r\nпри весе в 17 кг.,\r\n"
                                          "длина швеллера составляет: 4 м.";
    // No rail chosen: 0 kg/m, the weight comes out as 0.
    QTest::newRow("no rail") << Calc(rels) << -1 << "3"
                             << "17"
                             << "0"
                             << Head + "Тип рельса \r\nпри длине рельса в 3 м.,\r\n"
                                       "общий вес рельса составляет: 0 кг.";
}

void TestBeams::calculations()
{
    QFETCH(Calc, calc);
    QFETCH(int, position);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(QString, result);
    QFETCH(QString, report);
    const QString profile =
        position < 0                               ? QString()
        : calc == balka || calc == balkaLength     ? iBeamTable()[std::size_t(position)].name
        : calc == shveler || calc == shvelerLength ? channelTable()[std::size_t(position)].name
                                                   : railTable()[std::size_t(position)].name;
    const Outcome out = calc(position, profile, {length, weight});
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, result);
    QCOMPARE(out.report, report);
}

void TestBeams::failures_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<Status>("status");

    QTest::newRow("I-beam length 0") << Calc(balka) << 0 << "0"
                                     << "5" << Status::Refused;
    QTest::newRow("I-beam weight 0") << Calc(balkaLength) << 0 << "5"
                                     << "0" << Status::Refused;
    QTest::newRow("channel length 0") << Calc(shveler) << 0 << "0"
                                      << "5" << Status::Refused;
    QTest::newRow("channel weight 0") << Calc(shvelerLength) << 0 << "5"
                                      << "0" << Status::Refused;
    QTest::newRow("rail length 0") << Calc(rels) << 0 << "0"
                                   << "5" << Status::Refused;
    QTest::newRow("rail weight 0") << Calc(relsLength) << 0 << "5"
                                   << "0" << Status::Refused;
    QTest::newRow("rail empty length") << Calc(rels) << 0 << ""
                                       << "5" << Status::NotANumber;
    QTest::newRow("rail empty weight") << Calc(relsLength) << 0 << "5"
                                       << "" << Status::NotANumber;
    QTest::newRow("rail bad length") << Calc(rels) << 0 << "-"
                                     << "5" << Status::NotANumber;
    QTest::newRow("rail point length") << Calc(rels) << 0 << "1.5"
                                       << "5" << Status::NotANumber;
    QTest::newRow("no rail, length") << Calc(relsLength) << -1 << "5"
                                     << "100" << Status::FloatError;
    QTest::newRow("I-beam bad weight") << Calc(balkaLength) << 0 << "5"
                                       << "," << Status::NotANumber;
}

void TestBeams::failures()
{
    QFETCH(Calc, calc);
    QFETCH(int, position);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(Status, status);
    const Outcome out = calc(position, QStringLiteral("X"), {length, weight});
    QCOMPARE(out.status, status);
    QCOMPARE(out.messageKey, int(Refusal));
    if (status == Status::NotANumber)
        QCOMPARE(out.badText, calc == rels || calc == balka ? length : weight);
}

void TestBeams::fillTemplateFillsOneHole()
{
    QCOMPARE(fillTemplate(QStringLiteral("при {} м. трубы,"), QStringLiteral("2")),
             QStringLiteral("при 2 м. трубы,"));
    QCOMPARE(fillTemplate(QStringLiteral("{} и {}"), QStringLiteral("{}")),
             QStringLiteral("{} и {}"));
}

QTEST_GUILESS_MAIN(TestBeams)
#include "tst_beams.moc"
