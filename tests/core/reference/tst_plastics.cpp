#include "core/reference/Plastics.h"

#include <QtTest>

using namespace tolvex::plastics;

class TestPlastics : public QObject
{
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void everyMaterialHasItsTexts();
};

void TestPlastics::rows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("value");
    QTest::newRow("header") << 0 << "              Термопласты" << 0 << "";
    QTest::newRow("polyethylene") << 1
                                  << "Полиэтилен высокого давления (ПЭВД) и низкого давления (ПЭНД)"
                                  << 0 << "90-140; 220-320";
    QTest::newRow("expansion on two lines")
        << 2 << "Полипропилен термостабилизированный " << 8 << "1,1\n•10(-5)";
    QTest::newRow("frost on two lines")
        << 2 << "Полипропилен термостабилизированный " << 9 << "Не выше\n-15-40";
    QTest::newRow("organic glass") << 9 << "Стекло органическое конструкционное СОЛ, СТ-1,2-55" << 0
                                   << "775-710; 830-780; 1080-925; ";
    QTest::newRow("organic glass density")
        << 9 << "Стекло органическое конструкционное СОЛ, СТ-1,2-55" << 5 << "1,2; 1,19; 1,2; ";
    QTest::newRow("polyamides") << 11 << "Полиамиды" << 4 << "";
    QTest::newRow("empty line") << 19 << "" << 0 << "";
    QTest::newRow("thermosets") << 20 << "              Реактопласты" << 7 << "";
    QTest::newRow("typed as tabled") << 40 << "Э2-330-02" << 7 << "125=250";
    QTest::newRow("last") << 47 << "Аминопласт, пресс-порошок А и Б" << 0 << "";
}

void TestPlastics::rows()
{
    QFETCH(int, index);
    QFETCH(QString, item);
    QFETCH(int, cell);
    QFETCH(QString, value);
    QCOMPARE(items().size(), itemCount);
    QCOMPARE(plastic(index).item, item);
    QCOMPARE(plastic(index).properties[std::size_t(cell)], value);
}

void TestPlastics::everyMaterialHasItsTexts()
{
    for (int i = 0; i < itemCount; ++i) {
        const Plastic& p = plastic(i);
        QCOMPARE(isSeparator(i), p.processing.isEmpty());
        QCOMPARE(isSeparator(i), p.description.isEmpty());
        if (isSeparator(i))
            for (const QString& v : p.properties)
                QVERIFY(v.isEmpty());
    }
    QCOMPARE(plastic(18).processing, QStringLiteral("Прямое литьевое прессование."));
    QCOMPARE(plastic(27).description,
             QStringLiteral("Состав и назначение аналогичны волокниту К-138-А."));
    QCOMPARE(plastic(32).processing, QStringLiteral("Намотка."));
    QCOMPARE(plastic(33).processing, QStringLiteral("Контактное формование."));
    QVERIFY(plastic(31).description.startsWith(QStringLiteral("Состоит из стеклотканей")));
}

QTEST_GUILESS_MAIN(TestPlastics)
#include "tst_plastics.moc"
