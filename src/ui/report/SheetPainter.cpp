#include "ui/report/SheetPainter.h"

#include "core/report/SheetLayout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>

namespace tolvex
{

namespace
{

constexpr qreal mmPerInch = 25.4;

// The sheet names Arial; where it is missing, the metric-compatible Liberation Sans.
QFont sheetFont(const report::FontSpec& style)
{
    const QString family = QFontDatabase::hasFamily(QString::fromLatin1(style.family))
                               ? QString::fromLatin1(style.family)
                               : QStringLiteral("Liberation Sans");
    QFont font;
    font.setFamilies({family, QStringLiteral("Liberation Sans")});
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

// Millimetres on the page to device pixels.
class PageScale
{
public:
    explicit PageScale(const QPaintDevice* device)
        : m_x(device->logicalDpiX() / mmPerInch), m_y(device->logicalDpiY() / mmPerInch)
    {
    }
    QRectF toDevice(const QRectF& mm) const
    {
        return {mm.x() * m_x, mm.y() * m_y, mm.width() * m_x, mm.height() * m_y};
    }
    qreal widthMm(qreal pixels) const { return pixels / m_x; }
    qreal heightMm(qreal pixels) const { return pixels / m_y; }

private:
    qreal m_x;
    qreal m_y;
};

QString text(const report::SheetElement& element)
{
    return QString::fromUtf8(element.text);
}

// The drawing scaled into the box, its proportions kept, centred.
QRectF fitted(const QSizeF& drawing, const QRectF& box)
{
    if (drawing.isEmpty())
        return box;
    const QSizeF size = drawing.scaled(box.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(), size);
    rect.moveCenter(box.center());
    return rect;
}

} // namespace

void paintSheet(QPainter& painter, const SheetContent& content)
{
    using namespace report;
    const auto& elements = sheet().elements;
    QPaintDevice* device = painter.device();
    const PageScale scale(device);

    std::array<QFont, ElementCount> fonts;
    for (int i = 0; i < ElementCount; ++i)
        fonts[i] = sheetFont(elements[i].font);
    auto width = [&](int element, const QString& s) {
        return scale.widthMm(QFontMetricsF(fonts[element], device).horizontalAdvance(s));
    };

    QString report = content.report;
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const int memoFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF memoDesign = scale.toDevice(elements[Memo].box);

    QSvgRenderer drawing;
    if (!content.picturePath.isEmpty())
        drawing.load(content.picturePath);

    Measurements measured;
    measured.headingWidth = width(Heading, text(elements[Heading]));
    measured.titleWidth = width(Title, content.title);
    measured.footerWidth = width(Footer, text(elements[Footer]));
    measured.memoHeight =
        scale.heightMm(QFontMetricsF(fonts[Memo], device)
                           .boundingRect(QRectF(0, 0, memoDesign.width(), 1e6), memoFlags, report)
                           .height());
    measured.picture = drawing.isValid();
    const Placement placed = placeSheet(measured);

    painter.save();
    painter.setPen(Qt::black);
    const int labelFlags = Qt::AlignTop | Qt::TextSingleLine;
    painter.setFont(fonts[Heading]);
    painter.drawText(scale.toDevice(placed.boxes[Heading]), labelFlags | Qt::AlignLeft,
                     text(elements[Heading]));
    painter.setFont(fonts[Title]);
    painter.drawText(scale.toDevice(placed.boxes[Title]), labelFlags | Qt::AlignHCenter,
                     content.title);

    painter.setFont(fonts[Memo]);
    const QRectF memo = scale.toDevice(placed.boxes[Memo]);
    if (placed.memoScale < 1) {
        // A report taller than the page: every line stays, at a smaller size.
        painter.save();
        painter.translate(memo.topLeft());
        painter.scale(placed.memoScale, placed.memoScale);
        painter.drawText(
            QRectF(0, 0, memo.width() / placed.memoScale, memo.height() / placed.memoScale),
            memoFlags, report);
        painter.restore();
    } else {
        painter.drawText(memo, memoFlags, report);
    }

    if (placed.picture) {
        const QRectF box = scale.toDevice(placed.boxes[Picture]);
        drawing.setAspectRatioMode(Qt::KeepAspectRatio);
        drawing.render(&painter, fitted(drawing.defaultSize(), box));
    }

    painter.setFont(fonts[Footer]);
    painter.drawText(scale.toDevice(placed.boxes[Footer]), labelFlags | Qt::AlignLeft,
                     text(elements[Footer]));
    painter.restore();
}

void setUpSheetPrinter(QPrinter& printer, const QString& documentName)
{
    const report::SheetDefinition& s = report::sheet();
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(s.marginLeft, s.marginTop, s.marginRight, s.marginBottom),
                    QPageLayout::Millimeter));
    printer.setFullPage(true); // the layout places every element from the paper's corner
    printer.setCopyCount(1);
    printer.setDocName(documentName);
}

bool printSheetOn(QPrinter& printer, const SheetContent& content)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintSheet(painter, content);
    return painter.end();
}

} // namespace tolvex
