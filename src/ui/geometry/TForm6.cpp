#include "ui/geometry/TForm6.h"

#include "ui/common/MessageBoxes.h"
#include "ui/geometry/BlankFigureTab.h"
#include "ui/geometry/BlankVariantPanel.h"
#include "ui/geometry/ResultLanguage.h"
#include "ui/geometry/WindowMaterialBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvex
{

using namespace geometry;

TForm6::TForm6(const LanguageState* language, QWidget* parent)
    : GeometryWindow(QStringLiteral("Form6"), QStringLiteral("Подсчёт площади и массы раскроя"),
                     QSize(369, 479), parent),
      m_language(language)
{
    // Ten figure tabs with their sketches: made when the window is first shown.
    buildWhenShown([this] { build(); });
}

void TForm6::build()
{
    m_exit = new QPushButton(QStringLiteral("Выход"), this);
    for (const BlankOuterTab& outer : blankOuterTabs())
        addOuterPage(outer.sheetName, outer.innerControl, outer.caption);

    const auto& tabs = blankTabs();
    for (std::size_t t = 0; t < tabs.size(); ++t) {
        std::vector<const BlankVariant*> variants;
        for (const BlankVariant& v : blankVariants())
            if (v.tab == int(t))
                variants.push_back(&v);
        auto* figure = new BlankFigureTab(tabs[t], variants);
        const int outerPage = tabs[t].outerPage;
        placePage(outerPage, figure,
                  innerTabs(outerPage) ? tabs[t].caption
                                       : blankOuterTabs()[std::size_t(outerPage)].caption);
        connect(figure, &BlankFigureTab::computeRequested, this, &TForm6::compute);
        connect(figure, &BlankFigureTab::clearRequested, this, &TForm6::Clear);
        m_tabs << figure;
    }
    for (int page = outerTabs()->count() - 1; page >= 0; --page)
        selectPage(page, 0);

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
    box->addWidget(outerTabs(), 1);
    box->addLayout(bottom);

    Clear();
}

void TForm6::Clear()
{
    for (BlankFigureTab* tab : m_tabs)
        for (BlankVariantPanel* panel : tab->panels())
            panel->clear();
}

void TForm6::compute(BlankVariantPanel* panel)
{
    const BlankOutcome out = computeBlank(panel->variant().kind, panel->fieldTexts(), density(),
                                          resultLineLanguage(m_language));
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
