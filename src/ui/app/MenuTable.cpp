#include "ui/app/MenuTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tolvex
{

namespace
{

constexpr unsigned Main = 1, Tray = 2, Both = 3;
using C = MenuCommand;
using W = WindowId;

MenuRow menu(int depth, const char* name, const char* caption, unsigned places = Both,
             const char* trayCaption = nullptr)
{
    return {depth, name,   caption,    C::None, W::frmGeneral, Modality::Modeless,
            {},    places, trayCaption};
}

MenuRow item(int depth, const char* name, const char* caption, MenuCommand command,
             unsigned places = Both)
{
    return {depth, name, caption, command, W::frmGeneral, Modality::Modeless, {}, places};
}

MenuRow show(int depth, const char* name, const char* caption, WindowId window,
             Modality modality = Modality::Modeless, Page page = {}, unsigned places = Both)
{
    return {depth, name, caption, C::ShowWindow, window, modality, page, places};
}

// A page of the flat-blank (Form6) or solids (frmVolume) window.
MenuRow figure(int depth, const char* name, const char* caption, WindowId window, int outer,
               int inner)
{
    return show(depth, name, caption, window, Modality::Modeless, {outer, inner});
}

MenuRow separator(int depth, unsigned places = Main)
{
    return {depth, nullptr, nullptr, C::None, W::frmGeneral, Modality::Modeless, {}, places};
}

std::vector<MenuRow> makeRows()
{
    const Modality modal = Modality::Modal;
    std::vector<MenuRow> rows = {
        menu(0, "N73", "Меню", Main),
        menu(1, "N76", "Язык", Main),
        item(2, "miRUS", "Русский", C::ChooseRussian, Main),
        item(2, "miENG", "English", C::ChooseEnglish, Main),
        separator(1),
        item(1, "N75", "Выход", C::Exit),

        menu(0, "N28", "Информация"),
        show(1, "N37", "Еденицы международной системы СИ", W::SI),
        show(1, "N72", "Соотношения едениц давления", W::Form26),
        show(1, "N23", "Cоотношения едениц длины", W::Form27),
        show(1, "N24", "Соотношения едениц массы", W::frmMassUnits, Modality::Modeless, {}, Main),
        show(1, "N25", "Соотношения едениц площади", W::frmAreaUnits, Modality::Modeless, {}, Main),
        separator(1),
        show(1, "N27", "Пластические массы (пластмассы)", W::Form31, modal),

        menu(0, "N1", "Расчёты", Both, "Расчеты"),
        menu(1, "N8", "Расчёты различных данных различного раскроя"),
        figure(2, "N52", "Общее меню", W::Form6, -1, -1),
        menu(2, "N39", "Треугольник"),
        figure(3, "N43", "Произвольный", W::Form6, 0, 0),
        figure(3, "N44", "Прямоугольный", W::Form6, 0, 1),
        menu(2, "N40", "Четырёхугольник", Both, "Четырехугольник"),
        figure(3, "N45", "Произвольный", W::Form6, 1, 0),
        figure(3, "N46", "Параллелограмм", W::Form6, 1, 1),
        figure(3, "N47", "Ромб", W::Form6, 1, 2),
        figure(2, "N41", "Трапеция", W::Form6, 2, -1),
        menu(2, "N42", "Сектор"),
        figure(3, "N48", "Сектор", W::Form6, 3, 0),
        figure(3, "N49", "Кольцо", W::Form6, 3, 1),
        figure(3, "N50", "Сегмент", W::Form6, 3, 2),
        figure(3, "N51", "Сектор кольцевой", W::Form6, 3, 3),
        menu(1, "N9", "Расчёты различных данных объёмных фигур"),
        figure(2, "N54", "Общее меню", W::frmVolume, 0, -1),
        figure(2, "N56", "Призма", W::frmVolume, 0, -1),
        menu(2, "N57", "Пирамида"),
        figure(3, "N62", "Правильная", W::frmVolume, 1, 0),
        figure(3, "N63", "Усеченная", W::frmVolume, 1, 1),
        menu(2, "N58", "Цилиндр"),
        figure(3, "N64", "Правильный", W::frmVolume, 2, 0),
        figure(3, "N65", "Усеченный", W::frmVolume, 2, 1),
        menu(2, "N59", "Конус"),
        figure(3, "N66", "Правильный", W::frmVolume, 3, 0),
        figure(3, "N67", "Усеченный", W::frmVolume, 3, 1),
        menu(2, "N60", "Шар"),
        figure(3, "N68", "Шар", W::frmVolume, 4, 0),
        figure(3, "N69", "Сектор", W::frmVolume, 4, 1),
        figure(3, "N70", "Сегмент", W::frmVolume, 4, 2),
        figure(3, "N71", "Пояс", W::frmVolume, 4, 3),
        figure(2, "N61", "Тор", W::frmVolume, 5, -1),
        show(1, "N7", "Расчёт номинального диаметра резьбы хвостовика крюка", W::Form5),
        item(1, "N32", "Расчеты валов", C::None),

        menu(0, "N11", "Характеристики"),
        item(1, "N16", "Двутавр", C::ModernisationNotice),
        item(1, "N17", "Швеллер", C::ModernisationNotice),
        item(1, "N18", "Рельс", C::ModernisationNotice),
        menu(1, "N19", "Уголок"),
        item(2, "N20", "Равнополочный", C::ModernisationNotice),
        item(2, "N21", "Неравнополочный", C::ModernisationNotice),
        menu(1, "N10", "Канаты стальные"),
        show(2, "N12", "Расчёты", W::Form8),
        show(2, "N13", "Сортамент", W::Form9),

        menu(0, "N29", "Дополнительные модули"),
        item(1, "N30", "Электротехника", C::ElectricalModule),
        show(1, "N31", "Сталь и её сплавы", W::Form11, modal),
        item(1, "N4", "Алюминий и Медь", C::NonferrousModule),
        item(1, "N26", "Rotavik - Электродвигатели", C::MotorsProgram),
        separator(1),
        item(1, "N34", "...", C::ModulesNote, Main),
        item(1, "N22", "Скачать модули с HomePage", C::DownloadPage, Main),

        menu(0, "N3", "Справка", Main),
        show(1, "N6", "Об авторе", W::AboutBox, modal),
        item(1, "N14", "История", C::History, Main),
        show(1, "N15", "Подписка на новости", W::frmSubscrible, modal, {}, Main),
        separator(1),
        item(1, "N33", "В разработку", C::Suggestion, Main),
        item(1, "N38", "Посетить Home Page", C::HomePage, Main),
    };
    for (MenuRow& r : rows) {
        const QByteArray name = r.name;
        if (name == "N23")
            r.trayCaption = "Cоотношения едениц длины, площади";
        else if (name == "N32") {
            r.trayCaption = "Расчет валов";
            r.enabled = false; // the tray's item stays enabled
        } else if (name == "N22")
            r.visible = false;
        else if (name == "miRUS")
            r.checkable = r.checked = true;
        else if (name == "miENG")
            r.checkable = true;
    }
    return rows;
}

// The tray menu's top items, in its order; nullptr is a separator.
const char* const TrayOrder[] = {"N6", "N28", "N1", "N11", "N29", nullptr, "N75"};

struct Placed {
    const MenuRow* row;
    int depth;
};

void place(const QList<Placed>& rows, QMenuBar* bar, QMenu* root, bool tray,
           const MenuHandler& handler, QHash<QString, QAction*>* items)
{
    QList<QMenu*> menus{root}; // menus[d]: the menu that takes the rows of depth d
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const MenuRow& r = *rows[i].row;
        const int depth = rows[i].depth;
        menus.resize(depth + 1);
        QMenu* parent = menus[depth];
        if (!r.name) {
            parent->addSeparator();
            continue;
        }
        const QString name =
            (tray ? QStringLiteral("tray") : QString()) + QString::fromLatin1(r.name);
        const QString caption =
            QString::fromUtf8(tray && r.trayCaption ? r.trayCaption : r.caption);
        if (i + 1 < rows.size() && rows[i + 1].depth > depth) {
            QMenu* m = depth == 0 && bar ? bar->addMenu(caption) : parent->addMenu(caption);
            m->setObjectName(name);
            m->menuAction()->setObjectName(name + QStringLiteral("_item"));
            menus.append(m);
            continue;
        }
        QAction* a = parent->addAction(caption);
        a->setObjectName(name);
        if (!tray) {
            a->setCheckable(r.checkable);
            a->setChecked(r.checked);
            a->setEnabled(r.enabled);
            a->setVisible(r.visible);
        }
        if (r.command != MenuCommand::None)
            QObject::connect(a, &QAction::triggered, a, [&r, handler] { handler(r); });
        if (items)
            items->insert(name, a);
    }
}

} // namespace

