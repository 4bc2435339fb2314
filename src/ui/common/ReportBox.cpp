#include "ui/common/ReportBox.h"

namespace tolvex
{

ReportBox::ReportBox(const QString& objectName, QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setReport(QStringLiteral("Итог вычислений"));
}

void ReportBox::setReport(const QString& report)
{
    m_report = report;
    setPlainText(QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace tolvex
