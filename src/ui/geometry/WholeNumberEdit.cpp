#include "ui/geometry/WholeNumberEdit.h"

#include "core/geometry/GeometryNumbers.h"

#include <QLocale>
#include <QRegularExpressionValidator>

namespace tolvex
{

namespace
{

// What may be typed: a whole number, optionally with a leading minus, parentheses and
// blanks between digit groups. A decimal separator or a group mark such as ",", "."
// or "'" is refused: "12,5" would otherwise be taken as no number, or as 125.
const char* const Accepted = "\\(?-?[0-9 \\x{00A0}\\x{202F}]{0,14}\\)?";

} // namespace

WholeNumberEdit::WholeNumberEdit(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(Accepted)), this));
    setAlignment(Qt::AlignRight);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_value = geometry::readWhole(text, QLocale::system());
    });
    showGrouped();
}

void WholeNumberEdit::setValue(qint64 value)
{
    m_value = value;
    if (hasFocus())
        setText(QString::number(m_value));
    else
        showGrouped();
}

void WholeNumberEdit::showGrouped()
{
    setText(geometry::groupedWhole(m_value, QLocale::system()));
}

void WholeNumberEdit::focusInEvent(QFocusEvent* event)
{
    setText(QString::number(m_value));
    QLineEdit::focusInEvent(event);
}

void WholeNumberEdit::focusOutEvent(QFocusEvent* event)
{
    m_value = geometry::readWhole(text(), QLocale::system());
    showGrouped();
    QLineEdit::focusOutEvent(event);
}

} // namespace tolvex
