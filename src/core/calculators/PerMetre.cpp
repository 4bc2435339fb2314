#include "core/calculators/PerMetre.h"

#include "core/common/NumberText.h"

namespace tolvex::calc
{

namespace
{

const QString NL = QStringLiteral("\r\n");

enum class Direction { Weight, Length };

Outcome refused(int messageKey)
{
    Outcome out;
    out.status = Status::Refused;
    out.messageKey = messageKey;
    return out;
}

Outcome notANumber(const QString& text)
{
    Outcome out;
    out.status = Status::NotANumber;
    out.badText = text;
    return out;
}

Outcome compute(Direction direction, const PerMetreProduct& product,
                std::optional<long double> kgPerMetre, const QString& description,
                const PerMetreFields& fields)
{
    const bool toWeight = direction == Direction::Weight;
    const PerMetreRules& rules = product.rules;
    const QString& given = toWeight ? fields.length : fields.weight;
    const QString& previous = toWeight ? fields.weight : fields.length;
    const Reading reading = toWeight ? rules.lengthReading : rules.weightReading;
    const int refusalKey = toWeight ? rules.weightRefusalKey : rules.lengthRefusalKey;

    // The refusal rule looks at the text; a text conversion does not forgive an empty text.
    long double value = 0;
    const bool unread = !kgPerMetre && rules.noMatch == NoMatch::KeepUnread;
    if (unread) {
        if (given == QStringLiteral("0"))
            return refused(refusalKey);
    } else if (reading == Reading::Text) {
        if (given == QStringLiteral("0"))
            return refused(refusalKey);
        const auto number = parseNumber(given);
        if (!number)
            return notANumber(given);
        value = *number;
    } else {
        if (refuses(given))
            return refused(refusalKey);
        Reader read;
        value = read(given);
        if (read.failed())
            return read.failure();
    }

    Outcome out;
    if (!kgPerMetre && rules.noMatch != NoMatch::ZeroWeight) {
        out.result = previous;
    } else {
        const long double w = kgPerMetre.value_or(0);
        out = finish(toWeight ? value * w : value / w);
        if (!out.ok())
            return out;
    }
    const PerMetreReport& r = product.report;
    out.report =
        toWeight
            ? perMetreReportText(description, r.lengthGiven, given, r.weightResult, out.result)
            : perMetreReportText(description, r.weightGiven, given, r.lengthResult, out.result);
    return out;
}

} // namespace

std::optional<long double> kgPerMetreAt(const PerMetreTable& table, int position)
{
    if (position < 0 || std::size_t(position) >= table.size())
        return std::nullopt;
    return table[std::size_t(position)].kgPerMetre;
}

QStringList sizeNames(const PerMetreTable& table)
{
    QStringList names;
    for (const PerMetreSize& size : table)
        names << size.name;
    return names;
}

QString fillTemplate(const QString& pattern, const QString& text)
{
    QString filled = pattern;
    const qsizetype at = filled.indexOf(QStringLiteral("{}"));
    if (at >= 0)
        filled.replace(at, 2, text);
    return filled;
}

QString perMetreReportText(const QString& description, const QString& givenTemplate,
                           const QString& givenText, const QString& resultTemplate,
                           const QString& resultText)
{
    return QStringLiteral("Расчетные данные и результат расчета: ") + NL + NL + description + NL +
           fillTemplate(givenTemplate, givenText) + NL + fillTemplate(resultTemplate, resultText);
}

Outcome perMetreWeight(const PerMetreProduct& product, std::optional<long double> kgPerMetre,
                       const QString& description, const PerMetreFields& fields)
{
    return compute(Direction::Weight, product, kgPerMetre, description, fields);
}

Outcome perMetreLength(const PerMetreProduct& product, std::optional<long double> kgPerMetre,
                       const QString& description, const PerMetreFields& fields)
{
    return compute(Direction::Length, product, kgPerMetre, description, fields);
}

} // namespace tolvex::calc
