#include "ui/geometry/WholeNumberEdit.h"

#include "core/geometry/GeometryNumbers.h"

#include <QLocale>
#include <QRegularExpressionValidator>

namespace tolvex
{

namespace
{

// Plain while edited, grouped otherwise: digits, a leading minus, parentheses and
// the group separators the grouped form writes.
const char* const Accepted = "\\(?-?[0-9 \\x{00A0}\\x{202F}.,']{0,14}\\)?";

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
