#include "ui/report/TForm29.h"

#include "core/report/SheetLayout.h"

namespace tolvex
{

TForm29::TForm29(QWidget* parent)
    : QWidget(parent), m_title(QString::fromUtf8(report::sheet().designTitle)),
      // The first preview shows what an untouched report box holds.
      m_report(QStringLiteral("Итог вычислений"))
{
    setObjectName(QStringLiteral("Form29"));
    setWindowTitle(QString::fromUtf8(report::sheet().caption));
}

void TForm29::fill(const QString& title, const QString& report, Drawing picture)
{
    m_title = title;
    m_report = report;
    m_picture = picture;
}

SheetContent TForm29::content() const
{
    return {m_title, m_report, drawingPath(m_picture)};
}

} // namespace tolvex
