#include "ui/reference/TForm26.h"

#include "core/common/NumberText.h"
#include "core/reference/PressureUnits.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"
#include "ui/reference/ConverterColumns.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace tolvex
{

TForm26::TForm26(QWidget* parent)
    : ToolWindow(QStringLiteral("Form26"), QStringLiteral("Соотношение единиц давления"), parent)
{
    // Twelve unit rows: made when the window is first shown.
    buildWhenShown([this] { build(); });
}

ConverterColumns* TForm26::columns() const
{
    ensureBuilt();
    return m_columns;
}

void TForm26::build()
{
    m_columns = new ConverterColumns(pressure::unitNames(), QStringLiteral("Соотношения величин"),
                                     ConverterColumns::RatioKind::StatusPane, this);
    for (int i = 0; i < pressure::unitCount; ++i)
        m_columns->button(i)->setToolTip(pressure::buttonHint(i));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_columns->ratioGroup(), 3);
    layout->addWidget(m_columns->calculatorGroup(), 2);
    connect(m_columns, &ConverterColumns::unitChosen, this, &TForm26::RzRadioGroup1Click);
    connect(m_columns, &ConverterColumns::convertClicked, this, &TForm26::RzBitBtnClick);
    setFixedSize(sizeHint().expandedTo(QSize(480, 0)));
}

void TForm26::RzRadioGroup1Click(int unit)
{
    ensureBuilt();
    m_columns->setRatioTexts(pressure::factorRow(unit));
    m_columns->resetFields(unit);
}

void TForm26::RzBitBtnClick(int unit)
{
    ensureBuilt();
    // Before a unit is chosen the panes hold no factors: there is nothing to multiply by.
    if (m_columns->chosen() < 0)
        return;
    const QString value = m_columns->field(unit)->text();
    // Every product first: one beyond what a field holds is an overflow, and then no
    // field is written.
    QStringList texts;
    for (int k = 0; k < pressure::unitCount; ++k) {
        const std::optional<long double> product =
            k == unit ? std::optional<long double>(0)
                      : pressure::product(value, m_columns->ratioText(k));
        if (!product) {
            showConversionError(this, value);
            return;
        }
        if (!fitsDouble(*product)) {
            showFloatingPointError(this);
            return;
        }
        texts << formatGeneral(*product);
    }
    for (int k = 0; k < pressure::unitCount; ++k) {
        if (k == unit)
            continue;
        m_columns->field(k)->setText(texts[k]);
        m_columns->field(k)->setCursorPosition(0);
    }
}

} // namespace tolvex
