#include "core/app/LanguageKeys.h"

namespace tolvex::language
{

namespace
{

struct Row {
    const char16_t* key;
    const char16_t* window;
    const char16_t* control;
    TextKind kind;
    int item;
    const char16_t* builtIn;
};

QString kindName(TextKind kind, int item)
{
    switch (kind) {
    case TextKind::Caption:
        return QStringLiteral("caption");
    case TextKind::Hint:
        return QStringLiteral("hint");
    case TextKind::Item:
        return QStringLiteral("item%1").arg(item);
    case TextKind::Title:
        return QStringLiteral("title");
    }
    return {};
}

} // namespace

QString Target::id() const
{
    return control.isEmpty() ? window + QChar('.') + kindName(kind, item)
                             : window + QChar('.') + control + QChar('.') + kindName(kind, item);
}

QString Target::overrideKey() const
{
    return key + QChar('@') + id();
}

QStringList targetWindows()
{
    return {QStringLiteral("frmGeneral"),   QStringLiteral("Form26"),
            QStringLiteral("Form6"),        QStringLiteral("frmVolume"),
            QStringLiteral("Form5"),        QStringLiteral("AboutBox"),
            QStringLiteral("frmMassUnits"), QStringLiteral("frmAreaUnits")};
}

const std::vector<Target>& formTargets()
{
    using K = TextKind;
    static const Row rows[] = {
        // frmGeneral: main window, 191 targets
        {u"LNG_8", u"frmGeneral", u"N4", K::Caption, -1, u"Алюминий и Медь"},
        {u"LNG_9", u"frmGeneral", u"gbAtrmatura", K::Caption, -1, u"Арматура"},
        {u"LNG_11", u"frmGeneral", u"RzLabel68", K::Caption, -1, u"Большая сторона трубы, мм"},
        {u"LNG_12", u"frmGeneral", u"N33", K::Caption, -1, u"В разработку"},
        {u"LNG_13", u"frmGeneral", u"N28", K::Caption, -1, u"Информация"},
        {u"LNG_15", u"frmGeneral", u"RzLabel25", K::Caption, -1, u"Вес указывается болта с гайкой"},
        {u"LNG_17", u"frmGeneral", u"RzComboBox1", K::Hint, -1,
         u"Вы можете указать свое значение плотности материала"},
        {u"LNG_18", u"frmGeneral", u"RzLabel1", K::Caption, -1, u"Выберите материал"},
        {u"LNG_18", u"frmGeneral", u"RzLabel37", K::Caption, -1, u"Выберите материал."},
        {u"LNG_18", u"frmGeneral", u"RzLabel44", K::Caption, -1, u"Выберите материал."},
        {u"LNG_18", u"frmGeneral", u"RzLabel52", K::Caption, -1, u"Выберите материал."},
        {u"LNG_19", u"frmGeneral", u"ComboBox15", K::Hint, -1,
         u"Выберите необходимую вам длину болта"},
        {u"LNG_20", u"frmGeneral", u"ComboBox13", K::Hint, -1,
         u"Выберите необходимую толщину стенки"},
        {u"LNG_21", u"frmGeneral", u"ComboBox14", K::Hint, -1,
         u"Выберите необходимый вам диаметр болта"},
        {u"LNG_22", u"frmGeneral", u"ComboBox17", K::Hint, -1, u"Выберите необходимый вам профиль"},
        {u"LNG_22", u"frmGeneral", u"RadioGroup3", K::Hint, -1,
         u"Выберите необходимый вам профиль"},
        {u"LNG_23", u"frmGeneral", u"ComboBox16", K::Hint, -1,
         u"Выберите необходимый вам тип рельса"},
        {u"LNG_24", u"frmGeneral", u"ComboBox10", K::Hint, -1, u"Выберите номер профиля балки"},
        {u"LNG_25", u"frmGeneral", u"ComboBox12", K::Hint, -1,
         u"Выберите нужный вам типоразмер уголка"},
        {u"LNG_26", u"frmGeneral", u"RadioGroup4", K::Hint, -1, u"Выберите тип уголка"},
        {u"LNG_38", u"frmGeneral", u"RzBitBtn13", K::Hint, -1, u"Выход"},
        {u"LNG_38", u"frmGeneral", u"N75", K::Caption, -1, u"Выход"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn14", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn35", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn33", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn31", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn29", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn27", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn24", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn22", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn20", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn18", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_39", u"frmGeneral", u"RzBitBtn16", K::Hint, -1,
         u"Вычисление количества по общему весу"},
        {u"LNG_40", u"frmGeneral", u"RzBitBtn26", K::Hint, -1, u"Вычисление общего веса"},
        {u"LNG_42", u"frmGeneral", u"gbDvutavr", K::Caption, -1, u"Двутавр"},
        {u"LNG_42", u"frmGeneral", u"N16", K::Caption, -1, u"Двутавр"},
        {u"LNG_44", u"frmGeneral", u"RzLabel26", K::Caption, -1, u"Диаметр болта:"},
        {u"LNG_46", u"frmGeneral", u"RzLabel21", K::Caption, -1, u"Диаметр вписаного круга: "},
        {u"LNG_49", u"frmGeneral", u"RzLabel53", K::Caption, -1, u"Диаметр проката:"},
        {u"LNG_50", u"frmGeneral", u"RzLabel2", K::Caption, -1, u"Диаметр стержня"},
        {u"LNG_53", u"frmGeneral", u"RzLabel27", K::Caption, -1, u"Длина болта:"},
        {u"LNG_54", u"frmGeneral", u"RzLabel58", K::Caption, -1, u"Длина двутавра, м"},
        {u"LNG_55", u"frmGeneral", u"RzLabel49", K::Caption, -1, u"Длина или толщина,"},
        {u"LNG_57", u"frmGeneral", u"RzLabel54", K::Caption, -1, u"Длина проката, м"},
        {u"LNG_58", u"frmGeneral", u"RzLabel11", K::Caption, -1, u"Длина рельса, м"},
        {u"LNG_59", u"frmGeneral", u"RzLabel40", K::Caption, -1, u"Длина трубы, м"},
        {u"LNG_60", u"frmGeneral", u"RzLabel35", K::Caption, -1, u"Длина уголка, м"},
        {u"LNG_61", u"frmGeneral", u"RzLabel8", K::Caption, -1, u"Длина швеллера, м"},
        {u"LNG_62", u"frmGeneral", u"RzLabel22", K::Caption, -1, u"Длина шестиграника, м"},
        {u"LNG_64", u"frmGeneral", u"N29", K::Caption, -1, u"Дополнительные модули"},
        {u"LNG_65", u"frmGeneral", u"N37", K::Caption, -1, u"Еденицы международной системы СИ"},
        {u"LNG_66", u"frmGeneral", u"N22", K::Caption, -1, u"Скачать модули с HomePage"},
        {u"LNG_71", u"frmGeneral", u"N14", K::Caption, -1, u"История"},
        {u"LNG_73", u"frmGeneral", u"N10", K::Caption, -1, u"Канаты стальные"},
        {u"LNG_74)", u"frmGeneral", u"RadioGroup3", K::Item, 0, u"Квадрат"},
        {u"LNG_75", u"frmGeneral", u"RzLabel60", K::Caption, -1, u"Квадратная труба"},
        {u"LNG_76", u"frmGeneral", u"RzLabel71", K::Caption, -1, u"Количество, м"},
        {u"LNG_76", u"frmGeneral", u"RzLabel64", K::Caption, -1, u"Количество, м"},
        {u"LNG_76", u"frmGeneral", u"RzLabel3", K::Caption, -1, u"Количество, м"},
        {u"LNG_77", u"frmGeneral", u"N49", K::Caption, -1, u"Кольцо"},
        {u"LNG_78", u"frmGeneral", u"N59", K::Caption, -1, u"Конус"},
        {u"LNG_80", u"frmGeneral", u"gbProkat", K::Caption, -1, u"Прокат круглый"},
        {u"LNG_82", u"frmGeneral", u"gbList", K::Caption, -1, u"Квадрат и лист"},
        {u"LNG_82)", u"frmGeneral", u"RadioGroup3", K::Item, 1, u"Лист"},
        {u"LNG_83", u"frmGeneral", u"gbListRiflen", K::Caption, -1, u"Лист рифленный"},
        {u"LNG_85", u"frmGeneral", u"RzLabel69", K::Caption, -1, u"Меньшая сторона трубы, мм"},
        {u"LNG_86", u"frmGeneral", u"N73", K::Caption, -1, u"Меню"},
        {u"LNG_87", u"frmGeneral", u"gbMetizi", K::Caption, -1, u"Метизы"},
        {u"LNG_88", u"frmGeneral", u"RzLabel23", K::Caption, -1, u"Метров в 1 тонне, м"},
        {u"LNG_89", u"frmGeneral", u"RzLabel5", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel18", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel28", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel17", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel42", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel43", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel47", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel48", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel50", K::Caption, -1, u"мм."},
        {u"LNG_89", u"frmGeneral", u"RzLabel56", K::Caption, -1, u"мм."},
        {u"LNG_91", u"frmGeneral", u"RzLabel62", K::Caption, -1, u"Наружний размер, мм"},
        {u"LNG_92", u"frmGeneral", u"RadioGroup4", K::Item, 1, u"Неравнополочный"},
        {u"LNG_92", u"frmGeneral", u"N21", K::Caption, -1, u"Неравнополочный"},
        {u"LNG_93", u"frmGeneral", u"RzLabel7", K::Caption, -1, u"Номер профиля:"},
        {u"LNG_93", u"frmGeneral", u"RzLabel57", K::Caption, -1, u"Номер профиля:"},
        {u"LNG_94", u"frmGeneral", u"N6", K::Caption, -1, u"Об авторе"},
        {u"LNG_95", u"frmGeneral", u"RzLabel13", K::Caption, -1,
         u"Обозначение профилированного листа"},
        {u"LNG_96", u"frmGeneral", u"N52", K::Caption, -1, u"Общее меню"},
        {u"LNG_96", u"frmGeneral", u"N54", K::Caption, -1, u"Общее меню"},
        {u"LNG_97", u"frmGeneral", u"RzLabel31", K::Caption, -1, u"Общий вес:"},
        {u"LNG_98", u"frmGeneral", u"RzLabel72", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel65", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel4", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel9", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel12", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel15", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel20", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel24", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel36", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel41", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel51", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel55", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_98", u"frmGeneral", u"RzLabel59", K::Caption, -1, u"Общий вес, кг"},
        {u"LNG_104", u"frmGeneral", u"RzBitBtn37", K::Hint, -1,
         u"Очистить поля от данных в активном окне"},
        {u"LNG_105", u"frmGeneral", u"N46", K::Caption, -1, u"Параллелограмм"},
        {u"LNG_111", u"frmGeneral", u"N57", K::Caption, -1, u"Пирамида"},
        {u"LNG_133", u"frmGeneral", u"N15", K::Caption, -1, u"Подписка на новости"},
        {u"LNG_135", u"frmGeneral", u"N38", K::Caption, -1, u"Посетить Home Page"},
        {u"LNG_136", u"frmGeneral", u"N71", K::Caption, -1, u"Пояс"},
        {u"LNG_137", u"frmGeneral", u"N62", K::Caption, -1, u"Правильная"},
        {u"LNG_138", u"frmGeneral", u"N64", K::Caption, -1, u"Правильный"},
        {u"LNG_138", u"frmGeneral", u"N66", K::Caption, -1, u"Правильный"},
        {u"LNG_140", u"frmGeneral", u"RzLabel66", K::Hint, -1,
         u"При вычислениях взята плотность стали - 7,85"},
        {u"LNG_140", u"frmGeneral", u"RzLabel60", K::Hint, -1,
         u"При вычислениях взята плотность стали - 7,85"},
        {u"LNG_141", u"frmGeneral", u"N56", K::Caption, -1, u"Призма"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn15", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn36", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn34", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn32", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn30", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn28", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn25", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn23", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn21", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn19", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_142", u"frmGeneral", u"RzBitBtn17", K::Hint, -1, u"Произвести расчет общего веса"},
        {u"LNG_143", u"frmGeneral", u"N43", K::Caption, -1, u"Произвольный"},
        {u"LNG_143", u"frmGeneral", u"N45", K::Caption, -1, u"Произвольный"},
        {u"LNG_144", u"frmGeneral", u"RadioGroup3", K::Caption, -1, u"Профиль"},
        {u"LNG_145", u"frmGeneral", u"gbProfnastil", K::Caption, -1, u"Профнастил"},
        {u"LNG_146", u"frmGeneral", u"RzLabel66", K::Caption, -1, u"Прямоугольная труба"},
        {u"LNG_147", u"frmGeneral", u"N44", K::Caption, -1, u"Прямоугольный"},
        {u"LNG_148", u"frmGeneral", u"RadioGroup4", K::Item, 0, u"Равнополочный"},
        {u"LNG_148", u"frmGeneral", u"N20", K::Caption, -1, u"Равнополочный"},
        {u"LNG_152", u"frmGeneral", u"N7", K::Caption, -1,
         u"Расчёт номинального диаметра резьбы хвостовика крюка"},
        {u"LNG_167", u"frmGeneral", u"N1", K::Caption, -1, u"Расчёты"},
        {u"LNG_167", u"frmGeneral", u"N12", K::Caption, -1, u"Расчёты"},
        {u"LNG_168", u"frmGeneral", u"N9", K::Caption, -1,
         u"Расчёты различных данных объёмных фигур"},
        {u"LNG_169", u"frmGeneral", u"N8", K::Caption, -1,
         u"Расчёты различных данных различного раскроя"},
        {u"LNG_171", u"frmGeneral", u"gbRels", K::Caption, -1, u"Рельс"},
        {u"LNG_171", u"frmGeneral", u"N18", K::Caption, -1, u"Рельс"},
        {u"LNG_172", u"frmGeneral", u"N47", K::Caption, -1, u"Ромб"},
        {u"LNG_173", u"frmGeneral", u"N50", K::Caption, -1, u"Сегмент"},
        {u"LNG_173", u"frmGeneral", u"N70", K::Caption, -1, u"Сегмент"},
        {u"LNG_174", u"frmGeneral", u"N42", K::Caption, -1, u"Сектор"},
        {u"LNG_174", u"frmGeneral", u"N48", K::Caption, -1, u"Сектор"},
        {u"LNG_174", u"frmGeneral", u"N69", K::Caption, -1, u"Сектор"},
        {u"LNG_175", u"frmGeneral", u"N51", K::Caption, -1, u"Сектор кольцевой"},
        {u"LNG_176", u"frmGeneral", u"N72", K::Caption, -1, u"Соотношения едениц давления"},
        {u"LNG_177", u"frmGeneral", u"N13", K::Caption, -1, u"Сортамент"},
        {u"LNG_179", u"frmGeneral", u"N3", K::Caption, -1, u"Справка"},
        {u"LNG_180", u"frmGeneral", u"", K::Title, -1, u"Tolvex версия 6.5"},
        {u"LNG_182", u"frmGeneral", u"N31", K::Caption, -1, u"Сталь и её сплавы"},
        {u"LNG_183", u"frmGeneral", u"RzLabel45", K::Caption, -1, u"Сторона а:"},
        {u"LNG_184", u"frmGeneral", u"RzLabel46", K::Caption, -1, u"Сторона b:"},
        {u"LNG_186", u"frmGeneral", u"RzLabel10", K::Caption, -1, u"Тип рельса:"},
        {u"LNG_187", u"frmGeneral", u"RadioGroup4", K::Caption, -1, u"Тип уголка"},
        {u"LNG_187", u"frmGeneral", u"RzLabel33", K::Caption, -1, u"Тип уголка:"},
        {u"LNG_189", u"frmGeneral", u"RzLabel16", K::Caption, -1, u"Толщина основания листа S:"},
        {u"LNG_190", u"frmGeneral", u"RzLabel70", K::Caption, -1, u"Толщина стенки трубы, мм"},
        {u"LNG_191", u"frmGeneral", u"RzLabel63", K::Caption, -1, u"Толщина стенки, мм"},
        {u"LNG_192", u"frmGeneral", u"RzLabel34", K::Caption, -1, u"Толщина стенки:"},
        {u"LNG_192", u"frmGeneral", u"RzLabel39", K::Caption, -1, u"Толщина стенки:"},
        {u"LNG_194", u"frmGeneral", u"N61", K::Caption, -1, u"Тор"},
        {u"LNG_195", u"frmGeneral", u"N41", K::Caption, -1, u"Трапеция"},
        {u"LNG_196", u"frmGeneral", u"N39", K::Caption, -1, u"Треугольник"},
        {u"LNG_197", u"frmGeneral", u"gbTruba", K::Caption, -1, u"Труба"},
        {u"LNG_198", u"frmGeneral", u"gbTrubaKvadrat", K::Caption, -1, u"Труба квадратная"},
        {u"LNG_199", u"frmGeneral", u"gbTrubaPryamugol", K::Caption, -1, u"Труба прямоугольная"},
        {u"LNG_203", u"frmGeneral", u"gbUgolok", K::Caption, -1, u"Уголок"},
        {u"LNG_203", u"frmGeneral", u"N19", K::Caption, -1, u"Уголок"},
        {u"LNG_204", u"frmGeneral", u"N63", K::Caption, -1, u"Усеченная"},
        {u"LNG_205", u"frmGeneral", u"N65", K::Caption, -1, u"Усеченный"},
        {u"LNG_205", u"frmGeneral", u"N67", K::Caption, -1, u"Усеченный"},
        {u"LNG_206", u"frmGeneral", u"N11", K::Caption, -1, u"Характеристики"},
        {u"LNG_207", u"frmGeneral", u"N58", K::Caption, -1, u"Цилиндр"},
        {u"LNG_208", u"frmGeneral", u"N40", K::Caption, -1, u"Четырёхугольник"},
        {u"LNG_210", u"frmGeneral", u"N60", K::Caption, -1, u"Шар"},
        {u"LNG_210", u"frmGeneral", u"N68", K::Caption, -1, u"Шар"},
        {u"LNG_211", u"frmGeneral", u"gbShveler", K::Caption, -1, u"Швеллер"},
        {u"LNG_211", u"frmGeneral", u"N17", K::Caption, -1, u"Швеллер"},
        {u"LNG_212", u"frmGeneral", u"gbShestigran", K::Caption, -1, u"Шестигранник"},
        {u"LNG_215", u"frmGeneral", u"RzLabel30", K::Caption, -1, u"шт."},
        {u"LNG_217", u"frmGeneral", u"N30", K::Caption, -1, u"Электротехника"},
        {u"LNG_218", u"frmGeneral", u"RzBitBtn2", K::Caption, -1, u"Эскиз"},
        {u"LNG_218", u"frmGeneral", u"RzBitBtn4", K::Caption, -1, u"Эскиз"},
        {u"LNG_218", u"frmGeneral", u"RzBitBtn6", K::Caption, -1, u"Эскиз"},
        {u"LNG_219", u"frmGeneral", u"N76", K::Caption, -1, u"Язык"},
        {u"LNG_220", u"frmGeneral", u"RzLabel29", K::Caption, -1, u"Количество:"},
        {u"LNG_221", u"frmGeneral", u"N26", K::Caption, -1, u"Rotavik - Электродвигатели"},
        {u"LNG_427", u"frmGeneral", u"RzLabel14", K::Caption, -1, u"Количество кв.м."},
        {u"LNG_427", u"frmGeneral", u"RzLabel19", K::Caption, -1, u"Количество кв.м."},
        // Form26: pressure units, 14 targets
        {u"LNG_153", u"Form26", u"RzBitBtn1", K::Hint, -1, u"Расчет по bar"},
        {u"LNG_154", u"Form26", u"RzBitBtn12", K::Hint, -1, u"Расчет по psi"},
        {u"LNG_155", u"Form26", u"RzBitBtn6", K::Hint, -1, u"Расчет по кгс/мм2"},
        {u"LNG_156", u"Form26", u"RzBitBtn7", K::Hint, -1, u"Расчет по кгс/см2"},
        {u"LNG_157", u"Form26", u"RzBitBtn4", K::Hint, -1, u"Расчет по кПа"},
        {u"LNG_158", u"Form26", u"RzBitBtn10", K::Hint, -1, u"Расчет по м вод.ст."},
        {u"LNG_159", u"Form26", u"RzBitBtn2", K::Hint, -1, u"Расчет по mbar"},
        {u"LNG_160", u"Form26", u"RzBitBtn11", K::Hint, -1, u"Расчет по мм вод.ст."},
        {u"LNG_161", u"Form26", u"RzBitBtn9", K::Hint, -1, u"Расчет по мм рт.ст."},
        {u"LNG_162", u"Form26", u"RzBitBtn5", K::Hint, -1, u"Расчет по МПа"},
        {u"LNG_163", u"Form26", u"RzBitBtn3", K::Hint, -1, u"Расчет по Па"},
        {u"LNG_164", u"Form26", u"RzBitBtn8", K::Hint, -1, u"Расчет по физ.атм."},
        {u"LNG_172", u"Form26", u"RzRadioGroup2", K::Caption, -1, u"Калькулятор"},
        {u"LNG_178", u"Form26", u"RzRadioGroup1", K::Caption, -1, u"Соотношения величин"},
        // Form6: flat blanks, 127 targets
        {u"LNG_3", u"Form6", u"RzLabel2", K::Caption, -1, u"* Размеры указывать в миллиметрах"},
        {u"LNG_5", u"Form6", u"RzLabel3", K::Caption, -1,
         u"** Для подсчёта веса указывать материал"},
        {u"LNG_26", u"Form6", u"Label101", K::Caption, -1, u"Диаметр, d:"},
        {u"LNG_27", u"Form6", u"RzRadioGroup1", K::Caption, -1, u"Выбор параметров"},
        {u"LNG_27", u"Form6", u"RzRadioGroup2", K::Caption, -1, u"Выбор параметров"},
        {u"LNG_27", u"Form6", u"RzRadioGroup3", K::Caption, -1, u"Выбор параметров"},
        {u"LNG_27", u"Form6", u"RzRadioGroup4", K::Caption, -1, u"Выбор параметров"},
        {u"LNG_27", u"Form6", u"RzRadioGroup5", K::Caption, -1, u"Выбор параметров"},
        {u"LNG_27", u"Form6", u"RzRadioGroup6", K::Caption, -1, u"Выбор параметров"},
        {u"LNG_36", u"Form6", u"Label2", K::Caption, -1, u"Высота, h:"},
        {u"LNG_36", u"Form6", u"Label25", K::Caption, -1, u"Высота, h:"},
        {u"LNG_36", u"Form6", u"Label36", K::Caption, -1, u"Высота, h:"},
        {u"LNG_36", u"Form6", u"Label52", K::Caption, -1, u"Высота, h:"},
        {u"LNG_36", u"Form6", u"Label74", K::Caption, -1, u"Высота, h:"},
        {u"LNG_36", u"Form6", u"Label69", K::Caption, -1, u"Высота, h:"},
        {u"LNG_38", u"Form6", u"RzBitBtn3", K::Caption, -1, u"Выход"},
        {u"LNG_41", u"Form6", u"RzBitBtn1", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn4", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn6", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn8", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn10", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn12", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn14", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn16", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn18", K::Caption, -1, u"Вычислить"},
        {u"LNG_41", u"Form6", u"RzBitBtn20", K::Caption, -1, u"Вычислить"},
        {u"LNG_43", u"Form6", u"Label29", K::Caption, -1, u"Диагональ, d1:"},
        {u"LNG_43", u"Form6", u"Label46", K::Caption, -1, u"Диагональ, d1:"},
        {u"LNG_43", u"Form6", u"Label62", K::Caption, -1, u"Диагональ, d1:"},
        {u"LNG_52", u"Form6", u"Label106", K::Caption, -1, u"Диаметр, D:"},
        {u"LNG_52", u"Form6", u"Label102", K::Caption, -1, u"Диаметр, D:"},
        {u"LNG_77", u"Form6", u"TabSheet3", K::Caption, -1, u"Кольцо"},
        {u"LNG_84", u"Form6", u"RzLabel1", K::Caption, -1, u"Материал"},
        {u"LNG_101", u"Form6", u"Label3", K::Caption, -1, u"Основание, a:"},
        {u"LNG_101", u"Form6", u"Label67", K::Caption, -1, u"Основание, а:"},
        {u"LNG_103", u"Form6", u"RzBitBtn2", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn5", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn7", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn9", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn11", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn13", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn15", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn17", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn19", K::Caption, -1, u"Очистить всё"},
        {u"LNG_103", u"Form6", u"RzBitBtn21", K::Caption, -1, u"Очистить всё"},
        {u"LNG_105", u"Form6", u"TabSheet5", K::Caption, -1, u"Параллелограмм"},
        {u"LNG_117", u"Form6", u"RzRadioGroup2", K::Item, 1, u"По гипотенузе и высоте"},
        {u"LNG_118", u"Form6", u"RzRadioGroup6", K::Item, 1, u"По двум диаметрам"},
        {u"LNG_119", u"Form6", u"RzRadioGroup2", K::Item, 0, u"По двум катетам"},
        {u"LNG_120", u"Form6", u"RzRadioGroup5", K::Item, 0, u"По двум основаниям и высоте"},
        {u"LNG_121", u"Form6", u"RzRadioGroup6", K::Item, 0, u"По двум радиусам"},
        {u"LNG_122", u"Form6", u"RzRadioGroup1", K::Item, 1, u"По двум сторонам и углу между ними"},
        {u"LNG_123", u"Form6", u"RzRadioGroup4", K::Item, 2, u"По диагоналям"},
        {u"LNG_124", u"Form6", u"RzRadioGroup3", K::Item, 2, u"По диагоналям и углу"},
        {u"LNG_125", u"Form6", u"RzRadioGroup6", K::Item, 2, u"По диаметру и ширине кольца"},
        {u"LNG_126", u"Form6", u"RzRadioGroup3", K::Item, 0, u"По основанию и высоте"},
        {u"LNG_127", u"Form6", u"RzRadioGroup1", K::Item, 0, u"По основанию и высоте треугольника"},
        {u"LNG_128", u"Form6", u"RzRadioGroup5", K::Item, 1, u"По средней линии и высоте"},
        {u"LNG_129", u"Form6", u"RzRadioGroup4", K::Item, 1, u"По стороне и углу"},
        {u"LNG_130", u"Form6", u"RzRadioGroup3", K::Item, 1, u"По сторонам и углу"},
        {u"LNG_131", u"Form6", u"RzRadioGroup4", K::Item, 0, u"По стороне и высоте"},
        {u"LNG_132", u"Form6", u"RzRadioGroup1", K::Item, 2, u"По трем сторонам"},
        {u"LNG_134", u"Form6", u"", K::Title, -1, u"Подсчёт площади и массы раскроя"},
        {u"LNG_143", u"Form6", u"TabSheet18", K::Caption, -1, u"Произвольный"},
        {u"LNG_143", u"Form6", u"TabSheet1", K::Caption, -1, u"Произвольный"},
        {u"LNG_147", u"Form6", u"TabSheet19", K::Caption, -1, u"Прямоугольный"},
        {u"LNG_172", u"Form6", u"TabSheet6", K::Caption, -1, u"Ромб"},
        {u"LNG_173", u"Form6", u"TabSheet7", K::Caption, -1, u"Сегмент"},
        {u"LNG_174", u"Form6", u"TabSheet17", K::Caption, -1, u"Сектор "},
        {u"LNG_174", u"Form6", u"TabSheet2", K::Caption, -1, u"Сектор"},
        {u"LNG_175", u"Form6", u"TabSheet8", K::Caption, -1, u"Сектор кольцевой"},
        {u"LNG_181", u"Form6", u"Label73", K::Caption, -1, u"Ср.линия, l:"},
        {u"LNG_183", u"Form6", u"Label12", K::Caption, -1, u"Сторона, а:"},
        {u"LNG_183", u"Form6", u"Label7", K::Caption, -1, u"Сторона, а:"},
        {u"LNG_183", u"Form6", u"Label24", K::Caption, -1, u"Сторона, а:"},
        {u"LNG_183", u"Form6", u"Label19", K::Caption, -1, u"Сторона, а:"},
        {u"LNG_183", u"Form6", u"Label40", K::Caption, -1, u"Сторона, а:"},
        {u"LNG_183", u"Form6", u"Label35", K::Caption, -1, u"Сторона, а:"},
        {u"LNG_183", u"Form6", u"Label58", K::Caption, -1, u"Сторона , а:"},
        {u"LNG_183", u"Form6", u"Label53", K::Caption, -1, u"Сторона , а:"},
        {u"LNG_184", u"Form6", u"Label13", K::Caption, -1, u"Сторона, b:"},
        {u"LNG_184", u"Form6", u"Label8", K::Caption, -1, u"Сторона, b:"},
        {u"LNG_184", u"Form6", u"Label20", K::Caption, -1, u"Сторона, b:"},
        {u"LNG_184", u"Form6", u"Label41", K::Caption, -1, u"Сторона, b:"},
        {u"LNG_188", u"Form6", u"Label17", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label18", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label4", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label26", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label21", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label32", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label49", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label43", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label38", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label64", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label57", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label54", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label75", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label70", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label82", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label108", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label103", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label98", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label87", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_188", u"Form6", u"Label93", K::Caption, -1, u"Толщина металла:"},
        {u"LNG_195", u"Form6", u"TabSheet16", K::Caption, -1, u"Трапеция"},
        {u"LNG_196", u"Form6", u"TabSheet14", K::Caption, -1, u"Треугольник"},
        {u"LNG_200", u"Form6", u"Label48", K::Caption, -1, u"Угол:"},
        {u"LNG_200", u"Form6", u"Label42", K::Caption, -1, u"Угол:"},
        {u"LNG_200", u"Form6", u"Label59", K::Caption, -1, u"Угол:"},
        {u"LNG_200", u"Form6", u"Label81", K::Caption, -1, u"Угол:"},
        {u"LNG_200", u"Form6", u"Label86", K::Caption, -1, u"Угол:"},
        {u"LNG_200", u"Form6", u"Label92", K::Caption, -1, u"Угол:"},
        {u"LNG_201", u"Form6", u"Label9", K::Caption, -1, u"Угол (град):"},
        {u"LNG_202", u"Form6", u"Label31", K::Caption, -1, u"Угол м/ду ними:"},
        {u"LNG_208", u"Form6", u"TabSheet15", K::Caption, -1, u"Четырёхугольник"},
        {u"LNG_213", u"Form6", u"Label107", K::Caption, -1, u"Ширина, S:"},
        {u"LNG_222", u"Form6", u"Label14", K::Caption, -1, u"Сторона, с:"},
        {u"LNG_223", u"Form6", u"Label30", K::Caption, -1, u"Диагональ, d2:"},
        {u"LNG_223", u"Form6", u"Label47", K::Caption, -1, u"Диагональ, d2:"},
        {u"LNG_223", u"Form6", u"Label63", K::Caption, -1, u"Диагональ, d2:"},
        {u"LNG_224", u"Form6", u"Label68", K::Caption, -1, u"Основание, b:"},
        {u"LNG_225", u"Form6", u"Label80", K::Caption, -1, u"Радиус, R:"},
        {u"LNG_225", u"Form6", u"Label97", K::Caption, -1, u"Радиус, R:"},
        {u"LNG_225", u"Form6", u"Label85", K::Caption, -1, u"Радиус, R:"},
        {u"LNG_225", u"Form6", u"Label91", K::Caption, -1, u"Радиус, R:"},
        {u"LNG_227", u"Form6", u"Label96", K::Caption, -1, u"Радиус, r:"},
        {u"LNG_227", u"Form6", u"Label90", K::Caption, -1, u"Радиус, r:"},
        // frmVolume: solids, 47 targets
        {u"LNG_2", u"frmVolume", u"RzLabel2", K::Caption, -1,
         u"* Все размеры указываются в миллиметрах"},
        {u"LNG_4", u"frmVolume", u"RzLabel3", K::Caption, -1,
         u"** Для подсчёта веса необходимо указать материал"},
        {u"LNG_14", u"frmVolume", u"Label5", K::Caption, -1, u"Вес тела составляет, кг:"},
        {u"LNG_29", u"frmVolume", u"Label14", K::Caption, -1, u"Высота боковой грани, а:"},
        {u"LNG_30", u"frmVolume", u"Label19", K::Caption, -1, u"Высота боковой грани:"},
        {u"LNG_31", u"frmVolume", u"Label29", K::Caption, -1, u"Высота конуса:"},
        {u"LNG_31", u"frmVolume", u"Label33", K::Caption, -1, u"Высота конуса:"},
        {u"LNG_32", u"frmVolume", u"Label16", K::Caption, -1, u"Высота пирамиды:"},
        {u"LNG_32", u"frmVolume", u"Label22", K::Caption, -1, u"Высота пирамиды:"},
        {u"LNG_33", u"frmVolume", u"Label44", K::Caption, -1, u"Высота пояса:"},
        {u"LNG_34", u"frmVolume", u"Label37", K::Caption, -1, u"Высота сектора:"},
        {u"LNG_34", u"frmVolume", u"Label40", K::Caption, -1, u"Высота сегмента:"},
        {u"LNG_35", u"frmVolume", u"Label24", K::Caption, -1, u"Высота цилиндра:"},
        {u"LNG_36", u"frmVolume", u"Label26", K::Caption, -1, u"Высота, h:"},
        {u"LNG_37", u"frmVolume", u"Label12", K::Caption, -1, u"Высота:"},
        {u"LNG_38", u"frmVolume", u"RzBitBtn3", K::Caption, -1, u"Выход"},
        {u"LNG_41", u"frmVolume", u"RzBitBtn1", K::Caption, -1, u"Вычислить"},
        {u"LNG_45", u"frmVolume", u"Label31", K::Caption, -1, u"Диаметр верхнего основания:"},
        {u"LNG_47", u"frmVolume", u"Label25", K::Caption, -1, u"Диаметр нижнего основания:"},
        {u"LNG_47", u"frmVolume", u"Label30", K::Caption, -1, u"Диаметр нижнего основания:"},
        {u"LNG_48", u"frmVolume", u"Label23", K::Caption, -1, u"Диаметр основания:"},
        {u"LNG_51", u"frmVolume", u"Label34", K::Caption, -1, u"Диаметр шара:"},
        {u"LNG_52", u"frmVolume", u"Label46", K::Caption, -1, u"Диаметр, D:"},
        {u"LNG_56", u"frmVolume", u"Label32", K::Caption, -1, u"Длина образующей конуса:"},
        {u"LNG_99", u"frmVolume", u"Label4", K::Caption, -1, u"Объём тела составляет, куб.м: "},
        {u"LNG_100", u"frmVolume", u"", K::Title, -1, u"Объёмные фигуры"},
        {u"LNG_103", u"frmVolume", u"RzBitBtn2", K::Caption, -1, u"Очистить всё"},
        {u"LNG_107", u"frmVolume", u"Label18", K::Caption, -1, u"Периметр верхнего основания:"},
        {u"LNG_108", u"frmVolume", u"Label17", K::Caption, -1, u"Периметр нижнего основания:"},
        {u"LNG_109", u"frmVolume", u"Label13", K::Caption, -1, u"Периметр основания:"},
        {u"LNG_110", u"frmVolume", u"Label10", K::Caption, -1, u"Периметр основания:"},
        {u"LNG_112", u"frmVolume", u"Label2", K::Caption, -1,
         u"Площадь боковой поверхности тела, кв.м: "},
        {u"LNG_113", u"frmVolume", u"Label21", K::Caption, -1, u"Площадь верхнего основания:"},
        {u"LNG_114", u"frmVolume", u"Label20", K::Caption, -1, u"Площадь нижнего основания:"},
        {u"LNG_115", u"frmVolume", u"Label11", K::Caption, -1, u"Площадь основания:"},
        {u"LNG_115", u"frmVolume", u"Label15", K::Caption, -1, u"Площадь основания:"},
        {u"LNG_116", u"frmVolume", u"Label3", K::Caption, -1,
         u"Площадь полной поверхности тела, кв.м: "},
        {u"LNG_150", u"frmVolume", u"Label28", K::Caption, -1, u"Радиус основания:"},
        {u"LNG_225", u"frmVolume", u"Label36", K::Caption, -1, u"Радиус, R:"},
        {u"LNG_225", u"frmVolume", u"Label43", K::Caption, -1, u"Радиус, R:"},
        {u"LNG_225", u"frmVolume", u"Label39", K::Caption, -1, u"Радиус. R:"},
        {u"LNG_226", u"frmVolume", u"Label45", K::Caption, -1, u"Диаметр, d:"},
        {u"LNG_227", u"frmVolume", u"Label35", K::Caption, -1, u"Радиус, r:"},
        {u"LNG_227", u"frmVolume", u"Label38", K::Caption, -1, u"Радиус, r:"},
        {u"LNG_228", u"frmVolume", u"Label27", K::Caption, -1, u"Высота. H:"},
        {u"LNG_229", u"frmVolume", u"Label41", K::Caption, -1, u"Радиус, r1:"},
        {u"LNG_230", u"frmVolume", u"Label42", K::Caption, -1, u"Радиус, r2:"},
        // Form5: hook shank thread, 11 targets
        {u"LNG_28", u"Form5", u"RzLabel4", K::Caption, -1, u"Выбранный шаг резьбы, p мм."},
        {u"LNG_41", u"Form5", u"RzBitBtn1", K::Caption, -1, u"Вычислить"},
        {u"LNG_79", u"Form5", u"RzLabel3", K::Caption, -1, u"Коэффициент запаcа прочности, s"},
        {u"LNG_90", u"Form5", u"RzLabel1", K::Caption, -1, u"Нагрузка, Q кН"},
        {u"LNG_106", u"Form5", u"RzGroupBox1", K::Caption, -1, u"Параметры"},
        {u"LNG_139", u"Form5", u"RzLabel2", K::Caption, -1, u"Предел текучести стали крюка, МПа"},
        {u"LNG_165", u"Form5", u"RzLabel6", K::Caption, -1, u"Расчетный диаметр резьбы"},
        {u"LNG_166", u"Form5", u"RzLabel5", K::Caption, -1, u"Расчетный предел прочности стали"},
        {u"LNG_170", u"Form5", u"RzGroupBox2", K::Caption, -1, u"Результаты"},
        {u"LNG_231", u"Form5", u"RzBitBtn2", K::Caption, -1, u"Очистить"},
        {u"LNG_232", u"Form5", u"RzLabel7", K::Caption, -1, u"Номинальный диаметр резьбы"},
        // AboutBox: about box, 2 targets
        {u"LNG_10", u"AboutBox", u"Label3", K::Caption, -1, u"Благодарность:"},
        {u"LNG_94", u"AboutBox", u"", K::Title, -1, u"Об авторе."},
        // frmMassUnits: mass units, 20 targets
        {u"LNG_500", u"frmMassUnits", u"RzRadioGroup2", K::Caption, -1, u"Калькулятор"},
        {u"LNG_501", u"frmMassUnits", u"", K::Title, -1, u"Соотношения едениц массы"},
        {u"LNG_503", u"frmMassUnits", u"RzRadioGroup1", K::Item, 0, u" Миллиграмм"},
        {u"LNG_504", u"frmMassUnits", u"RzRadioGroup1", K::Item, 1, u" Грамм"},
        {u"LNG_505", u"frmMassUnits", u"RzRadioGroup1", K::Item, 2, u" Килограмм"},
        {u"LNG_506", u"frmMassUnits", u"RzRadioGroup1", K::Item, 3, u" Центнер"},
        {u"LNG_507", u"frmMassUnits", u"RzRadioGroup1", K::Item, 4, u" Тонна"},
        {u"LNG_508", u"frmMassUnits", u"RzRadioGroup1", K::Item, 5, u" Карат"},
        {u"LNG_509", u"frmMassUnits", u"RzRadioGroup1", K::Item, 6, u" Гран"},
        {u"LNG_510", u"frmMassUnits", u"RzRadioGroup1", K::Item, 7, u" Пуд"},
        {u"LNG_511", u"frmMassUnits", u"RzRadioGroup1", K::Item, 8, u" Фунт русский"},
        {u"LNG_512", u"frmMassUnits", u"RzRadioGroup1", K::Item, 9, u" Лот"},
        {u"LNG_513", u"frmMassUnits", u"RzRadioGroup1", K::Item, 10, u" Золотник"},
        {u"LNG_514", u"frmMassUnits", u"RzRadioGroup1", K::Item, 11, u" Доля"},
        {u"LNG_515", u"frmMassUnits", u"RzRadioGroup1", K::Item, 12, u" Фунт (англ.)"},
        {u"LNG_516", u"frmMassUnits", u"RzRadioGroup1", K::Item, 13, u" Унция"},
        {u"LNG_517", u"frmMassUnits", u"RzRadioGroup1", K::Item, 14, u" Унция тройская"},
        {u"LNG_518", u"frmMassUnits", u"RzRadioGroup1", K::Item, 15, u" Тонна короткая (США)"},
        {u"LNG_519", u"frmMassUnits", u"RzRadioGroup1", K::Item, 16, u" Тонна длинная (Великобр.)"},
        {u"LNG_520", u"frmMassUnits", u"RzRadioGroup1", K::Item, 17, u" Стоун"},
        // frmAreaUnits: area units, 16 targets
        {u"LNG_500", u"frmAreaUnits", u"RzRadioGroup2", K::Caption, -1, u"Калькулятор"},
        {u"LNG_502", u"frmAreaUnits", u"", K::Title, -1, u"Соотношения едениц площади"},
        {u"LNG_521", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 0, u" Квадратный миллиметр"},
        {u"LNG_522", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 1, u" Квадратный сантиметр"},
        {u"LNG_523", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 2, u" Квадратный метр"},
        {u"LNG_524", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 3, u" Ар (сотка)"},
        {u"LNG_525", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 4, u" Гектар"},
        {u"LNG_526", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 5, u" Квадратный километр"},
        {u"LNG_527", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 6, u" Десятина"},
        {u"LNG_528", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 7, u" Квадратная сажень"},
        {u"LNG_529", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 8, u" Квадратный вершок"},
        {u"LNG_530", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 9, u" Квадратный дюйм"},
        {u"LNG_531", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 10, u" Квадратный фут"},
        {u"LNG_532", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 11, u" Квадратный ярд"},
        {u"LNG_533", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 12, u" Акр"},
        {u"LNG_534", u"frmAreaUnits", u"RzRadioGroup1", K::Item, 13, u" Квадратная миля"},
    };
    static const std::vector<Target> table = [] {
        std::vector<Target> out;
        out.reserve(std::size(rows));
        for (const Row& r : rows)
            out.push_back({QString::fromUtf16(r.key), QString::fromUtf16(r.window),
                           QString::fromUtf16(r.control), r.kind, r.item,
                           QString::fromUtf16(r.builtIn)});
        return out;
    }();
    return table;
}

QString formSection()
{
    return QStringLiteral("Form");
}

QString materialSection()
{
    return QStringLiteral("Spisok_material");
}

QString alloySection()
{
    return QStringLiteral("Spisok_splavov");
}

QString messageSection()
{
    return QStringLiteral("Message");
}

QString materialKey(int index)
{
    return QStringLiteral("LNG_%1").arg(239 + index);
}

QString alloyKey(int index)
{
    return QStringLiteral("LNG_%1").arg(291 + index);
}

const std::vector<Message>& messages()
{
    static const std::vector<Message> table = {
        {419, QStringLiteral("Введите значение, отличное от нуля.")},
        {421, QStringLiteral("Не удалось открыть модуль «Электротехника».")},
        {422, QStringLiteral("Не удалось открыть модуль «Алюминий и медь».")},
        {423,
         QStringLiteral("Дополнительные модули можно загрузить с домашней страницы программы.")},
        {424, QStringLiteral("Укажите длину трубы.")},
        {425, QStringLiteral("Укажите вес трубы.")},
    };
    return table;
}

QString messageKey(int number)
{
    return QStringLiteral("LNG_%1").arg(number);
}

QString builtInMessage(int number)
{
    for (const Message& m : messages())
        if (m.number == number)
            return m.builtIn;
    return {};
}

QString russianFileName()
{
    return QStringLiteral("russian.lng");
}

QString englishFileName()
{
    return QStringLiteral("english.lng");
}

QString hookCaption(bool english)
{
    return english ? QStringLiteral("Crane hook shank: nominal thread diameter")
                   : QStringLiteral("Расчет номинального диаметра резьбы хвостовика крюка");
}

} // namespace tolvex::language
