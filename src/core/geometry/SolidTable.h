#pragma once

#include "core/geometry/Solids.h"

#include <QString>
#include <vector>

// The layout data of the solids window: its outer tabs, the twelve solid pages
// with captions and control names, and the four result lines.
namespace tolvex::geometry
{

struct SolidInput {
    QString caption;
    QString labelName;
    QString fieldName;
};

struct SolidPage {
    Solid kind;
    QString routine;   // "Prizma"
    int outerPage;     // page of RzPageControl1
    int innerPage;     // page of the family's page control, -1 when the outer page is the solid
    QString sheetName; // the tab sheet holding the solid
    QString caption;   // tab caption
    std::vector<SolidInput> inputs;
    QString sketch; // resource path
};

struct SolidOuterTab {
    QString sheetName;
    QString caption;
    QString innerControl; // objectName of the inner page control, empty without one
};

struct SolidResultLine {
    QString captionName; // "Label2"
    QString caption;   // "Площадь боковой поверхности тела, кв.м: "
    QString valueName; // the value label
};

const std::vector<SolidOuterTab>& solidOuterTabs();     // 6
const std::vector<SolidPage>& solidPages();             // 12, in Solid order
const std::vector<SolidResultLine>& solidResultLines(); // 4

} // namespace tolvex::geometry
