#pragma once

#include "core/geometry/FlatBlanks.h"

#include <QString>
#include <vector>

// The layout data of the flat-blank window: its ten figure tabs and twenty
// calculations with their captions and control names, in screen order.
namespace tolvex::geometry
{

struct BlankInput {
    QString caption;   // "Высота, h:"
    QString labelName; // caption label, buddy of the field
    QString fieldName; // numeric field
};

struct BlankVariant {
    Blank kind;
    QString routine;                // "treug_proizv1"
    int tab;                        // index into blankTabs()
    QString radioItem;              // item text of the tab's radio group; empty without one
    std::vector<BlankInput> inputs; // in screen order, the thickness last
    QString areaLine;               // result label names
    QString weightLine;
    QString panelName; // the variant's panel
    QString sketch;    // resource path of the sketch
};

struct BlankTab {
    int outerPage;     // page of RzPageControl1
    int innerPage;     // page of the figure family's page control, -1 for "Трапеция"
    QString sheetName; // the tab sheet holding the figure
    QString caption;
    QString radioGroup; // empty when the tab has one set of dimensions
    QString computeButton;
    QString clearButton;
};

// Outer tabs: captions and sheet names; inner page controls of the outer pages.
struct BlankOuterTab {
    QString sheetName;
    QString caption;
    QString innerControl; // objectName of the inner page control, empty for "Трапеция"
};

const std::vector<BlankOuterTab>& blankOuterTabs(); // 4
const std::vector<BlankTab>& blankTabs();           // 10, in outer then inner order
const std::vector<BlankVariant>& blankVariants();   // 20, in Blank order

} // namespace tolvex::geometry
