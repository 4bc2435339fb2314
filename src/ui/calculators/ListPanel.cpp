#include "ui/calculators/ListPanel.h"

#include "core/calculators/RoundBar.h"
#include "ui/calculators/CalculatorHost.h"
#include "ui/calculators/Panels.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/RadioGroup.h"

#include <QLabel>
#include <QPushButton>

namespace tolvex
{

namespace
{

const QString Mm = QStringLiteral("мм.");

const panel::Description List{
    .objectName = "pnlList",
    .titleName = "RzLabel79",
    .title = "Квдратный прокат или лист",
    .note = {"RzLabel44", "Выберите материал."},
    .fields = {{"RzLabel45", "Сторона а:", "RzNumericEdit21", "RzLabel47", Mm},
               {"RzLabel46", "Сторона b:", "RzNumericEdit22", "RzLabel48", Mm},
               panel::quantityField("RzLabel49", "Длина или толщина,", "RzNumericEdit23",
                                    "RzBitBtn20", "RzLabel50", Mm),
               panel::weightField("RzLabel51", "RzNumericEdit24", "RzBitBtn21")},
    .bottom = {"RzMemo12", "RzBitBtn54", "RzBitBtn55", "RzBitBtn56"},
};

} // namespace

ListPanel::ListPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, List, parent), m_a(field(0)), m_b(field(1)), m_length(field(2)),
      m_weight(field(3))
{
    m_profile = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Профиль"),
                               {QStringLiteral("Квадрат"), QStringLiteral("Лист")}, 2, this);
    m_profile->setToolTip(QStringLiteral("Выберите необходимый вам профиль"));
    insertAboveGrid(m_profile);

    m_sideA = {row(0).label, row(0).unit};
    m_sideB = {row(1).label, row(1).unit};
    m_lengthCaption = {row(2).label, row(2).unit};
    // At start the captions are greyed and sides a and b cannot be typed into.
    for (QWidget* w : m_sideA + m_sideB + m_lengthCaption)
        w->setEnabled(false);
    m_a->setEnabled(false);
    m_b->setEnabled(false);

    connect(m_profile, &RadioGroup::clicked, this, &ListPanel::profileChosen);
    connect(row(3).button, &QPushButton::clicked, this, &ListPanel::computeWeight);
    connect(row(2).button, &QPushButton::clicked, this, &ListPanel::computeLength);
}

void ListPanel::profileChosen(int item)
{
    const bool sheet = item == int(calc::Profile::Sheet);
    for (QWidget* w : m_sideA + m_lengthCaption)
        w->setEnabled(true);
    m_a->setEnabled(true);
    m_length->setEnabled(true);
    for (QWidget* w : m_sideB)
        w->setEnabled(sheet);
    m_b->setEnabled(sheet);
}

void ListPanel::resetOnOpen()
{
    for (QLineEdit* f : {m_a, m_b, m_length, m_weight})
        resetField(f);
}

void ListPanel::computeWeight()
{
    const calc::SquareSheetFields f{m_a->text(), m_b->text(), m_length->text(), m_weight->text()};
    show(calc::squareSheetWeight(calc::Profile(m_profile->itemIndex()), f, host().density(),
                                 host().materialName()),
         m_weight);
}

void ListPanel::computeLength()
{
    const calc::SquareSheetFields f{m_a->text(), m_b->text(), m_length->text(), m_weight->text()};
    show(calc::squareSheetLength(calc::Profile(m_profile->itemIndex()), f, host().density(),
                                 host().materialName()),
         m_length);
}

CalculatorPanel* createListPanel(CalculatorHost& host, QWidget* parent)
{
    return new ListPanel(host, parent);
}

} // namespace tolvex
