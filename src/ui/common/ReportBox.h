#pragma once

#include <QPlainTextEdit>

namespace tolvex
{

// A calculator panel's report box: read-only, its text kept as the calculation wrote
// it (CR LF line breaks, shown as lines). It starts with the real text
// "Итог вычислений", which the printed sheet carries until a calculation replaces it.
class ReportBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ReportBox(const QString& objectName, QWidget* parent = nullptr);

    void setReport(const QString& report);
    QString report() const { return m_report; }

private:
    QString m_report;
};

} // namespace tolvex
