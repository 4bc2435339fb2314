#pragma once

#include "core/calculators/Pipe.h"
#include "ui/calculators/CalculatorPanel.h"

class QCheckBox;

namespace tolvex
{

class RadioGroup;

// The round pipe panel `pnlTruba`: the outer or inner diameter, the wall, the length
// and the weight, for the current density.
class TrubaPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    explicit TrubaPanel(CalculatorHost& host, QWidget* parent = nullptr);
    void resetOnOpen() override;

    void truba();  // weight from length (RzBitBtn23)
    void truba1(); // length from weight (RzBitBtn22)
    void rgTrubaDiametrClick();

private:
    calc::PipeFields fields() const;
    calc::DiameterKind kind() const;
    calc::MaterialSource materialSource() const;
    void showOutcome(const calc::Outcome& outcome, QLineEdit* resultField);

    RadioGroup* m_kind;
    NumericEdit* m_diameter;
    NumericEdit* m_wall;
    NumericEdit* m_length;
    NumericEdit* m_weight;
    QCheckBox* m_surface;
};

} // namespace tolvex
