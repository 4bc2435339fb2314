#include "ui/reference/UnitConverterWindow.h"

#include "core/common/NumberText.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"
#include "ui/reference/ConverterColumns.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace tolvex
{

namespace
{

// The length window's outer size is 538 × 531; without the frame and title bar of
// the system it was made for, that leaves this much inside.
constexpr QSize clientSize(522, 492);

} // namespace

UnitConverterWindow::UnitConverterWindow(units::Quantity quantity, const QString& objectName,
                                         const QString& caption, QWidget* parent)
    : ToolWindow(objectName, caption, parent), m_converter(quantity)
{
    resize(clientSize);
    // The unit rows: made when the window is first shown (or first looked into).
    buildWhenShown([this] { build(); });
}

ConverterColumns* UnitConverterWindow::columns() const
{
    ensureBuilt();
    return m_columns;
}

QScrollArea* UnitConverterWindow::scrollBox() const
{
    ensureBuilt();
    return m_scroll;
}

void UnitConverterWindow::build()
{
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    m_columns = new ConverterColumns(m_converter.names(), QString(),
                                     ConverterColumns::RatioKind::Edit, content);
    for (int i = 0; i < m_converter.count(); ++i)
        m_columns->item(i)->setToolTip(m_converter.unit(i).note);
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(2, 4, 2, 4);
    row->setSpacing(4);
    row->addWidget(m_columns->ratioGroup(), 1);
    row->addWidget(m_columns->calculatorGroup(), 0);
    m_scroll->setWidget(content);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);

    fitHeight();

    connect(m_columns, &ConverterColumns::unitChosen, this,
            &UnitConverterWindow::RzRadioGroup1Click);
    connect(m_columns, &ConverterColumns::convertClicked, this,
            &UnitConverterWindow::RzBitBtnClick);
}

// Short lists show whole; the length list scrolls in its 538 × 531 window.
void UnitConverterWindow::fitHeight()
{
    ensurePolished();
    QWidget* content = m_scroll->widget();
    content->ensurePolished();
    const int wanted = content->minimumSizeHint().height() + 2 * m_scroll->frameWidth() + 4;
    resize(clientSize.width(), qMin(clientSize.height(), wanted));
}

void UnitConverterWindow::showEvent(QShowEvent* event)
{
    if (!m_fitted) {
        m_fitted = true;
        fitHeight();
    }
    ToolWindow::showEvent(event);
}

void UnitConverterWindow::RzRadioGroup1Click(int unit)
{
    ensureBuilt();
    m_columns->setRatioTexts(m_converter.ratioTexts(unit));
    m_columns->resetFields(unit);
}

void UnitConverterWindow::RzBitBtnClick(int unit)
{
    ensureBuilt();
    const QString value = m_columns->field(unit)->text();
    const auto values = m_converter.values(value, unit);
    if (!values) {
        showConversionError(this, value);
        return;
    }
    // A value beyond what a field holds is an overflow: no field is written.
    if (!std::all_of(values->begin(), values->end(), fitsDouble)) {
        showFloatingPointError(this);
        return;
    }
    for (int k = 0; k < m_converter.count(); ++k) {
        if (k == unit)
            continue;
        m_columns->field(k)->setText(formatGeneral((*values)[std::size_t(k)]));
        m_columns->field(k)->setCursorPosition(0);
    }
}

TForm27::TForm27(QWidget* parent)
    : UnitConverterWindow(units::Quantity::Length, QStringLiteral("Form27"),
                          QStringLiteral("Соотношения едениц длины"), parent)
{
}

TfrmMassUnits::TfrmMassUnits(QWidget* parent)
    : UnitConverterWindow(units::Quantity::Mass, QStringLiteral("frmMassUnits"),
                          QStringLiteral("Соотношения едениц массы"), parent)
{
}

TfrmAreaUnits::TfrmAreaUnits(QWidget* parent)
    : UnitConverterWindow(units::Quantity::Area, QStringLiteral("frmAreaUnits"),
                          QStringLiteral("Соотношения едениц площади"), parent)
{
}

} // namespace tolvex
