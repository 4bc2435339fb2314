#include "core/app/LanguageFile.h"
#include "core/materials/DensitySelection.h"
#include "core/materials/MaterialCatalogue.h"

#include <QTest>

using namespace tolvex::materials;

class MaterialsTest : public QObject
{
    Q_OBJECT
private slots:
    void catalogueShape()
    {
        QCOMPARE(materials().size(), std::size_t(52));
        QCOMPARE(alloys().size(), std::size_t(126));
        int groups = 0;
        for (std::size_t i = 0; i < materials().size(); ++i) {
            const Material& m = materials()[i];
            QCOMPARE(m.isGroup(), m.text.endsWith(QStringLiteral("(из списка)")));
            groups += m.isGroup();
            if (i > 0) // the built-in list is in the box's sorted order
                QVERIFY2(QString::localeAwareCompare(materials()[i - 1].text, m.text) < 0,
                         qPrintable(m.text));
        }
        QCOMPARE(groups, 8);
    }

    void entries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("density");
        QTest::newRow("0 group") << 0 << "Алюминиевые сплавы (из списка)" << 2.75;
        QTest::newRow("1 trailing blank") << 1 << "Алюминий - 2,6889 " << 2.6889;
        QTest::newRow("2 double blank") << 2 << "Асбест  - 2,5" << 2.5;
        QTest::newRow("28") << 28 << "Нержавейка - 8,00" << 8.0;
        QTest::newRow("34 platinum mended") << 34 << "Платина - 21,35 (21,2 - 21,5)" << 21.35;
        QTest::newRow("38 steel") << 38 << "Сталь конструкционная - 7,85" << 7.85;
        QTest::newRow("51 last") << 51 << "Эбонит - 1,25" << 1.25;
    }
    void entries()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(double, density);
        QCOMPARE(materials()[std::size_t(index)].text, text);
        QCOMPARE(materials()[std::size_t(index)].density, density);
    }

    void alloyEntries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("density");
        QTest::newRow("0") << 0 << "Аллюминиевый сплав литейный по ГОСТ 2685-75 АЛ1 - 2,75" << 2.75;
        QTest::newRow("9 two blanks")
            << 9 << "Аллюминиевый сплав литейный по ГОСТ 2685-75  АЛ13 - 2,60" << 2.6;
        QTest::newRow("15 trailing blank")
            << 15 << "Баббиты оловянные и свинцовые по ГОСТ 1320-74 Б88 - 7,35 " << 7.35;
        QTest::newRow("29 comma in grade")
            << 29
            << "Бронза безоловянная, обрабатываемая давлением по ГОСТ 18175-78 Бр "
               "АЖМц10-3-1,5 - 7,6"
            << 7.6;
        QTest::newRow("56") << 56 << "Латунь литейная по ГОСТ 17711-72 ЛК80-3Л - 8,3" << 8.3;
        QTest::newRow("111") << 111 << "Медно-никелевые сплавы Сплав ТБ МН16 - 9,02" << 9.02;
        QTest::newRow("120 blank in grade")
            << 120 << "Никелевые сплавы Хромель Т НХ 9,5 - 8,7" << 8.7;
        QTest::newRow("125 last") << 125 << "Цинковые сплавы антифрикционные ЦАМ 10-5 - 6,3" << 6.3;
    }
    void alloyEntries()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(double, density);
        QCOMPARE(alloys()[std::size_t(index)].text, text);
        QCOMPARE(alloys()[std::size_t(index)].density, density);
    }

    void groupsOpenTheirAlloy_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("alloy");
        QTest::addColumn<double>("density");
        QTest::newRow("aluminium") << 0 << 0 << 2.75;
        QTest::newRow("babbits") << 3 << 15 << 7.35;
        QTest::newRow("bronze") << 5 << 21 << 7.6;
        QTest::newRow("brass") << 20 << 56 << 8.3;
        QTest::newRow("magnesium") << 23 << 91 << 1.8;
        QTest::newRow("copper-nickel") << 24 << 106 << 8.9;
        QTest::newRow("nickel") << 29 << 116 << 8.9;
        QTest::newRow("zinc") << 46 << 122 << 6.2;
    }
    void groupsOpenTheirAlloy()
    {
        QFETCH(int, material);
        QFETCH(int, alloy);
        QFETCH(double, density);
        DensitySelection s;
        s.chooseMaterial(material);
        QVERIFY(s.alloyBoxVisible());
        QCOMPARE(s.selectedAlloy(), alloy);
        QCOMPARE(s.density(), density);
        // The group density is the first alloy's density.
        QCOMPARE(s.density(), alloys()[std::size_t(alloy)].density);
        QCOMPARE(s.reportName("group text", "alloy text"), QStringLiteral("alloy text"));
    }

    void selectionSequence()
    {
        DensitySelection s;
        QCOMPARE(s.density(), 0.0);
        s.chooseMaterial(20); // brass group
        s.chooseAlloy(122);   // any alloy may be picked, here a zinc one
        QCOMPARE(s.density(), 6.2);
        QVERIFY(s.alloyBoxVisible());
        QVERIFY(s.typeText(QString()));
        QCOMPARE(s.density(), 1.0);
        QVERIFY(!s.alloyBoxVisible());
        QCOMPARE(s.reportName("typed", "alloy"), QStringLiteral("typed"));
        QVERIFY(s.typeText(QStringLiteral("7,5")));
        QCOMPARE(s.density(), 7.5);
        QVERIFY(!s.typeText(QStringLiteral("7.5")));
        QCOMPARE(s.density(), 7.5);
        QVERIFY(!s.typeText(QString(400, QChar('9')))); // beyond a double
        QCOMPARE(s.density(), 7.5);
        s.chooseMaterial(-1); // nothing selected: density kept
        QCOMPARE(s.density(), 7.5);
        s.chooseMaterial(38);
        QCOMPARE(s.density(), 7.85);
        QCOMPARE(s.reportName("Сталь", "alloy"), QStringLiteral("Сталь"));
    }

    void indexOfText()
    {
        QCOMPARE(materialIndexOf(QStringLiteral("Сталь конструкционная - 7,85")), 38);
        QCOMPARE(materialIndexOf(QStringLiteral("Сталь конструкционная - 7,8")), -1);
    }

    // A saved material text restores its entry whatever language it was saved in and
    // whether or not the configuration file kept its blanks.
    void savedText_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<int>("index");
        QTest::newRow("aluminium, trailing blank lost") << "Алюминий - 2,6889" << 1;
        QTest::newRow("aluminium as listed") << "Алюминий - 2,6889 " << 1;
        QTest::newRow("steel with blanks around") << "  Сталь конструкционная - 7,85 " << 38;
        QTest::newRow("steel saved in English") << "Structural steel - 7.85" << 38;
        QTest::newRow("aluminium saved in English") << "Aluminium - 2.6889" << 1;
        QTest::newRow("typed density") << "7,85" << -1;
        QTest::newRow("the default blank") << " " << -1;
    }
    void savedText()
    {
        QFETCH(QString, saved);
        QFETCH(int, index);
        const QList<QStringList> lists =
            tolvex::language::shippedMaterialLists({QStringLiteral(TOLVEX_LANG_DIR)});
        QCOMPARE(lists.size(), 2);
        QCOMPARE(savedMaterialIndex(saved, lists), index);
    }
};

QTEST_GUILESS_MAIN(MaterialsTest)
#include "tst_materials.moc"
