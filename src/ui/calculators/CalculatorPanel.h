#pragma once

#include "core/calculators/Calculation.h"

#include <QFrame>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace tolvex
{

class CalculatorHost;
class NumericEdit;

// One calculator panel of the main window: a title, a grid of labelled fields,
// the report box and the print, preview and sketch buttons. Subclasses build
// their fields with the helpers below and connect their "=" buttons to core
// calculations; `show()` puts an outcome on screen by the common conventions.
class CalculatorPanel : public QFrame
{
    Q_OBJECT
public:
    CalculatorPanel(CalculatorHost& host, const QString& objectName, const QString& titleName,
                    const QString& title, QWidget* parent = nullptr);

    // The reset run when the panel's group is opened.
    virtual void resetOnOpen() {}

    QLabel* titleLabel() const { return m_title; }

protected:
    CalculatorHost& host() const { return m_host; }
    QVBoxLayout* body() const { return m_body; }
    QGridLayout* addGrid();

    // A caption label (buddy of the field), the field and, optionally, a unit label
    // on one grid row; the field spans the columns the unit does not take.
    NumericEdit* addField(QGridLayout* grid, int row, const QString& labelName,
                          const QString& caption, const QString& fieldName,
                          const QString& unitName = {}, const QString& unitText = {});
    // Caption on its own row above a wide control (labels too long for one row).
    QLabel* addCaption(QGridLayout* grid, int row, const QString& labelName, const QString& caption,
                       QWidget* buddy);
    // An "=" button with a hint at the end of a grid row.
    QPushButton* addEqualsButton(QGridLayout* grid, int row, const QString& name,
                                 const QString& hint);
    // The report box and, under it, the preview, print and sketch buttons.
    QPlainTextEdit* addReport(const QString& memoName, const QString& previewName,
                              const QString& printName, const QString& sketchName = {},
                              bool sketchVisible = false);

    // Shows an outcome: a refusal or error box, or the result in `resultField` and the
    // report in `report`. Returns true when the result was written.
    bool show(const calc::Outcome& outcome, QLineEdit* resultField, QPlainTextEdit* report);

    static void resetField(QLineEdit* field); // text "0"

private:
    CalculatorHost& m_host;
    QLabel* m_title;
    QVBoxLayout* m_body;
};

} // namespace tolvex
