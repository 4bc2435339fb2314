#pragma once

#include "ui/calculators/CalculatorPanel.h"

namespace tolvex
{

// Round bar: diameter, length in metres, weight.
class ProkatPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    ProkatPanel(CalculatorHost& host, QWidget* parent = nullptr);
    void resetOnOpen() override;

    void computeWeight(); // RzBitBtn19
    void computeLength(); // RzBitBtn18

private:
    NumericEdit* m_diameter;
    NumericEdit* m_length;
    NumericEdit* m_weight;
};

} // namespace tolvex
