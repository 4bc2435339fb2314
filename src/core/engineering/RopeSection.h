#pragma once

#include <QList>
#include <QString>
#include <optional>

// Rope cross-sections from the construction formula, for example
// "6х19(1+6+6/6)+1о.с": six strands of 1+6+6/6 wires around an organic core.
//
// Formula: STRANDS х [UNITS х] WIRES? (LAYERS) [+ CORE]
//   LAYERS: layers from the centre out, joined by "+"; "n/m" is one layer of n large
//           and m small wires; a layer after ";" is n filler wires in the valleys of
//           the layer before; "0" is an organic centre; "к" and "з" are layers of
//           wedge-shaped and Z-shaped wires (closed ropes).
//   CORE:   "1о.с" (or "7о.с") organic core; "1х7(1+6)" a metal strand; "7х7(1+6)"
//           seven metal strands.
// Latin "x", blanks and closing points are accepted.
namespace tolvex::ropes
{

struct WireLayer {
    enum class Kind { Round, Warrington, Filler, Organic, Wedge, Zed };
    Kind kind = Kind::Round;
    int count = 0; // round wires (large ones of a Warrington layer)
    int small = 0; // small wires of a Warrington layer
};

struct StrandFormula {
    int strands = 0; // strands of this group
    int units = 1;   // triple lay: strands in each outer unit (6х7х19 → 7)
    QList<WireLayer> layers;
};

struct SectionFormula {
    StrandFormula outer;
    enum class Core { None, Organic, Metal } core = Core::None;
    StrandFormula metalCore; // Core::Metal
};

std::optional<SectionFormula> parseSectionFormula(const QString& formula);

// The geometry of a cross-section, centred on (0, 0), outer radius 1.
struct SectionDisc {
    double x = 0, y = 0, r = 0;
    bool organic = false;
};
struct ShapedWire {
    double inner = 0, outer = 0; // radii
    double start = 0, span = 0;  // radians
    bool zed = false;            // Z-shaped (else wedge-shaped)
};
struct SectionGeometry {
    QList<SectionDisc> discs;
    QList<ShapedWire> shaped;
};

SectionGeometry sectionGeometry(const SectionFormula& formula);

} // namespace tolvex::ropes
