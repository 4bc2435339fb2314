#include "core/reference/SteelGrades.h"

#include <QSet>
#include <QTest>

using namespace tolvex;

class TestSteelGrades : public QObject
{
    Q_OBJECT
private slots:
    void treeCounts()
    {
        int subgroups = 0;
        int grades = 0;
        for (const steel::Group& g : steel::groups()) {
            subgroups += int(g.subgroups.size());
            for (const steel::Subgroup& s : g.subgroups)
                grades += int(s.grades.size());
        }
        QCOMPARE(int(steel::groups().size()), 7);
        QCOMPARE(subgroups, 33);
        QCOMPARE(grades, 820);
    }

    void everyPageOnce()
    {
        QSet<int> pages;
        for (const steel::PageEntry& e : steel::pageTable())
            pages.insert(e.page);
        QCOMPARE(int(steel::pageTable().size()), 821);
        QCOMPARE(pages.size(), 821);
        QCOMPARE(*std::min_element(pages.begin(), pages.end()), 1);
        QCOMPARE(*std::max_element(pages.begin(), pages.end()), 821);
    }

    // Every grade node finds at least one page: a typing slip in either list would
    // leave a node that opens nothing.
    void everyNodeHasAPage()
    {
        for (const steel::Group& g : steel::groups())
            for (const steel::Subgroup& s : g.subgroups)
                for (const char* grade : s.grades)
                    QVERIFY2(!steel::pagesOf(QString::fromUtf8(grade)).isEmpty(), grade);
    }

    void pagesOf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("doubled ВСт6пс") << "ВСт6пс" << QList<int>{628, 629};
        QTest::newRow("doubled Ст2пс") << "Ст2пс" << QList<int>{693, 694};
        QTest::newRow("doubled Ст3пс") << "Ст3пс" << QList<int>{698, 699};
        QTest::newRow("doubled Ст4пс") << "Ст4пс" << QList<int>{701, 702};
        QTest::newRow("first page") << "08" << QList<int>{1};
        QTest::newRow("last page") << "ШХ4" << QList<int>{821};
        QTest::newRow("casting steel") << "120Г13Х2БЛ" << QList<int>{121};
        QTest::newRow("entry without node") << "1х2м1" << QList<int>{245};
        QTest::newRow("exact case") << "вСт6пс" << QList<int>{};
        QTest::newRow("whole text") << "ВСт6" << QList<int>{};
        QTest::newRow("group") << "Чугун" << QList<int>{};
        QTest::newRow("subgroup") << "Чугун серый" << QList<int>{};
    }
    void pagesOf()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, pages);
        QCOMPARE(steel::pagesOf(text), pages);
    }

    void doubledNamesAppearTwiceInTree_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::newRow("ВСт6пс") << "ВСт6пс" << 2;
        QTest::newRow("Ст2пс") << "Ст2пс" << 2;
        QTest::newRow("Ст3пс") << "Ст3пс" << 2;
        QTest::newRow("Ст4пс") << "Ст4пс" << 2;
        QTest::newRow("1х2м1") << "1х2м1" << 0;
    }
    void doubledNamesAppearTwiceInTree()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        int seen = 0;
        for (const steel::Group& g : steel::groups())
            for (const steel::Subgroup& s : g.subgroups)
                for (const char* grade : s.grades)
                    seen += QString::fromUtf8(grade) == name;
        QCOMPARE(seen, count);
    }
};

QTEST_GUILESS_MAIN(TestSteelGrades)
#include "tst_steelGrades.moc"