const std::vector<MenuRow>& menuRows()
{
    static const std::vector<MenuRow> rows = makeRows();
    return rows;
}

QHash<QString, QAction*> buildMainMenu(QMenuBar* bar, const MenuHandler& handler)
{
    QList<Placed> placed;
    for (const MenuRow& r : menuRows())
        if (r.places & Main)
            placed.append({&r, r.depth});
    QHash<QString, QAction*> items;
    place(placed, bar, nullptr, false, handler, &items);
    return items;
}

void buildTrayMenu(QMenu* tray, const MenuHandler& handler)
{
    static const MenuRow traySeparator = separator(0, Tray);
    const std::vector<MenuRow>& rows = menuRows();
    QList<Placed> placed;
    for (const char* top : TrayOrder) {
        if (!top) {
            placed.append({&traySeparator, 0});
            continue;
        }
        auto it = std::find_if(rows.begin(), rows.end(), [top](const MenuRow& r) {
            return r.name && qstrcmp(r.name, top) == 0;
        });
        const int base = it->depth;
        placed.append({&*it, 0});
        for (++it; it != rows.end() && it->depth > base; ++it)
            if (it->places & Tray)
                placed.append({&*it, it->depth - base});
    }
    place(placed, nullptr, tray, true, handler, nullptr);
}

} // namespace tolvex
