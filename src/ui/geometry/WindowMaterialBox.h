#pragma once

#include "core/geometry/WindowDensity.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QStackedWidget;

namespace tolvex
{

// The material choice of a geometry window: the label "Материал", the material
// box RzComboBox1 and, under it, the alloy box RzComboBox2 covered by the empty
// panel RzPanel1 until a group entry is chosen. Each list item carries its
// catalogue index as item data. The window density lives here.
class WindowMaterialBox : public QWidget
{
    Q_OBJECT
public:
    explicit WindowMaterialBox(QWidget* window);

    double density() const { return m_density.density(); }
    QComboBox* materialBox() const { return m_material; }
    QComboBox* alloyBox() const { return m_alloy; }
    QLabel* label() const { return m_label; }

    // The user's actions (the boxes' signals run them; tests may call them too).
    void chooseMaterialAt(int row);
    void chooseAlloyAt(int row);
    void typed(const QString& text);

private:
    QWidget* m_window;
    QLabel* m_label;
    QComboBox* m_material;
    QComboBox* m_alloy;
    QWidget* m_cover;
    QStackedWidget* m_alloyPlace;
    geometry::WindowDensity m_density;
};

} // namespace tolvex
