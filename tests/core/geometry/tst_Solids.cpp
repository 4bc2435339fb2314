// Solids: the four result lines, the prism check and the base of the prism.
#include "core/common/NumberText.h"
#include "core/geometry/GeometryNumbers.h"
#include "core/geometry/Solids.h"

#include <QTest>

using namespace tolvex::geometry;

Q_DECLARE_METATYPE(tolvex::geometry::Solid)

class tst_Solids : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void cutForm_data();
    void cutForm();
    void prismBaseTooLarge();
    void prismBaseAtLimit();
    void rectangleBaseFromSides();
    void badInput_data();
    void badInput();
};

namespace
{
const QChar Comma(',');
}

void tst_Solids::lines_data()
{
    QTest::addColumn<Solid>("kind");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<double>("density");
    QTest::addColumn<QStringList>("expected"); // lateral, total, volume, weight

    QTest::newRow("prism 400, 10000, 100") << Solid::Prizma << QStringList{"400", "10000", "100"}
                                           << 7.85 << QStringList{"0,04", "0,06", "0,001", "7,85"};
    QTest::newRow("cylinder 100, 200") << Solid::Cilindr << QStringList{"100", "200"} << 7.85
                                       << QStringList{"0,0628", "0,0785", "0,0015", "12,330"};
    QTest::newRow("sphere 100") << Solid::Shar << QStringList{"100"} << 7.85
                                << QStringList{"", "0,0314", "0,0005", "4,1102"};
    QTest::newRow("regular pyramid S 10000, H 300")
        << Solid::Piramida << QStringList{"0", "0", "10000", "300"} << 7.85
        << QStringList{"0", "0,01", "0,001", "7,85"};
    QTest::newRow("torus 20, 200, no material") << Solid::Tor << QStringList{"20", "200"} << 0.0
                                                << QStringList{"0,0394", "", "0,0001", "0"};
    QTest::newRow("cone r 10, H 50: volume 5,2359...E-6")
        << Solid::Konus << QStringList{"10", "50"} << 0.0
        << QStringList{"0,0016", "", "5,2359E-6", "0"};
    QTest::newRow("sphere 50: volume 6,5449...E-5 stays positional")
        << Solid::Shar << QStringList{"50"} << 7.85
        << QStringList{"", "0,0078", "0,0000", "0,5137"};
    QTest::newRow("cone after Clear: total empty")
        << Solid::Konus << QStringList{"0", "0"} << 7.85 << QStringList{"0", "", "0", "0"};
    QTest::newRow("truncated cone") << Solid::KonusUs << QStringList{"200", "100", "100", "90"}
                                    << 1.0 << QStringList{"0,0471", "", "0,0016", "1,6493"};
    QTest::newRow("truncated pyramid 100x100 under 50x50")
        << Solid::PiramidaUs << QStringList{"400", "200", "50", "10000", "2500", "60"} << 1.0
        << QStringList{"0,015", "0,0275", "0,0003", "0,35"};
    QTest::newRow("cut cylinder with h = H is a cylinder")
        << Solid::CilindrUs << QStringList{"100", "100", "100"} << 1.0
        << QStringList{"0,0314", "0,0471", "0,0007", "0,7853"};
    QTest::newRow("cut cylinder D 100, h 50, H 150")
        << Solid::CilindrUs << QStringList{"100", "50", "150"} << 1.0
        << QStringList{"0,0314", "0,0503", "0,0007", "0,7853"};
    QTest::newRow("spherical sector") << Solid::SharSektor << QStringList{"60", "100", "20"} << 1.0
                                      << QStringList{"", "0,0314", "0,0004", "0,4188"};
    QTest::newRow("segment by R wins over r")
        << Solid::SharSegment << QStringList{"30", "100", "10"} << 1.0
        << QStringList{"0,0062", "", "0,0000", "0,0303"};
    QTest::newRow("segment by r alone") << Solid::SharSegment << QStringList{"30", "0", "10"} << 1.0
                                        << QStringList{"0", "", "0,0000", "0,0146"};
    QTest::newRow("segment without r and R: no volume, no weight")
        << Solid::SharSegment << QStringList{"0", "0", "10"} << 7.85
        << QStringList{"0", "", "", ""};
    QTest::newRow("zone") << Solid::SharPoyas << QStringList{"60", "80", "100", "20"} << 1.0
                          << QStringList{"0,0125", "", "0,0003", "0,3183"};
}

