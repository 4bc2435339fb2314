#pragma once

#include "ui/common/Drawings.h"
#include "ui/report/SheetPainter.h"

#include <QWidget>

namespace tolvex
{

// The result sheet's one report object (caption "Итоги расчетов", never shown): the
// title, the report text and the picture of the last fill, kept until the next.
class TForm29 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm29(QWidget* parent = nullptr);

    // Title, report text (the report box's whole text) and picture of one panel; a
    // panel without a picture passes Drawing::None and so clears the picture.
    void fill(const QString& title, const QString& report, Drawing picture);

    QString title() const { return m_title; }
    QString report() const { return m_report; }
    Drawing picture() const { return m_picture; }
    SheetContent content() const;

private:
    QString m_title;
    QString m_report;
    Drawing m_picture = Drawing::None;
};

} // namespace tolvex
