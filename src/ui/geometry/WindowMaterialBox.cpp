#include "ui/geometry/WindowMaterialBox.h"

#include "core/materials/MaterialCatalogue.h"
#include "ui/common/MessageBoxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

namespace tolvex
{

WindowMaterialBox::WindowMaterialBox(QWidget* window)
    : QWidget(window), m_window(window), m_label(new QLabel(QStringLiteral("Материал"), this)),
      m_material(new QComboBox(this)), m_alloy(new QComboBox), m_cover(new QWidget),
      m_alloyPlace(new QStackedWidget(this))
{
    m_label->setObjectName(QStringLiteral("RzLabel1"));
    m_label->setBuddy(m_material);
    m_material->setObjectName(QStringLiteral("RzComboBox1"));
    m_alloy->setObjectName(QStringLiteral("RzComboBox2"));
    m_cover->setObjectName(QStringLiteral("RzPanel1"));

    m_material->setEditable(true);
    m_material->setMaxVisibleItems(20);
    m_material->setInsertPolicy(QComboBox::NoInsert);
    m_material->setCompleter(nullptr);
    const auto& materials = materials::materials();
    for (std::size_t i = 0; i < materials.size(); ++i)
        m_material->addItem(materials[i].text, int(i));
    m_material->setCurrentIndex(-1);
    m_material->setEditText(QStringLiteral("Укажите материал или его плотность"));

    m_alloy->setMaxVisibleItems(20);
    const auto& alloys = materials::alloys();
    for (std::size_t i = 0; i < alloys.size(); ++i)
        m_alloy->addItem(alloys[i].text, int(i));
    m_alloy->setCurrentIndex(-1);
    m_alloy->setPlaceholderText(QStringLiteral("Укажите необходимый вам сплав из списка"));

    // The alloy box and its cover share one place; the cover is on top at start.
    m_alloyPlace->addWidget(m_cover);
    m_alloyPlace->addWidget(m_alloy);
    m_alloyPlace->setCurrentWidget(m_cover);
    m_alloyPlace->setFixedHeight(m_alloy->sizeHint().height());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    grid->addWidget(m_label, 0, 0);
    grid->addWidget(m_material, 0, 1);
    grid->addWidget(m_alloyPlace, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    // Long entries must not widen the fixed-size window.
    m_material->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_material->setMinimumContentsLength(10);
    m_alloy->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_alloy->setMinimumContentsLength(10);

    connect(m_material, &QComboBox::activated, this, &WindowMaterialBox::chooseMaterialAt);
    connect(m_alloy, &QComboBox::activated, this, &WindowMaterialBox::chooseAlloyAt);
    connect(m_material->lineEdit(), &QLineEdit::textEdited, this, &WindowMaterialBox::typed);
}

void WindowMaterialBox::chooseMaterialAt(int row)
{
    if (row < 0 || row >= m_material->count())
        return;
    m_material->setCurrentIndex(row);
    const int alloyPosition = m_density.chooseMaterial(m_material->itemData(row).toInt());
    if (m_density.alloyBoxVisible())
        m_alloyPlace->setCurrentWidget(m_alloy);
    // Positioning the alloy box is not a choice: the density waits for a pick.
    if (alloyPosition >= 0)
        m_alloy->setCurrentIndex(m_alloy->findData(alloyPosition));
}

void WindowMaterialBox::chooseAlloyAt(int row)
{
    if (row < 0 || row >= m_alloy->count())
        return;
    m_alloy->setCurrentIndex(row);
    m_density.chooseAlloy(m_alloy->itemData(row).toInt());
}

void WindowMaterialBox::typed(const QString& text)
{
    if (!m_density.typeText(text))
        showConversionError(m_window, text);
}

} // namespace tolvex
