#pragma once

#include "core/calculators/ListChoice.h"
#include "core/calculators/PerMetre.h"
#include "ui/calculators/CalculatorPanel.h"

namespace tolvex
{

// A panel with one list of standard sizes, a quantity field (length or area), a
// weight field and the report, calculated both ways from the size's weight per unit:
// the I-beam, channel, rail, hexagon bar, reinforcing bar, checker plate and
// profiled sheet. Its fields are the quantity, optionally an extra read-only value
// (the hexagon's metres per tonne) and the weight, in that order.
class SizeListPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    using Calculation = calc::Outcome (*)(const calc::ListChoice&, const calc::PerMetreFields&);
    struct Behaviour {
        Calculation toWeight, toQuantity;
        QString (*extraText)(int position) = nullptr; // the extra field after a calculation
        bool focusAfterChoice = false; // a choice moves the focus to the quantity field
    };

    SizeListPanel(CalculatorHost& host, const panel::Description& description,
                  const Behaviour& behaviour, QWidget* parent = nullptr);
    void resetOnOpen() override;

    void computeWeight();   // balka, shveler, rels, RzBitBtn28Click, RzBitBtn15Click …
    void computeQuantity(); // RzBitBtn16Click, RzBitBtn35Click, RzBitBtn33Click …

private:
    void compute(Calculation calculation, QLineEdit* resultField);

    Behaviour m_behaviour;
    NumericEdit* m_quantity;
    NumericEdit* m_weight;
    NumericEdit* m_extra = nullptr;
};

} // namespace tolvex
