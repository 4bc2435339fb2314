#include "ui/calculators/HollowSectionPanel.h"

#include "ui/calculators/CalculatorHost.h"
#include "ui/calculators/TablePanelSupport.h"
#include "ui/common/NumericEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tolvex
{

namespace
{

const QString DensityHint = QStringLiteral("При вычислениях взята плотность стали - 7,85");
const QString DensityInformation =
    QStringLiteral("При вычислениях взята плотность стали - 7,85 г/см³");
const QString WeightHint = QStringLiteral("Произвести расчет общего веса");
const QString LengthHint = QStringLiteral("Вычисление количества по общему весу");

} // namespace

HollowSectionPanel::HollowSectionPanel(CalculatorHost& host, const Description& d, QWidget* parent)
    : CalculatorPanel(host, d.objectName, d.titleName, d.title, parent), m_description(d)
{
    titleLabel()->setToolTip(DensityHint);
    makeTitleInformative(titleLabel(), host, DensityInformation);

    QGridLayout* grid = addGrid();
    int row = 0;
    for (const List& l : d.lists) {
        QComboBox* list = addSizeList(this, grid, row++, l.labelName, l.caption, l.listName);
        const int index = int(m_lists.size());
        connect(list, &QComboBox::activated, this, [this, index] { listChosen(index); });
        m_lists << list;
    }
    m_lists.first()->addItems(d.firstItems);
    m_lists.first()->setCurrentIndex(-1);

    m_length = addField(grid, row, d.lengthLabel, QStringLiteral("Количество, м"), d.lengthField);
    QPushButton* lengthButton = addEqualsButton(grid, row++, d.lengthButton, LengthHint);
    m_weight = addField(grid, row, d.weightLabel, QStringLiteral("Общий вес, кг"), d.weightField);
    QPushButton* weightButton = addEqualsButton(grid, row++, d.weightButton, WeightHint);
    m_report = addReport(d.memo, d.preview, d.print, d.sketch, true);
    connectSketch(this, d.sketch, d.sketchWindow);

    connect(weightButton, &QPushButton::clicked, this, &HollowSectionPanel::computeWeight);
    connect(lengthButton, &QPushButton::clicked, this, &HollowSectionPanel::computeLength);
}

void HollowSectionPanel::resetOnOpen()
{
    for (QComboBox* list : m_lists)
        emptyText(list);
    resetField(m_length);
    resetField(m_weight);
}

void HollowSectionPanel::listChosen(int list)
{
    const calc::ListReaction r = m_description.select(list, choice().positions);
    for (int i : r.emptied)
        m_lists[i]->clear();
    if (r.refilled >= 0) {
        m_lists[r.refilled]->addItems(r.items);
        emptyText(m_lists[r.refilled]);
    }
    if (r.resetsFields) {
        resetField(m_length);
        resetField(m_weight);
    }
}

void HollowSectionPanel::computeWeight()
{
    show(m_description.weight(choice(), {m_length->text(), m_weight->text()}), m_weight, m_report);
}

void HollowSectionPanel::computeLength()
{
    show(m_description.length(choice(), {m_length->text(), m_weight->text()}), m_length, m_report);
}

calc::TubeChoice HollowSectionPanel::choice() const
{
    calc::TubeChoice c;
    for (const QComboBox* list : m_lists) {
        c.positions << list->currentIndex();
        c.texts << list->currentText();
    }
    return c;
}

HollowSectionPanel* createSquareTubePanel(CalculatorHost& host, QWidget* parent)
{
    HollowSectionPanel::Description d;
    d.objectName = QStringLiteral("pnlTrubaKvadrat");
    d.titleName = QStringLiteral("RzLabel60");
    d.title = QStringLiteral("Квадратная труба");
    d.lists = {{QStringLiteral("RzLabel62"), QStringLiteral("Наружний размер, мм"),
                QStringLiteral("RzComboBox3")},
               {QStringLiteral("RzLabel63"), QStringLiteral("Толщина стенки, мм"),
                QStringLiteral("RzComboBox4")}};
    d.firstItems = calc::squareTubeSizes();
    d.lengthLabel = QStringLiteral("RzLabel64");
    d.lengthField = QStringLiteral("RzNumericEdit30");
    d.weightLabel = QStringLiteral("RzLabel65");
    d.weightField = QStringLiteral("RzNumericEdit31");
    d.weightButton = QStringLiteral("RzBitBtn41");
    d.lengthButton = QStringLiteral("RzBitBtn40");
    d.memo = QStringLiteral("RzMemo2");
    d.preview = QStringLiteral("RzBitBtn64");
    d.print = QStringLiteral("RzBitBtn3");
    d.sketch = QStringLiteral("RzBitBtn4");
    d.sketchWindow = QStringLiteral("Prof_trub");
    d.select = calc::squareTubeSelect;
    d.weight = calc::squareTubeWeight;
    d.length = calc::squareTubeLength;
    return new HollowSectionPanel(host, d, parent);
}

HollowSectionPanel* createRectangularTubePanel(CalculatorHost& host, QWidget* parent)
{
    HollowSectionPanel::Description d;
    d.objectName = QStringLiteral("pnlTrubaPryamugol");
    d.titleName = QStringLiteral("RzLabel66");
    d.title = QStringLiteral("Прямоугольная труба");
    d.lists = {{QStringLiteral("RzLabel68"), QStringLiteral("Большая сторона трубы, мм"),
                QStringLiteral("RzComboBox5")},
               {QStringLiteral("RzLabel69"), QStringLiteral("Меньшая сторона трубы, мм"),
                QStringLiteral("RzComboBox6")},
               {QStringLiteral("RzLabel70"), QStringLiteral("Толщина стенки трубы, мм"),
                QStringLiteral("RzComboBox7")}};
    d.firstItems = calc::rectTubeLargerSides();
    d.lengthLabel = QStringLiteral("RzLabel71");
    d.lengthField = QStringLiteral("RzNumericEdit32");
    d.weightLabel = QStringLiteral("RzLabel72");
    d.weightField = QStringLiteral("RzNumericEdit33");
    d.weightButton = QStringLiteral("RzBitBtn43");
    d.lengthButton = QStringLiteral("RzBitBtn42");
    d.memo = QStringLiteral("RzMemo1");
    d.preview = QStringLiteral("RzBitBtn65");
    d.print = QStringLiteral("RzBitBtn1");
    d.sketch = QStringLiteral("RzBitBtn2");
    d.sketchWindow = QStringLiteral("Form25");
    d.select = calc::rectTubeSelect;
    d.weight = calc::rectTubeWeight;
    d.length = calc::rectTubeLength;
    return new HollowSectionPanel(host, d, parent);
}

} // namespace tolvex
