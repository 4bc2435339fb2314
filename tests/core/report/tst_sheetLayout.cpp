// Where the elements of a filled result sheet go on the A4 page (mm from the paper's
// top-left corner; the band lies 4.7 mm from the top, 10 mm from the left).
#include "core/report/SheetLayout.h"

#include <QTest>

using namespace tolvex::report;

class tst_sheetLayout : public QObject
{
    Q_OBJECT
private slots:
    void memoAndPicture_data();
    void memoAndPicture();
    void labelsWiden_data();
    void labelsWiden();
};

static bool near(const QRectF& a, const QRectF& b)
{
    return qAbs(a.left() - b.left()) < 1e-9 && qAbs(a.top() - b.top()) < 1e-9 &&
           qAbs(a.width() - b.width()) < 1e-9 && qAbs(a.height() - b.height()) < 1e-9;
}

void tst_sheetLayout::memoAndPicture_data()
{
    QTest::addColumn<qreal>("memoHeight");
    QTest::addColumn<bool>("hasPicture");
    QTest::addColumn<QRectF>("memo");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QRectF>("picture");
    QTest::addColumn<bool>("pictureShown");

    // Design: memo 2.1, 29.6, 186.5 × 46.8; picture 52.9, 82.6, 87.1 × 72.2; the gap
    // between them 6.2; the footer's top 277.3.
    QTest::newRow("short report keeps the design boxes")
        << 20.0 << true << QRectF(12.1, 34.3, 186.5, 46.8) << 1.0 << QRectF(62.9, 87.3, 87.1, 72.2)
        << true;
    QTest::newRow("no picture") << 20.0 << false << QRectF(12.1, 34.3, 186.5, 46.8) << 1.0
                                << QRectF(62.9, 87.3, 87.1, 72.2) << false;
    QTest::newRow("taller report pushes the picture down")
        << 100.0 << true << QRectF(12.1, 34.3, 186.5, 100.0) << 1.0
        << QRectF(62.9, 140.5, 87.1, 72.2) << true;
    // picture top 82.6 + 148.2 = 230.8; room 277.3 - 6.2 - 230.8 = 40.3
    QTest::newRow("picture gets lower above the footer")
        << 195.0 << true << QRectF(12.1, 34.3, 186.5, 195.0) << 1.0
        << QRectF(62.9, 235.5, 87.1, 40.3) << true;
    // picture top 82.6 + 183.2 = 265.8; room 5.3 mm
    QTest::newRow("no room left for the picture")
        << 230.0 << true << QRectF(12.1, 34.3, 186.5, 230.0) << 1.0
        << QRectF(62.9, 270.5, 87.1, 5.3) << false;
    // room for the memo: 277.3 - 6.2 - 29.6 = 241.5 mm
    QTest::newRow("report taller than the page is reduced")
        << 483.0 << true << QRectF(12.1, 34.3, 186.5, 241.5) << 0.5
        << QRectF(62.9, 282.0, 87.1, 0.0) << false;
}

void tst_sheetLayout::memoAndPicture()
{
    QFETCH(qreal, memoHeight);
    QFETCH(bool, hasPicture);
    QFETCH(QRectF, memo);
    QFETCH(qreal, scale);
    QFETCH(QRectF, picture);
    QFETCH(bool, pictureShown);
    Measurements measured;
    measured.memoHeight = memoHeight;
    measured.picture = hasPicture;
    const Placement placed = placeSheet(measured);
    QVERIFY2(near(placed.boxes[Memo], memo), "memo box");
    QVERIFY(qAbs(placed.memoScale - scale) < 1e-9);
    QVERIFY2(near(placed.boxes[Picture], picture), "picture box");
    QCOMPARE(placed.picture, pictureShown);
    // The heading, title and footer never move with the report.
    QVERIFY(near(placed.boxes[Footer], QRectF(126.4, 282.0, 73.0, 4.5)));
}

void tst_sheetLayout::labelsWiden_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<qreal>("textWidth");
    QTest::addColumn<QRectF>("box");

    QTest::newRow("short title keeps its box")
        << int(Title) << 10.0 << QRectF(97.0, 19.5, 19.1, 5.0);
    // centre 87.0 + 19.1 / 2 = 96.55 on the band
    QTest::newRow("long title widens about its centre")
        << int(Title) << 60.0 << QRectF(76.55, 19.5, 60.0, 5.0);
    QTest::newRow("title wider than the band")
        << int(Title) << 250.0 << QRectF(10.0, 19.5, 190.0, 5.0);
    // 116.4 + 80 passes the band's right edge 190: moved left to 110
    QTest::newRow("footer stays on the band")
        << int(Footer) << 80.0 << QRectF(120.0, 282.0, 80.0, 4.5);
}

void tst_sheetLayout::labelsWiden()
{
    QFETCH(int, element);
    QFETCH(qreal, textWidth);
    QFETCH(QRectF, box);
    Measurements measured;
    measured.memoHeight = 10;
    (element == Title ? measured.titleWidth : measured.footerWidth) = textWidth;
    QVERIFY(near(placeSheet(measured).boxes[element], box));
}

QTEST_GUILESS_MAIN(tst_sheetLayout)
#include "tst_sheetLayout.moc"
