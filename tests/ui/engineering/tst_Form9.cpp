// The rope assortment window: its tabs, the picture grid and the modal boxes the
// pictures show.
#include "StubWindowDirectory.h"
#include "TestSupport.h"
#include "core/app/LanguageState.h"
#include "core/engineering/BoxText.h"
#include "core/engineering/RopeAssortment.h"
#include "ui/engineering/EngineeringWindows.h"
#include "ui/engineering/RopeSectionView.h"

#include <QApplication>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace tolvex;
using namespace tolvex::test;

class tst_Form9 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tabsAndGrid();
    void pictureTexts_data();
    void pictureTexts();
    void lookedAt();

private:
    RopeSectionView* picture(int row, int column) const
    {
        return m_window->findChild<RopeSectionView*>(
            QStringLiteral("Image%1").arg((row - 1) * 5 + column));
    }
    StubWindowDirectory m_directory;
    LanguageState m_language;
    std::unique_ptr<QWidget> m_window;
};

void tst_Form9::initTestCase()
{
    m_window.reset(createForm9({m_directory, m_language}));
    m_window->show();
}

void tst_Form9::tabsAndGrid()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Form9"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Сортамент канатов"));
    QCOMPARE(m_window->size(), QSize(673, 513));
    auto* pages = m_window->findChild<QTabWidget*>(QStringLiteral("RzPageControl1"));
    QCOMPARE((QStringList{pages->tabText(0), pages->tabText(1), pages->tabText(2)}),
             (QStringList{"Подразделение", "Рекомендации по применению", "Конструкции"}));
    QCOMPARE(pages->currentIndex(), 2);
    QVERIFY(m_window->findChild<QPlainTextEdit*>(QStringLiteral("RzMemo1"))->isReadOnly());
    const auto pictures = m_window->findChildren<RopeSectionView*>();
    QCOMPARE(pictures.size(), 26);
    auto* grid = qobject_cast<QGridLayout*>(pictures.first()->parentWidget()->layout());
    for (int i = 0; i < 26; ++i) {
        RopeSectionView* p = picture(i / 5 + 1, i % 5 + 1);
        QCOMPARE(p->size(), QSize(105, 105));
        QCOMPARE(p->cursor().shape(), Qt::PointingHandCursor);
        int row = 0, column = 0, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(p), &row, &column, &rs, &cs);
        QCOMPARE(QPoint(column, row), QPoint(i % 5, i / 5));
    }
}

void tst_Form9::pictureTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("start");
    QTest::newRow("1,1")
        << 1 << 1
        << "Канат двойной свивки типа ЛК-Р конструкции\n\r6х19(1+6+6/6)+1о.с\n\rГОСТ 2688-80\n\r";
    QTest::newRow("1,4")
        << 1 << 4
        << "Канат одинарной свивки типа ТК конструкции 1х37\n\r(1+6+12+18)\n\rГОСТ 3064-80\n\r";
    QTest::newRow("2,2") << 2 << 2
                         << "Канат стальной двойной свивки типа ТК конструкции \n\r"
                            "6x37(1+6+12+18)+1x37(1+6+12+18).\n\rГОСТ 3068-88 \n\r";
    QTest::newRow("3,5") << 3 << 5
                         << "Канат двойной свивки типа ЛК-О конструкции 6х30 "
                            "\n\r(0+15+15)+7о.с.\n\rГОСТ 3083-80\n\r";
    QTest::newRow("5,4") << 5 << 4
                         << "Канат талевый двойной свивки типа ЛК-РО конструкции \n\r"
                            "6х31 (1+6+6/6+12)+7х7(1+6)\n\rГОСТ 16853-88\n\r";
    QTest::newRow("5,5 as 5,4") << 5 << 5 << ropes::assortmentText(ropes::assortmentEntries()[23]);
    QTest::newRow("6,1")
        << 6 << 1
        << "Канат стальной конструкционный \n\r6x26(1+5+5/5+10)+7x7(1+6) \n\rТУ 14-176-121-93 \n\r";
}

void tst_Form9::pictureTexts()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, start);
    // While the box is open it is application-modal and owned by the window.
    bool modal = false;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        modal = modal || (box && box->parentWidget() == m_window.get() &&
                          box->windowModality() == Qt::ApplicationModal);
        if (box && row == 1 && column == 1)
            saveShot(box, QStringLiteral("Form9_box"));
    });
    probe.start();
    ModalWatcher watcher;
    QTest::mouseClick(picture(row, column), Qt::LeftButton);
    QTRY_COMPARE(watcher.seen().size(), 1);
    QVERIFY(modal);
    QCOMPARE(watcher.seen().first().caption, QStringLiteral("Information"));
    QCOMPARE(watcher.seen().first().icon, QMessageBox::Information);
    // The box shows each line feed + carriage return as one line break.
    QVERIFY2(watcher.texts().first().startsWith(boxText(start)),
             qPrintable(watcher.texts().first()));
}

void tst_Form9::lookedAt()
{
    saveShot(m_window.get(), QStringLiteral("Form9_grid"));
    QVERIFY2(clippedWidgets(m_window.get()).isEmpty(),
             qPrintable(clippedWidgets(m_window.get()).join(QLatin1Char(' '))));
    auto* pages = m_window->findChild<QTabWidget*>(QStringLiteral("RzPageControl1"));
    pages->setCurrentIndex(0);
    saveShot(m_window.get(), QStringLiteral("Form9_classification"));
    pages->setCurrentIndex(1);
    saveShot(m_window.get(), QStringLiteral("Form9_recommendations"));
    pages->setCurrentIndex(2);
}

QTEST_MAIN(tst_Form9)
#include "tst_Form9.moc"
