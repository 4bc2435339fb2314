#include "ui/calculators/TrubaPanel.h"

#include "ui/calculators/CalculatorHost.h"
#include "ui/calculators/Panels.h"
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

namespace
{

const panel::Description Truba{
    .objectName = "pnlTruba",
    .titleName = "RzLabel78",
    .title = "Труба",
    .note = {"RzLabel37", "Выберите материал.", Qt::AlignRight, true},
    .fields = {{"RzLabel39", "Толщина стенки:", "RzNumericEdit18", "RzLabel43", "мм."},
               panel::quantityField("RzLabel40", "Длина трубы, м", "RzNumericEdit19", "RzBitBtn22"),
               panel::weightField("RzLabel41", "RzNumericEdit20", "RzBitBtn23")},
    .bottom = {"RzMemo11", "RzBitBtn51", "RzBitBtn52", "RzBitBtn53"},
};

} // namespace

TrubaPanel::TrubaPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, Truba, parent), m_wall(field(0)), m_length(field(1)), m_weight(field(2))
{
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
    insertAboveGrid(m_kind);

    m_surface = new QCheckBox(QStringLiteral("Добавить в отчет площадь трубы"), this);
    m_surface->setObjectName(QStringLiteral("cbTrubaSquare"));
    m_surface->setToolTip(
        QStringLiteral("Включает в себя площадь торцов, наружнюю и внутреннюю поверхность трубы"));
    insertAboveReport(m_surface);

    connect(m_kind, &RadioGroup::clicked, this, &TrubaPanel::rgTrubaDiametrClick);
    connect(row(2).button, &QPushButton::clicked, this, &TrubaPanel::truba);
    connect(row(1).button, &QPushButton::clicked, this, &TrubaPanel::truba1);
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
    show(outcome, resultField);
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

CalculatorPanel* createTrubaPanel(CalculatorHost& host, QWidget* parent)
{
    return new TrubaPanel(host, parent);
}

} // namespace tolvex
