#include "ui/geometry/BlankFigureTab.h"

#include "ui/common/RadioGroup.h"
#include "ui/geometry/BlankVariantPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvex
{

BlankFigureTab::BlankFigureTab(const geometry::BlankTab& tab,
                               const std::vector<const geometry::BlankVariant*>& variants,
                               QWidget* parent)
    : QWidget(parent), m_compute(new QPushButton(QStringLiteral("Вычислить"), this)),
      m_clear(new QPushButton(QStringLiteral("Очистить всё"), this))
{
    setObjectName(tab.sheetName);
    m_compute->setObjectName(tab.computeButton);
    m_clear->setObjectName(tab.clearButton);
    m_compute->setAutoDefault(false);
    m_clear->setAutoDefault(false);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(6, 6, 6, 6);
    box->setSpacing(6);

    if (!tab.radioGroup.isEmpty()) {
        QStringList items;
        for (const geometry::BlankVariant* v : variants)
            items << v->radioItem;
        m_radio =
            new RadioGroup(tab.radioGroup, QStringLiteral("Выбор параметров"), items, 1, this);
        box->addWidget(m_radio);
        connect(m_radio, &RadioGroup::clicked, this, &BlankFigureTab::choose);
    }

    // The panels of a radio group share one place; none is shown before a choice.
    auto* place = new QGridLayout;
    place->setContentsMargins(0, 0, 0, 0);
    for (const geometry::BlankVariant* v : variants) {
        auto* panel = new BlankVariantPanel(*v, this);
        panel->setVisible(!m_radio);
        place->addWidget(panel, 0, 0);
        m_panels << panel;
    }
    box->addLayout(place);
    box->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_compute);
    buttons->addWidget(m_clear);
    box->addLayout(buttons);

    connect(m_compute, &QPushButton::clicked, this, [this] {
        if (BlankVariantPanel* panel = activePanel())
            emit computeRequested(panel);
    });
    connect(m_clear, &QPushButton::clicked, this, &BlankFigureTab::clearRequested);
}

BlankVariantPanel* BlankFigureTab::activePanel() const
{
    if (!m_radio)
        return m_panels.value(0);
    return m_panels.value(m_radio->itemIndex());
}

void BlankFigureTab::choose(int item)
{
    for (int i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setVisible(i == item);
    emit clearRequested();
}

} // namespace tolvex
