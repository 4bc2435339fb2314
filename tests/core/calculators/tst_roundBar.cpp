#include "core/calculators/RoundBar.h"

#include <QTest>

using namespace tolvex::calc;

namespace
{
const QString Head =
    QStringLiteral("Расчетные данные и результат расчета: \r\n\r\nМатериал трубы: ");
const QString Steel = QStringLiteral("Сталь конструкционная - 7,85");
} // namespace

class RoundBarTest : public QObject
{
    Q_OBJECT
private slots:
    void roundBar()
    {
        const Outcome w = roundBarWeight({"20", "1", "0"}, 7.85, Steel);
        QCOMPARE(w.status, Status::Ok);
        QCOMPARE(w.result, QStringLiteral("2,46615023306799"));
        QCOMPARE(w.report, Head + Steel +
                               "\r\nДиаметр проката 20 мм.,\r\nпри длине проката в 1 м.,"
                               "\r\nобщий вес проката составит: 2,46615023306799 кг.");
        QCOMPARE(w.report.split("\r\n").at(3), QStringLiteral("Диаметр проката 20 мм.,"));

        const Outcome l = roundBarLength({"20", "0", "2,46615023306799"}, 7.85, Steel);
        QCOMPARE(l.status, Status::Ok);
        QCOMPARE(l.result, QStringLiteral("1"));
        QCOMPARE(l.report, Head + Steel +
                               "\r\nДиаметр проката 20 мм.,\r\nпри весе проката "
                               "2,46615023306799 кг.,\r\nобщая длина проката составит: 1 м.");
    }

    void squareAndSheet()
    {
        const Outcome sq =
            squareSheetWeight(Profile::Square, {"10", "0", "1000", "0"}, 7.85, Steel);
        QCOMPARE(sq.result, QStringLiteral("0,785"));
        QCOMPARE(sq.report, Head + Steel +
                                "\r\nПрофиль: квадрат \r\nсторона а= 10 мм.,\r\nпри длине "
                                "квадрата в 1000 мм.,\r\nобщий вес квадрата составит: 0,785 кг.");
        const Outcome sqL =
            squareSheetLength(Profile::Square, {"10", "5", "0", "0,785"}, 7.85, Steel);
        QCOMPARE(sqL.result, QStringLiteral("1000"));
        QCOMPARE(sqL.report, Head + Steel +
                                 "\r\nПрофиль: квадрат \r\nсторона а= 10 мм.,\r\nпри весе "
                                 "проката 0,785 кг.,\r\nобщая длина проката составит: 1000 мм.");
        const Outcome sh =
            squareSheetWeight(Profile::Sheet, {"1000", "2000", "2", "0"}, 7.85, Steel);
        QCOMPARE(sh.result, QStringLiteral("31,4"));
        QCOMPARE(sh.report, Head + Steel +
                                "\r\nПрофиль: лист \r\nсторона а= 1000 мм.,\r\nсторона b= "
                                "2000 мм.,\r\nпри толщине листа в 2 мм.,\r\nобщий вес листа "
                                "составит: 31,4 кг.");
        const Outcome shT =
            squareSheetLength(Profile::Sheet, {"1000", "2000", "0", "31,4"}, 7.85, Steel);
        QCOMPARE(shT.result, QStringLiteral("2"));
        QCOMPARE(shT.report, Head + Steel +
                                 "\r\nПрофиль: лист \r\nсторона а= 1000 мм.,\r\nсторона b= "
                                 "2000 мм.,\r\nпри весе листа в 31,4 кг.,\r\nтолщина листа "
                                 "составит: 2 мм.");
    }

