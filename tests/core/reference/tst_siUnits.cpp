#include "core/reference/SiUnits.h"

#include <QSet>
#include <QStringList>
#include <QTest>

using namespace tolvex;

// The SI units table: eight sections holding exactly the named quantities, in order,
// each once; the rows that define the table's notation exactly as the handbook prints
// them.
class TstSiUnits : public QObject
{
    Q_OBJECT

private slots:
    void sections_data();
    void sections();
    void tellingRows_data();
    void tellingRows();
    void headings();
};

void TstSiUnits::sections_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("quantities");

    QTest::newRow("I") << 0 << "I. Основные единицы"
                       << QStringList{"Длина",
                                      "Масса",
                                      "Время",
                                      "Сила электрического тока",
                                      "Термодинамическая температура",
                                      "Сила света",
                                      "Количество вещества"};
    QTest::newRow("II") << 1 << "II. Дополнительные единицы"
                        << QStringList{"Плоский угол", "Телесный угол"};
    QTest::newRow("III") << 2 << "III. Производные единицы пространства и времени"
                         << QStringList{"Площадь",
                                        "Объём (вместимость)",
                                        "Скорость",
                                        "Ускорение",
                                        "Частота периодического процесса",
                                        "Частота дискретных событий (частота вращения, частота "
                                        "импульсов и т.д.)",
                                        "Угловая скорость",
                                        "Угловое ускорение"};
    QTest::newRow("IV") << 3 << "IV. Производные единицы механических величин"
                        << QStringList{"Плотность",
                                       "Удельный объём",
                                       "Момент инерции (динамический)",
                                       "Количество движения (импульс)",
                                       "Сила",
                                       "Вес",
                                       "Удельный вес",
                                       "Давление",
                                       "Напряжение (механическое)",
                                       "Коэффициент поверхностного натяжения",
                                       "Работа",
                                       "Энергия",
                                       "Молярная концентрация",
                                       "Мощность",
                                       "Коэффициент вязкости динамический",
                                       "Коэффициент вязкости кинематический",
                                       "Объёмный расход",
                                       "Массовый расход"};
    QTest::newRow("V") << 4 << "V. Производные единицы электрических и магнитных величин"
                       << QStringList{"Плотность электрического тока",
                                      "Количество электричества (электрический заряд)",
                                      "Электрическое напряжение (разность потенциалов)",
                                      "Напряжённость электрического поля",
                                      "Электрическая ёмкость",
                                      "Электрическое сопротивление",
                                      "Удельное электрическое сопротивление",
                                      "Удельная электрическая проводимость",
                                      "Абсолютная диэлектрическая проницаемость",
                                      "Магнитная восприимчивость",
                                      "Магнитный поток",
                                      "Магнитная индукция",
                                      "Электрическая проводимость",
                                      "Напряжённость магнитного поля",
                                      "Индуктивность (взаимная индуктивность)",
                                      "Магнитный момент электрического тока",
                                      "Намагниченность",
                                      "Электрическое смещение",
                                      "Электродвижущая сила",
                                      "Поток электрического смещения",
                                      "Электрический момент",
                                      "Поляризованность",
                                      "Подвижность ионов"};
    QTest::newRow("VI") << 5 << "VI. Производные единицы тепловых величин"
                        << QStringList{"Количество теплоты (термодинамический потенциал)",
                                       "Теплота фазового превращения",
                                       "Теплота химической реакции",
                                       "Температурный коэффициент",
                                       "Теплоёмкость системы",
                                       "Энтропия системы",
                                       "Удельная теплоёмкость (массовая)",
                                       "Газовая постоянная",
                                       "Тепловой поток",
                                       "Поверхностная плотность теплового потока",
                                       "Коэффициент теплоотдачи",
                                       "Коэффициент теплопередачи",
                                       "Температурный градиент",
                                       "Коэффициент теплопроводности",
                                       "Коэффициент температуропроводности"};
    QTest::newRow("VII") << 6 << "VII. Производные единицы величин в области ионизирующих излучений"
                         << QStringList{"Энергия ионизирующего излучения",
                                        "Поток энергии ионизирующего излучения",
                                        "Мощность дозы излучения",
                                        "Экспозиционная доза фотонного излучения",
                                        "Доза излучения (керма)",
                                        "Эквивалентная доза",
                                        "Мощность экспозиционной дозы фотонного излучения",
                                        "Интенсивность излучения",
                                        "Поток ионизирующих частиц",
                                        "Плотность потока ионизирующих частиц или фотонов",
                                        "Активность нуклида",
                                        "Мощность поглощённой дозы"};
    QTest::newRow("VIII")
        << 7 << "VIII. Производные единицы световых величин"
        << QStringList{"Энергия излучения",    "Поток излучения", "Энергетическая яркость",
                       "Спектральная яркость", "Яркость",         "Световой поток",
                       "Освещённость"};
}

void TstSiUnits::sections()
{
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QStringList, quantities);

    QCOMPARE(siSections().size(), std::size_t(8));
    const SiSection& section = siSections()[std::size_t(index)];
    QCOMPARE(QString::fromUtf8(section.title), title);
    QStringList names;
    for (const SiRow& row : section.rows) {
        names << QString::fromUtf8(row.quantity);
        QVERIFY2(*row.unitName, row.quantity); // every quantity has a unit
    }
    QCOMPARE(names, quantities);
}

void TstSiUnits::tellingRows_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("length") << "Длина" << QStringList{"L, l", "L", "метр", "м"};
    QTest::newRow("speed") << "Скорость" << QStringList{"v, w, u", "LT⁻¹", "метр в секунду", "м/с"};
    QTest::newRow("pressure") << "Давление" << QStringList{"p", "L⁻¹MT⁻²", "паскаль", "Па"};
    QTest::newRow("susceptibility")
        << "Магнитная восприимчивость" << QStringList{"μ", "", "безразмерная величина", ""};
    QTest::newRow("illuminance") << "Освещённость" << QStringList{"", "L⁻²J", "люкс", "лк"};
}

void TstSiUnits::tellingRows()
{
    QFETCH(QString, quantity);
    QFETCH(QStringList, cells);

    int found = 0;
    for (const SiSection& section : siSections()) {
        for (const SiRow& row : section.rows) {
            if (QString::fromUtf8(row.quantity) != quantity)
                continue;
            ++found;
            const QStringList actual{
                QString::fromUtf8(row.symbol), QString::fromUtf8(row.dimension),
                QString::fromUtf8(row.unitName), QString::fromUtf8(row.unitSymbol)};
            QCOMPARE(actual, cells);
        }
    }
    QCOMPARE(found, 1);
}

void TstSiUnits::headings()
{
    const SiHeadings& h = siHeadings();
    const QStringList texts{h.title,          h.quantityGroup,     h.quantityName,
                            h.quantitySymbol, h.quantityDimension, h.unitGroup,
                            h.unitName,       h.unitSymbol};
    QCOMPARE(texts, (QStringList{"Единицы Международной системы (СИ)", "Величина", "Наименование",
                                 "Обознач.", "Размерность", "Единица", "Наименование",
                                 "Обозначение (русское)"}));
}

QTEST_GUILESS_MAIN(TstSiUnits)
#include "tst_siUnits.moc"
