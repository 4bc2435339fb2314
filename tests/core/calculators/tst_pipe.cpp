#include "core/calculators/Pipe.h"

#include <QTest>

using namespace tolvex::calc;

namespace
{
// The current density is held as a double, as the material box sets it.
const long double Steel = static_cast<long double>(7.85);
const QString Material = QStringLiteral("Сталь конструкционная - 7,85");
const QString Head = QStringLiteral("Расчетные данные и результат расчета: \r\n\r\n"
                                    "Материал трубы: Сталь конструкционная - 7,85\r\n");
} // namespace

Q_DECLARE_METATYPE(tolvex::calc::DiameterKind)
Q_DECLARE_METATYPE(tolvex::calc::MaterialSource)
Q_DECLARE_METATYPE(tolvex::calc::Status)

class TestPipe : public QObject
{
    Q_OBJECT
private slots:
    void weight_data();
    void weight();
    void length_data();
    void length();
    void refusals_data();
    void refusals();
    void surface_data();
    void surface();
    void fieldValues_data();
    void fieldValues();
};

void TestPipe::weight_data()
{
    QTest::addColumn<DiameterKind>("kind");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("length");
    QTest::addColumn<MaterialSource>("source");
    QTest::addColumn<bool>("withSurface");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("report");

    const QString outer57 = Head + "внешний диаметр трубы 57 мм.,\r\nтолщина стенки трубы 3,5 мм.,"
                                   "\r\nпри длине трубы в 1 м.,\r\nобщий вес трубы составит: ";
    QTest::newRow("outer 57") << DiameterKind::Outer << "57"
                              << "1" << MaterialSource::MaterialBox << false << "4,61786631141981"
                              << outer57 + "4,6178663 кг.\r\n";
    QTest::newRow("outer 57 with surface")
        << DiameterKind::Outer << "57"
        << "1" << MaterialSource::MaterialBox << true << "4,61786631141981"
        << outer57 + "4,6178663 кг.\r\nобщая поверхность трубы составит: 0,3373 кв.м.";
    QTest::newRow("inner 50: same weight, no surface")
        << DiameterKind::Inner << "50"
        << "1" << MaterialSource::MaterialBox << true << "4,61786631141981"
        << Head + "внутренний диаметр трубы 50 мм.,\r\nтолщина стенки трубы 3,5 мм.,\r\n"
                  "при длине трубы в 1 м.,\r\nобщий вес трубы составит: 4,6178663 кг.\r\n";
    // A group entry: the alloy names the material, the weight is whole, no final line
    // break and no surface line.
    QTest::newRow("alloy") << DiameterKind::Outer << "57"
                           << "1" << MaterialSource::AlloyBox << true << "4,61786631141981"
                           << outer57 + "4,61786631141981 кг.";
    QTest::newRow("short weight is not cut")
        << DiameterKind::Outer << "57"
        << "0,0" << MaterialSource::MaterialBox << false << "0"
        << Head + "внешний диаметр трубы 57 мм.,\r\nтолщина стенки трубы 3,5 мм.,\r\n"
                  "при длине трубы в 0,0 м.,\r\nобщий вес трубы составит: 0 кг.\r\n";
}

void TestPipe::weight()
{
    QFETCH(DiameterKind, kind);
    QFETCH(QString, diameter);
    QFETCH(QString, length);
    QFETCH(MaterialSource, source);
    QFETCH(bool, withSurface);
    QFETCH(QString, result);
    QFETCH(QString, report);
    const Outcome out = truba(kind, {diameter, QStringLiteral("3,5"), length, QStringLiteral("5")},
                              Steel, Material, source, withSurface);
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, result);
    QCOMPARE(out.report, report);
}

void TestPipe::length_data()
{
    QTest::addColumn<DiameterKind>("kind");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("report");

    QTest::newRow("outer 57")
        << DiameterKind::Outer << "57"
        << "21,6550227434484"
        << Head + "внешний диаметр трубы 57 мм.,\r\nтолщина стенки трубы 3,5 мм.,\r\n"
                  "при весе трубы в 100 кг.,\r\nобщая длина трубы составит: 21,6550227434484 м.";
    QTest::newRow("inner 50")
        << DiameterKind::Inner << "50"
        << "21,6550227434484"
        << Head + "внутренний диаметр трубы 50 мм.,\r\nтолщина стенки трубы 3,5 мм.,\r\n"
                  "при весе трубы в 100 кг.,\r\nобщая длина трубы составит: 21,6550227434484 м.";
}

void TestPipe::length()
{
    QFETCH(DiameterKind, kind);
    QFETCH(QString, diameter);
    QFETCH(QString, result);
    QFETCH(QString, report);
    const Outcome out =
        truba1(kind, {diameter, QStringLiteral("3,5"), QStringLiteral("7"), QStringLiteral("100")},
               Steel, Material);
    QCOMPARE(out.status, Status::Ok);
    QCOMPARE(out.result, result);
    QCOMPARE(out.report, report);
}

