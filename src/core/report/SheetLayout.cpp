#include "core/report/SheetLayout.h"

#include <algorithm>

namespace tolvex::report
{

const SheetDefinition& sheet()
{
    static const SheetDefinition definition{
        QSizeF(210.0, 297.0),
        5.0,
        10.0,
        10.0,
        10.0,
        QSizeF(190.0, 282.3),
        {{
            {"QRLabel1",
             QRectF(67.7, 4.2, 55.8, 6.4),
             {"Arial", 14, true, true, false},
             Align::Left,
             Growth::Width,
             "Результат расчета."},
            {"QRLabel2",
             QRectF(87.0, 14.8, 19.1, 5.0),
             {"Arial", 12, false, false, true},
             Align::Center,
             Growth::Width,
             nullptr},
            {"QRMemo1",
             QRectF(2.1, 29.6, 186.5, 46.8),
             {"Arial", 12, false, true, false},
             Align::Left,
             Growth::WordWrap,
             nullptr},
            {"QRImage1",
             QRectF(52.9, 82.6, 87.1, 72.2),
             {"Arial", 12, false, false, false},
             Align::Center,
             Growth::Fixed,
             nullptr},
            {"QRLabel3",
             QRectF(116.4, 277.3, 73.0, 4.5),
             {"Arial", 7, false, true, false},
             Align::Left,
             Growth::Width,
             "Данный расчет произведен в справочнике Tolvex версии 6.00"},
        }},
        "Итоги расчетов",
        "QRLabel2",
    };
    return definition;
}

QPointF bandOrigin()
{
    const SheetDefinition& s = sheet();
    return {s.marginLeft, s.page.height() - s.marginBottom - s.band.height()};
}

namespace
{

// A one-line label widened to its text: a left-aligned label keeps its left edge, a
// centred one its centre; neither leaves the band.
QRectF widened(const SheetElement& element, qreal textWidth, qreal bandWidth)
{
    QRectF box = element.box;
    const qreal width = std::min(std::max(box.width(), textWidth), bandWidth);
    if (element.align == Align::Center)
        box.setLeft(box.center().x() - width / 2);
    box.setWidth(width);
    if (box.right() > bandWidth)
        box.moveRight(bandWidth);
    if (box.left() < 0)
        box.moveLeft(0);
    return box;
}

} // namespace

Placement placeSheet(const Measurements& measured)
{
    const SheetDefinition& s = sheet();
    const auto& e = s.elements;
    const qreal bandWidth = s.band.width();
    Placement placed;

    placed.boxes[Heading] = widened(e[Heading], measured.headingWidth, bandWidth);
    placed.boxes[Title] = widened(e[Title], measured.titleWidth, bandWidth);
    placed.boxes[Footer] = widened(e[Footer], measured.footerWidth, bandWidth);

    // The memo grows downwards to hold its whole text, and keeps the design's gap to
    // whatever follows it; past the footer the text is reduced instead.
    const QRectF memoDesign = e[Memo].box;
    const QRectF pictureDesign = e[Picture].box;
    const qreal gap = pictureDesign.top() - memoDesign.bottom();
    const qreal footerTop = e[Footer].box.top();
    const qreal memoRoom = footerTop - gap - memoDesign.top();
    QRectF memo = memoDesign;
    if (measured.memoHeight > memoRoom) {
        placed.memoScale = memoRoom / measured.memoHeight;
        memo.setHeight(memoRoom);
    } else if (measured.memoHeight > memo.height()) {
        memo.setHeight(measured.memoHeight);
    }
    placed.boxes[Memo] = memo;

    // The picture moves down with the memo's bottom; where it would reach the footer
    // its box gets lower (the drawing is scaled into it), and with too little room it
    // is left off rather than drawn over the text.
    QRectF picture = pictureDesign;
    picture.moveTop(pictureDesign.top() + memo.height() - memoDesign.height());
    const qreal pictureRoom = footerTop - gap - picture.top();
    if (pictureRoom < picture.height())
        picture.setHeight(std::max<qreal>(pictureRoom, 0));
    placed.boxes[Picture] = picture;
    placed.picture = measured.picture && picture.height() >= minimumPictureHeight;

    const QPointF origin = bandOrigin();
    for (QRectF& box : placed.boxes)
        box.translate(origin);
    return placed;
}

} // namespace tolvex::report
