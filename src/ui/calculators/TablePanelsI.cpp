#include "ui/calculators/TablePanelsI.h"

#include "ui/calculators/SizeListPanel.h"
#include "ui/calculators/TrubaPanel.h"
#include "ui/calculators/UgolokPanel.h"
#include "core/calculators/Beams.h"

#include <QComboBox>
#include <QPushButton>

namespace tolvex
{

namespace
{

const QString WeightCaption = QStringLiteral("Общий вес, кг");

// The list's hint and, when given, the visible sketch button (the drawings come with
// the profile drawings; until then it does nothing).
SizeListPanel* finish(SizeListPanel* panel, const SizeListPanel::Description& d,
                      const QString& hint, bool sketchVisible)
{
    panel->findChild<QComboBox*>(d.list.name)->setToolTip(hint);
    if (sketchVisible)
        panel->findChild<QPushButton*>(d.sketch)->setVisible(true);
    return panel;
}

// pnlDvutavr: choosing a beam leaves the focus in the list.
SizeListPanel* createDvutavrPanel(CalculatorHost& host, QWidget* parent)
{
    SizeListPanel::Description d;
    d.objectName = QStringLiteral("pnlDvutavr");
    d.titleName = QStringLiteral("RzLabel81");
    d.title = QStringLiteral("Двутавровая балка");
    d.list = {QStringLiteral("RzLabel57"), QStringLiteral("Номер профиля:"),
              QStringLiteral("ComboBox10")};
    d.items = calc::sizeNames(calc::iBeamTable());
    d.quantity = {QStringLiteral("RzLabel58"), QStringLiteral("Длина двутавра, м"),
                  QStringLiteral("RzNumericEdit28")};
    d.weight = {QStringLiteral("RzLabel59"), WeightCaption, QStringLiteral("RzNumericEdit29")};
    d.weightButton = QStringLiteral("RzBitBtn17");   // balka
    d.quantityButton = QStringLiteral("RzBitBtn16"); // RzBitBtn16Click
    d.memo = QStringLiteral("RzMemo14");
    d.preview = QStringLiteral("RzBitBtn61");
    d.print = QStringLiteral("RzBitBtn62");
    d.sketch = QStringLiteral("RzBitBtn63");
    d.toWeight = [](const calc::ListChoice& c, const calc::PerMetreFields& f) {
        return calc::balka(c.position, c.text, f);
    };
    d.toQuantity = [](const calc::ListChoice& c, const calc::PerMetreFields& f) {
        return calc::balkaLength(c.position, c.text, f);
    };
    // Its sketch does nothing and stays hidden; its preview button has a caption.
    SizeListPanel* panel = finish(new SizeListPanel(host, d, parent), d,
                                  QStringLiteral("Выберите номер профиля балки"), false);
    auto* preview = panel->findChild<QPushButton*>(d.preview);
    preview->setIcon(QIcon());
    preview->setText(QStringLiteral("Предпросмотр"));
    preview->setMinimumWidth(0);
    preview->setMaximumWidth(QWIDGETSIZE_MAX);
    return panel;
}

// pnlShveler: choosing a channel moves the focus to the length (ComboBox17Select).
SizeListPanel* createShvelerPanel(CalculatorHost& host, QWidget* parent)
{
    SizeListPanel::Description d;
    d.objectName = QStringLiteral("pnlShveler");
    d.titleName = QStringLiteral("RzLabel6");
    d.title = QStringLiteral("Швеллер");
    d.list = {QStringLiteral("RzLabel7"), QStringLiteral("Номер профиля:"),
              QStringLiteral("ComboBox17")};
    d.items = calc::sizeNames(calc::channelTable());
    d.focusAfterChoice = true;
    d.quantity = {QStringLiteral("RzLabel8"), QStringLiteral("Длина швеллера, м"),
                  QStringLiteral("RzNumericEdit3")};
    d.weight = {QStringLiteral("RzLabel9"), WeightCaption, QStringLiteral("RzNumericEdit4")};
    d.weightButton = QStringLiteral("RzBitBtn36");   // shveler
    d.quantityButton = QStringLiteral("RzBitBtn35"); // RzBitBtn35Click
    d.memo = QStringLiteral("RzMemo4");
    d.preview = QStringLiteral("RzBitBtn60");
    d.print = QStringLiteral("RzBitBtn8");
    d.sketch = QStringLiteral("RzBitBtn7");
    d.toWeight = [](const calc::ListChoice& c, const calc::PerMetreFields& f) {
        return calc::shveler(c.position, c.text, f);
    };
    d.toQuantity = [](const calc::ListChoice& c, const calc::PerMetreFields& f) {
        return calc::shvelerLength(c.position, c.text, f);
    };
    return finish(new SizeListPanel(host, d, parent), d,
                  QStringLiteral("Выберите необходимый вам профиль"), true);
}

// pnlRels: choosing a rail moves the focus to the length (ComboBox16Select).
SizeListPanel* createRelsPanel(CalculatorHost& host, QWidget* parent)
{
    SizeListPanel::Description d;
    d.objectName = QStringLiteral("pnlRels");
    d.titleName = QStringLiteral("RzLabel67");
    d.title = QStringLiteral("Рельс");
    d.list = {QStringLiteral("RzLabel10"), QStringLiteral("Тип рельса:"),
              QStringLiteral("ComboBox16")};
    d.items = calc::sizeNames(calc::railTable());
    d.focusAfterChoice = true;
    d.quantity = {QStringLiteral("RzLabel11"), QStringLiteral("Длина рельса, м"),
                  QStringLiteral("RzNumericEdit5")};
    d.weight = {QStringLiteral("RzLabel12"), WeightCaption, QStringLiteral("RzNumericEdit6")};
    d.weightButton = QStringLiteral("RzBitBtn34");   // rels
    d.quantityButton = QStringLiteral("RzBitBtn33"); // RzBitBtn33Click
    d.memo = QStringLiteral("RzMemo5");
    d.preview = QStringLiteral("RzBitBtn67");
    d.print = QStringLiteral("RzBitBtn9");
    d.sketch = QStringLiteral("RzBitBtn10");
    d.toWeight = [](const calc::ListChoice& c, const calc::PerMetreFields& f) {
        return calc::rels(c.position, c.text, f);
    };
    d.toQuantity = [](const calc::ListChoice& c, const calc::PerMetreFields& f) {
        return calc::relsLength(c.position, c.text, f);
    };
    return finish(new SizeListPanel(host, d, parent), d,
                  QStringLiteral("Выберите необходимый вам тип рельса"), true);
}

} // namespace

QList<CalculatorPanel*> createTablePanelsI(CalculatorHost& host, QWidget* parent)
{
    return {createDvutavrPanel(host, parent), createShvelerPanel(host, parent),
            new UgolokPanel(host, parent), createRelsPanel(host, parent),
            new TrubaPanel(host, parent)};
}

} // namespace tolvex
