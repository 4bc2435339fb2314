#include "ui/app/CalculatorArea.h"

#include "ui/app/GroupBar.h"
#include "ui/calculators/CalculatorPanel.h"
#include "ui/calculators/Panels.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/ReportBox.h"
#include "ui/reference/PictureWindows.h"
#include "ui/report/ResultSheet.h"
#include "ui/report/TForm29.h"

#include <QLabel>

#include <QGridLayout>
#include <QHBoxLayout>

namespace tolvex
{

namespace
{

struct Group {
    const char* group;
    const char* caption;
    CalculatorPanel* (*panel)(CalculatorHost&, QWidget*);
};

// The group bar, top to bottom; the same order as SelectPanel's flags.
const Group Groups[] = {
    {"gbDvutavr", "Двутавр", createDvutavrPanel},
    {"gbShveler", "Швеллер", createShvelerPanel},
    {"gbUgolok", "Уголок", createUgolokPanel},
    {"gbRels", "Рельс", createRelsPanel},
    {"gbShestigran", "Шестигранник", createShestigranPanel},
    {"gbProkat", "Прокат круглый", createProkatPanel},
    {"gbAtrmatura", "Арматура", createAtrmaturaPanel},
    {"gbList", "Квадрат и лист", createListPanel},
    {"gbListRiflen", "Лист рифленный", createListRiflenPanel},
    {"gbProfnastil", "Профнастил", createProfnastilPanel},
    {"gbMetizi", "Метизы", createMetiziPanel},
    {"gbTruba", "Труба", createTrubaPanel},
    {"gbTrubaKvadrat", "Труба квадратная", createTrubaKvadratPanel},
    {"gbTrubaPryamugol", "Труба прямоугольная", createTrubaPryamugolPanel},
};

} // namespace

CalculatorArea::CalculatorArea(CalculatorHost& host, WindowDirectory& windows, QWidget* parent)
    : QWidget(parent), m_groups(new GroupBar(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(7);
    m_groups->setFixedWidth(161);
    row->addWidget(m_groups);

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("calculatorArea"));
    area->setFixedWidth(273);
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 1, 0, 1);
    for (const Group& g : Groups) {
        m_groups->addGroup(QLatin1String(g.group), QString::fromUtf8(g.caption));
        CalculatorPanel* p = g.panel(host, area);
        stack->addWidget(p, 0, 0);
        m_panels.append(p);
        wire(p, windows);
    }
    row->addWidget(area);

    connect(m_groups, &GroupBar::opened, this, [this](int index) {
        if (index < 0 || index >= m_panels.size())
            return;
        m_panels[index]->resetOnOpen();
        emit groupOpened(index);
    });
}

void CalculatorArea::wire(CalculatorPanel* p, WindowDirectory& windows)
{
    connect(p, &CalculatorPanel::sketchRequested, this, [p, &windows] {
        const panel::Description& d = p->description();
        if (d.sketchWindow)
            windows.showWindow(*d.sketchWindow, d.sketchModality);
        else if (p->sketch() != Drawing::None)
            showSketch(windows, p->sketch(), d.sketchCaption);
    });
    // Both fill the one result sheet from the panel's title, report box and picture.
    auto sheet = [&windows] { return qobject_cast<TForm29*>(windows.window(WindowId::Form29)); };
    connect(p, &CalculatorPanel::printRequested, this, [p, sheet] {
        if (TForm29* form = sheet())
            printSheet(*form, p->titleLabel()->text(), p->report()->toPlainText(),
                       p->description().picture, p);
    });
    connect(p, &CalculatorPanel::previewRequested, this, [p, sheet] {
        if (TForm29* form = sheet())
            previewSheet(*form, p->titleLabel()->text(), p->report()->toPlainText(),
                         p->description().picture, p);
    });
}

CalculatorPanel* CalculatorArea::panel(const QString& objectName) const
{
    for (CalculatorPanel* p : m_panels)
        if (p->objectName() == objectName)
            return p;
    return nullptr;
}

void CalculatorArea::showPanels(const QList<bool>& flags)
{
    for (qsizetype i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setVisible(flags.value(i));
}

void CalculatorArea::clearAllFields()
{
    for (CalculatorPanel* p : m_panels)
        for (NumericEdit* field : p->findChildren<NumericEdit*>())
            field->setText(QStringLiteral("0"));
}

} // namespace tolvex
