// The hook shank thread formula: the examples, six characters cut not rounded, and the
// inputs that would divide by zero or take the root of a negative number.
#include "core/common/NumberText.h"
#include "core/engineering/HookThread.h"

#include <QTest>

using namespace tolvex;

class tst_hookThread : public QObject
{
    Q_OBJECT
private slots:
    void hook_data();
    void hook();
};

void tst_hookThread::hook_data()
{
    QTest::addColumn<QStringList>("inputs"); // Q, σт, s, p
    QTest::addColumn<int>("check");
    QTest::addColumn<QStringList>("lines");
    using C = hook::HookCheck;
    QTest::newRow("100/240/2/3") << QStringList{"100", "240", "2", "3"} << int(C::Ok)
                                 << QStringList{"120 МПа", "103,00 мм.", "105,70 мм."};
    QTest::newRow("50/300/1,5/2") << QStringList{"50", "300", "1,5", "2"} << int(C::Ok)
                                  << QStringList{"200 МПа", "56,418 мм.", "58,218 мм."};
    QTest::newRow("cut not rounded") << QStringList{"10", "235", "1,4", "0"} << int(C::Ok)
                                     << QStringList{"167,85 МПа", "27,541 мм.", "27,541 мм."};
    QTest::newRow("all zero") << QStringList{"0", "0", "0", "0"} << int(C::AllZero)
                              << QStringList{};
    QTest::newRow("pitch only") << QStringList{"0", "0", "0", "2"} << int(C::ZeroSafety)
                                << QStringList{};
    QTest::newRow("zero safety") << QStringList{"100", "240", "0", "3"} << int(C::ZeroSafety)
                                 << QStringList{};
    QTest::newRow("zero yield") << QStringList{"100", "0", "2", "3"} << int(C::ZeroYield)
                                << QStringList{};
    QTest::newRow("negative load")
        << QStringList{"-100", "240", "2", "3"} << int(C::NegativeRoot) << QStringList{};
    QTest::newRow("strength beyond a double")
        << QStringList{"100", "1E308", "0,5", "3"} << int(C::Overflow) << QStringList{};
    QTest::newRow("no load") << QStringList{"0", "240", "2", "3"} << int(C::Ok)
                             << QStringList{"120 МПа", "0 мм.", "2,7 мм."};
}

void tst_hookThread::hook()
{
    QFETCH(QStringList, inputs);
    QFETCH(int, check);
    QFETCH(QStringList, lines);
    const QChar comma(QLatin1Char(','));
    const hook::HookInput in{*parseNumber(inputs[0], comma), *parseNumber(inputs[1], comma),
                             *parseNumber(inputs[2], comma), *parseNumber(inputs[3], comma)};
    QCOMPARE(int(hook::checkHook(in)), check);
    if (lines.isEmpty())
        return;
    const hook::HookResult r = hook::hookResult(in, false, comma);
    QCOMPARE((QStringList{r.strength, r.designDiameter, r.nominalDiameter}), lines);
    QCOMPARE(hook::hookResult(in, true, comma).strength.right(4), QStringLiteral(" MPa"));
}

QTEST_GUILESS_MAIN(tst_hookThread)
#include "tst_hookThread.moc"
