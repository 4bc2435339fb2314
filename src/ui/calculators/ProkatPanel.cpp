#include "ui/calculators/ProkatPanel.h"

#include "core/calculators/RoundBar.h"
#include "ui/calculators/CalculatorHost.h"
#include "ui/calculators/Panels.h"
#include "ui/common/NumericEdit.h"

#include <QPushButton>

namespace tolvex
{

namespace
{

const panel::Description Prokat{
    .objectName = "pnlProkat",
    .titleName = "RzLabel80",
    .title = "Прокат круглый",
    .note = {"RzLabel52", "Выберите материал."},
    .fields = {{"RzLabel53", "Диаметр проката:", "RzNumericEdit25", "RzLabel56", "мм."},
               panel::quantityField("RzLabel54", "Длина проката, м", "RzNumericEdit26",
                                    "RzBitBtn18"),
               panel::weightField("RzLabel55", "RzNumericEdit27", "RzBitBtn19")},
    .bottom = {"RzMemo13", "RzBitBtn57", "RzBitBtn58", "RzBitBtn59"},
};

} // namespace

ProkatPanel::ProkatPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, Prokat, parent), m_diameter(field(0)), m_length(field(1)),
      m_weight(field(2))
{
    connect(row(2).button, &QPushButton::clicked, this, &ProkatPanel::computeWeight);
    connect(row(1).button, &QPushButton::clicked, this, &ProkatPanel::computeLength);
}

void ProkatPanel::resetOnOpen()
{
    for (QLineEdit* f : {m_diameter, m_length, m_weight})
        resetField(f);
}

void ProkatPanel::computeWeight()
{
    const calc::RoundBarFields f{m_diameter->text(), m_length->text(), m_weight->text()};
    show(calc::roundBarWeight(f, host().density(), host().materialName()), m_weight);
}

void ProkatPanel::computeLength()
{
    const calc::RoundBarFields f{m_diameter->text(), m_length->text(), m_weight->text()};
    show(calc::roundBarLength(f, host().density(), host().materialName()), m_length);
}

CalculatorPanel* createProkatPanel(CalculatorHost& host, QWidget* parent)
{
    return new ProkatPanel(host, parent);
}

} // namespace tolvex
