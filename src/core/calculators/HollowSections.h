#pragma once

#include "core/calculators/PerMetre.h"

#include <QList>
#include <QStringList>
#include <optional>

// Square and rectangular hollow sections (steel tubes of density 7.85): weight per
// metre from cascading lists of standard sizes, keyed by the lists' positions.
//
// Square tube: outer size list → wall list.
// Rectangular tube: larger side list → smaller side list → wall list.
// The wall texts carry a point as decimal separator ("1.5", "2.0").
namespace tolvex::calc
{

// --- the lists ---------------------------------------------------------------

QStringList squareTubeSizes();            // the outer sizes (fixed items)
QStringList squareTubeWalls(int sizePos); // the walls of a size (empty for no size)
std::optional<long double> squareTubeKgPerMetre(int sizePos, int wallPos);

QStringList rectTubeLargerSides();                        // the larger sides (fixed items)
QStringList rectTubeSmallerSides(int largerPos);          // the smaller sides of a larger side
QStringList rectTubeWalls(int largerPos, int smallerPos); // the walls of a (larger, smaller) pair
std::optional<long double> rectTubeKgPerMetre(int largerPos, int smallerPos, int wallPos);

// What choosing an item of a list does to the panel: the lists after it whose text
// and items are emptied, the one list refilled with new items, and whether the length
// and weight fields are set to "0". Lists are counted from 0 in the cascade's order.
struct ListReaction {
    QList<int> emptied;
    int refilled = -1;
    QStringList items;
    bool resetsFields = false;
};

// `list` is the list chosen, `positions` the current positions of all lists (-1: none).
ListReaction squareTubeSelect(int list, const QList<int>& positions);
ListReaction rectTubeSelect(int list, const QList<int>& positions);

// --- the calculations ----------------------------------------------------------

// A choice: each list's position and text as it stands.
struct TubeChoice {
    QList<int> positions;
    QStringList texts;
};

// Weight from length (refusal message LNG_424) and length from weight (LNG_425);
// without a matching entry the result field keeps its text and the report is written.
Outcome squareTubeWeight(const TubeChoice& choice, const PerMetreFields& fields);
Outcome squareTubeLength(const TubeChoice& choice, const PerMetreFields& fields);
Outcome rectTubeWeight(const TubeChoice& choice, const PerMetreFields& fields);
Outcome rectTubeLength(const TubeChoice& choice, const PerMetreFields& fields);

} // namespace tolvex::calc
