#pragma once

#include "ui/calculators/CalculatorPanel.h"
#include "core/calculators/ListChoice.h"
#include "core/calculators/PerMetre.h"

class QComboBox;
class QPlainTextEdit;

namespace tolvex
{

// A panel with one list of standard sizes, a quantity field (length or area), a
// weight field and the report, calculated both ways from the size's weight per unit:
// the hexagon bar, the reinforcing bar, the checker plate and the profiled sheet.
class SizeListPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    struct Control {
        QString labelName, caption, name;
    };
    using Calculation = calc::Outcome (*)(const calc::ListChoice&, const calc::PerMetreFields&);
    struct Description {
        QString objectName, titleName, title;
        Control list;
        QStringList items;
        QString unitName, unitText;    // unit label after the list, if any
        bool wideList = false;         // caption on its own row above the list
        bool focusAfterChoice = false; // a choice moves the focus to the quantity field
        Control quantity, weight;
        QString weightButton, quantityButton; // "=" beside the weight / the quantity field
        Control extra;                        // hexagon: metres per tonne
        QString (*extraText)(int position) = nullptr;
        QString memo, preview, print, sketch, sketchWindow; // no window: the sketch is hidden
        Calculation toWeight, toQuantity;
    };

    SizeListPanel(CalculatorHost& host, const Description& description, QWidget* parent = nullptr);
    void resetOnOpen() override;

    void computeWeight();   // RzBitBtn28Click, RzBitBtn15Click, RzBitBtn30Click, RzBitBtn32Click
    void computeQuantity(); // RzBitBtn27Click, RzBitBtn14Click, RzBitBtn29Click, RzBitBtn31Click

private:
    void compute(Calculation calculation, QLineEdit* resultField);

    Description m_description;
    QComboBox* m_list;
    NumericEdit* m_quantity;
    NumericEdit* m_weight;
    NumericEdit* m_extra = nullptr;
    QPlainTextEdit* m_report;
};

SizeListPanel* createHexagonPanel(CalculatorHost& host, QWidget* parent);       // pnlShestigran
SizeListPanel* createRebarPanel(CalculatorHost& host, QWidget* parent);         // pnlAtrmatura
SizeListPanel* createCheckerPlatePanel(CalculatorHost& host, QWidget* parent);  // pnlListRiflen
SizeListPanel* createProfiledSheetPanel(CalculatorHost& host, QWidget* parent); // pnlProfnastil

} // namespace tolvex
