#include "ui/geometry/BlankVariantPanel.h"

#include "ui/common/NumericEdit.h"
#include "ui/geometry/InputRows.h"
#include "ui/geometry/SketchView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

QLabel* resultLine(const QString& name, QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    QFont bold = line->font();
    bold.setBold(true);
    line->setFont(bold);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

} // namespace

BlankVariantPanel::BlankVariantPanel(const geometry::BlankVariant& variant, QWidget* parent)
    : QFrame(parent), m_variant(variant),
      m_sketch(new SketchView(variant.panelName + QStringLiteral("Sketch"), variant.sketch,
                              QSize(180, 127), this)),
      m_area(resultLine(variant.areaLine, this)), m_weight(resultLine(variant.weightLine, this))
{
    setObjectName(variant.panelName);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    m_fields = addInputRows(this, grid, variant.inputs);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addLayout(grid);
    top->addSpacing(6);
    top->addWidget(m_sketch, 1, Qt::AlignTop | Qt::AlignRight);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(3);
    box->addLayout(top);
    box->addWidget(m_area);
    box->addWidget(m_weight);
}

QStringList BlankVariantPanel::fieldTexts() const
{
    return tolvex::fieldTexts(m_fields);
}

void BlankVariantPanel::setLines(const geometry::BlankLines& lines)
{
    m_area->setText(lines.area);
    m_weight->setText(lines.weight);
}

void BlankVariantPanel::clear()
{
    for (NumericEdit* field : m_fields)
        field->setText(QStringLiteral("0"));
    m_area->clear();
    m_weight->clear();
}

} // namespace tolvex
