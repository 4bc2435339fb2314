#include "ui/reference/TForm31.h"

#include "core/reference/Plastics.h"
#include "ui/reference/ConverterColumns.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

// The window's outer size is 761 × 576; this is what it leaves inside.
constexpr QSize clientSize(745, 537);

QPlainTextEdit* memo(const QString& name, QWidget* parent)
{
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    return m;
}

QGroupBox* framed(const QString& caption, QWidget* content, QWidget* parent)
{
    auto* g = new QGroupBox(caption, parent);
    auto* l = new QVBoxLayout(g);
    l->setContentsMargins(4, 2, 4, 4);
    content->setParent(g);
    l->addWidget(content);
    return g;
}

// A property heading drawn as its symbol with the lowered index and the unit beneath.
QLabel* heading(const plastics::Heading& h, int index, QWidget* parent)
{
    QString html = QStringLiteral("<span style=\"font-size:12pt; font-family:'Times New Roman',"
                                  "'Liberation Serif',serif;\"><i>%1</i>")
                       .arg(h.symbol.toHtmlEscaped());
    if (!h.subscript.isEmpty())
        html += QStringLiteral("<sub>%1</sub>").arg(h.subscript.toHtmlEscaped());
    html += QStringLiteral("</span>");
    if (!h.unit.isEmpty())
        html += QStringLiteral("<br>%1").arg(h.unit.toHtmlEscaped());
    auto* label = new QLabel(html, parent);
    label->setObjectName(QStringLiteral("Image%1").arg(index + 1));
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(h.meaning);
    return label;
}

} // namespace

TForm31::TForm31(QWidget* parent)
    : ToolWindow(QStringLiteral("Form31"), QStringLiteral("Пластические массы (пластмассы)"),
                 parent, false)
{
    // Two pages of texts and tables: made when the window is first shown.
    buildWhenShown([this] { build(); });
}

void TForm31::build()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("RzPageControl1"));

    // Page "Общие понятия".
    auto* general = new QWidget;
    general->setObjectName(QStringLiteral("TabSheet1"));
    auto* notions = new QTextEdit(general);
    notions->setObjectName(QStringLiteral("RzRichEdit1"));
    notions->setReadOnly(true);
    notions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notions->setStyleSheet(QStringLiteral("QTextEdit { background: #ffffe1; }"));
    notions->setHtml(plastics::generalNotions());
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->setContentsMargins(4, 4, 4, 4);
    generalLayout->addWidget(notions);
    m_pages->addTab(general, QStringLiteral("Общие понятия"));

    // Page of the properties.
    auto* properties = new QWidget;
    properties->setObjectName(QStringLiteral("TabSheet2"));
    m_splitter = new QSplitter(Qt::Horizontal, properties);
    m_splitter->setObjectName(QStringLiteral("RzSplitter1"));
    m_splitter->setChildrenCollapsible(false);
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("RzListBox1"));
    m_list->addItems(plastics::items());
    m_list->setWordWrap(false);
    m_splitter->addWidget(framed(QStringLiteral("Наименование пластмассы"), m_list, m_splitter));
    auto* right = new QWidget(m_splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_processing = memo(QStringLiteral("RzMemo2"), right);
    m_uses = memo(QStringLiteral("RzMemo3"), right);
    m_uses->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rightLayout->addWidget(framed(QStringLiteral("Методы переработки"), m_processing, right), 1);
    rightLayout->addWidget(framed(QStringLiteral("Особенность применения"), m_uses, right), 2);
    m_splitter->addWidget(right);
    // The left side keeps its width when the window is resized.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);

    auto* cells = new QGridLayout;
    cells->setHorizontalSpacing(2);
    cells->setVerticalSpacing(2);
    const auto& headings = plastics::headings();
    for (int k = 0; k < plastics::propertyCount; ++k) {
        cells->addWidget(heading(headings[std::size_t(k)], k, properties), 0, k);
        auto* cell = new QTextEdit(properties);
        cell->setObjectName(QStringLiteral("RzRichEdit%1").arg(k + 2));
        cell->setReadOnly(true);
        cell->setAcceptRichText(false);
        // Variants break after their "; " (or a dash), never inside a number.
        cell->setWordWrapMode(QTextOption::WordWrap);
        cell->document()->setDocumentMargin(2);
        cell->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        cell->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        cell->setFixedHeight(86);
        cell->setMinimumWidth(40);
        cell->setToolTip(headings[std::size_t(k)].meaning);
        m_cells << cell;
        cells->addWidget(cell, 1, k);
        cells->setColumnStretch(k, 1);
    }
    auto* propertiesLayout = new QVBoxLayout(properties);
    propertiesLayout->setContentsMargins(4, 4, 4, 4);
    propertiesLayout->addWidget(m_splitter, 1);
    propertiesLayout->addLayout(cells);
    m_pages->addTab(properties,
                    QStringLiteral("Основные механические, физические свойства и назначение"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    resize(clientSize);

    m_splitter->installEventFilter(this);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_barMoved = true; });
    connect(m_list, &QListWidget::currentRowChanged, this, &TForm31::RzListBox1Click);
}

bool TForm31::eventFilter(QObject* watched, QEvent* event)
{
    // The bar stands at 354 pixels (48 % of the width) until the user moves it.
    if (watched == m_splitter && event->type() == QEvent::Resize && !m_barMoved) {
        const int rest = m_splitter->width() - m_splitter->handleWidth() - 354;
        m_splitter->setSizes({354, qMax(rest, 100)});
    }
    return ToolWindow::eventFilter(watched, event);
}

QTabWidget* TForm31::pages() const
{
    ensureBuilt();
    return m_pages;
}

QListWidget* TForm31::list() const
{
    ensureBuilt();
    return m_list;
}

QSplitter* TForm31::splitter() const
{
    ensureBuilt();
    return m_splitter;
}

QTextEdit* TForm31::cell(int property) const
{
    ensureBuilt();
    return m_cells[property];
}

void TForm31::RzListBox1Click(int row)
{
    ensureBuilt();
    m_processing->clear();
    m_uses->clear();
    for (QTextEdit* c : m_cells)
        c->clear();
    if (row < 0 || row >= plastics::itemCount)
        return;
    const plastics::Plastic& p = plastics::plastic(row);
    m_processing->setPlainText(p.processing);
    m_uses->setPlainText(p.description);
    for (int k = 0; k < plastics::propertyCount; ++k) {
        m_cells[k]->setPlainText(p.properties[std::size_t(k)]);
        QTextCursor all(m_cells[k]->document());
        all.select(QTextCursor::Document);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        all.mergeBlockFormat(centred);
    }
}

} // namespace tolvex
