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
    : QWidget(parent), m_host(host), m_windows(windows), m_groups(new GroupBar(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(7);
    m_groups->setFixedWidth(161);
    row->addWidget(m_groups);

    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("calculatorArea"));
    m_area->setFixedWidth(273);
    m_stack = new QGridLayout(m_area);
    m_stack->setContentsMargins(0, 1, 0, 1);
    for (const Group& g : Groups) {
        m_groups->addGroup(QLatin1String(g.group), QString::fromUtf8(g.caption));
        m_panels.append(nullptr);
    }
    row->addWidget(m_area);

    connect(m_groups, &GroupBar::opened, this, [this](int index) {
        if (index < 0 || index >= m_panels.size())
            return;
        panelAt(index)->resetOnOpen();
        emit groupOpened(index);
    });
}

CalculatorPanel* CalculatorArea::panelAt(int index)
{
    if (index < 0 || index >= m_panels.size())
        return nullptr;
    if (!m_panels[index]) {
        CalculatorPanel* p = Groups[index].panel(m_host, m_area);
        p->hide(); // shown by showPanels, as every panel of a group not open
        m_stack->addWidget(p, 0, 0);
        m_panels[index] = p;
        wire(p, m_windows);
        emit panelBuilt(p);
    }
    return m_panels[index];
}

void CalculatorArea::buildAllPanels()
{
    for (int i = 0; i < int(m_panels.size()); ++i)
        panelAt(i);
}

QList<CalculatorPanel*> CalculatorArea::builtPanels() const
{
    QList<CalculatorPanel*> out;
    for (CalculatorPanel* p : m_panels)
        if (p)
            out << p;
    return out;
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

CalculatorPanel* CalculatorArea::panel(const QString& objectName)
{
    buildAllPanels();
    for (CalculatorPanel* p : m_panels)
        if (p->objectName() == objectName)
            return p;
    return nullptr;
}

void CalculatorArea::showPanels(const QList<bool>& flags)
{
    for (int i = 0; i < int(m_panels.size()); ++i) {
        if (flags.value(i))
            panelAt(i)->setVisible(true);
        else if (m_panels[i])
            m_panels[i]->setVisible(false);
    }
}

void CalculatorArea::clearAllFields()
{
    // A panel not made yet still shows its fields as made: "0".
    for (CalculatorPanel* p : builtPanels())
        for (NumericEdit* field : p->findChildren<NumericEdit*>())
            field->setText(QStringLiteral("0"));
}

} // namespace tolvex
