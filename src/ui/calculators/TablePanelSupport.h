#pragma once

#include "core/calculators/ListChoice.h"

#include <QString>
#include <QStringList>

class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

// Building blocks shared by the calculator panels that work from standard tables:
// size lists, the sketch button, clickable titles.
namespace tolvex
{

class CalculatorHost;

// A caption label (buddy of the list), a list of fixed or cascading items and,
// optionally, a unit label, on one row of a panel's grid. `wide` puts the caption on
// its own row above the list (for long captions or long items).
QComboBox* addSizeList(QWidget* panel, QGridLayout* grid, int row, const QString& labelName,
                       const QString& caption, const QString& listName, const QString& hint = {},
                       const QString& unitName = {}, const QString& unitText = {},
                       bool wide = false);

// The selected position of a list and its text as a calculation reads them.
calc::ListChoice choiceOf(const QComboBox* list);

// Empties a list's text (no selection); its items stay.
void emptyText(QComboBox* list);

// The sketch button `buttonName` of a panel shows the picture window `windowName`
// as a modal window.
void connectSketch(QWidget* panel, const QString& buttonName, const QString& windowName);

// A click on a title label shows an information box (caption "Information") with
// `text`, owned by the host's window.
void makeTitleInformative(QLabel* title, CalculatorHost& host, const QString& text);

} // namespace tolvex
