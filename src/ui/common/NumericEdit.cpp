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
        QRegularExpression(QStringLiteral("[-+]?[0-9]*%1?[0-9]*").arg(point)), this));
    setMaxLength(64);
    setText(QStringLiteral("0"));
}

} // namespace tolvex
