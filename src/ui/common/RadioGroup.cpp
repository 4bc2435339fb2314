#include "ui/common/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace tolvex
{

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
                       int columns, QWidget* parent)
    : QGroupBox(caption, parent), m_buttons(new QButtonGroup(this)),
      m_layout(new QGridLayout(this)), m_columns(qMax(1, columns))
{
    setObjectName(objectName);
    m_layout->setContentsMargins(6, 2, 6, 2);
    m_layout->setVerticalSpacing(2);
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
    setItems(items);
}

QStringList RadioGroup::items() const
{
    QStringList out;
    for (QAbstractButton* b : m_buttons->buttons())
        out << b->text();
    return out;
}

void RadioGroup::setItems(const QStringList& items)
{
    const int chosen = itemIndex();
    for (QAbstractButton* b : m_buttons->buttons()) {
        m_buttons->removeButton(b);
        delete b;
    }
    const int rows = int((items.size() + m_columns - 1) / m_columns);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
        m_buttons->addButton(button, i);
        m_layout->addWidget(button, i % qMax(1, rows), i / qMax(1, rows));
    }
    setItemIndex(chosen);
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* b = m_buttons->button(index)) {
        b->setChecked(true);
        return;
    }
    m_buttons->setExclusive(false);
    for (QAbstractButton* b : m_buttons->buttons())
        b->setChecked(false);
    m_buttons->setExclusive(true);
}

} // namespace tolvex
