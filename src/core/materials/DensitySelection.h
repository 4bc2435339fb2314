#pragma once

#include <QString>

// The current density and how it is chosen: from a material entry, from an alloy
// entry, or typed into the material box. Windows keep one of these each (the main
// window's is the current density; the geometry windows keep their own).
namespace tolvex::materials
{

class DensitySelection
{
public:
    double density() const { return m_density; }
    int selectedMaterial() const { return m_material; } // catalogue index, -1 when none
    int selectedAlloy() const { return m_alloy; }       // -1 when none
    bool alloyBoxVisible() const { return m_alloyVisible; }

    // A material entry picked from the list (catalogue index; -1 leaves the density).
    // A group entry sets its first alloy's density and opens the alloy box there.
    void chooseMaterial(int catalogueIndex);
    // An alloy entry picked from the alloy box (-1 leaves the density).
    void chooseAlloy(int alloyIndex);
    // Text typed into the material box: hides the alloy box and forgets the chosen
    // entry; an empty text gives 1.0, a number becomes the density. Returns false
    // when the text is no number (the density keeps its value).
    bool typeText(const QString& text);

    // Whether reports name the alloy box's entry: a group entry is chosen.
    bool namesAlloy() const;
    // The material to name in reports: the alloy text while a group entry is chosen.
    QString reportName(const QString& materialText, const QString& alloyText) const;

private:
    double m_density = 0;
    int m_material = -1;
    int m_alloy = -1;
    bool m_alloyVisible = false;
};

} // namespace tolvex::materials
