#include "ui/calculators/MetiziPanel.h"

#include "ui/calculators/TablePanelSupport.h"
#include "core/calculators/Fasteners.h"
#include "ui/common/NumericEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvex
{

MetiziPanel::MetiziPanel(CalculatorHost& host, QWidget* parent)
    : CalculatorPanel(host, QStringLiteral("pnlMetizi"), QStringLiteral("lblMetiziTitle"),
                      QStringLiteral("Метизы"), parent)
{
    auto* note = new QLabel(QStringLiteral("Вес указывается болта с гайкой"), this);
    note->setObjectName(QStringLiteral("RzLabel25"));
    note->setAlignment(Qt::AlignHCenter);
    note->setWordWrap(true);
    body()->addWidget(note);

    QGridLayout* grid = addGrid();
    m_diameter = addSizeList(this, grid, 0, QStringLiteral("RzLabel26"),
                             QStringLiteral("Диаметр болта:"), QStringLiteral("ComboBox14"),
                             QStringLiteral("Выберите необходимый вам диаметр болта"));
    m_diameter->addItems(calc::boltDiameters());
    emptyText(m_diameter);
    m_length = addSizeList(this, grid, 1, QStringLiteral("RzLabel27"),
                           QStringLiteral("Длина болта:"), QStringLiteral("ComboBox15"),
                           QStringLiteral("Выберите необходимую вам длину болта"),
                           QStringLiteral("RzLabel28"), QStringLiteral("мм."));
    m_count = addField(grid, 2, QStringLiteral("RzLabel29"), QStringLiteral("Количество:"),
                       QStringLiteral("RzNumericEdit14"), QStringLiteral("RzLabel30"),
                       QStringLiteral("шт."));
    QPushButton* button = addEqualsButton(grid, 2, QStringLiteral("RzBitBtn26"),
                                          QStringLiteral("Вычисление общего веса"));
    auto* caption = new QLabel(QStringLiteral("Общий вес:"), this);
    caption->setObjectName(QStringLiteral("RzLabel31"));
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("RzLabel32"));
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    caption->setBuddy(m_result);
    grid->addWidget(caption, 3, 0);
    grid->addWidget(m_result, 3, 1, 1, 3);
    m_report = addReport(QStringLiteral("RzMemo9"), QStringLiteral("RzBitBtn71"),
                         QStringLiteral("RzBitBtn46"), QStringLiteral("RzBitBtn47"));

    connect(m_diameter, &QComboBox::activated, this, &MetiziPanel::diameterChosen);
    connect(m_length, &QComboBox::activated, this, [this] { m_count->setFocus(); });
    connect(button, &QPushButton::clicked, this, &MetiziPanel::bolt);
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
    if (!out.ok()) {
        show(out, nullptr, nullptr); // the message box of the outcome
        return;
    }
    m_result->setText(out.result);
    m_report->clear();
    m_report->setProperty("reportText", out.report);
    m_report->setPlainText(QString(out.report).replace(QStringLiteral("\r\n"), "\n"));
}

} // namespace tolvex
