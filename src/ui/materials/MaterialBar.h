#pragma once

#include "core/materials/DensitySelection.h"

#include <QObject>
#include <QStringList>

class QComboBox;
class QWidget;

namespace tolvex
{

// The material box and the alloy box of a window, and the density they choose.
// Each list item carries its catalogue index (item data), so the density follows
// the entry whatever language its text is in and wherever it sorts.
class MaterialBar : public QObject
{
    Q_OBJECT
public:
    // `saveChoice`: write the material text to the configuration file on each choice
    // (the main window does; the geometry windows keep their choice to themselves).
    MaterialBar(QComboBox* materialBox, QComboBox* alloyBox, QWidget* owner, bool saveChoice);

    double density() const { return m_selection.density(); }
    const materials::DensitySelection& selection() const { return m_selection; }
    QString reportName() const;

    // Fills both lists (texts in catalogue order); the material list is shown sorted.
    void fill(const QStringList& materialTexts, const QStringList& alloyTexts);
    void fillBuiltIn();
    // Start-up: put a saved text back, selecting the entry that has this text in the
    // lists shown, the built-in list or a shipped language file's list (blanks around
    // it aside); any other text is a typed density.
    void restore(const QString& text);

    // The user's actions (also called by tests).
    void chooseMaterialAt(int row);
    void chooseAlloyAt(int row);
    void typed(const QString& text);

signals:
    void densityChanged(double density);

private:
    int catalogueIndexAt(int row) const;
    void save();

    QComboBox* m_material;
    QComboBox* m_alloy;
    QWidget* m_owner;
    bool m_save;
    materials::DensitySelection m_selection;
};

} // namespace tolvex