// A field's value is its text read as a double, then widened.
void TestPipe::fieldValues_data()
{
    QTest::addColumn<bool>("toWeight");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("wall");
    QTest::addColumn<QString>("quantity"); // length (weight direction) or weight
    QTest::addColumn<QString>("result");
    QTest::newRow("48 x 2,8, 1 m") << true << "48"
                                   << "2,8"
                                   << "1"
                                   << "3,12115973497084";
    QTest::newRow("57 x 3,5, 4,4 m") << true << "57"
                                     << "3,5"
                                     << "4,4"
                                     << "20,3186117702472";
    QTest::newRow("57 x 3,5, 4,6 kg") << false << "57"
                                      << "3,5"
                                      << "4,6"
                                      << "0,996131046198625";
}

void TestPipe::fieldValues()
{
    QFETCH(bool, toWeight);
    QFETCH(QString, diameter);
    QFETCH(QString, wall);
    QFETCH(QString, quantity);
    QFETCH(QString, result);
    const Outcome out =
        toWeight ? truba(DiameterKind::Outer, {diameter, wall, quantity, "0"}, Steel, Material,
                         MaterialSource::MaterialBox, false)
                 : truba1(DiameterKind::Outer, {diameter, wall, "0", quantity}, Steel, Material);
    QCOMPARE(out.result, result);
}

void TestPipe::refusals_data()
{
    QTest::addColumn<bool>("toWeight");
    QTest::addColumn<DiameterKind>("kind");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("wall");
    QTest::addColumn<QString>("quantity"); // length (weight direction) or weight
    QTest::addColumn<long double>("density");
    QTest::addColumn<Status>("status");
    QTest::addColumn<int>("messageKey");

    const auto outer = DiameterKind::Outer;
    QTest::newRow("weight: diameter 0") << true << outer << "0"
                                        << "3"
                                        << "1" << Steel << Status::Refused << int(Refusal);
    QTest::newRow("weight: wall 0") << true << outer << "57"
                                    << "0"
                                    << "1" << Steel << Status::Refused << int(Refusal);
    QTest::newRow("weight: length 0") << true << outer << "57"
                                      << "3"
                                      << "0" << Steel << Status::Refused << int(Refusal);
    QTest::newRow("length: weight 0") << false << outer << "57"
                                      << "3"
                                      << "0" << Steel << Status::Refused << int(Refusal);
    // The field at start: disabled and "0", no kind chosen: the refusal rule comes first.
    QTest::newRow("no kind, diameter 0") << true << DiameterKind::None << "0"
                                         << "3"
                                         << "1" << Steel << Status::Refused << int(Refusal);
    QTest::newRow("no kind, weight") << true << DiameterKind::None << "57"
                                     << "3"
                                     << "1" << Steel << Status::Refused << PipeKindMissing;
    QTest::newRow("no kind, length") << false << DiameterKind::None << "57"
                                     << "3"
                                     << "1" << Steel << Status::Refused << PipeKindMissing;
    QTest::newRow("D equal to s") << false << outer << "3"
                                  << "3"
                                  << "10" << Steel << Status::FloatError << int(Refusal);
    QTest::newRow("density 0") << false << outer << "57"
                               << "3"
                               << "10" << 0.0L << Status::FloatError << int(Refusal);
    QTest::newRow("no number") << true << outer << "57"
                               << "-"
                               << "10" << Steel << Status::NotANumber << int(Refusal);
}

void TestPipe::refusals()
{
    QFETCH(bool, toWeight);
    QFETCH(DiameterKind, kind);
    QFETCH(QString, diameter);
    QFETCH(QString, wall);
    QFETCH(QString, quantity);
    QFETCH(long double, density);
    QFETCH(Status, status);
    QFETCH(int, messageKey);
    const Outcome out =
        toWeight ? truba(kind, {diameter, wall, quantity, QStringLiteral("0")}, density, Material,
                         MaterialSource::MaterialBox, true)
                 : truba1(kind, {diameter, wall, QStringLiteral("0"), quantity}, density, Material);
    QCOMPARE(out.status, status);
    QCOMPARE(out.messageKey, messageKey);
    QVERIFY(out.report.isEmpty());
}

void TestPipe::surface_data()
{
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("area");
    // By hand: π·(57 + 50)/1000 + 2·π/4·(57² − 50²)/10⁶ = 0.336150… + 0.001176… m².
    QTest::newRow("57 x 3,5, 1 m") << 57.0 << 3.5 << 1.0 << 0.33732694038287725;
    // π·(100 + 90)·2/1000 + π/2·(100² − 90²)/10⁶ = 1.193805… + 0.002984… m².
    QTest::newRow("100 x 5, 2 m") << 100.0 << 5.0 << 2.0 << 1.1967897213850317;
}

void TestPipe::surface()
{
    QFETCH(double, D);
    QFETCH(double, s);
    QFETCH(double, L);
    QFETCH(double, area);
    QVERIFY(qAbs(double(pipeSurface(D, s, L)) - area) < 1e-15);
}

QTEST_GUILESS_MAIN(TestPipe)
#include "tst_pipe.moc"
