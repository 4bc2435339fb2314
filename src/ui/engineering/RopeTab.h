#pragma once

#include "core/engineering/RopeTables.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace tolvex
{

class NumericEdit;

// One construction tab of the rope window: description and cross-section, the mass
// calculation and the reference data of the chosen diameter.
class RopeTab : public QWidget
{
    Q_OBJECT
public:
    // `number` (1…13) makes the controls' objectNames unique in the window.
    RopeTab(const ropes::RopeConstruction& construction, int number, QWidget* parent = nullptr);

    enum class Outcome { Written, NoDiameter, Overflow };
    // Writes the results of the chosen row, unless no diameter of the list is chosen or
    // the mass overflows.
    Outcome calculate(long double length, bool english);
    QString lengthText() const;
    void clear();

signals:
    void calculateRequested();
    void clearRequested();

private:
    const ropes::RopeConstruction& m_construction;
    QComboBox* m_diameter = nullptr;
    NumericEdit* m_length = nullptr;
    QLabel* m_mass = nullptr;
    QLabel* m_area = nullptr;
    std::array<QLabel*, 4> m_forces{};
};

} // namespace tolvex