void tst_Solids::lines()
{
    QFETCH(Solid, kind);
    QFETCH(QStringList, fields);
    QFETCH(double, density);
    QFETCH(QStringList, expected);
    const SolidOutcome out = computeSolid(kind, fields, density, Comma);
    QCOMPARE(out.status, SolidOutcome::Ok);
    QCOMPARE((QStringList{out.lines.lateral, out.lines.total, out.lines.volume, out.lines.weight}),
             expected);
}

void tst_Solids::cutForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0,0314159265358979") << 0.0314159265358979 << "0,0314";
    QTest::newRow("12,3307511653399") << 12.3307511653399 << "12,330";
    QTest::newRow("1,9739E-4") << 1.9739208802178717e-4 << "0,0001";
    QTest::newRow("5,2359...E-6 keeps its exponent") << 5.235987755982989e-6 << "5,2359E-6";
    QTest::newRow("6,5449...E-5 positional") << 6.544984694978735e-5 << "0,0000";
    QTest::newRow("1E-5 positional") << 1e-5 << "0,0000";
    QTest::newRow("negative exponent form") << -1.25e-7 << "-1,25E-7";
    QTest::newRow("large") << 1.2345678e20 << "1,2345E20";
    QTest::newRow("whole") << 7.85 << "7,85";
    QTest::newRow("negative") << -0.0314159 << "-0,031";
}

void tst_Solids::cutForm()
{
    QFETCH(double, value);
    QTEST(solidNumber(value, Comma), "text");
}

void tst_Solids::prismBaseTooLarge()
{
    const SolidOutcome out = computeSolid(Solid::Prizma, {"400", "10001", "100"}, 7.85, Comma);
    QCOMPARE(out.status, SolidOutcome::PrismBaseTooLarge);
    QCOMPARE(out.message, QStringLiteral("При данном периметре, площадь основания \n\r"
                                         " должна быть не более 10000 кв.мм."));
    QVERIFY(out.lines.volume.isEmpty());
    // The limit is written in the full general form, not cut.
    QCOMPARE(prismBaseMessage(prismBaseLimit(10), Comma).section(' ', -2),
             QStringLiteral("6,25 кв.мм."));
}

void tst_Solids::prismBaseAtLimit()
{
    const SolidOutcome out = computeSolid(Solid::Prizma, {"400", "10000", "0"}, 0, Comma);
    QCOMPARE(out.status, SolidOutcome::Ok);
}

void tst_Solids::rectangleBaseFromSides()
{
    const RectangleBase base = rectangleBase(100, 100);
    QCOMPARE(tolvex::formatGeneral(base.area, Comma), QStringLiteral("10000"));
    QCOMPARE(tolvex::formatGeneral(base.perimeter, Comma), QStringLiteral("400"));
    QCOMPARE(double(rectangleBase(-3, 5).perimeter), 4.0);
}

void tst_Solids::badInput_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("empty") << QStringList{"", "", "", "", "", ""};
    QTest::newRow("minus and garbage") << QStringList{"-", "x", ",", "1.5", "--2", "7,"};
    QTest::newRow("huge") << QStringList(6, "9" + QString(63, '9'));
    QTest::newRow("negative areas under a root") << QStringList{"4", "4", "1", "-100", "100", "1"};
    QTest::newRow("negative everything") << QStringList(6, "-5");
    QTest::newRow("beyond a double") << QStringList(6, "1E200");
}

void tst_Solids::badInput()
{
    QFETCH(QStringList, fields);
    for (int k = 0; k < SolidCount; ++k) {
        const SolidOutcome out = computeSolid(Solid(k), fields, 7.85, Comma);
        for (const QString& line :
             {out.lines.lateral, out.lines.total, out.lines.volume, out.lines.weight}) {
            QVERIFY2(!line.contains("NAN", Qt::CaseInsensitive), qPrintable(line));
            QVERIFY2(!line.contains("INF", Qt::CaseInsensitive), qPrintable(line));
        }
    }
    // A root of a negative product is a floating-point error, not a line.
    if (QByteArray(QTest::currentDataTag()) == "negative areas under a root")
        QCOMPARE(computeSolid(Solid::PiramidaUs, fields, 1, Comma).status,
                 SolidOutcome::FloatError);
    // A volume no double holds is an overflow, not a line.
    if (QByteArray(QTest::currentDataTag()) == "beyond a double")
        QCOMPARE(computeSolid(Solid::Tor, fields, 1, Comma).status, SolidOutcome::FloatError);
}

QTEST_GUILESS_MAIN(tst_Solids)
#include "tst_Solids.moc"
