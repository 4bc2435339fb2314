#pragma once

#include "core/calculators/Calculation.h"

#include <QStringList>
#include <optional>
#include <vector>

// A product sold by the metre with a fixed weight per metre (kg/m), calculated in
// both directions: weight = L × w from a length, length = m / w from a weight.
//
// The calculators built on it differ only in data and in small named variations:
// - the report form: the lines that tell the given quantity and the result, each a
//   template with one hole "{}" for the field text;
// - how a field is read (its numeric value, or its text converted, so that an empty
//   text is "not a number");
// - what happens without a matching table entry (no selection made);
// - the message key of the refusal rule in each direction.
//
// Example (the I-beam, see Beams.cpp): with the product IBeam,
//   perMetreWeight(IBeam, 22.7L, "Номер профиля балки 20а", {"6", "0"})
// gives the result "136,2" and the report
//   "Расчетные данные и результат расчета: " CR LF CR LF "Номер профиля балки 20а" CR LF
//   "при длине балки в 6 м.," CR LF "общий вес балки составляет: 136,2 кг."
namespace tolvex::calc
{

// The report lines of the two directions; "{}" is replaced by the field's text.
struct PerMetreReport {
    QString lengthGiven; // weight direction, first line: "при длине балки в {} м.,"
    QString weightResult; // weight direction, second line: "общий вес балки составляет: {} кг."
    QString weightGiven; // length direction, first line: "при общем весе балки {} кг.,"
    QString lengthResult; // length direction, second line: "общая длина балки составляет: {} м."
};

enum class Reading {
    FieldValue, // the field's numeric value (an empty field is refused by the refusal rule)
    Text        // the field's text converted: empty or no number gives the conversion error
};

enum class NoMatch {
    KeepResult, // the result field keeps its text; the report is still written with it
    KeepUnread, // as KeepResult, and the given field is not even read (no conversion error)
    ZeroWeight  // the weight per metre is taken as 0: weight 0, length a floating-point error
};

struct PerMetreRules {
    Reading lengthReading = Reading::FieldValue; // how the weight direction reads the length
    Reading weightReading = Reading::FieldValue; // how the length direction reads the weight
    NoMatch noMatch = NoMatch::KeepResult;
    int weightRefusalKey = Refusal; // message of the refusal rule, weight direction
    int lengthRefusalKey = Refusal; // message of the refusal rule, length direction
};

struct PerMetreProduct {
    PerMetreReport report;
    PerMetreRules rules = {};
};

// One size of a list: the list text and its weight per metre.
struct PerMetreSize {
    QString name;
    long double kgPerMetre;
};
using PerMetreTable = std::vector<PerMetreSize>; // keyed by list position

// The weight per metre at a list position; nullopt for -1 or a position off the table.
std::optional<long double> kgPerMetreAt(const PerMetreTable& table, int position);
// The list texts of a table, in list order.
QStringList sizeNames(const PerMetreTable& table);

// The texts of the length and weight fields as they stand.
struct PerMetreFields {
    QString length; // m
    QString weight; // kg
};

// Weight from length. `kgPerMetre` is the table entry of the selection (nullopt: no
// entry matches); `description` is the report's part between the heading and the
// quantity lines, without a final line break (e.g. "Номер профиля балки 20а").
// Refusal rule on the length field.
Outcome perMetreWeight(const PerMetreProduct& product, std::optional<long double> kgPerMetre,
                       const QString& description, const PerMetreFields& fields);

// Length from weight; refusal rule on the weight field.
Outcome perMetreLength(const PerMetreProduct& product, std::optional<long double> kgPerMetre,
                       const QString& description, const PerMetreFields& fields);

// The report of a per-metre calculation: heading, blank line, description, the given
// quantity and the result (the templates filled with the texts).
QString perMetreReportText(const QString& description, const QString& givenTemplate,
                           const QString& givenText, const QString& resultTemplate,
                           const QString& resultText);

// Replaces the first "{}" of a template with a text.
QString fillTemplate(const QString& pattern, const QString& text);

} // namespace tolvex::calc
