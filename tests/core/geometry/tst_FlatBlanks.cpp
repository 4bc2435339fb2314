// Flat blanks: area routines, result lines and the number form of the lines.
#include "core/geometry/FlatBlanks.h"
#include "core/geometry/GeometryNumbers.h"

#include <QTest>
#include <cmath>

using namespace tolvex::geometry;

Q_DECLARE_METATYPE(tolvex::geometry::Blank)

class tst_FlatBlanks : public QObject
{
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void areas_data();
    void areas();
    void englishLines();
    void impossibleTriangle_data();
    void impossibleTriangle();
    void badInput_data();
    void badInput();
    void blankNumberForm_data();
    void blankNumberForm();
};

namespace
{
const QChar Comma(',');
}

void tst_FlatBlanks::examples_data()
{
    QTest::addColumn<Blank>("kind");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<double>("density");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("weight");

    QTest::newRow("triangle 300-400-500, 2 mm, 7,85")
        << Blank::TreugProizv3 << QStringList{"300", "400", "500", "2"} << 7.85
        << "Площадь составляет: 0,060 кв.м."
        << "Вес составляет: 0,942 кг.";
    QTest::newRow("ring r 50, R 100") << Blank::Kolco1 << QStringList{"50", "100", "0"} << 0.0
                                      << "Площадь составляет: 0,024 кв.м."
                                      << "Вес составляет: 0,000 кг.";
    QTest::newRow("sector R 100, 90") << Blank::Sektor << QStringList{"100", "90", "0"} << 0.0
                                      << "Площадь составляет: 0,008 кв.м."
                                      << "Вес составляет: 0,000 кг.";
    QTest::newRow("segment R 100, 180") << Blank::Segment << QStringList{"100", "180", "0"} << 0.0
                                        << "Площадь составляет: 0,016 кв.м."
                                        << "Вес составляет: 0,000 кг.";
    QTest::newRow("two sides 100, 100, 30, 3 mm, 7,85")
        << Blank::TreugProizv2 << QStringList{"100", "100", "30", "3"} << 7.85
        << "Площадь составляет: 0,003 кв.м."
        << "Вес составляет: 0,059 кг.";
    QTest::newRow("no material: weight 0,000")
        << Blank::TreugProizv3 << QStringList{"300", "400", "500", "2"} << 0.0
        << "Площадь составляет: 0,060 кв.м."
        << "Вес составляет: 0,000 кг.";
    QTest::newRow("right triangle 50, 60: 1500 mm²")
        << Blank::TreugPrjm1 << QStringList{"50", "60", "1"} << 1.0
        << "Площадь составляет: 0,002 кв.м."
        << "Вес составляет: 0,002 кг.";
    QTest::newRow("right triangle 50, 100: 2500 mm²")
        << Blank::TreugPrjm1 << QStringList{"50", "100", "1"} << 1.0
        << "Площадь составляет: 0,003 кв.м."
        << "Вес составляет: 0,003 кг.";
    QTest::newRow("rhombus 50 at 90: 2500 mm²") << Blank::ChetRomb2 << QStringList{"50", "90", "1"}
                                                << 1.0 << "Площадь составляет: 0,003 кв.м."
                                                << "Вес составляет: 0,003 кг.";
    QTest::newRow("fields after Clear") << Blank::SektorKolc << QStringList{"0", "0", "0", "0"}
                                        << 7.85 << "Площадь составляет: 0,000 кв.м."
                                        << "Вес составляет: 0,000 кг.";
}

void tst_FlatBlanks::examples()
{
    QFETCH(Blank, kind);
    QFETCH(QStringList, fields);
    QFETCH(double, density);
    const BlankOutcome out = computeBlank(kind, fields, density, LineLanguage::Russian, Comma);
    QCOMPARE(out.status, BlankOutcome::Ok);
    QTEST(out.lines.area, "area");
    QTEST(out.lines.weight, "weight");
}

