#include "ui/geometry/TForm6.h"

#include "ui/geometry/BlankFigureTab.h"
#include "ui/geometry/BlankVariantPanel.h"
#include "ui/geometry/ResultLanguage.h"
#include "ui/geometry/WindowMaterialBox.h"
#include "ui/common/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvex
{

using namespace geometry;

TForm6::TForm6(QWidget* parent)
    : GeometryWindow(QStringLiteral("Form6"), QStringLiteral("Подсчёт площади и массы раскроя"),
                     QSize(369, 479), parent),
      m_outer(new QTabWidget(this)), m_exit(new QPushButton(QStringLiteral("Выход"), this))
{
    m_outer->setObjectName(QStringLiteral("RzPageControl1"));
    for (const BlankOuterTab& outer : blankOuterTabs()) {
        m_inner << addOuterPage(m_outer, outer.sheetName, outer.innerControl, outer.caption);
    }

    const auto& tabs = blankTabs();
    for (std::size_t t = 0; t < tabs.size(); ++t) {
        std::vector<const BlankVariant*> variants;
        for (const BlankVariant& v : blankVariants())
            if (v.tab == int(t))
                variants.push_back(&v);
        auto* figure = new BlankFigureTab(tabs[t], variants);
        if (QTabWidget* inner = m_inner[tabs[t].outerPage])
            inner->addTab(figure, tabs[t].caption);
        else
            m_outer->insertTab(tabs[t].outerPage, figure,
                               blankOuterTabs()[std::size_t(tabs[t].outerPage)].caption);
        connect(figure, &BlankFigureTab::computeRequested, this, &TForm6::compute);
        connect(figure, &BlankFigureTab::clearRequested, this, &TForm6::Clear);
        m_tabs << figure;
    }
    m_outer->setCurrentIndex(0);
    for (QTabWidget* inner : m_inner)
        if (inner)
            inner->setCurrentIndex(0);

    auto* note1 = new QLabel(QStringLiteral("* Размеры указывать в миллиметрах"), this);
    note1->setObjectName(QStringLiteral("RzLabel2"));
    auto* note2 = new QLabel(QStringLiteral("** Для подсчёта веса указывать материал"), this);
    note2->setObjectName(QStringLiteral("RzLabel3"));
    m_exit->setObjectName(QStringLiteral("RzBitBtn3"));
    m_exit->setAutoDefault(false);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    auto* notes = new QVBoxLayout;
    notes->setSpacing(1);
    notes->addWidget(note1);
    notes->addWidget(note2);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(notes, 1);
    bottom->addWidget(m_exit, 0, Qt::AlignBottom);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(6, 6, 6, 6);
    box->setSpacing(4);
    box->addWidget(materialBox());
    box->addWidget(m_outer, 1);
    box->addLayout(bottom);

    Clear();
}

QTabWidget* TForm6::innerTabs(int outerPage) const
{
    return m_inner.value(outerPage);
}

void TForm6::Clear()
{
    for (BlankFigureTab* tab : m_tabs)
        for (BlankVariantPanel* panel : tab->panels())
            panel->clear();
}

void TForm6::showPage(int outerPage, int innerPage)
{
    if (outerPage >= 0 && outerPage < m_outer->count())
        m_outer->setCurrentIndex(outerPage);
    if (innerPage >= 0)
        if (QTabWidget* inner = m_inner.value(m_outer->currentIndex()))
            if (innerPage < inner->count())
                inner->setCurrentIndex(innerPage);
    present();
}

void TForm6::compute(BlankVariantPanel* panel)
{
    const BlankOutcome out =
        computeBlank(panel->variant().kind, panel->fieldTexts(), density(), resultLineLanguage());
    switch (out.status) {
    case BlankOutcome::Ok:
        panel->setLines(out.lines);
        break;
    case BlankOutcome::NoTriangle:
        showInformation(this, noTriangleText());
        break;
    case BlankOutcome::FloatError:
        showFloatingPointError(this);
        break;
    }
}

} // namespace tolvex
