#pragma once

#include "core/calculators/Angles.h"
#include "ui/calculators/CalculatorPanel.h"

class QComboBox;
class QLabel;

namespace tolvex
{

class RadioGroup;

// The angle panel `pnlUgolok`: the angle type, the equal-leg width or the
// unequal-leg size (two lists in one place), the thickness, the length and the weight.
class UgolokPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    explicit UgolokPanel(CalculatorHost& host, QWidget* parent = nullptr);
    void resetOnOpen() override;
    Drawing sketch() const override;

    void RadioGroup4Click();
    void ComboBox12Click(); // an equal-leg width is chosen
    void ComboBox11Click(); // an unequal-leg size is chosen
    void ComboBox13Select();
    void Ugolok();  // weight from length (RzBitBtn25)
    void Ugolok1(); // length from weight (RzBitBtn24)

private:
    calc::AngleSelection selection() const;
    void fillThicknesses(const calc::AngleTable& table, int sizePosition);
    void showOutcome(const calc::Outcome& outcome, QLineEdit* resultField);

    RadioGroup* m_type = nullptr;
    QComboBox* m_size; // ComboBox11
    QComboBox* m_thickness;
    NumericEdit* m_length;
    NumericEdit* m_weight;
    QComboBox* m_width = nullptr; // ComboBox12, over ComboBox11
    QLabel* m_sizeLabel = nullptr;
};

} // namespace tolvex
