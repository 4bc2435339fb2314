#include "ui/calculators/ProkatPanel.h"

#include "ui/calculators/CalculatorHost.h"
#include "core/calculators/RoundBar.h"
#include "ui/common/NumericEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tolvex
{

ProkatPanel::ProkatPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, QStringLiteral("pnlProkat"), QStringLiteral("RzLabel80"),
                      QStringLiteral("Прокат круглый"), parent)
{
    auto* material = new QLabel(QStringLiteral("Выберите материал."), this);
    material->setObjectName(QStringLiteral("RzLabel52"));
    material->setAlignment(Qt::AlignRight);
    body()->addWidget(material);

    QGridLayout* grid = addGrid();
    m_diameter = addField(grid, 0, QStringLiteral("RzLabel53"), QStringLiteral("Диаметр проката:"),
                          QStringLiteral("RzNumericEdit25"), QStringLiteral("RzLabel56"),
                          QStringLiteral("мм."));
    m_length = addField(grid, 1, QStringLiteral("RzLabel54"), QStringLiteral("Длина проката, м"),
                        QStringLiteral("RzNumericEdit26"));
    QPushButton* lengthButton =
        addEqualsButton(grid, 1, QStringLiteral("RzBitBtn18"),
                        QStringLiteral("Вычисление количества по общему весу"));
    m_weight = addField(grid, 2, QStringLiteral("RzLabel55"), QStringLiteral("Общий вес, кг"),
                        QStringLiteral("RzNumericEdit27"));
    QPushButton* weightButton = addEqualsButton(grid, 2, QStringLiteral("RzBitBtn19"),
                                                QStringLiteral("Произвести расчет общего веса"));
    m_report = addReport(QStringLiteral("RzMemo13"), QStringLiteral("RzBitBtn57"),
                         QStringLiteral("RzBitBtn58"), QStringLiteral("RzBitBtn59"));

    connect(weightButton, &QPushButton::clicked, this, &ProkatPanel::computeWeight);
    connect(lengthButton, &QPushButton::clicked, this, &ProkatPanel::computeLength);
}

void ProkatPanel::resetOnOpen()
{
    for (QLineEdit* f : {m_diameter, m_length, m_weight})
        resetField(f);
}

void ProkatPanel::computeWeight()
{
    const calc::RoundBarFields f{m_diameter->text(), m_length->text(), m_weight->text()};
    show(calc::roundBarWeight(f, host().density(), host().materialName()), m_weight, m_report);
}

void ProkatPanel::computeLength()
{
    const calc::RoundBarFields f{m_diameter->text(), m_length->text(), m_weight->text()};
    show(calc::roundBarLength(f, host().density(), host().materialName()), m_length, m_report);
}

} // namespace tolvex
