#include "ui/calculators/CalculatorPanel.h"

#include "ui/calculators/CalculatorHost.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/ReportBox.h"
#include "ui/common/StandardIcons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tolvex
{

panel::Field panel::quantityField(const QString& labelName, const QString& caption,
                                  const QString& fieldName, const QString& buttonName,
                                  const QString& unitName, const QString& unitText)
{
    return {labelName,
            caption,
            fieldName,
            unitName,
            unitText,
            buttonName,
            QStringLiteral("Вычисление количества по общему весу")};
}

panel::Field panel::weightField(const QString& labelName, const QString& fieldName,
                                const QString& buttonName)
{
    return {labelName,
            QStringLiteral("Общий вес, кг"),
            fieldName,
            {},
            {},
            buttonName,
            QStringLiteral("Произвести расчет общего веса")};
}

CalculatorPanel::CalculatorPanel(CalculatorHost& host, const panel::Description& d, QWidget* parent)
    : QFrame(parent), m_host(host), m_description(d)
{
    setObjectName(d.objectName);
    setFrameShape(QFrame::StyledPanel);
    m_body = new QVBoxLayout(this);
    m_body->setContentsMargins(6, 4, 6, 4);
    m_body->setSpacing(4);
    m_title = new QLabel(d.title, this);
    m_title->setObjectName(d.titleName);
    QFont f = m_title->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    m_title->setFont(f);
    m_title->setAlignment(Qt::AlignHCenter);
    m_title->setWordWrap(true);
    m_body->addWidget(m_title);

    if (!d.note.name.isEmpty()) {
        auto* note = new QLabel(d.note.text, this);
        note->setObjectName(d.note.name);
        note->setAlignment(d.note.alignment);
        note->setWordWrap(d.note.wrap);
        if (d.note.warning)
            note->setStyleSheet(QStringLiteral("color: red"));
        m_body->addWidget(note);
    }

    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(4);
    m_grid->setVerticalSpacing(3);
    m_grid->setColumnStretch(1, 1);
    m_body->addLayout(m_grid);
    int row = 0;
    for (const panel::List& l : d.lists) {
        m_lists << addList(row, l);
        row += l.wide ? 2 : 1;
    }
    for (const panel::Field& field : d.fields)
        m_rows << addField(row++, field);
    if (!d.bottom.report.isEmpty())
        addBottom(d.bottom);
}

QComboBox* CalculatorPanel::addList(int row, const panel::List& l)
{
    auto* label = new QLabel(l.caption, this);
    label->setObjectName(l.labelName);
    auto* list = new QComboBox(this);
    list->setObjectName(l.listName);
    list->setToolTip(l.hint);
    list->setMaxVisibleItems(16);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(4);
    label->setBuddy(list);
    int listRow = row;
    if (l.wide) {
        label->setWordWrap(true);
        m_grid->addWidget(label, row, 0, 1, 4);
        listRow = row + 1;
    } else {
        m_grid->addWidget(label, row, 0);
    }
    const int firstColumn = l.wide ? 0 : 1;
    if (l.unitName.isEmpty()) {
        m_grid->addWidget(list, listRow, firstColumn, 1, 4 - firstColumn); // up to the "=" column
    } else {
        m_grid->addWidget(list, listRow, firstColumn, 1, 2 - firstColumn);
        auto* unit = new QLabel(l.unitText, this);
        unit->setObjectName(l.unitName);
        m_grid->addWidget(unit, listRow, 2);
    }
    list->addItems(l.items);
    emptyText(list);
    return list;
}

panel::FieldRow CalculatorPanel::addField(int row, const panel::Field& f)
{
    panel::FieldRow made;
    made.label = new QLabel(f.caption, this);
    made.label->setObjectName(f.labelName);
    made.field = new NumericEdit(f.fieldName, this);
    made.label->setBuddy(made.field);
    m_grid->addWidget(made.label, row, 0);
    if (f.unitName.isEmpty()) {
        m_grid->addWidget(made.field, row, 1, 1, 2);
    } else {
        m_grid->addWidget(made.field, row, 1);
        made.unit = new QLabel(f.unitText, this);
        made.unit->setObjectName(f.unitName);
        m_grid->addWidget(made.unit, row, 2);
    }
    if (!f.buttonName.isEmpty()) {
        made.button = new QPushButton(QStringLiteral("="), this);
        made.button->setObjectName(f.buttonName);
        made.button->setToolTip(f.buttonHint);
        made.button->setFixedWidth(26);
        m_grid->addWidget(made.button, row, 3);
    }
    return made;
}

void CalculatorPanel::addBottom(const panel::Bottom& b)
{
    m_report = new ReportBox(b.report, this);
    m_body->addWidget(m_report, 1);

    // The bottom row: a small glyph-only preview button, "Печать результатов" and,
    // on some panels, "Эскиз" sized to its caption.
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    m_preview = new QPushButton(this);
    m_preview->setObjectName(b.preview);
    m_preview->setToolTip(QStringLiteral("Предварительный просмотр результатов"));
    if (b.previewCaption.isEmpty()) {
        m_preview->setIcon(standardIcon(QStyle::SP_FileDialogContentsView));
        m_preview->setFixedWidth(28);
    } else {
        // A captioned preview leaves less room in the row: the buttons keep only the
        // padding their captions need.
        m_preview->setText(b.previewCaption);
    }
    const QString compact = QStringLiteral("QPushButton { padding: 2px 6px; }");
    m_print = new QPushButton(QStringLiteral("Печать результатов"), this);
    m_print->setObjectName(b.print);
    row->addWidget(m_preview);
    row->addWidget(m_print, 1);
    if (!b.sketch.isEmpty()) {
        m_sketch = new QPushButton(QStringLiteral("Эскиз"), this);
        m_sketch->setObjectName(b.sketch);
        m_sketch->setVisible(b.sketchVisible);
        m_sketch->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        if (!b.previewCaption.isEmpty())
            for (QPushButton* button : {m_preview, m_print, m_sketch})
                button->setStyleSheet(compact);
        row->addWidget(m_sketch);
        connect(m_sketch, &QPushButton::clicked, this, &CalculatorPanel::sketchRequested);
    }
    m_body->addLayout(row);
    connect(m_preview, &QPushButton::clicked, this, &CalculatorPanel::previewRequested);
    connect(m_print, &QPushButton::clicked, this, &CalculatorPanel::printRequested);
}

void CalculatorPanel::insertAboveGrid(QWidget* widget)
{
    m_body->insertWidget(m_body->indexOf(m_grid), widget);
}

void CalculatorPanel::insertAboveReport(QWidget* widget)
{
    m_body->insertWidget(m_body->indexOf(m_report), widget);
}

bool CalculatorPanel::show(const calc::Outcome& outcome, QLineEdit* resultField)
{
    switch (outcome.status) {
    case calc::Status::Ok:
        if (resultField)
            resultField->setText(outcome.result);
        m_report->setReport(outcome.report);
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

calc::ListChoice choiceOf(const QComboBox* list)
{
    return {list->currentIndex(), list->currentText()};
}

void emptyText(QComboBox* list)
{
    list->setCurrentIndex(-1);
}

} // namespace tolvex