void tst_FlatBlanks::areas_data()
{
    QTest::addColumn<Blank>("kind");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<double>("expected"); // mm²

    const double pi = 3.14159265358979323846;
    QTest::newRow("treug_proizv1") << Blank::TreugProizv1 << QStringList{"40", "30", "1"} << 600.0;
    QTest::newRow("treug_proizv2 at 90")
        << Blank::TreugProizv2 << QStringList{"30", "40", "90", "1"} << 600.0;
    QTest::newRow("treug_proizv3") << Blank::TreugProizv3 << QStringList{"3", "4", "5", "1"} << 6.0;
    QTest::newRow("treug_proizv3 degenerate")
        << Blank::TreugProizv3 << QStringList{"1", "2", "3", "1"} << 0.0;
    QTest::newRow("treug_prjm1") << Blank::TreugPrjm1 << QStringList{"30", "40", "1"} << 600.0;
    QTest::newRow("treug_prjm2") << Blank::TreugPrjm2 << QStringList{"50", "24", "1"} << 600.0;
    QTest::newRow("chet_proizv") << Blank::ChetProizv << QStringList{"100", "60", "30", "1"}
                                 << 1500.0;
    QTest::newRow("chet_paral1") << Blank::ChetParal1 << QStringList{"50", "20", "1"} << 1000.0;
    QTest::newRow("chet_paral2") << Blank::ChetParal2 << QStringList{"50", "40", "30", "1"}
                                 << 1000.0;
    QTest::newRow("chet_paral3") << Blank::ChetParal3 << QStringList{"100", "60", "90", "1"}
                                 << 3000.0;
    QTest::newRow("chet_romb1") << Blank::ChetRomb1 << QStringList{"50", "30", "1"} << 1500.0;
    QTest::newRow("chet_romb2") << Blank::ChetRomb2 << QStringList{"50", "90", "1"} << 2500.0;
    QTest::newRow("chet_romb3") << Blank::ChetRomb3 << QStringList{"80", "60", "1"} << 2400.0;
    QTest::newRow("trap1") << Blank::Trap1 << QStringList{"60", "40", "20", "1"} << 1000.0;
    QTest::newRow("trap2") << Blank::Trap2 << QStringList{"50", "20", "1"} << 1000.0;
    QTest::newRow("sector") << Blank::Sektor << QStringList{"100", "90", "1"} << 7853.981633974483;
    QTest::newRow("Kolco1") << Blank::Kolco1 << QStringList{"50", "100", "1"} << 23561.94490192345;
    QTest::newRow("Kolco2") << Blank::Kolco2 << QStringList{"100", "200", "1"} << 23561.94490192345;
    QTest::newRow("Kolco3: D 200, S 50")
        << Blank::Kolco3 << QStringList{"200", "50", "1"} << 23561.94490192345;
    QTest::newRow("segment") << Blank::Segment << QStringList{"100", "180", "1"}
                             << 15707.963267948966;
    QTest::newRow("segment 90") << Blank::Segment << QStringList{"100", "90", "1"}
                                << (pi / 2 - 1) * 5000;
    QTest::newRow("annular sector")
        << Blank::SektorKolc << QStringList{"50", "100", "90", "1"} << 5890.486225480862;
    QTest::newRow("negatives as entered")
        << Blank::ChetParal1 << QStringList{"-50", "20", "1"} << -1000.0;
}

void tst_FlatBlanks::areas()
{
    QFETCH(Blank, kind);
    QFETCH(QStringList, fields);
    QFETCH(double, expected);
    // Thickness 1 and density 1000000 make the weight line read the area in mm².
    const BlankOutcome out = computeBlank(kind, fields, 1000000, LineLanguage::Russian, Comma);
    QCOMPARE(out.status, BlankOutcome::Ok);
    QCOMPARE(out.lines.weight, "Вес составляет: " + blankNumber(expected, Comma) + " кг.");
}

