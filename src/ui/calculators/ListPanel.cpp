#include "ui/calculators/ListPanel.h"

#include "ui/calculators/CalculatorHost.h"
#include "core/calculators/RoundBar.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/RadioGroup.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tolvex
{

namespace
{
QWidget* child(QWidget* parent, const char* name)
{
    return parent->findChild<QWidget*>(QLatin1String(name));
}
} // namespace

ListPanel::ListPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, QStringLiteral("pnlList"), QStringLiteral("RzLabel79"),
                      QStringLiteral("Квдратный прокат или лист"), parent)
{
    auto* material = new QLabel(QStringLiteral("Выберите материал."), this);
    material->setObjectName(QStringLiteral("RzLabel44"));
    material->setAlignment(Qt::AlignRight);
    body()->addWidget(material);

    m_profile = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Профиль"),
                               {QStringLiteral("Квадрат"), QStringLiteral("Лист")}, 2, this);
    m_profile->setToolTip(QStringLiteral("Выберите необходимый вам профиль"));
    body()->addWidget(m_profile);

    const QString mm = QStringLiteral("мм.");
    QGridLayout* grid = addGrid();
    m_a = addField(grid, 0, QStringLiteral("RzLabel45"), QStringLiteral("Сторона а:"),
                   QStringLiteral("RzNumericEdit21"), QStringLiteral("RzLabel47"), mm);
    m_b = addField(grid, 1, QStringLiteral("RzLabel46"), QStringLiteral("Сторона b:"),
                   QStringLiteral("RzNumericEdit22"), QStringLiteral("RzLabel48"), mm);
    m_length = addField(grid, 2, QStringLiteral("RzLabel49"), QStringLiteral("Длина или толщина,"),
                        QStringLiteral("RzNumericEdit23"), QStringLiteral("RzLabel50"), mm);
    QPushButton* lengthButton =
        addEqualsButton(grid, 2, QStringLiteral("RzBitBtn20"),
                        QStringLiteral("Вычисление количества по общему весу"));
    m_weight = addField(grid, 3, QStringLiteral("RzLabel51"), QStringLiteral("Общий вес, кг"),
                        QStringLiteral("RzNumericEdit24"));
    QPushButton* weightButton = addEqualsButton(grid, 3, QStringLiteral("RzBitBtn21"),
                                                QStringLiteral("Произвести расчет общего веса"));
    m_report = addReport(QStringLiteral("RzMemo12"), QStringLiteral("RzBitBtn54"),
                         QStringLiteral("RzBitBtn55"), QStringLiteral("RzBitBtn56"));

    m_sideA = {child(this, "RzLabel45"), child(this, "RzLabel47")};
    m_sideB = {child(this, "RzLabel46"), child(this, "RzLabel48")};
    m_lengthCaption = {child(this, "RzLabel49"), child(this, "RzLabel50")};
    // At start the captions are greyed and sides a and b cannot be typed into.
    for (QWidget* w : m_sideA + m_sideB + m_lengthCaption)
        w->setEnabled(false);
    m_a->setEnabled(false);
    m_b->setEnabled(false);

    connect(m_profile, &RadioGroup::clicked, this, &ListPanel::profileChosen);
    connect(weightButton, &QPushButton::clicked, this, &ListPanel::computeWeight);
    connect(lengthButton, &QPushButton::clicked, this, &ListPanel::computeLength);
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
         m_weight, m_report);
}

void ListPanel::computeLength()
{
    const calc::SquareSheetFields f{m_a->text(), m_b->text(), m_length->text(), m_weight->text()};
    show(calc::squareSheetLength(calc::Profile(m_profile->itemIndex()), f, host().density(),
                                 host().materialName()),
         m_length, m_report);
}

} // namespace tolvex
