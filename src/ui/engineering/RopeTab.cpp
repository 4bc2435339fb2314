#include "ui/engineering/RopeTab.h"

#include "core/engineering/RopeCalculation.h"
#include "ui/common/NumericEdit.h"
#include "ui/engineering/RopeSectionView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

QLabel* resultLine(const QString& name, QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::StyledPanel);
    line->setFrameShadow(QFrame::Sunken);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line->setMinimumHeight(18);
    return line;
}

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred); // never cut
    return label;
}

} // namespace

RopeTab::RopeTab(const ropes::RopeConstruction& construction, int number, QWidget* parent)
    : QWidget(parent), m_construction(construction)
{
    const QString n = QString::number(number);
    setObjectName(QStringLiteral("ropeTab") + n);

    // Description and cross-section.
    auto* about = new QGroupBox(QStringLiteral("Краткие технические характеристики"), this);
    auto* picture = new RopeSectionView(construction.section, QSize(92, 92), about);
    picture->setObjectName(QStringLiteral("ropeSection") + n);
    auto* description = new QPlainTextEdit(ropes::ropeDescription(construction), about);
    description->setObjectName(QStringLiteral("ropeDescription") + n);
    description->setReadOnly(true);
    description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* aboutLayout = new QHBoxLayout(about);
    aboutLayout->setContentsMargins(6, 2, 6, 4);
    aboutLayout->addWidget(picture, 0, Qt::AlignTop);
    aboutLayout->addWidget(description, 1);

    // The mass of a length.
    auto* mass = new QGroupBox(QStringLiteral("Вычисление массы"), this);
    m_diameter = new QComboBox(mass);
    m_diameter->setObjectName(QStringLiteral("diameterBox") + n);
    m_diameter->setEditable(true);
    m_diameter->setInsertPolicy(QComboBox::NoInsert);
    for (const ropes::RopeRow& row : construction.rows)
        m_diameter->addItem(QString::fromUtf8(row.diameter));
    m_diameter->setCurrentIndex(-1);
    m_length = new NumericEdit(QStringLiteral("lengthEdit") + n, mass);
    auto* calc = new QPushButton(QStringLiteral("Вычислить"), mass);
    calc->setObjectName(QStringLiteral("calculateButton") + n);
    auto* clearButton = new QPushButton(QStringLiteral("Очистить"), mass);
    clearButton->setObjectName(QStringLiteral("clearButton") + n);
    m_mass = resultLine(QStringLiteral("massLine") + n, mass);
    auto* massGrid = new QGridLayout(mass);
    massGrid->setContentsMargins(6, 2, 6, 4);
    massGrid->setVerticalSpacing(3);
    massGrid->addWidget(caption(QStringLiteral("Выберите диаметр каната:"), m_diameter, mass), 0,
                        0);
    massGrid->addWidget(m_diameter, 0, 1);
    massGrid->addWidget(new QLabel(QStringLiteral("мм."), mass), 0, 2);
    massGrid->addWidget(caption(QStringLiteral("Укажите длину каната:"), m_length, mass), 1, 0);
    massGrid->addWidget(m_length, 1, 1);
    massGrid->addWidget(new QLabel(QStringLiteral("м."), mass), 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calc);
    buttons->addWidget(clearButton);
    massGrid->addLayout(buttons, 2, 0, 1, 3);
    massGrid->addWidget(caption(QStringLiteral("Масса смазанного каната:"), m_mass, mass), 3, 0);
    massGrid->addWidget(m_mass, 3, 1, 1, 2);

    // Reference data of the chosen diameter.
    auto* data = new QGroupBox(QStringLiteral("Справочные данные"), this);
    m_area = resultLine(QStringLiteral("areaLine") + n, data);
    auto* dataLayout = new QVBoxLayout(data);
    dataLayout->setContentsMargins(6, 2, 6, 4);
    dataLayout->setSpacing(3);
    auto* areaRow = new QHBoxLayout;
    areaRow->addWidget(
        caption(QStringLiteral("Площадь сечения всех проволок, в кв.мм:"), m_area, data));
    m_area->setMinimumWidth(80);
    areaRow->addWidget(m_area, 1);
    dataLayout->addLayout(areaRow);
    auto* rule = new QFrame(data);
    rule->setFixedHeight(2);
    rule->setStyleSheet(QStringLiteral("border-top: 1px dashed #606060;"));
    dataLayout->addWidget(rule);
    dataLayout->addWidget(new QLabel(QStringLiteral("Маркировочная группа Н/мм2 (кгс/мм2)"), data),
                          0, Qt::AlignHCenter);
    // The four groups left to right, ascending strength, in columns of equal width.
    auto* forceGrid = new QGridLayout;
    forceGrid->setVerticalSpacing(2);
    const QStringList groups = ropes::markingGroupCaptions(construction.groups);
    for (int g = 0; g < 4; ++g) {
        QLabel*& force = m_forces[std::size_t(g)];
        force = resultLine(QStringLiteral("forceLine%1_%2").arg(n).arg(g + 1), data);
        force->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        force->setMinimumWidth(force->fontMetrics().horizontalAdvance(ropes::noDataText()) + 8);
        auto* groupCaption = caption(groups[g], force, data);
        groupCaption->setAlignment(Qt::AlignCenter);
        forceGrid->addWidget(groupCaption, 0, g);
        forceGrid->addWidget(force, 1, g);
        forceGrid->setColumnStretch(g, 1);
    }
    dataLayout->addLayout(forceGrid);
    auto* note = new QLabel(ropes::ropeDataNote(), data);
    note->setObjectName(QStringLiteral("dataNote") + n);
    note->setStyleSheet(QStringLiteral("color: #606060; font-size: 7pt;"));
    dataLayout->addWidget(note);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(4);
    lower->addWidget(mass, 0);
    lower->addWidget(data, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(about, 1);
    layout->addLayout(lower);

    connect(calc, &QPushButton::clicked, this, &RopeTab::calculateRequested);
    connect(clearButton, &QPushButton::clicked, this, &RopeTab::clearRequested);
}

QString RopeTab::lengthText() const
{
    return m_length->text();
}

RopeTab::Outcome RopeTab::calculate(long double length, bool english)
{
    // Only an entry of the list counts, whatever was typed into the box.
    const int index = m_diameter->currentIndex();
    if (index < 0 || m_diameter->itemText(index) != m_diameter->currentText())
        return Outcome::NoDiameter;
    const ropes::RopeResult result =
        ropes::ropeResult(m_construction.rows[std::size_t(index)], length, english);
    if (result.overflow)
        return Outcome::Overflow;
    m_mass->setText(result.mass);
    m_area->setText(result.area);
    for (std::size_t g = 0; g < m_forces.size(); ++g)
        m_forces[g]->setText(result.forces[g]);
    return Outcome::Written;
}

void RopeTab::clear()
{
    m_diameter->setCurrentIndex(-1);
    m_diameter->setEditText(QString());
    m_length->setText(QStringLiteral("0"));
    m_mass->clear();
    m_area->clear();
    for (QLabel* force : m_forces)
        force->clear();
}

} // namespace tolvex
