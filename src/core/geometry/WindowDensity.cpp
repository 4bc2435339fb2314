#include "core/geometry/WindowDensity.h"

#include "core/materials/MaterialCatalogue.h"

namespace tolvex::geometry
{

int WindowDensity::chooseMaterial(int catalogueIndex)
{
    const auto& table = materials::materials();
    if (catalogueIndex < 0 || catalogueIndex >= int(table.size()))
        return -1;
    const materials::Material& m = table[std::size_t(catalogueIndex)];
    if (m.isGroup()) {
        m_alloyVisible = true;
        return m.alloyPosition;
    }
    m_selection.chooseMaterial(catalogueIndex);
    return -1;
}

void WindowDensity::chooseAlloy(int alloyIndex)
{
    m_selection.chooseAlloy(alloyIndex);
}

bool WindowDensity::typeText(const QString& text)
{
    return m_selection.typeText(text.isEmpty() ? QStringLiteral("0") : text);
}

} // namespace tolvex::geometry
