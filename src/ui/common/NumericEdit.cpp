#include "ui/common/NumericEdit.h"

#include "core/common/NumberText.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace tolvex
{

NumericEdit::NumericEdit(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    const QString point = QRegularExpression::escape(QString(systemDecimalPoint()));
    setValidator(new QRegularExpressionValidator(
        // The exponent form is what the program itself writes for very small results.
        QRegularExpression(QStringLiteral("[-+]?[0-9]*%1?[0-9]*([Ee][-+]?[0-9]*)?").arg(point)),
        this));
    setMaxLength(64);
    setText(QStringLiteral("0"));
}

} // namespace tolvex
