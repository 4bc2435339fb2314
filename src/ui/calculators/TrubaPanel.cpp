#include "ui/calculators/TrubaPanel.h"

#include "ui/calculators/CalculatorHost.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvex
{

TrubaPanel::TrubaPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, QStringLiteral("pnlTruba"), QStringLiteral("RzLabel78"),
                      QStringLiteral("Труба"), parent)
{
    auto* material = new QLabel(QStringLiteral("Выберите материал."), this);
    material->setObjectName(QStringLiteral("RzLabel37"));
    material->setAlignment(Qt::AlignRight);
    material->setStyleSheet(QStringLiteral("color: red"));
    body()->addWidget(material);

    // The diameter field sits inside the radio group, under its two items.
    m_kind = new RadioGroup(QStringLiteral("rgTrubaDiametr"),
                            QStringLiteral("Укажите необходимый диаметр"),
                            {QStringLiteral("Внешний"), QStringLiteral("Внутренний")}, 2, this);
    auto* kindLayout = static_cast<QGridLayout*>(m_kind->layout());
    m_diameter = new NumericEdit(QStringLiteral("neDiametrTrubi"), m_kind);
    m_diameter->setEnabled(false);
    auto* diameterUnit = new QLabel(QStringLiteral("мм."), m_kind);
    diameterUnit->setObjectName(QStringLiteral("RzLabel42"));
    diameterUnit->setBuddy(m_diameter);
    kindLayout->addWidget(m_diameter, 1, 0);
    kindLayout->addWidget(diameterUnit, 1, 1);
    body()->addWidget(m_kind);

    QGridLayout* grid = addGrid();
    m_wall = addField(grid, 0, QStringLiteral("RzLabel39"), QStringLiteral("Толщина стенки:"),
                      QStringLiteral("RzNumericEdit18"), QStringLiteral("RzLabel43"),
                      QStringLiteral("мм."));
    m_length = addField(grid, 1, QStringLiteral("RzLabel40"), QStringLiteral("Длина трубы, м"),
                        QStringLiteral("RzNumericEdit19"));
    QPushButton* lengthButton =
        addEqualsButton(grid, 1, QStringLiteral("RzBitBtn22"),
                        QStringLiteral("Вычисление количества по общему весу"));
    m_weight = addField(grid, 2, QStringLiteral("RzLabel41"), QStringLiteral("Общий вес, кг"),
                        QStringLiteral("RzNumericEdit20"));
    QPushButton* weightButton = addEqualsButton(grid, 2, QStringLiteral("RzBitBtn23"),
                                                QStringLiteral("Произвести расчет общего веса"));

    m_surface = new QCheckBox(QStringLiteral("Добавить в отчет площадь трубы"), this);
    m_surface->setObjectName(QStringLiteral("cbTrubaSquare"));
    m_surface->setToolTip(
        QStringLiteral("Включает в себя площадь торцов, наружнюю и внутреннюю поверхность трубы"));
    body()->addWidget(m_surface);

    m_report = addReport(QStringLiteral("RzMemo11"), QStringLiteral("RzBitBtn51"),
                         QStringLiteral("RzBitBtn52"), QStringLiteral("RzBitBtn53"));

    connect(m_kind, &RadioGroup::clicked, this, &TrubaPanel::rgTrubaDiametrClick);
    connect(weightButton, &QPushButton::clicked, this, &TrubaPanel::truba);
    connect(lengthButton, &QPushButton::clicked, this, &TrubaPanel::truba1);
}

void TrubaPanel::resetOnOpen()
{
    for (QLineEdit* f : {static_cast<QLineEdit*>(m_diameter), static_cast<QLineEdit*>(m_wall),
                         static_cast<QLineEdit*>(m_length), static_cast<QLineEdit*>(m_weight)})
        resetField(f);
}

void TrubaPanel::rgTrubaDiametrClick()
{
    // Nothing disables the field again while the program runs.
    m_diameter->setEnabled(true);
}

calc::PipeFields TrubaPanel::fields() const
{
    return {m_diameter->text(), m_wall->text(), m_length->text(), m_weight->text()};
}

calc::DiameterKind TrubaPanel::kind() const
{
    switch (m_kind->itemIndex()) {
    case 0:
        return calc::DiameterKind::Outer;
    case 1:
        return calc::DiameterKind::Inner;
    default:
        return calc::DiameterKind::None;
    }
}

calc::MaterialSource TrubaPanel::materialSource() const
{
    return host().materialIsAlloy() ? calc::MaterialSource::AlloyBox
                                    : calc::MaterialSource::MaterialBox;
}

void TrubaPanel::showOutcome(const calc::Outcome& outcome, QLineEdit* resultField)
{
    if (outcome.status == calc::Status::Refused && outcome.messageKey == calc::PipeKindMissing) {
        showInformation(host().messageOwner(), calc::pipeKindMissingText());
        return;
    }
    show(outcome, resultField, m_report);
}

void TrubaPanel::truba()
{
    showOutcome(calc::truba(kind(), fields(), host().density(), host().materialName(),
                            materialSource(), m_surface->isChecked()),
                m_weight);
}

void TrubaPanel::truba1()
{
    showOutcome(calc::truba1(kind(), fields(), host().density(), host().materialName()), m_length);
}

} // namespace tolvex