    void stops_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("badText");
        const int refused = int(Status::Refused), bad = int(Status::NotANumber),
                  fpe = int(Status::FloatError), ok = int(Status::Ok), none = int(Status::Nothing);
        // operation: 0 bar weight, 1 bar length, 2 square weight, 3 square length,
        // 4 sheet weight, 5 sheet thickness, 6 no profile weight, 7 no profile length
        QTest::newRow("length 0 refuses weight")
            << 0 << QStringList{"20", "0", "5"} << refused << "";
        QTest::newRow("length 0 fine for length") << 1 << QStringList{"20", "0", "5"} << ok << "";
        QTest::newRow("empty tested field refuses")
            << 0 << QStringList{"20", "", "5"} << refused << "";
        QTest::newRow("untested empty reads 0") << 0 << QStringList{"", "1", "5"} << ok << "";
        QTest::newRow("diameter 0 divides by zero") << 1 << QStringList{"0", "0", "5"} << fpe << "";
        QTest::newRow("not a number") << 0 << QStringList{"2.5", "1", "0"} << bad << "2.5";
        QTest::newRow("sign only") << 0 << QStringList{"-", "1", "0"} << bad << "-";
        // A field holds a double: a text beyond its range is no number.
        QTest::newRow("beyond a double") << 0 << QStringList{QString(400, QChar(0x39)), "1", "0"}
                                         << bad << QString(400, QChar(0x39));
        // A weight a double can't hold is an overflow, though extended precision holds it.
        QTest::newRow("weight beyond a double")
            << 0 << QStringList{"1E200", "1E200", "0"} << fpe << "";
        QTest::newRow("length beyond a double")
            << 1 << QStringList{"1E-200", "0", "1E200"} << fpe << "";
        QTest::newRow("square side 0") << 3 << QStringList{"0", "0", "0", "1"} << fpe << "";
        QTest::newRow("sheet b 0") << 5 << QStringList{"10", "0", "0", "1"} << fpe << "";
        QTest::newRow("sheet refuses weight 0")
            << 5 << QStringList{"10", "5", "3", "0"} << refused << "";
        QTest::newRow("no profile weight") << 6 << QStringList{"10", "5", "0", "0"} << none << "";
        QTest::newRow("no profile length") << 7 << QStringList{"10", "5", "0", "0"} << none << "";
    }
    void stops()
    {
        QFETCH(int, operation);
        QFETCH(QStringList, fields);
        QFETCH(int, status);
        QFETCH(QString, badText);
        Outcome out;
        const RoundBarFields bar{fields.value(0), fields.value(1), fields.value(2)};
        const SquareSheetFields ss{fields.value(0), fields.value(1), fields.value(2),
                                   fields.value(3)};
        switch (operation) {
        case 0:
            out = roundBarWeight(bar, 7.85, "M");
            break;
        case 1:
            out = roundBarLength(bar, 7.85, "M");
            break;
        case 3:
            out = squareSheetLength(Profile::Square, ss, 7.85, "M");
            break;
        case 5:
            out = squareSheetLength(Profile::Sheet, ss, 7.85, "M");
            break;
        case 6:
            out = squareSheetWeight(Profile::None, ss, 7.85, "M");
            break;
        default:
            out = squareSheetLength(Profile::None, ss, 7.85, "M");
            break;
        }
        QCOMPARE(int(out.status), status);
        QCOMPARE(out.badText, badText);
        if (out.status != Status::Ok)
            QVERIFY(out.result.isEmpty() && out.report.isEmpty());
        if (out.status == Status::Refused)
            QCOMPARE(out.messageKey, int(Refusal));
    }

    // A field's value is its text read as a double: a decimal not exact in binary
    // (4,8; 2,1) enters the arithmetic rounded to double; exact halves are unaffected.
    void fieldValues_data()
    {
        QTest::addColumn<int>("operation"); // 0 bar weight, 1 bar length, 2 square, 5 sheet t
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("result");
        QTest::newRow("bar 10 mm, 4,8 m")
            << 0 << QStringList{"10", "4,8", "0"} << "2,95938027968158";
        QTest::newRow("bar 10 mm, 4,9 m")
            << 0 << QStringList{"10", "4,9", "0"} << "3,02103403550829";
        QTest::newRow("bar 10 mm, 0,5 m")
            << 0 << QStringList{"10", "0,5", "0"} << "0,308268779133498";
        QTest::newRow("bar 20 mm, 4,3 kg")
            << 1 << QStringList{"20", "0", "4,3"} << "1,7436082937456";
        QTest::newRow("square 10 mm, 2,5 mm")
            << 2 << QStringList{"10", "0", "2,5", "0"} << "0,0019625";
        QTest::newRow("sheet 1000 x 2000, 2,1 kg")
            << 5 << QStringList{"1000", "2000", "0", "2,1"} << "0,13375796178344";
    }
    void fieldValues()
    {
        QFETCH(int, operation);
        QFETCH(QStringList, fields);
        QFETCH(QString, result);
        const RoundBarFields bar{fields.value(0), fields.value(1), fields.value(2)};
        const SquareSheetFields ss{fields.value(0), fields.value(1), fields.value(2),
                                   fields.value(3)};
        Outcome out;
        if (operation == 0)
            out = roundBarWeight(bar, 7.85, "M");
        else if (operation == 1)
            out = roundBarLength(bar, 7.85, "M");
        else if (operation == 2)
            out = squareSheetWeight(Profile::Square, ss, 7.85, "M");
        else
            out = squareSheetLength(Profile::Sheet, ss, 7.85, "M");
        QCOMPARE(out.result, result);
    }

    void untestedZeroGivesZero()
    {
        QCOMPARE(roundBarWeight({"0", "3", "0"}, 7.85, "M").result, QStringLiteral("0"));
        QCOMPARE(squareSheetWeight(Profile::Sheet, {"0", "0", "2", "0"}, 7.85, "M").result,
                 QStringLiteral("0"));
    }

    void typedDensityNamedInReport()
    {
        const Outcome w = roundBarWeight({"20", "1", "0"}, 8, QStringLiteral("8"));
        QVERIFY(w.report.split("\r\n").at(2).endsWith(QStringLiteral("8")));
    }
};

QTEST_GUILESS_MAIN(RoundBarTest)
#include "tst_roundBar.moc"
