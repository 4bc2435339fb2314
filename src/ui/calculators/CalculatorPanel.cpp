#include "ui/calculators/CalculatorPanel.h"

#include "ui/calculators/CalculatorHost.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tolvex
{

CalculatorPanel::CalculatorPanel(CalculatorHost& host, const QString& objectName,
                                 const QString& titleName, const QString& title, QWidget* parent)
    : QFrame(parent), m_host(host)
{
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    m_body = new QVBoxLayout(this);
    m_body->setContentsMargins(6, 4, 6, 4);
    m_body->setSpacing(4);
    m_title = new QLabel(title, this);
    m_title->setObjectName(titleName);
    QFont f = m_title->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    m_title->setFont(f);
    m_title->setAlignment(Qt::AlignHCenter);
    m_title->setWordWrap(true);
    m_body->addWidget(m_title);
}

QGridLayout* CalculatorPanel::addGrid()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(1, 1);
    m_body->addLayout(grid);
    return grid;
}

NumericEdit* CalculatorPanel::addField(QGridLayout* grid, int row, const QString& labelName,
                                       const QString& caption, const QString& fieldName,
                                       const QString& unitName, const QString& unitText)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(labelName);
    auto* field = new NumericEdit(fieldName, this);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    if (unitName.isEmpty()) {
        grid->addWidget(field, row, 1, 1, 2);
    } else {
        grid->addWidget(field, row, 1);
        auto* unit = new QLabel(unitText, this);
        unit->setObjectName(unitName);
        grid->addWidget(unit, row, 2);
    }
    return field;
}

QLabel* CalculatorPanel::addCaption(QGridLayout* grid, int row, const QString& labelName,
                                    const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(labelName);
    label->setBuddy(buddy);
    label->setWordWrap(true);
    grid->addWidget(label, row, 0, 1, 4);
    return label;
}

QPushButton* CalculatorPanel::addEqualsButton(QGridLayout* grid, int row, const QString& name,
                                              const QString& hint)
{
    auto* button = new QPushButton(QStringLiteral("="), this);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedWidth(26);
    grid->addWidget(button, row, 3);
    return button;
}

QPlainTextEdit* CalculatorPanel::addReport(const QString& memoName, const QString& previewName,
                                           const QString& printName, const QString& sketchName,
                                           bool sketchVisible)
{
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(memoName);
    memo->setReadOnly(true);
    memo->setPlaceholderText(QStringLiteral("Итог вычислений"));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_body->addWidget(memo, 1);

    // The bottom row: a small glyph-only preview button, "Печать результатов" and,
    // on some panels, "Эскиз" sized to its caption.
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    auto* preview = new QPushButton(this);
    preview->setObjectName(previewName);
    preview->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    preview->setToolTip(QStringLiteral("Предварительный просмотр результатов"));
    preview->setFixedWidth(28);
    auto* print = new QPushButton(QStringLiteral("Печать результатов"), this);
    print->setObjectName(printName);
    row->addWidget(preview);
    row->addWidget(print, 1);
    if (!sketchName.isEmpty()) {
        auto* sketch = new QPushButton(QStringLiteral("Эскиз"), this);
        sketch->setObjectName(sketchName);
        sketch->setVisible(sketchVisible);
        sketch->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        row->addWidget(sketch);
    }
    m_body->addLayout(row);
    return memo;
}

bool CalculatorPanel::show(const calc::Outcome& outcome, QLineEdit* resultField,
                           QPlainTextEdit* report)
{
    switch (outcome.status) {
    case calc::Status::Ok:
        resultField->setText(outcome.result);
        report->clear();
        // The report keeps its CR LF line breaks; the box shows them as lines.
        report->setProperty("reportText", outcome.report);
        report->setPlainText(QString(outcome.report).replace(QStringLiteral("\r\n"), "\n"));
        return true;
    case calc::Status::Refused:
        showInformation(m_host.messageOwner(), m_host.messageText(outcome.messageKey));
        return false;
    case calc::Status::NotANumber:
        showConversionError(m_host.messageOwner(), outcome.badText);
        return false;
    case calc::Status::FloatError:
        showFloatingPointError(m_host.messageOwner());
        return false;
    case calc::Status::Nothing:
        return false;
    }
    return false;
}

void CalculatorPanel::resetField(QLineEdit* field)
{
    field->setText(QStringLiteral("0"));
}

} // namespace tolvex
