#include "ui/common/NumericEdit.h"

#include "core/common/NumberText.h"

#include <QValidator>

namespace tolvex
{

namespace
{

// What can make a number as it is typed: a sign, digits, one decimal separator of
// the system's notation and an exponent as the program itself writes very small
// results ("2,69E-5"); every part may still be missing. A plain scan: a pattern
// compiled for each of the program's many fields would slow its start.
class NumberTextValidator : public QValidator
{
public:
    explicit NumberTextValidator(QObject* parent) : QValidator(parent) {}

    State validate(QString& text, int&) const override
    {
        const QChar point = systemDecimalPoint();
        const qsizetype n = text.size();
        qsizetype i = 0;
        auto digits = [&] {
            while (i < n && text[i] >= QChar('0') && text[i] <= QChar('9'))
                ++i;
        };
        auto sign = [&] {
            if (i < n && (text[i] == QChar('-') || text[i] == QChar('+')))
                ++i;
        };
        sign();
        digits();
        if (i < n && text[i] == point)
            ++i;
        digits();
        if (i < n && (text[i] == QChar('E') || text[i] == QChar('e'))) {
            ++i;
            sign();
            digits();
        }
        return i == n ? Acceptable : Invalid;
    }
};

} // namespace

NumericEdit::NumericEdit(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    setValidator(new NumberTextValidator(this));
    setMaxLength(64);
    setText(QStringLiteral("0"));
}

} // namespace tolvex
