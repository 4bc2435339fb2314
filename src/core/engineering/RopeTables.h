#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>
#include <span>
#include <vector>

// The steel wire rope tables of the rope window: one table per standard, one row
// per nominal diameter in the order of the window's diameter box.
//
// A value is given only where the standard's table was available; every other
// cell holds `noData` and the window says "нет данных" there. A breaking force of 0
// means the standard itself prints no value for that marking group.
namespace tolvex::ropes
{

inline constexpr std::nullopt_t noData = std::nullopt;

struct RopeRow {
    const char* diameter;               // mm, as the diameter box shows it
    std::optional<double> wiresArea;    // mm², all wires
    std::optional<double> massPerMetre; // kg, lubricated rope (mass of 1000 m / 1000)
    std::array<std::optional<qint32>, 4> breakingForce; // N, marking groups left to right
};

enum class MarkingGroups {
    A, // 1370(140) … 1960(200): stranded and single-lay ropes
    B, // 1080(110) … 1370(140): closed ropes
};

// The four captions of the marking groups, ascending strength.
QStringList markingGroupCaptions(MarkingGroups groups);

// One construction tab of the rope window.
struct RopeConstruction {
    QStringList tabPath;          // nested tab titles, outermost first
    QStringList descriptionLines; // the first lines of the description box
    QString uses;                 // the paragraph on uses and core; empty for closed ropes
    QString section;              // the construction formula the cross-section is drawn from
    MarkingGroups groups;
    std::span<const RopeRow> rows;
    QString standard; // the standard the values come from (sources beside each table)
};

// The thirteen constructions, in tab order.
const std::vector<RopeConstruction>& ropeConstructions();

// The description box's text: the construction lines, then the uses paragraph.
QString ropeDescription(const RopeConstruction& construction);

// The note shown on each tab about the values given.
QString ropeDataNote();

} // namespace tolvex::ropes
