#include "core/materials/DensitySelection.h"

#include "core/common/NumberText.h"
#include "core/materials/MaterialCatalogue.h"

#include <cmath>

namespace tolvex::materials
{

void DensitySelection::chooseMaterial(int catalogueIndex)
{
    m_alloyVisible = false;
    m_material = -1;
    const auto& table = materials();
    if (catalogueIndex < 0 || catalogueIndex >= int(table.size()))
        return;
    const Material& m = table[std::size_t(catalogueIndex)];
    m_material = catalogueIndex;
    m_density = m.density;
    if (m.isGroup()) {
        m_alloyVisible = true;
        m_alloy = m.alloyPosition;
    }
}

void DensitySelection::chooseAlloy(int alloyIndex)
{
    const auto& table = alloys();
    if (alloyIndex < 0 || alloyIndex >= int(table.size()))
        return;
    m_alloy = alloyIndex;
    m_density = table[std::size_t(alloyIndex)].density;
}

bool DensitySelection::typeText(const QString& text)
{
    m_alloyVisible = false;
    m_material = -1;
    if (text.isEmpty()) {
        m_density = 1.0;
        return true;
    }
    const auto value = parseNumber(text);
    if (!value || !std::isfinite(double(*value)))
        return false;
    m_density = double(*value);
    return true;
}

bool DensitySelection::namesAlloy() const
{
    return m_material >= 0 && materials()[std::size_t(m_material)].isGroup();
}

QString DensitySelection::reportName(const QString& materialText, const QString& alloyText) const
{
    return namesAlloy() ? alloyText : materialText;
}

} // namespace tolvex::materials
