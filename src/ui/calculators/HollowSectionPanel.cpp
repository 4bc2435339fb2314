#include "ui/calculators/HollowSectionPanel.h"

#include "ui/calculators/CalculatorHost.h"
#include "ui/calculators/Panels.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace tolvex
{

namespace
{

const QString DensityHint = QStringLiteral("При вычислениях взята плотность стали - 7,85");
const QString DensityInformation =
    QStringLiteral("При вычислениях взята плотность стали - 7,85 г/см³");

// A click on the title shows which density the tubes are computed with.
class TitleClick : public QObject
{
public:
    TitleClick(QLabel* title, CalculatorHost& host) : QObject(title), m_host(host)
    {
        title->setCursor(Qt::PointingHandCursor);
        title->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            showInformation(m_host.messageOwner(), DensityInformation);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    CalculatorHost& m_host;
};

} // namespace

HollowSectionPanel::HollowSectionPanel(CalculatorHost& host, const panel::Description& d,
                                       const Behaviour& behaviour, QWidget* parent)
    : CalculatorPanel(host, d, parent), m_behaviour(behaviour), m_length(field(0)),
      m_weight(field(1))
{
    titleLabel()->setToolTip(DensityHint);
    new TitleClick(titleLabel(), host);
    for (int i = 0; i < lists().size(); ++i)
        connect(list(i), &QComboBox::activated, this, [this, i] { listChosen(i); });
    connect(row(1).button, &QPushButton::clicked, this, &HollowSectionPanel::computeWeight);
    connect(row(0).button, &QPushButton::clicked, this, &HollowSectionPanel::computeLength);
}

void HollowSectionPanel::resetOnOpen()
{
    for (QComboBox* l : lists())
        emptyText(l);
    resetField(m_length);
    resetField(m_weight);
}

void HollowSectionPanel::listChosen(int index)
{
    const calc::ListReaction r = m_behaviour.select(index, choice().positions);
    for (int i : r.emptied)
        list(i)->clear();
    if (r.refilled >= 0) {
        list(r.refilled)->addItems(r.items);
        emptyText(list(r.refilled));
    }
    if (r.resetsFields) {
        resetField(m_length);
        resetField(m_weight);
    }
}

void HollowSectionPanel::computeWeight()
{
    show(m_behaviour.weight(choice(), {m_length->text(), m_weight->text()}), m_weight);
}

void HollowSectionPanel::computeLength()
{
    show(m_behaviour.length(choice(), {m_length->text(), m_weight->text()}), m_length);
}

calc::TubeChoice HollowSectionPanel::choice() const
{
    calc::TubeChoice c;
    for (const QComboBox* l : lists()) {
        c.positions << l->currentIndex();
        c.texts << l->currentText();
    }
    return c;
}

CalculatorPanel* createTrubaKvadratPanel(CalculatorHost& host, QWidget* parent)
{
    const panel::Description d{
        .objectName = "pnlTrubaKvadrat",
        .titleName = "RzLabel60",
        .title = "Квадратная труба",
        .lists = {{"RzLabel62", "Наружний размер, мм", "RzComboBox3", {}, calc::squareTubeSizes()},
                  {"RzLabel63", "Толщина стенки, мм", "RzComboBox4"}},
        .fields = {panel::quantityField("RzLabel64", "Количество, м", "RzNumericEdit30",
                                        "RzBitBtn40"),
                   panel::weightField("RzLabel65", "RzNumericEdit31", "RzBitBtn41")},
        .bottom = {"RzMemo2", "RzBitBtn64", "RzBitBtn3", "RzBitBtn4", true},
        .sketchWindow = WindowId::Prof_trub,
    };
    return new HollowSectionPanel(
        host, d, {calc::squareTubeSelect, calc::squareTubeWeight, calc::squareTubeLength}, parent);
}

CalculatorPanel* createTrubaPryamugolPanel(CalculatorHost& host, QWidget* parent)
{
    const panel::Description d{
        .objectName = "pnlTrubaPryamugol",
        .titleName = "RzLabel66",
        .title = "Прямоугольная труба",
        .lists = {{"RzLabel68",
                   "Большая сторона трубы, мм",
                   "RzComboBox5",
                   {},
                   calc::rectTubeLargerSides()},
                  {"RzLabel69", "Меньшая сторона трубы, мм", "RzComboBox6"},
                  {"RzLabel70", "Толщина стенки трубы, мм", "RzComboBox7"}},
        .fields = {panel::quantityField("RzLabel71", "Количество, м", "RzNumericEdit32",
                                        "RzBitBtn42"),
                   panel::weightField("RzLabel72", "RzNumericEdit33", "RzBitBtn43")},
        .bottom = {"RzMemo1", "RzBitBtn65", "RzBitBtn1", "RzBitBtn2", true},
        .sketchWindow = WindowId::Form25,
        .picture = Drawing::RectangularTube,
    };
    return new HollowSectionPanel(
        host, d, {calc::rectTubeSelect, calc::rectTubeWeight, calc::rectTubeLength}, parent);
}

} // namespace tolvex
