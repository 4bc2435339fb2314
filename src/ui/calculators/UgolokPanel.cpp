#include "ui/calculators/UgolokPanel.h"

#include "ui/calculators/Panels.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/RadioGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

const panel::Description AnglePanel{
    .objectName = "pnlUgolok",
    .titleName = "RzLabel77",
    .title = "Уголок",
    .lists = {{"RzLabel33",
               "Тип уголка:",
               "ComboBox11",
               {},
               calc::angleSizeTexts(calc::unequalLegAngles())},
              {"RzLabel34", "Толщина стенки:", "ComboBox13",
               "Выберите необходимую толщину стенки"}},
    .fields = {panel::quantityField("RzLabel35", "Длина уголка, м", "RzNumericEdit15",
                                    "RzBitBtn24"),
               panel::weightField("RzLabel36", "RzNumericEdit16", "RzBitBtn25")},
    // The sketch shows the drawing of the angle type chosen (equal-leg before a choice).
    .bottom = {"RzMemo10", "RzBitBtn50", "RzBitBtn48", "RzBitBtn49", true},
    .sketch = Drawing::EqualAngle,
    .sketchCaption = "Уголок",
};

} // namespace

UgolokPanel::UgolokPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, AnglePanel, parent), m_size(list(0)), m_thickness(list(1)),
      m_length(field(0)), m_weight(field(1))
{
    m_type = new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("Тип уголка"),
                            {QStringLiteral("Равнополочный"), QStringLiteral("Неравнополочный")}, 2,
                            this);
    m_type->setToolTip(QStringLiteral("Выберите тип уголка"));
    insertAboveGrid(m_type);

    // The two size lists share one place; the equal-leg list lies on top.
    m_width = new QComboBox(this);
    m_width->setObjectName(QStringLiteral("ComboBox12"));
    m_width->setToolTip(QStringLiteral("Выберите нужный вам типоразмер уголка"));
    m_width->setMaxVisibleItems(m_size->maxVisibleItems());
    m_width->setSizeAdjustPolicy(m_size->sizeAdjustPolicy());
    m_width->setMinimumContentsLength(m_size->minimumContentsLength());
    m_width->addItems(calc::angleSizeTexts(calc::equalLegAngles()));
    emptyText(m_width);
    int row = 0, column = 0, rows = 1, columns = 1;
    grid()->getItemPosition(grid()->indexOf(m_size), &row, &column, &rows, &columns);
    grid()->addWidget(m_width, row, column, rows, columns);
    m_width->raise();
    m_sizeLabel = findChild<QLabel*>(QStringLiteral("RzLabel33"));
    m_sizeLabel->setBuddy(m_width);

    connect(m_type, &RadioGroup::clicked, this, &UgolokPanel::RadioGroup4Click);
    connect(m_width, &QComboBox::activated, this, &UgolokPanel::ComboBox12Click);
    connect(m_size, &QComboBox::activated, this, &UgolokPanel::ComboBox11Click);
    connect(m_thickness, &QComboBox::activated, this, &UgolokPanel::ComboBox13Select);
    connect(this->row(1).button, &QPushButton::clicked, this, &UgolokPanel::Ugolok);
    connect(this->row(0).button, &QPushButton::clicked, this, &UgolokPanel::Ugolok1);
}

void UgolokPanel::resetOnOpen()
{
    emptyText(m_width);
    emptyText(m_size);
    emptyText(m_thickness);
    resetField(m_weight);
    resetField(m_length);
}

Drawing UgolokPanel::sketch() const
{
    return m_type->itemIndex() == int(calc::AngleType::UnequalLeg) ? Drawing::UnequalAngle
                                                                   : Drawing::EqualAngle;
}

void UgolokPanel::RadioGroup4Click()
{
    const bool equal = m_type->itemIndex() == int(calc::AngleType::EqualLeg);
    m_size->setEnabled(!equal);
    m_size->setVisible(!equal);
    m_width->setEnabled(equal);
    m_width->setVisible(equal);
    m_sizeLabel->setBuddy(equal ? m_width : m_size);
    emptyText(m_thickness);
    resetField(m_length);
    resetField(m_weight);
}

void UgolokPanel::fillThicknesses(const calc::AngleTable& table, int sizePosition)
{
    emptyText(m_thickness);
    m_thickness->clear();
    m_thickness->addItems(calc::angleThicknessTexts(table, sizePosition));
    emptyText(m_thickness);
}

void UgolokPanel::ComboBox12Click()
{
    fillThicknesses(calc::equalLegAngles(), m_width->currentIndex());
}

void UgolokPanel::ComboBox11Click()
{
    emptyText(m_thickness);
    resetField(m_length);
    resetField(m_weight);
    fillThicknesses(calc::unequalLegAngles(), m_size->currentIndex());
}

void UgolokPanel::ComboBox13Select()
{
    m_length->setFocus();
}

calc::AngleSelection UgolokPanel::selection() const
{
    calc::AngleSelection s;
    s.type = static_cast<calc::AngleType>(m_type->itemIndex());
    s.widthPosition = m_width->currentIndex();
    s.sizePosition = m_size->currentIndex();
    s.thicknessPosition = m_thickness->currentIndex();
    s.widthText = m_width->currentText();
    s.sizeText = m_size->currentText();
    s.thicknessText = m_thickness->currentText();
    return s;
}

void UgolokPanel::showOutcome(const calc::Outcome& outcome, QLineEdit* resultField)
{
    // With no angle type chosen the result is written but the report box keeps its text.
    if (outcome.ok() && outcome.report.isNull()) {
        resultField->setText(outcome.result);
        return;
    }
    show(outcome, resultField);
}

void UgolokPanel::Ugolok()
{
    showOutcome(calc::Ugolok(selection(), {m_length->text(), m_weight->text()}), m_weight);
}

void UgolokPanel::Ugolok1()
{
    showOutcome(calc::Ugolok1(selection(), {m_length->text(), m_weight->text()}), m_length);
}

CalculatorPanel* createUgolokPanel(CalculatorHost& host, QWidget* parent)
{
    return new UgolokPanel(host, parent);
}

} // namespace tolvex
