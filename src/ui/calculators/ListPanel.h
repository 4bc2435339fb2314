#pragma once

#include "ui/calculators/CalculatorPanel.h"

class QLabel;

namespace tolvex
{

class RadioGroup;

// Square bar and sheet: the profile choice, sides a and b, length or thickness, weight.
class ListPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    ListPanel(CalculatorHost& host, QWidget* parent = nullptr);
    void resetOnOpen() override;

    void profileChosen(int item); // RadioGroup3 click
    void computeWeight();         // RzBitBtn21
    void computeLength();         // RzBitBtn20

private:
    RadioGroup* m_profile;
    NumericEdit* m_a;
    NumericEdit* m_b;
    NumericEdit* m_length;
    NumericEdit* m_weight;
    QList<QWidget*> m_sideA; // label, unit
    QList<QWidget*> m_sideB;
    QList<QWidget*> m_lengthCaption;
};

} // namespace tolvex
