#include "ui/reference/ConverterColumns.h"

#include "ui/common/NumericEdit.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace tolvex
{

namespace
{

// Every row is this high with this gap, so the rows are 20 pixels apart.
constexpr int rowHeight = 18;
constexpr int rowGap = 2;

QGridLayout* rowsLayout(QGroupBox* group)
{
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(3, 2, 3, 6);
    grid->setVerticalSpacing(rowGap);
    grid->setHorizontalSpacing(4);
    return grid;
}

} // namespace

ConverterColumns::ConverterColumns(const QStringList& units, const QString& ratioCaption,
                                   RatioKind ratioKind, QWidget* parent)
    : QObject(parent), m_ratioGroup(new QGroupBox(ratioCaption, parent)),
      m_calculatorGroup(new QGroupBox(QStringLiteral("Калькулятор"), parent)),
      m_items(new QButtonGroup(this))
{
    m_ratioGroup->setObjectName(QStringLiteral("RzRadioGroup1"));
    m_calculatorGroup->setObjectName(QStringLiteral("RzRadioGroup2"));
    QGridLayout* left = rowsLayout(m_ratioGroup);
    QGridLayout* right = rowsLayout(m_calculatorGroup);
    // Wide enough for a ratio in the exponent form ("4,84813681109536E-6" scrolls a little).
    const int numberWidth =
        parent->fontMetrics().horizontalAdvance(QStringLiteral("9,460730472580E15")) + 6;

    for (int i = 0; i < units.size(); ++i) {
        const QString number = QString::number(i + 1);
        // The radio buttons are the group's direct children in unit order, so a language
        // file refills them as the group's items.
        auto* item = new QRadioButton(units[i], m_ratioGroup);
        item->setObjectName(QStringLiteral("RzRadioGroup1_item%1").arg(i));
        item->setFixedHeight(rowHeight);
        m_items->addButton(item, i);
        left->addWidget(item, i, 0);

        QWidget* ratio = nullptr;
        if (ratioKind == RatioKind::StatusPane) {
            auto* pane = new QLabel(m_ratioGroup);
            pane->setObjectName(QStringLiteral("RzStatusPane") + number);
            pane->setFrameShape(QFrame::Panel);
            pane->setFrameShadow(QFrame::Sunken);
            pane->setTextInteractionFlags(Qt::TextSelectableByMouse);
            pane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            pane->setIndent(3);
            pane->setMinimumWidth(numberWidth);
            ratio = pane;
        } else {
            auto* edit = new QLineEdit(m_ratioGroup);
            edit->setObjectName(QStringLiteral("RzEdit") + number);
            edit->setReadOnly(true);
            edit->setAlignment(Qt::AlignRight);
            edit->setMinimumWidth(numberWidth);
            ratio = edit;
        }
        ratio->setFixedHeight(rowHeight);
        m_ratios << ratio;
        left->addWidget(ratio, i, 1);

        auto* field = new NumericEdit(QStringLiteral("RzNumericEdit") + number, m_calculatorGroup);
        field->setFixedHeight(rowHeight);
        field->setReadOnly(true);
        field->setMinimumWidth(numberWidth);
        m_fields << field;
        right->addWidget(field, i, 0);

        auto* button = new QPushButton(QStringLiteral("="), m_calculatorGroup);
        button->setObjectName(QStringLiteral("RzBitBtn") + number);
        button->setFixedSize(22, rowHeight);
        m_buttons << button;
        right->addWidget(button, i, 1);
        connect(button, &QPushButton::clicked, this, [this, i] { emit convertClicked(i); });
    }
    left->setColumnStretch(1, 1);
    right->setColumnStretch(0, 1);
    left->setRowStretch(int(units.size()), 1);
    right->setRowStretch(int(units.size()), 1);
    connect(m_items, &QButtonGroup::idClicked, this, &ConverterColumns::unitChosen);
    resetFields(-1);
    m_ratioGroup->installEventFilter(this);
    m_calculatorGroup->installEventFilter(this);
    alignRows();
}

bool ConverterColumns::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::Polish:
    case QEvent::Show:
        alignRows();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// A group without a caption starts its contents higher than one with a caption: the
// rows of both start at the same height, so each unit's field stands beside its name.
void ConverterColumns::alignRows()
{
    QGroupBox* groups[] = {m_ratioGroup, m_calculatorGroup};
    int top = 0;
    for (QGroupBox* g : groups)
        top = qMax(top, g->contentsMargins().top());
    for (QGroupBox* g : groups) {
        QLayout* l = g->layout();
        const QMargins m = l->contentsMargins();
        const int wanted = 2 + top - g->contentsMargins().top();
        if (m.top() != wanted)
            l->setContentsMargins(m.left(), wanted, m.right(), m.bottom());
    }
}

int ConverterColumns::chosen() const
{
    return m_items->checkedId();
}

QAbstractButton* ConverterColumns::item(int unit) const
{
    return m_items->button(unit);
}

QString ConverterColumns::ratioText(int unit) const
{
    if (auto* pane = qobject_cast<QLabel*>(m_ratios[unit]))
        return pane->text();
    return static_cast<QLineEdit*>(m_ratios[unit])->text();
}

void ConverterColumns::setRatioTexts(const QStringList& texts)
{
    for (int i = 0; i < m_ratios.size(); ++i) {
        const QString text = texts.value(i);
        if (auto* pane = qobject_cast<QLabel*>(m_ratios[i]))
            pane->setText(text);
        else {
            auto* edit = static_cast<QLineEdit*>(m_ratios[i]);
            edit->setText(text);
            edit->setCursorPosition(0);
        }
    }
}

void ConverterColumns::resetFields(int chosenUnit)
{
    const QPalette base = m_calculatorGroup->palette();
    for (int i = 0; i < m_fields.size(); ++i) {
        NumericEdit* f = m_fields[i];
        QPalette p = base;
        if (i != chosenUnit)
            p.setColor(QPalette::Base, base.color(QPalette::Button));
        f->setPalette(p);
        f->setReadOnly(i != chosenUnit);
        f->setText(QStringLiteral("0"));
    }
}

} // namespace tolvex
