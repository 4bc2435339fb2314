#include "ui/calculators/UgolokPanel.h"

#include "ui/calculators/TablePanelSupport.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/RadioGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvex
{

UgolokPanel::UgolokPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, QStringLiteral("pnlUgolok"), QStringLiteral("RzLabel77"),
                      QStringLiteral("Уголок"), parent)
{
    m_type = new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("Тип уголка"),
                            {QStringLiteral("Равнополочный"), QStringLiteral("Неравнополочный")}, 2,
                            this);
    m_type->setToolTip(QStringLiteral("Выберите тип уголка"));
    body()->addWidget(m_type);

    QGridLayout* grid = addGrid();
    // The two size lists share one place; the equal-leg list lies on top.
    m_size = addSizeList(this, grid, 0, QStringLiteral("RzLabel33"), QStringLiteral("Тип уголка:"),
                         QStringLiteral("ComboBox11"));
    m_size->addItems(calc::angleSizeTexts(calc::unequalLegAngles()));
    emptyText(m_size);
    m_width = new QComboBox(this);
    m_width->setObjectName(QStringLiteral("ComboBox12"));
    m_width->setToolTip(QStringLiteral("Выберите нужный вам типоразмер уголка"));
    m_width->setMaxVisibleItems(m_size->maxVisibleItems());
    m_width->setSizeAdjustPolicy(m_size->sizeAdjustPolicy());
    m_width->setMinimumContentsLength(m_size->minimumContentsLength());
    m_width->addItems(calc::angleSizeTexts(calc::equalLegAngles()));
    emptyText(m_width);
    int row = 0, column = 0, rows = 1, columns = 1;
    grid->getItemPosition(grid->indexOf(m_size), &row, &column, &rows, &columns);
    grid->addWidget(m_width, row, column, rows, columns);
    m_width->raise();
    findChild<QLabel*>(QStringLiteral("RzLabel33"))->setBuddy(m_width);

    m_thickness = addSizeList(this, grid, 1, QStringLiteral("RzLabel34"),
                              QStringLiteral("Толщина стенки:"), QStringLiteral("ComboBox13"),
                              QStringLiteral("Выберите необходимую толщину стенки"));
    m_length = addField(grid, 2, QStringLiteral("RzLabel35"), QStringLiteral("Длина уголка, м"),
                        QStringLiteral("RzNumericEdit15"));
    QPushButton* lengthButton =
        addEqualsButton(grid, 2, QStringLiteral("RzBitBtn24"),
                        QStringLiteral("Вычисление количества по общему весу"));
    m_weight = addField(grid, 3, QStringLiteral("RzLabel36"), QStringLiteral("Общий вес, кг"),
                        QStringLiteral("RzNumericEdit16"));
    QPushButton* weightButton = addEqualsButton(grid, 3, QStringLiteral("RzBitBtn25"),
                                                QStringLiteral("Произвести расчет общего веса"));
    // The sketch (the equal-leg angle drawing) comes with the profile drawings.
    m_report = addReport(QStringLiteral("RzMemo10"), QStringLiteral("RzBitBtn50"),
                         QStringLiteral("RzBitBtn48"), QStringLiteral("RzBitBtn49"), true);

    connect(m_type, &RadioGroup::clicked, this, &UgolokPanel::RadioGroup4Click);
    connect(m_width, &QComboBox::activated, this, &UgolokPanel::ComboBox12Click);
    connect(m_size, &QComboBox::activated, this, &UgolokPanel::ComboBox11Click);
    connect(m_thickness, &QComboBox::activated, this, &UgolokPanel::ComboBox13Select);
    connect(weightButton, &QPushButton::clicked, this, &UgolokPanel::Ugolok);
    connect(lengthButton, &QPushButton::clicked, this, &UgolokPanel::Ugolok1);
}

void UgolokPanel::resetOnOpen()
{
    emptyText(m_width);
    emptyText(m_size);
    emptyText(m_thickness);
    resetField(m_weight);
    resetField(m_length);
}

void UgolokPanel::RadioGroup4Click()
{
    const bool equal = m_type->itemIndex() == int(calc::AngleType::EqualLeg);
    m_size->setEnabled(!equal);
    m_size->setVisible(!equal);
    m_width->setEnabled(equal);
    m_width->setVisible(equal);
    findChild<QLabel*>(QStringLiteral("RzLabel33"))->setBuddy(equal ? m_width : m_size);
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
    show(outcome, resultField, m_report);
}

void UgolokPanel::Ugolok()
{
    showOutcome(calc::Ugolok(selection(), {m_length->text(), m_weight->text()}), m_weight);
}

void UgolokPanel::Ugolok1()
{
    showOutcome(calc::Ugolok1(selection(), {m_length->text(), m_weight->text()}), m_length);
}

} // namespace tolvex
