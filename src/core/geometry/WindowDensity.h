#pragma once

#include "core/materials/DensitySelection.h"

#include <QString>

// The density a geometry window keeps for itself. It differs from the main
// window's choice: a group entry only opens the alloy box (the density changes
// when an alloy is picked), an empty text gives 0, typing does not hide the alloy
// box, and once shown the alloy box stays visible.
namespace tolvex::geometry
{

class WindowDensity
{
public:
    double density() const { return m_selection.density(); }
    bool alloyBoxVisible() const { return m_alloyVisible; }

    // A material entry picked (catalogue index). For a group entry: the alloy
    // position the alloy box is to show; otherwise -1.
    int chooseMaterial(int catalogueIndex);
    // An alloy picked from the alloy box (catalogue index).
    void chooseAlloy(int alloyIndex);
    // The material box's text after an edit. False when the text is no number
    // (the density keeps its value).
    bool typeText(const QString& text);

private:
    materials::DensitySelection m_selection;
    bool m_alloyVisible = false;
};

} // namespace tolvex::geometry
