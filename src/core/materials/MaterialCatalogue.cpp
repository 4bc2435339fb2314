#include "core/materials/MaterialCatalogue.h"

#include "core/common/NumberText.h"

namespace tolvex::materials
{

const std::vector<Material>& materials()
{
    static const std::vector<Material> table = {
        {QStringLiteral("Алюминиевые сплавы (из списка)"), 2.75, 0},
        {QStringLiteral("Алюминий - 2,6889 "), 2.6889, -1},
        {QStringLiteral("Асбест  - 2,5"), 2.5, -1},
        {QStringLiteral("Бабиты (из списка)"), 7.35, 15},
        {QStringLiteral("Бронза - 8,6"), 8.6, -1},
        {QStringLiteral("Бронзовые сплавы (из списка)"), 7.6, 21},
        {QStringLiteral("Бумага асбестовая изоляционная - 0,8 (0,7 - 0,9)"), 0.8, -1},
        {QStringLiteral("Войлок для фильтров - 0,22 (0,20 - 2,24)"), 0.22, -1},
        {QStringLiteral("Войлок технический - 0,37"), 0.37, -1},
        {QStringLiteral("Графит - 2,31 (2,10 - 2,52)"), 2.31, -1},
        {QStringLiteral("Дерево береза (15 % влажности) - 0,65"), 0.65, -1},
        {QStringLiteral("Дерево бук (15 % влажности) - 0,65"), 0.65, -1},
        {QStringLiteral("Дерево дуб (15 % влажности) - 0,72"), 0.72, -1},
        {QStringLiteral("Дерево ель (15 % влажности) - 0,46"), 0.46, -1},
        {QStringLiteral("Дерево липа (15 % влажности) - 0,51"), 0.51, -1},
        {QStringLiteral("Дерево сосна (15 % влажности) - 0,51"), 0.51, -1},
        {QStringLiteral("Дюралюминий - 2,75"), 2.75, -1},
        {QStringLiteral("Золото - 19,32"), 19.32, -1},
        {QStringLiteral("Картон прокладочный - 0,725 (0,70 - 0,75)"), 0.725, -1},
        {QStringLiteral("Картон электроизоляционный - 1,05 (0,95 - 1,15)"), 1.05, -1},
        {QStringLiteral("Латуни (из списка)"), 8.3, 56},
        {QStringLiteral("Латунь - 8,5"), 8.5, -1},
        {QStringLiteral("Линолеум - 1,225 (1,15 - 1,30)"), 1.225, -1},
        {QStringLiteral("Магниевые сплавы (из списка)"), 1.8, 91},
        {QStringLiteral("Медно-никелевые сплавы (из списка)"), 8.9, 106},
        {QStringLiteral("Медь - 8,96"), 8.96, -1},
        {QStringLiteral("Мел - 2,20 (1,8 - 2,6)"), 2.2, -1},
        {QStringLiteral("Мрамор - 2,775 (2,65 - 2,90)"), 2.775, -1},
        {QStringLiteral("Нержавейка - 8,00"), 8, -1},
        {QStringLiteral("Никелевые сплавы (из списка)"), 8.9, 116},
        {QStringLiteral("Никель - 8,9"), 8.9, -1},
        {QStringLiteral("Олово - 7,3"), 7.3, -1},
        {QStringLiteral("Парафин - 0,9"), 0.9, -1},
        {QStringLiteral("Пластмасса конструкционная - 1,40"), 1.4, -1},
        // Platinum: its own bracket gives 21,2 - 21,5; the density is the middle of it.
        {QStringLiteral("Платина - 21,35 (21,2 - 21,5)"), 21.35, -1},
        {QStringLiteral("Резина - 1,50"), 1.5, -1},
        {QStringLiteral("Свинец - 11,37"), 11.37, -1},
        {QStringLiteral("Серебро - 10,5"), 10.5, -1},
        {QStringLiteral("Сталь конструкционная - 7,85"), 7.85, -1},
        {QStringLiteral("Стальное литье - 7,80"), 7.8, -1},
        {QStringLiteral("Стекло оконное - 2,5 (2,4 - 2,6)"), 2.5, -1},
        {QStringLiteral("Титан - 4,505"), 4.505, -1},
        {QStringLiteral("Фанера - 0,725 (0,6 - 0,85)"), 0.725, -1},
        {QStringLiteral("Фарфор - 2,4 (2,3 - 2,5)"), 2.4, -1},
        {QStringLiteral("Хром - 7,14"), 7.14, -1},
        {QStringLiteral("Цинк - 7,13"), 7.13, -1},
        {QStringLiteral("Цинковые сплавы (из списка)"), 6.2, 122},
        {QStringLiteral("Чугун антифрикционный - 7,5 (7,4 - 7,6)"), 7.5, -1},
        {QStringLiteral("Чугун высокопрочный - 7,3 (7,2 - 7,4)"), 7.3, -1},
        {QStringLiteral("Чугун ковкий - 7,3 (7,2 - 7,4)"), 7.3, -1},
        {QStringLiteral("Чугун серый - 7,1 (7,0 - 7,2)"), 7.1, -1},
        {QStringLiteral("Эбонит - 1,25"), 1.25, -1},
    };
    return table;
}

namespace
{

struct AlloyRow {
    const char16_t* beginning;
    std::vector<const char16_t*> endings;
};

// Each alloy's density is the number after the last " - " of its text.
double densityOfAlloyText(const QString& text)
{
    const qsizetype dash = text.lastIndexOf(QStringLiteral(" - "));
    return double(parseNumber(text.mid(dash + 3), QChar(',')).value_or(0));
}

} // namespace

const std::vector<Alloy>& alloys()
{
    static const std::vector<Alloy> table = [] {
        const std::vector<AlloyRow> rows = {
            {u"Аллюминиевый сплав литейный по ГОСТ 2685-75 ",
             {u"АЛ1 - 2,75", u"АЛ2 - 2,65", u"АЛ3 - 2,70", u"АЛ4 - 2,65", u"АЛ5 - 2,68",
              u"АЛ7 - 2,80", u"АЛ8 - 2,55", u"АЛ9 - 2,66", u"АЛ11 - 2,94", u" АЛ13 - 2,60",
              u"АЛ19 - 2,78", u"АЛ21 - 2,83", u"АЛ22 - 2,50", u"АЛ24 - 2,74", u"АЛ25 - 2,72"}},
            {u"Баббиты оловянные и свинцовые по ГОСТ 1320-74 ",
             {u"Б88 - 7,35 ", u"Б83 - 7,38", u"Б83С - 7,40", u"БН - 9,50", u"Б16 - 9,29",
              u"БС6 - 10,05"}},
            {u"Бронза безоловянная, литейная ",
             {u"Бр. АМц 9-2Л - 7,6", u"Бр. АЖ 9-4Л - 7,6", u"Бр. АМЖ 10-4-4Л - 7,6",
              u"Бр. С30 - 9,4"}},
            {u"Бронза безоловянная, обрабатываемая давлением по ГОСТ 18175-78 ",
             {u"БрА5 - 8,2", u"БрА7 - 7,8", u"Бр АМц 9-2 - 7,6", u"Бр АЖ 9-4 - 7,6",
              u"Бр АЖМц10-3-1,5 - 7,6", u"Бр АЖН 10-4-4 - 7,5", u"БрБ2 - 8,2", u"БрБНТ1,7 - 8,2",
              u"БрБНТ 1,9 - 8,2", u"БрКМц 3-1 - 8,4", u"БрКН 1-3 - 8,6", u"БрМц5 - 8,6"}},
            {u"Бронза оловянная деформируемая ",
             {u"БрОФ8-0,3 - 8,6", u"БрО7Ф-0,2 - 8,6", u"БрОФ6,5-0,4 - 8,7", u"БрОФ6,5-0,15 - 8,8",
              u"БрОФ4-0,25 - 8,9", u"БрОЦ4-3 - 8,8", u"БрОЦ4-4-2,5 - 8,9", u"БрОЦС4-4-4 - 9,1"}},
            {u"Бронза оловянная ", {u"БрОФ10-0,5 - 8,76", u"БрОФ10-1 - 8,76", u"БрОС8-14 - 9,10"}},
            {u"Бронза оловянная литейная ",
             {u"Бр. ОЦСН3-7-5-1 - 8,84", u"Бр. ОЦС3-12-5 - 8,69", u"Бр. ОЦС5-5-5 - 8,84",
              u"Бр. ОЦС4-4-17 - 9,0", u"Бр. ОЦС3,5-7-5 - 8,70"}},
            {u"Бронза бериллиевая ", {u"Бр. Б2 - 8,2", u"Бр. БНТ 1,9 - 8,2", u"Бр. БНТ 1,7 - 8,2"}},
            {u"Латунь литейная по ГОСТ 17711-72 ",
             {u"ЛК80-3Л - 8,3", u"ЛКС80-3-3 - 8,6", u"ЛАЖМц-66-6-3-2 - 8,5", u"ЛА67-2,5 - 8,5",
              u"ЛАЖ60-1-1л - 8,5", u"ЛМцС58-2-2 - 8,5", u"ЛМцНЖА60-2-1-1-1 - 8,4",
              u"ЛС59-1ЛД - 8,5", u"ЛС59-1Л - 8,5", u"ЛМцОС58-2-2-2 - 8,5", u"ЛМцЖ55-3-1 - 8,5",
              u"ЛВОС - 8,5"}},
            {u"Латунь обрабатываемая давлением ",
             {u"Л96 - 8,85", u"Л90 - 8,78", u"Л85 - 8,75", u"Л80 - 8,66", u"Л70 - 8,61",
              u"Л68 - 8,60", u"Л63 - 8,44", u"Л60 - 8,40", u"ЛА77-2 - 8,60", u"ЛАЖ60-1-1 - 8,20",
              u"ЛАН59-3-2 - 8,40", u"ЛЖМц59-1-1 - 8,50", u"ЛН65-5 - 8,60", u"ЛМц58-2 - 8,40",
              u"ЛМцА57-3-1 - 8,10"}},
            {u"Латунь прессованная и тянутая по ГОСТ 2060-73 ",
             {u"Л60 - 8,40", u"Л63 - 8,40", u"ЛЖС58-1-1 - 8,45", u"ЛС63-3 - 8,50",
              u"ЛМц58-2 - 8,50", u"ЛС59-1 - 8,45", u"ЛЖМц59-1-1 - 8,50", u"ЛАЖ60-1-1 - 8,20"}},
            {u"Магниевые сплавы литейные ",
             {u"Мл2 - 1,80", u"Мл3 - 1,78", u"Мл4 - 1,83", u"Мл5 - 1,81", u"Мл6 - 1,81",
              u"Мл9 - 1,76", u"Мл10 - 1,78", u"Мл11 - 1,80", u"Мл12 - 1,81"}},
            {u"Магниевые сплавы деформируемые ",
             {u"МА1 - 1,76", u"МА2 - 1,78", u"МА2-1 - 1,79", u"МА5 - 1,82", u"МА8 - 1,78",
              u"МА14 - 1,80"}},
            {u"Медно-никелевые сплавы ",
             {u"Копель МНМц43-0,5 - 8,90", u"Константан МНМц40-1,5 - 8,90",
              u"Мельхиор МнЖМц30-1-1 - 8,90", u"Сплав МНЖ5-1 - 8,70", u"Мельхиор МН19 - 8,90",
              u"Сплав ТБ МН16 - 9,02", u"Нейзильбер МНЦ15-20 - 8,70", u"Куниаль А МНА13-3 - 8,50",
              u"Куниаль Б МНА6-1,5 - 8,70", u"Манганин МНМц3-12 - 8,40"}},
            {u"Никелевые сплавы ",
             {u"НК0,2 - 8,9", u"НМц2,5 - 8,9", u"НМц5 - 8,8", u"Алюмель НМц АК2-2-1 - 8,5",
              u"Хромель Т НХ 9,5 - 8,7", u"НМЖМц28-2,5-1,5 - 8,8"}},
            {u"Цинковые сплавы антифрикционные ",
             {u"ЦАМ 9-1,5Л - 6,2", u"ЦАМ 9-1,5 - 6,2", u"ЦАМ 10-5Л - 6,3", u"ЦАМ 10-5 - 6,3"}},
        };
        std::vector<Alloy> out;
        for (const AlloyRow& row : rows)
            for (const char16_t* ending : row.endings) {
                const QString text = QString::fromUtf16(row.beginning) + QString::fromUtf16(ending);
                out.push_back({text, densityOfAlloyText(text)});
            }
        return out;
    }();
    return table;
}

int materialIndexOf(const QString& text)
{
    const auto& table = materials();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].text == text)
            return int(i);
    return -1;
}

int savedMaterialIndex(const QString& saved, const QList<QStringList>& lists)
{
    const QString text = saved.trimmed();
    if (text.isEmpty())
        return -1;
    const auto& table = materials();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].text.trimmed() == text)
            return int(i);
    for (const QStringList& list : lists)
        for (qsizetype i = 0; i < list.size() && i < qsizetype(table.size()); ++i)
            if (list[i].trimmed() == text)
                return int(i);
    return -1;
}

} // namespace tolvex::materials
