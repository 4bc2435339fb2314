#include "core/common/NumberText.h"

#include <QTest>

using namespace tolvex;

// Under an English locale the point is the separator, in both directions.
class NumberTextEnglishTest : public QObject
{
    Q_OBJECT
private slots:
    void pointSeparator()
    {
        QCOMPARE(systemDecimalPoint(), QChar('.'));
        QCOMPARE(formatGeneral(0.785L), QStringLiteral("0.785"));
        QCOMPARE(formatGeneral(0.000015L), QStringLiteral("1.5E-5"));
        QCOMPARE(formatFixed(0.06L, 3), QStringLiteral("0.060"));
        QCOMPARE(double(parseNumber(QStringLiteral("7.5")).value_or(0)), 7.5);
        QVERIFY(!parseNumber(QStringLiteral("7,5")));
    }
};

QTEST_GUILESS_MAIN(NumberTextEnglishTest)
#include "tst_numberText_en.moc"
