#pragma once

#include "ui/calculators/CalculatorPanel.h"
#include "core/calculators/HollowSections.h"

#include <QList>

class QComboBox;
class QPlainTextEdit;

namespace tolvex
{

// A hollow-section panel (square or rectangular tube): cascading size lists, length
// and weight fields, the report. Both tubes are one panel class built from a
// description of their controls and core operations.
class HollowSectionPanel : public CalculatorPanel
{
    Q_OBJECT
public:
    struct List {
        QString labelName;
        QString caption;
        QString listName;
    };
    using Select = calc::ListReaction (*)(int, const QList<int>&);
    using Calculation = calc::Outcome (*)(const calc::TubeChoice&, const calc::PerMetreFields&);
    struct Description {
        QString objectName, titleName, title;
        QList<List> lists; // in cascade order; the first holds `firstItems`
        QStringList firstItems;
        QString lengthLabel, lengthField, weightLabel, weightField;
        QString weightButton, lengthButton; // "=" beside the weight / the length field
        QString memo, preview, print, sketch, sketchWindow;
        Select select;
        Calculation weight, length;
    };

    HollowSectionPanel(CalculatorHost& host, const Description& description,
                       QWidget* parent = nullptr);
    void resetOnOpen() override;

    void listChosen(int list); // RzComboBox3Select, RzComboBox5Select … RzComboBox7Select
    void computeWeight();      // RzBitBtn41Click / RzBitBtn43Click
    void computeLength();      // RzBitBtn40Click / RzBitBtn42Click

private:
    calc::TubeChoice choice() const;

    Description m_description;
    QList<QComboBox*> m_lists;
    NumericEdit* m_length;
    NumericEdit* m_weight;
    QPlainTextEdit* m_report;
};

// The square tube (pnlTrubaKvadrat) and the rectangular tube (pnlTrubaPryamugol).
HollowSectionPanel* createSquareTubePanel(CalculatorHost& host, QWidget* parent);
HollowSectionPanel* createRectangularTubePanel(CalculatorHost& host, QWidget* parent);

} // namespace tolvex
