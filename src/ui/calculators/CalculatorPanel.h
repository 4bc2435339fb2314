#pragma once

#include "core/calculators/Calculation.h"
#include "core/calculators/ListChoice.h"
#include "ui/common/Drawings.h"
#include "ui/common/WindowDirectory.h"

#include <QFrame>
#include <QList>
#include <QStringList>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace tolvex
{

class CalculatorHost;
class NumericEdit;
class ReportBox;

// A panel is described by data and built by one builder (CalculatorPanel's
// constructor): title, an optional note, a grid of size lists and fields, the report
// box and the bottom row of preview, print and sketch buttons.
namespace panel
{

// A line of text under the title ("Выберите материал.").
struct Note {
    QString name, text;
    Qt::Alignment alignment = Qt::AlignRight;
    bool warning = false; // shown in red
    bool wrap = false;
};

// A caption, a list of sizes and, optionally, a unit on one grid row; `wide` puts
// the caption on its own row above the list.
struct List {
    QString labelName, caption, listName;
    QString hint = {};
    QStringList items = {};
    QString unitName = {}, unitText = {};
    bool wide = false;
};

// A caption, a numeric field, optionally a unit and an "=" button at the row's end.
struct Field {
    QString labelName, caption, fieldName;
    QString unitName = {}, unitText = {};
    QString buttonName = {}, buttonHint = {};
};

// The report box and the buttons under it.
struct Bottom {
    QString report, preview, print, sketch;
    bool sketchVisible = false;
    QString previewCaption = {}; // a caption instead of the glyph
};

struct Description {
    QString objectName, titleName, title;
    Note note = {};
    QList<List> lists = {};
    QList<Field> fields = {};
    Bottom bottom = {};
    // The sketch button shows a picture window, or a drawing in the sketch window.
    std::optional<WindowId> sketchWindow = {};
    Modality sketchModality = Modality::Modal;
    Drawing sketch = Drawing::None;
    QString sketchCaption = {};
    Drawing picture = Drawing::None; // the drawing the printed sheet carries
};

// The usual last two rows: a quantity (length, area) computed back from the weight,
// and the total weight "Общий вес, кг", each with its "=".
Field quantityField(const QString& labelName, const QString& caption, const QString& fieldName,
                    const QString& buttonName, const QString& unitName = {},
                    const QString& unitText = {});
Field weightField(const QString& labelName, const QString& fieldName, const QString& buttonName);

// What the builder made of one field row.
struct FieldRow {
    QLabel* label = nullptr;
    NumericEdit* field = nullptr;
    QLabel* unit = nullptr;
    QPushButton* button = nullptr;
};

} // namespace panel

// One calculator panel of the main window. Subclasses connect the "=" buttons to
// core calculations; `show()` puts an outcome on screen by the common conventions.
// The panel owns its report box and its preview, print and sketch buttons and
// signals their clicks, so the main window wires printing and sketches once.
class CalculatorPanel : public QFrame
{
    Q_OBJECT
public:
    CalculatorPanel(CalculatorHost& host, const panel::Description& description,
                    QWidget* parent = nullptr);

    // The reset run when the panel's group is opened.
    virtual void resetOnOpen() {}

    const panel::Description& description() const { return m_description; }
    QLabel* titleLabel() const { return m_title; }
    ReportBox* report() const { return m_report; }
    QPushButton* previewButton() const { return m_preview; }
    QPushButton* printButton() const { return m_print; }
    QPushButton* sketchButton() const { return m_sketch; }
    // The drawing the sketch button shows in the sketch window.
    virtual Drawing sketch() const { return m_description.sketch; }

signals:
    void previewRequested();
    void printRequested();
    void sketchRequested();

protected:
    CalculatorHost& host() const { return m_host; }
    QVBoxLayout* body() const { return m_body; }
    QGridLayout* grid() const { return m_grid; }
    QComboBox* list(int index) const { return m_lists.value(index); }
    const QList<QComboBox*>& lists() const { return m_lists; }
    const panel::FieldRow& row(int index) const { return m_rows[index]; }
    NumericEdit* field(int index) const { return m_rows.value(index).field; }
    // Puts a widget between the title (and note) and the grid.
    void insertAboveGrid(QWidget* widget);
    // Puts a widget between the grid and the report box.
    void insertAboveReport(QWidget* widget);

    // Shows an outcome: a refusal or error box, or the result in `resultField` and the
    // report in the report box. Returns true when the result was written.
    bool show(const calc::Outcome& outcome, QLineEdit* resultField);

    static void resetField(QLineEdit* field); // text "0"

private:
    QComboBox* addList(int row, const panel::List& list);
    panel::FieldRow addField(int row, const panel::Field& field);
    void addBottom(const panel::Bottom& bottom);

    CalculatorHost& m_host;
    panel::Description m_description;
    QLabel* m_title;
    QVBoxLayout* m_body;
    QGridLayout* m_grid;
    QList<QComboBox*> m_lists;
    QList<panel::FieldRow> m_rows;
    ReportBox* m_report = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_sketch = nullptr;
};

// The selected position of a list and its text as a calculation reads them.
calc::ListChoice choiceOf(const QComboBox* list);
// Empties a list's text (no selection); its items stay.
void emptyText(QComboBox* list);

} // namespace tolvex
