#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tolvex
{

class NumericEdit;

// The two columns shared by the unit windows, one row per unit, rows 20 pixels apart:
// the radio group `RzRadioGroup1` (unit names, each with its ratio box beside it) and
// the group `RzRadioGroup2` "Калькулятор" (a numeric field and an "=" button per unit).
// Ratio boxes are status panes (`RzStatusPaneN`, read-only text) or read-only,
// right-aligned fields (`RzEditN`).
class ConverterColumns : public QObject
{
    Q_OBJECT
public:
    enum class RatioKind { StatusPane, Edit };

    ConverterColumns(const QStringList& units, const QString& ratioCaption, RatioKind ratioKind,
                     QWidget* parent);

    QGroupBox* ratioGroup() const { return m_ratioGroup; }
    QGroupBox* calculatorGroup() const { return m_calculatorGroup; }
    int count() const { return int(m_fields.size()); }
    int chosen() const; // -1 before a unit is chosen

    QString ratioText(int unit) const;
    void setRatioTexts(const QStringList& texts); // empties the boxes when `texts` is empty
    NumericEdit* field(int unit) const { return m_fields[unit]; }
    QPushButton* button(int unit) const { return m_buttons[unit]; }
    QAbstractButton* item(int unit) const;

    // Makes the chosen unit's field editable with the window colour, every other field
    // read-only with the button-face colour, and every field "0".
    void resetFields(int chosenUnit);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void unitChosen(int unit);
    void convertClicked(int unit);

private:
    void alignRows();

    QGroupBox* m_ratioGroup;
    QGroupBox* m_calculatorGroup;
    QButtonGroup* m_items;
    QList<QWidget*> m_ratios;
    QList<NumericEdit*> m_fields;
    QList<QPushButton*> m_buttons;
};

} // namespace tolvex
