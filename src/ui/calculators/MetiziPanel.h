#pragma once

#include "ui/calculators/CalculatorPanel.h"

class QComboBox;
class QLabel;

namespace tolvex
{

// Fasteners: bolts with nuts by diameter and length, count → total weight shown in
// the label RzLabel32.
class MetiziPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    MetiziPanel(CalculatorHost& host, QWidget* parent = nullptr);
    void resetOnOpen() override;

    void diameterChosen(); // ComboBox14Select: the length list follows
    void bolt();           // RzBitBtn26

private:
    QComboBox* m_diameter;
    QComboBox* m_length;
    NumericEdit* m_count;
    QLabel* m_result = nullptr;
};

} // namespace tolvex
