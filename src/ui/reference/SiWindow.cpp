#include "core/reference/SiUnits.h"
#include "ui/reference/PictureWindows.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

// The table's exponents and indices as rich-text superscripts and subscripts, so that
// they look alike in every font.
QString richText(const char* utf8)
{
    static const QString superscripts = QStringLiteral("⁻⁰¹²³⁴⁵⁶⁷⁸⁹");
    static const QString superPlain = QStringLiteral("-0123456789");
    static const QString subscripts = QStringLiteral("ₐₑₘᵥ");
    static const QString subPlain = QStringLiteral("aemv");
    const QString text = QString::fromUtf8(utf8);
    QString html;
    QString open; // the tag of the run being written
    for (const QChar ch : text) {
        QString tag;
        QChar plain = ch;
        if (const auto i = superscripts.indexOf(ch); i >= 0) {
            tag = QStringLiteral("sup");
            plain = superPlain[i];
        } else if (const auto j = subscripts.indexOf(ch); j >= 0) {
            tag = QStringLiteral("sub");
            plain = subPlain[j];
        }
        if (tag != open) {
            if (!open.isEmpty())
                html += QStringLiteral("</%1>").arg(open);
            if (!tag.isEmpty())
                html += QStringLiteral("<%1>").arg(tag);
            open = tag;
        }
        html += QString(plain).toHtmlEscaped();
    }
    if (!open.isEmpty())
        html += QStringLiteral("</%1>").arg(open);
    return html;
}

QString siTableHtml()
{
    const SiHeadings& h = siHeadings();
    QString html =
        QStringLiteral("<h3 align=\"center\">%1</h3>"
                       "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\""
                       " style=\"border-collapse: collapse; border-color: #808080;\">"
                       "<tr><th colspan=\"3\" bgcolor=\"#e8e8e8\">%2</th>"
                       "<th colspan=\"2\" bgcolor=\"#e8e8e8\">%3</th></tr>"
                       "<tr><th width=\"30%\" bgcolor=\"#e8e8e8\">%4</th>"
                       "<th width=\"12%\" bgcolor=\"#e8e8e8\">%5</th>"
                       "<th width=\"17%\" bgcolor=\"#e8e8e8\">%6</th>"
                       "<th width=\"25%\" bgcolor=\"#e8e8e8\">%7</th>"
                       "<th width=\"16%\" bgcolor=\"#e8e8e8\">%8</th></tr>")
            .arg(richText(h.title), richText(h.quantityGroup), richText(h.unitGroup),
                 richText(h.quantityName), richText(h.quantitySymbol),
                 richText(h.quantityDimension), richText(h.unitName), richText(h.unitSymbol));
    for (const SiSection& section : siSections()) {
        html += QStringLiteral("<tr><td colspan=\"5\" align=\"center\" bgcolor=\"#f4f4f4\">"
                               "<b>%1</b></td></tr>")
                    .arg(richText(section.title));
        for (const SiRow& row : section.rows) {
            html += QStringLiteral("<tr><td>%1</td><td align=\"center\"><i>%2</i></td>"
                                   "<td align=\"center\">%3</td><td>%4</td>"
                                   "<td align=\"center\">%5</td></tr>")
                        .arg(richText(row.quantity), richText(row.symbol), richText(row.dimension),
                             richText(row.unitName), richText(row.unitSymbol));
        }
    }
    return html + QStringLiteral("</table>");
}

} // namespace

TSI::TSI(QWidget* parent)
    : ToolWindow(QStringLiteral("SI"), QStringLiteral("Еденицы международной системы СИ"), parent)
{
    setFont(QFont()); // the table keeps the desktop's font
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ScrollBox1 = new QTextBrowser(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The long table is laid out when the window is first shown.
    buildWhenShown([this] { ScrollBox1->setHtml(siTableHtml()); });
    layout->addWidget(ScrollBox1);
    resize(696, 547);
}

} // namespace tolvex
