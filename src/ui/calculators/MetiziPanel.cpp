#include "ui/calculators/MetiziPanel.h"

#include "core/calculators/Fasteners.h"
#include "ui/calculators/Panels.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/ReportBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tolvex
{

namespace
{

const panel::Description Metizi{
    .objectName = "pnlMetizi",
    .titleName = "RzLabel76",
    .title = "Метизы",
    .note = {"RzLabel25", "Вес указывается болта с гайкой", Qt::AlignHCenter, false, true},
    .lists = {{"RzLabel26", "Диаметр болта:", "ComboBox14",
               "Выберите необходимый вам диаметр болта", calc::boltDiameters()},
              {"RzLabel27",
               "Длина болта:",
               "ComboBox15",
               "Выберите необходимую вам длину болта",
               {},
               "RzLabel28",
               "мм."}},
    .fields = {{"RzLabel29", "Количество:", "RzNumericEdit14", "RzLabel30", "шт.", "RzBitBtn26",
                "Вычисление общего веса"}},
    .bottom = {"RzMemo9", "RzBitBtn71", "RzBitBtn46", "RzBitBtn47"},
};

} // namespace

MetiziPanel::MetiziPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, Metizi, parent), m_diameter(list(0)), m_length(list(1)),
      m_count(field(0))
{
    auto* caption = new QLabel(QStringLiteral("Общий вес:"), this);
    caption->setObjectName(QStringLiteral("RzLabel31"));
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("RzLabel32"));
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    caption->setBuddy(m_result);
    grid()->addWidget(caption, 3, 0);
    grid()->addWidget(m_result, 3, 1, 1, 3);

    connect(m_diameter, &QComboBox::activated, this, &MetiziPanel::diameterChosen);
    connect(m_length, &QComboBox::activated, this, [this] { m_count->setFocus(); });
    connect(row(0).button, &QPushButton::clicked, this, &MetiziPanel::bolt);
}

void MetiziPanel::resetOnOpen()
{
    emptyText(m_diameter);
    emptyText(m_length);
    m_result->clear();
    resetField(m_count);
}

void MetiziPanel::diameterChosen()
{
    m_length->clear();
    m_length->addItems(calc::boltLengths(m_diameter->currentIndex()));
    emptyText(m_length);
}

void MetiziPanel::bolt()
{
    const calc::Outcome out =
        calc::bolt(choiceOf(m_diameter), choiceOf(m_length), m_count->text(), m_result->text());
    if (show(out, nullptr))
        m_result->setText(out.result);
}

CalculatorPanel* createMetiziPanel(CalculatorHost& host, QWidget* parent)
{
    return new MetiziPanel(host, parent);
}

} // namespace tolvex
