#pragma once

#include "core/calculators/HollowSections.h"
#include "ui/calculators/CalculatorPanel.h"

namespace tolvex
{

// A hollow-section panel (square or rectangular tube): cascading size lists, length
// and weight fields, the report. Both tubes are this class, built from a panel
// description and their core operations.
class HollowSectionPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    using Select = calc::ListReaction (*)(int, const QList<int>&);
    using Calculation = calc::Outcome (*)(const calc::TubeChoice&, const calc::PerMetreFields&);
    struct Behaviour {
        Select select;
        Calculation weight, length;
    };

    HollowSectionPanel(CalculatorHost& host, const panel::Description& description,
                       const Behaviour& behaviour, QWidget* parent = nullptr);
    void resetOnOpen() override;

    void listChosen(int list); // RzComboBox3Select, RzComboBox5Select … RzComboBox7Select
    void computeWeight();      // RzBitBtn41Click / RzBitBtn43Click
    void computeLength();      // RzBitBtn40Click / RzBitBtn42Click

private:
    calc::TubeChoice choice() const;

    Behaviour m_behaviour;
    NumericEdit* m_length;
    NumericEdit* m_weight;
};

} // namespace tolvex
