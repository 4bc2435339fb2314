#pragma once

#include <QString>
#include <initializer_list>
#include <optional>

// The conventions every calculator of the main window follows.
//
// A calculation takes the texts of its fields, applies the refusal rule to the
// field (or fields) it starts from, reads the numbers, computes in extended
// precision, and gives back the result text and the report text, or says why it
// stopped. The windows only show what comes back.
namespace tolvex::calc
{

// Keys of the message texts ("Message" section of the language file).
enum MessageKey {
    Refusal = 419,
    ElectricalModule = 421,
    AluminiumModule = 422,
    Modules = 423,
    TubeWeightRefusal = 424,
    TubeLengthRefusal = 425
};

enum class Status {
    Ok,         // result and report are set
    Refused,    // a tested field reads "0" (or is empty): show the message `messageKey`
    NotANumber, // `badText` is no number: the general conversion error
    FloatError, // the arithmetic failed (division by zero, overflow): the floating-point error
    Nothing     // nothing to do (no choice made), no message
};

struct Outcome {
    Status status = Status::Ok;
    int messageKey = Refusal;
    QString badText;
    QString result; // the new text of the result field
    QString report; // the new text of the report box
    bool ok() const { return status == Status::Ok; }
};

// The refusal rule: a tested field refuses when its text is exactly "0"; an empty
// field is refused the same way.
bool refuses(const QString& fieldText);

// Applies the refusal rule to the tested fields in order; gives the refusal outcome
// for the first that refuses.
std::optional<Outcome> refuse(std::initializer_list<QString> testedTexts, int messageKey = Refusal);

// Reads field texts as numbers. An empty text reads as 0 (it is either tested by the
// refusal rule or an untested field); the first text that is no number is remembered.
class Reader
{
public:
    long double operator()(const QString& text);
    bool failed() const { return !m_bad.isNull(); }
    Outcome failure() const;

private:
    QString m_bad;
};

// The outcome for a computed value: the floating-point error when it is not finite or
// beyond the range of a double (the result field's value), else the value in the
// general number form.
Outcome finish(long double value);
Outcome floatError();
Outcome nothing(); // Status::Nothing: no choice made, no message

// "Расчетные данные и результат расчета: \r\n\r\nМатериал трубы: " + material.
QString reportHead(const QString& material);

// The extended-precision π.
inline constexpr long double Pi = 3.141592653589793238462643383279502884L;

} // namespace tolvex::calc
