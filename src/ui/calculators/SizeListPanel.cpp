#include "ui/calculators/SizeListPanel.h"

#include "core/calculators/Beams.h"
#include "core/calculators/Hexagon.h"
#include "core/calculators/PlateAndSheet.h"
#include "core/calculators/Rebar.h"
#include "ui/calculators/Panels.h"
#include "ui/common/NumericEdit.h"

#include <QComboBox>
#include <QPushButton>

namespace tolvex
{

using panel::quantityField;
using panel::weightField;

SizeListPanel::SizeListPanel(CalculatorHost& host, const panel::Description& d,
                             const Behaviour& behaviour, QWidget* parent)
    : CalculatorPanel(host, d, parent), m_behaviour(behaviour)
{
    const int last = int(d.fields.size()) - 1;
    m_quantity = field(0);
    m_weight = field(last);
    if (last == 2)
        m_extra = field(1);

    if (behaviour.focusAfterChoice)
        connect(list(0), &QComboBox::activated, this, [this] { m_quantity->setFocus(); });
    connect(row(last).button, &QPushButton::clicked, this, &SizeListPanel::computeWeight);
    connect(row(0).button, &QPushButton::clicked, this, &SizeListPanel::computeQuantity);
}

void SizeListPanel::resetOnOpen()
{
    emptyText(list(0));
    resetField(m_quantity);
    resetField(m_weight);
    if (m_extra)
        resetField(m_extra);
}

void SizeListPanel::computeWeight()
{
    compute(m_behaviour.toWeight, m_weight);
}

void SizeListPanel::computeQuantity()
{
    compute(m_behaviour.toQuantity, m_quantity);
}

void SizeListPanel::compute(Calculation calculation, QLineEdit* resultField)
{
    const calc::ListChoice choice = choiceOf(list(0));
    if (!show(calculation(choice, {m_quantity->text(), m_weight->text()}), resultField))
        return;
    if (m_extra && m_behaviour.extraText) {
        const QString extra = m_behaviour.extraText(choice.position);
        if (!extra.isNull())
            m_extra->setText(extra);
    }
}

namespace
{

const QString Mm = QStringLiteral("мм.");

// The beam, channel and rail calculations name the chosen size in their reports.
template <calc::Outcome (*F)(int, const QString&, const calc::PerMetreFields&)>
calc::Outcome byName(const calc::ListChoice& c, const calc::PerMetreFields& f)
{
    return F(c.position, c.text, f);
}

} // namespace

CalculatorPanel* createDvutavrPanel(CalculatorHost& host, QWidget* parent)
{
    // Choosing a beam leaves the focus in the list; its preview button has a caption.
    const panel::Description d{
        .objectName = "pnlDvutavr",
        .titleName = "RzLabel81",
        .title = "Двутавровая балка",
        .lists = {{"RzLabel57", "Номер профиля:", "ComboBox10", "Выберите номер профиля балки",
                   calc::sizeNames(calc::iBeamTable())}},
        .fields = {quantityField("RzLabel58", "Длина двутавра, м", "RzNumericEdit28", "RzBitBtn16"),
                   weightField("RzLabel59", "RzNumericEdit29", "RzBitBtn17")},
        .bottom = {"RzMemo14", "RzBitBtn61", "RzBitBtn62", "RzBitBtn63", true, "Предпросмотр"},
        .sketch = Drawing::IBeam,
        .sketchCaption = "Двутавр",
    };
    return new SizeListPanel(host, d, {byName<calc::balka>, byName<calc::balkaLength>}, parent);
}

CalculatorPanel* createShvelerPanel(CalculatorHost& host, QWidget* parent)
{
    const panel::Description d{
        .objectName = "pnlShveler",
        .titleName = "RzLabel6",
        .title = "Швеллер",
        .lists = {{"RzLabel7", "Номер профиля:", "ComboBox17", "Выберите необходимый вам профиль",
                   calc::sizeNames(calc::channelTable())}},
        .fields = {quantityField("RzLabel8", "Длина швеллера, м", "RzNumericEdit3", "RzBitBtn35"),
                   weightField("RzLabel9", "RzNumericEdit4", "RzBitBtn36")},
        .bottom = {"RzMemo4", "RzBitBtn60", "RzBitBtn8", "RzBitBtn7", true},
        .sketch = Drawing::Channel,
        .sketchCaption = "Швеллер",
        .picture = Drawing::Channel,
    };
    return new SizeListPanel(
        host, d, {byName<calc::shveler>, byName<calc::shvelerLength>, nullptr, true}, parent);
}

CalculatorPanel* createRelsPanel(CalculatorHost& host, QWidget* parent)
{
    const panel::Description d{
        .objectName = "pnlRels",
        .titleName = "RzLabel67",
        .title = "Рельс",
        .lists = {{"RzLabel10", "Тип рельса:", "ComboBox16", "Выберите необходимый вам тип рельса",
                   calc::sizeNames(calc::railTable())}},
        .fields = {quantityField("RzLabel11", "Длина рельса, м", "RzNumericEdit5", "RzBitBtn33"),
                   weightField("RzLabel12", "RzNumericEdit6", "RzBitBtn34")},
        .bottom = {"RzMemo5", "RzBitBtn67", "RzBitBtn9", "RzBitBtn10", true},
        .sketch = Drawing::Rail,
        .sketchCaption = "Рельс",
        .picture = Drawing::Rail,
    };
    return new SizeListPanel(host, d, {byName<calc::rels>, byName<calc::relsLength>, nullptr, true},
                             parent);
}

CalculatorPanel* createShestigranPanel(CalculatorHost& host, QWidget* parent)
{
    const panel::Description d{
        .objectName = "pnlShestigran",
        .titleName = "RzLabel75",
        .title = "Шестигранник",
        .lists =
            {{"RzLabel21", "Диаметр вписаного круга: ", "ComboBox3", {}, calc::hexagonSizes()}},
        .fields = {quantityField("RzLabel22", "Длина шестиграника, м", "RzNumericEdit11",
                                 "RzBitBtn27"),
                   {"RzLabel23", "Метров в 1 тонне, м", "RzNumericEdit12"},
                   weightField("RzLabel24", "RzNumericEdit13", "RzBitBtn28")},
        .bottom = {"RzMemo8", "RzBitBtn70", "RzBitBtn44", "RzBitBtn45"},
    };
    return new SizeListPanel(
        host, d, {calc::hexagonWeight, calc::hexagonLength, calc::hexagonMetresPerTonneText},
        parent);
}

CalculatorPanel* createAtrmaturaPanel(CalculatorHost& host, QWidget* parent)
{
    const panel::Description d{
        .objectName = "pnlAtrmatura",
        .titleName = "RzLabel61",
        .title = "Арматура",
        .lists = {{"RzLabel2",
                   "Диаметр стержня",
                   "ComboBox20",
                   {},
                   calc::rebarDiameters(),
                   "RzLabel5",
                   Mm}},
        .fields = {quantityField("RzLabel3", "Количество, м", "RzNumericEdit1", "RzBitBtn14"),
                   weightField("RzLabel4", "RzNumericEdit2", "RzBitBtn15")},
        .bottom = {"RzMemo3", "RzBitBtn66", "RzBitBtn5", "RzBitBtn6", true},
        .sketchWindow = WindowId::Form14,
        .sketchModality = Modality::Modeless,
        .picture = Drawing::Rebar,
    };
    return new SizeListPanel(host, d, {calc::rebarWeight, calc::rebarLength, nullptr, true},
                             parent);
}

CalculatorPanel* createListRiflenPanel(CalculatorHost& host, QWidget* parent)
{
    const panel::Description d{
        .objectName = "pnlListRiflen",
        .titleName = "RzLabel74",
        .title = "Лист рифленный",
        .lists = {{"RzLabel16",
                   "Толщина основания листа S:",
                   "ComboBox18",
                   {},
                   calc::checkerPlateItems(),
                   "RzLabel17",
                   Mm,
                   true}},
        .fields = {quantityField("RzLabel19", "Количество кв.м.", "RzNumericEdit9", "RzBitBtn29"),
                   weightField("RzLabel20", "RzNumericEdit10", "RzBitBtn30")},
        .bottom = {"RzMemo7", "RzBitBtn69", "RzBitBtn38", "RzBitBtn39", true},
        .sketchWindow = WindowId::Form13,
        .sketchModality = Modality::Modeless,
        .picture = Drawing::CheckerPlate,
    };
    return new SizeListPanel(
        host, d, {calc::checkerPlateWeight, calc::checkerPlateArea, nullptr, true}, parent);
}

CalculatorPanel* createProfnastilPanel(CalculatorHost& host, QWidget* parent)
{
    const panel::Description d{
        .objectName = "pnlProfnastil",
        .titleName = "RzLabel73",
        .title = "Профнастил",
        .lists = {{"RzLabel13",
                   "Обозначение профилированного листа",
                   "ComboBox19",
                   {},
                   calc::profiledSheetItems(),
                   {},
                   {},
                   true}},
        .fields = {quantityField("RzLabel14", "Количество кв.м.", "RzNumericEdit7", "RzBitBtn31"),
                   weightField("RzLabel15", "RzNumericEdit8", "RzBitBtn32")},
        .bottom = {"RzMemo6", "RzBitBtn68", "RzBitBtn11", "RzBitBtn12"},
    };
    return new SizeListPanel(host, d, {calc::profiledSheetWeight, calc::profiledSheetArea}, parent);
}

} // namespace tolvex
