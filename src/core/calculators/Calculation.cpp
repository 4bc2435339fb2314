#include "core/calculators/Calculation.h"

#include "core/common/NumberText.h"

#include <cmath>

namespace tolvex::calc
{

bool refuses(const QString& fieldText)
{
    return fieldText == QStringLiteral("0") || fieldText.trimmed().isEmpty();
}

std::optional<Outcome> refuse(std::initializer_list<QString> testedTexts, int messageKey)
{
    for (const QString& text : testedTexts)
        if (refuses(text)) {
            Outcome out;
            out.status = Status::Refused;
            out.messageKey = messageKey;
            return out;
        }
    return std::nullopt;
}

long double Reader::operator()(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0;
    const auto value = parseFieldValue(text);
    if (!value) {
        if (m_bad.isNull())
            m_bad = text;
        return 0;
    }
    return *value;
}

Outcome Reader::failure() const
{
    Outcome out;
    out.status = Status::NotANumber;
    out.badText = m_bad;
    return out;
}

Outcome floatError()
{
    Outcome out;
    out.status = Status::FloatError;
    return out;
}

Outcome nothing()
{
    Outcome out;
    out.status = Status::Nothing;
    return out;
}

Outcome finish(long double value)
{
    if (!fitsDouble(value))
        return floatError();
    Outcome out;
    out.result = formatGeneral(value);
    return out;
}

QString reportHead(const QString& material)
{
    return QStringLiteral("Расчетные данные и результат расчета: \r\n\r\nМатериал трубы: ") +
           material;
}

} // namespace tolvex::calc
