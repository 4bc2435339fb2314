#include "ui/calculators/SizeListPanel.h"

#include "ui/calculators/TablePanelSupport.h"
#include "core/calculators/Hexagon.h"
#include "core/calculators/PlateAndSheet.h"
#include "core/calculators/Rebar.h"
#include "ui/common/NumericEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

namespace tolvex
{

namespace
{

const QString WeightHint = QStringLiteral("Произвести расчет общего веса");
const QString QuantityHint = QStringLiteral("Вычисление количества по общему весу");
const QString WeightCaption = QStringLiteral("Общий вес, кг");

} // namespace

SizeListPanel::SizeListPanel(CalculatorHost& host, const Description& d, QWidget* parent)
    : CalculatorPanel(host, d.objectName, d.titleName, d.title, parent), m_description(d)
{
    QGridLayout* grid = addGrid();
    int row = 0;
    m_list = addSizeList(this, grid, row, d.list.labelName, d.list.caption, d.list.name, {},
                         d.unitName, d.unitText, d.wideList);
    row += d.wideList ? 2 : 1;
    m_list->addItems(d.items);
    emptyText(m_list);

    m_quantity = addField(grid, row, d.quantity.labelName, d.quantity.caption, d.quantity.name);
    QPushButton* quantityButton = addEqualsButton(grid, row++, d.quantityButton, QuantityHint);
    if (!d.extra.name.isEmpty())
        m_extra = addField(grid, row++, d.extra.labelName, d.extra.caption, d.extra.name);
    m_weight = addField(grid, row, d.weight.labelName, d.weight.caption, d.weight.name);
    QPushButton* weightButton = addEqualsButton(grid, row++, d.weightButton, WeightHint);
    m_report = addReport(d.memo, d.preview, d.print, d.sketch, !d.sketchWindow.isEmpty());
    if (!d.sketchWindow.isEmpty()) {
        connectSketch(this, d.sketch, d.sketchWindow);
    }

    if (d.focusAfterChoice)
        connect(m_list, &QComboBox::activated, this, [this] { m_quantity->setFocus(); });
    connect(weightButton, &QPushButton::clicked, this, &SizeListPanel::computeWeight);
    connect(quantityButton, &QPushButton::clicked, this, &SizeListPanel::computeQuantity);
}

void SizeListPanel::resetOnOpen()
{
    emptyText(m_list);
    resetField(m_quantity);
    resetField(m_weight);
    if (m_extra)
        resetField(m_extra);
}

void SizeListPanel::computeWeight()
{
    compute(m_description.toWeight, m_weight);
}

void SizeListPanel::computeQuantity()
{
    compute(m_description.toQuantity, m_quantity);
}

void SizeListPanel::compute(Calculation calculation, QLineEdit* resultField)
{
    const calc::ListChoice choice = choiceOf(m_list);
    if (!show(calculation(choice, {m_quantity->text(), m_weight->text()}), resultField, m_report))
        return;
    if (m_extra && m_description.extraText) {
        const QString extra = m_description.extraText(choice.position);
        if (!extra.isNull())
            m_extra->setText(extra);
    }
}

SizeListPanel* createHexagonPanel(CalculatorHost& host, QWidget* parent)
{
    SizeListPanel::Description d;
    d.objectName = QStringLiteral("pnlShestigran");
    d.titleName = QStringLiteral("lblShestigranTitle");
    d.title = QStringLiteral("Шестигранник");
    d.list = {QStringLiteral("RzLabel21"), QStringLiteral("Диаметр вписаного круга: "),
              QStringLiteral("ComboBox3")};
    d.items = calc::hexagonSizes();
    d.quantity = {QStringLiteral("RzLabel22"), QStringLiteral("Длина шестиграника, м"),
                  QStringLiteral("RzNumericEdit11")};
    d.extra = {QStringLiteral("RzLabel23"), QStringLiteral("Метров в 1 тонне, м"),
               QStringLiteral("RzNumericEdit12")};
    d.extraText = calc::hexagonMetresPerTonneText;
    d.weight = {QStringLiteral("RzLabel24"), WeightCaption, QStringLiteral("RzNumericEdit13")};
    d.weightButton = QStringLiteral("RzBitBtn28");
    d.quantityButton = QStringLiteral("RzBitBtn27");
    d.memo = QStringLiteral("RzMemo8");
    d.preview = QStringLiteral("RzBitBtn70");
    d.print = QStringLiteral("RzBitBtn44");
    d.sketch = QStringLiteral("RzBitBtn45");
    d.toWeight = calc::hexagonWeight;
    d.toQuantity = calc::hexagonLength;
    return new SizeListPanel(host, d, parent);
}

SizeListPanel* createRebarPanel(CalculatorHost& host, QWidget* parent)
{
    SizeListPanel::Description d;
    d.objectName = QStringLiteral("pnlAtrmatura");
    d.titleName = QStringLiteral("lblAtrmaturaTitle");
    d.title = QStringLiteral("Арматура");
    d.list = {QStringLiteral("RzLabel2"), QStringLiteral("Диаметр стержня"),
              QStringLiteral("ComboBox20")};
    d.items = calc::rebarDiameters();
    d.unitName = QStringLiteral("RzLabel5");
    d.unitText = QStringLiteral("мм.");
    d.focusAfterChoice = true;
    d.quantity = {QStringLiteral("RzLabel3"), QStringLiteral("Количество, м"),
                  QStringLiteral("RzNumericEdit1")};
    d.weight = {QStringLiteral("RzLabel4"), WeightCaption, QStringLiteral("RzNumericEdit2")};
    d.weightButton = QStringLiteral("RzBitBtn15");
    d.quantityButton = QStringLiteral("RzBitBtn14");
    d.memo = QStringLiteral("RzMemo3");
    d.preview = QStringLiteral("RzBitBtn66");
    d.print = QStringLiteral("RzBitBtn5");
    d.sketch = QStringLiteral("RzBitBtn6");
    d.sketchWindow = QStringLiteral("Form14");
    d.toWeight = calc::rebarWeight;
    d.toQuantity = calc::rebarLength;
    return new SizeListPanel(host, d, parent);
}

SizeListPanel* createCheckerPlatePanel(CalculatorHost& host, QWidget* parent)
{
    SizeListPanel::Description d;
    d.objectName = QStringLiteral("pnlListRiflen");
    d.titleName = QStringLiteral("lblListRiflenTitle");
    d.title = QStringLiteral("Лист рифленный");
    d.list = {QStringLiteral("RzLabel16"), QStringLiteral("Толщина основания листа S:"),
              QStringLiteral("ComboBox18")};
    d.items = calc::checkerPlateItems();
    d.unitName = QStringLiteral("RzLabel17");
    d.unitText = QStringLiteral("мм.");
    d.wideList = true;
    d.focusAfterChoice = true;
    d.quantity = {QStringLiteral("RzLabel19"), QStringLiteral("Количество кв.м."),
                  QStringLiteral("RzNumericEdit9")};
    d.weight = {QStringLiteral("RzLabel20"), WeightCaption, QStringLiteral("RzNumericEdit10")};
    d.weightButton = QStringLiteral("RzBitBtn30");
    d.quantityButton = QStringLiteral("RzBitBtn29");
    d.memo = QStringLiteral("RzMemo7");
    d.preview = QStringLiteral("RzBitBtn69");
    d.print = QStringLiteral("RzBitBtn38");
    d.sketch = QStringLiteral("RzBitBtn39");
    d.sketchWindow = QStringLiteral("Form13");
    d.toWeight = calc::checkerPlateWeight;
    d.toQuantity = calc::checkerPlateArea;
    return new SizeListPanel(host, d, parent);
}

SizeListPanel* createProfiledSheetPanel(CalculatorHost& host, QWidget* parent)
{
    SizeListPanel::Description d;
    d.objectName = QStringLiteral("pnlProfnastil");
    d.titleName = QStringLiteral("lblProfnastilTitle");
    d.title = QStringLiteral("Профнастил");
    d.list = {QStringLiteral("RzLabel13"), QStringLiteral("Обозначение профилированного листа"),
              QStringLiteral("ComboBox19")};
    d.items = calc::profiledSheetItems();
    d.wideList = true;
    d.quantity = {QStringLiteral("RzLabel14"), QStringLiteral("Количество кв.м."),
                  QStringLiteral("RzNumericEdit7")};
    d.weight = {QStringLiteral("RzLabel15"), WeightCaption, QStringLiteral("RzNumericEdit8")};
    d.weightButton = QStringLiteral("RzBitBtn32");
    d.quantityButton = QStringLiteral("RzBitBtn31");
    d.memo = QStringLiteral("RzMemo6");
    d.preview = QStringLiteral("RzBitBtn68");
    d.print = QStringLiteral("RzBitBtn11");
    d.sketch = QStringLiteral("RzBitBtn12");
    d.toWeight = calc::profiledSheetWeight;
    d.toQuantity = calc::profiledSheetArea;
    return new SizeListPanel(host, d, parent);
}

} // namespace tolvex
