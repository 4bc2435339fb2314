#include "ui/geometry/SolidPageWidget.h"

#include "ui/common/NumericEdit.h"
#include "ui/geometry/InputRows.h"
#include "ui/geometry/SketchView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace tolvex
{

SolidPageWidget::SolidPageWidget(const geometry::SolidPage& page, QWidget* parent)
    : QWidget(parent), m_page(page), m_grid(new QGridLayout),
      m_sketch(new SketchView(page.sheetName + QStringLiteral("Sketch"), page.sketch,
                              QSize(240, 212), this))
{
    setObjectName(page.sheetName);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setVerticalSpacing(5);
    m_grid->setHorizontalSpacing(4);
    m_fields = addInputRows(this, m_grid, page.inputs);

    auto* box = new QHBoxLayout(this);
    box->setContentsMargins(6, 6, 6, 6);
    box->addLayout(m_grid);
    box->addSpacing(8);
    box->addWidget(m_sketch, 1, Qt::AlignTop | Qt::AlignRight);
}

void SolidPageWidget::addBeside(int row, QWidget* widget)
{
    m_grid->addWidget(widget, row, 2);
}

QStringList SolidPageWidget::fieldTexts() const
{
    return tolvex::fieldTexts(m_fields);
}

void SolidPageWidget::clear()
{
    for (NumericEdit* field : m_fields)
        field->setText(QStringLiteral("0"));
}

} // namespace tolvex