void tst_FlatBlanks::englishLines()
{
    const BlankOutcome out = computeBlank(Blank::TreugProizv3, {"300", "400", "500", "2"}, 7.85,
                                          LineLanguage::English, Comma);
    QCOMPARE(out.lines.area, QStringLiteral("Total area: 0,060 sqr.m."));
    QCOMPARE(out.lines.weight, QStringLiteral("Total weight: 0,942 kg."));
}

void tst_FlatBlanks::impossibleTriangle_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("1, 2, 10") << QStringList{"1", "2", "10", "2"};
    QTest::newRow("one side 0") << QStringList{"0", "3", "4", "2"};
}

void tst_FlatBlanks::impossibleTriangle()
{
    QFETCH(QStringList, fields);
    const BlankOutcome out =
        computeBlank(Blank::TreugProizv3, fields, 7.85, LineLanguage::Russian, Comma);
    QCOMPARE(out.status, BlankOutcome::NoTriangle);
    QVERIFY(out.lines.area.isEmpty());
    QVERIFY(!noTriangleText().isEmpty());
}

void tst_FlatBlanks::badInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("minus") << "-";
    QTest::newRow("separator") << ",";
    QTest::newRow("garbage") << "12abc";
    QTest::newRow("point under comma") << "1.5";
    QTest::newRow("huge") << "9" + QString(63, '9');
    QTest::newRow("negative huge") << "-9" + QString(62, '9');
    QTest::newRow("beyond a double") << "1E200";
}

void tst_FlatBlanks::badInput()
{
    QFETCH(QString, text);
    for (int k = 0; k < BlankCount; ++k) {
        const QStringList fields{text, text, text, text};
        const BlankOutcome out = computeBlank(Blank(k), fields, 7.85, LineLanguage::Russian, Comma);
        for (const QString& line : {out.lines.area, out.lines.weight}) {
            QVERIFY2(!line.contains("NAN", Qt::CaseInsensitive), qPrintable(line));
            QVERIFY2(!line.contains("INF", Qt::CaseInsensitive), qPrintable(line));
        }
    }
    // An area no double holds is an overflow, not a line.
    if (QByteArray(QTest::currentDataTag()) == "beyond a double") {
        const QStringList fields{text, text, text, text};
        QCOMPARE(computeBlank(Blank::TreugPrjm1, fields, 7.85, LineLanguage::Russian, Comma).status,
                 BlankOutcome::FloatError);
    }
}

void tst_FlatBlanks::blankNumberForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0,058875") << 0.058875 << "0,059";
    QTest::newRow("zero") << 0.0 << "0,000";
    QTest::newRow("tiny negative") << -0.0001 << "0,000";
    QTest::newRow("negative") << -1.5 << "-1,500";
    QTest::newRow("seven whole digits") << 1234567.12345 << "1234567,123";
    QTest::newRow("eight whole digits: ten significant") << 12345678.12345 << "12345678,120";
    QTest::newRow("ten whole digits") << 1234567891.6 << "1234567892,000";
    QTest::newRow("eleven whole digits") << 12345678912.0 << "1,234567891E10";
    QTest::newRow("rounds up to eleven") << 9999999999.9996 << "1E10";
    QTest::newRow("large") << 1.5e40 << "1,5E40";
    // Ten significant digits first, then three decimals, halves away from zero.
    QTest::newRow("0,0015") << 0.0015 << "0,002";
    QTest::newRow("0,0025") << 0.0025 << "0,003";
    QTest::newRow("-0,0025") << -0.0025 << "-0,003";
    QTest::newRow("0,0005") << 0.0005 << "0,001";
    QTest::newRow("0,00049999999999: ten digits make a half") << 0.00049999999999 << "0,001";
    QTest::newRow("0,00049999 stays below") << 0.00049999 << "0,000";
    QTest::newRow("9,9995 carries") << 9.9995 << "10,000";
}

void tst_FlatBlanks::blankNumberForm()
{
    QFETCH(double, value);
    QTEST(blankNumber(value, Comma), "text");
}

QTEST_GUILESS_MAIN(tst_FlatBlanks)
#include "tst_FlatBlanks.moc"
