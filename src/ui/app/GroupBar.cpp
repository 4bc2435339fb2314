#include "ui/app/GroupBar.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace tolvex
{

GroupBar::GroupBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RzGroupBar1"));
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);
    m_space = new QWidget(this);
    m_space->setObjectName(QStringLiteral("groupSpace"));
    m_space->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_layout->addWidget(m_space, 1);
    setStyleSheet(QStringLiteral(
        "QToolButton { font: bold italic 10pt 'Liberation Sans', Arial; text-align: right;"
        " border: 1px solid #8aa0c0; border-radius: 2px; padding: 2px 6px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f7fc, stop:1 #d5deec); }"
        "QToolButton:hover { color: #c00000; }"
        "QToolButton:checked { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #ffffff, stop:1 #bfd0ea); }"
        "QToolButton:focus { border: 1px solid #2050a0; }"
        "#groupSpace { background: #eef2f8; border: 1px solid #c4cfdf; }"));
}

QToolButton* GroupBar::addGroup(const QString& objectName, const QString& caption)
{
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setLayoutDirection(Qt::RightToLeft);
    button->setFocusPolicy(Qt::StrongFocus);
    const int index = int(m_groups.size());
    m_groups.append(button);
    m_layout->insertWidget(m_layout->count() - 1, button);
    connect(button, &QToolButton::clicked, this, [this, index] { open(index); });
    return button;
}

void GroupBar::setOpen(int index)
{
    m_open = index;
    for (int i = 0; i < m_groups.size(); ++i)
        m_groups[i]->setChecked(i == index);
    // The open group's free height sits right under its caption bar.
    m_layout->removeWidget(m_space);
    m_layout->insertWidget(index + 1, m_space, 1);
}

void GroupBar::open(int index)
{
    if (index < 0 || index >= m_groups.size())
        return;
    setOpen(index);
    emit opened(index);
}

} // namespace tolvex
