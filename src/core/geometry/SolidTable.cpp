#include "core/geometry/SolidTable.h"

namespace tolvex::geometry
{

const std::vector<SolidOuterTab>& solidOuterTabs()
{
    static const std::vector<SolidOuterTab> table = {
        {QStringLiteral("TabSheet1"), QStringLiteral("Призма"), QString()},
        {QStringLiteral("TabSheet2"), QStringLiteral("Пирамида"), QStringLiteral("RzPageControl2")},
        {QStringLiteral("TabSheet3"), QStringLiteral("Цилиндр"), QStringLiteral("RzPageControl3")},
        {QStringLiteral("TabSheet4"), QStringLiteral("Конус"), QStringLiteral("RzPageControl4")},
        {QStringLiteral("TabSheet5"), QStringLiteral("Шар"), QStringLiteral("RzPageControl5")},
        {QStringLiteral("TabSheet6"), QStringLiteral("Тор"), QString()},
    };
    return table;
}

namespace
{

SolidInput in(const char16_t* caption, int label, int field)
{
    return {QString::fromUtf16(caption), QStringLiteral("Label%1").arg(label),
            QStringLiteral("RzNumericEdit%1").arg(field)};
}

QString sketch(const char* name)
{
    return QStringLiteral(":/drawings/") + QLatin1String(name) + QStringLiteral(".svg");
}

QString sheet(int n)
{
    return QStringLiteral("TabSheet%1").arg(n);
}

} // namespace

const std::vector<SolidPage>& solidPages()
{
    static const std::vector<SolidPage> table = {
        {Solid::Prizma,
         QStringLiteral("Prizma"),
         0,
         -1,
         sheet(1),
         QStringLiteral("Призма"),
         {in(u"Периметр основания:", 10, 1), in(u"Площадь основания:", 11, 2),
          in(u"Высота:", 12, 3)},
         sketch("solid_prism")},
        {Solid::Piramida,
         QStringLiteral("Piramida"),
         1,
         0,
         sheet(7),
         QStringLiteral("Правильная"),
         {in(u"Периметр основания:", 13, 4), in(u"Высота боковой грани, а:", 14, 5),
          in(u"Площадь основания:", 15, 6), in(u"Высота пирамиды:", 16, 7)},
         sketch("solid_pyramid")},
        {Solid::PiramidaUs,
         QStringLiteral("Piramida_Us"),
         1,
         1,
         sheet(8),
         QStringLiteral("Усеченная"),
         {in(u"Периметр нижнего основания:", 17, 8), in(u"Периметр верхнего основания:", 18, 9),
          in(u"Высота боковой грани:", 19, 10), in(u"Площадь нижнего основания:", 20, 11),
          in(u"Площадь верхнего основания:", 21, 12), in(u"Высота пирамиды:", 22, 13)},
         sketch("solid_pyramid_truncated")},
        {Solid::Cilindr,
         QStringLiteral("cilindr"),
         2,
         0,
         sheet(9),
         QStringLiteral("Правильный"),
         {in(u"Диаметр основания:", 23, 14), in(u"Высота цилиндра:", 24, 15)},
         sketch("solid_cylinder")},
        {Solid::CilindrUs,
         QStringLiteral("cilindr_Us"),
         2,
         1,
         sheet(10),
         QStringLiteral("Усеченный"),
         {in(u"Диаметр нижнего основания:", 25, 16), in(u"Высота, h:", 26, 17),
          in(u"Высота. H:", 27, 18)},
         sketch("solid_cylinder_truncated")},
        {Solid::Konus,
         QStringLiteral("konus"),
         3,
         0,
         sheet(11),
         QStringLiteral("Правильный"),
         {in(u"Радиус основания:", 28, 19), in(u"Высота конуса:", 29, 20)},
         sketch("solid_cone")},
        {Solid::KonusUs,
         QStringLiteral("konus_Us"),
         3,
         1,
         sheet(12),
         QStringLiteral("Усеченный"),
         {in(u"Диаметр нижнего основания:", 30, 21), in(u"Диаметр верхнего основания:", 31, 22),
          in(u"Длина образующей конуса:", 32, 23), in(u"Высота конуса:", 33, 24)},
         sketch("solid_cone_truncated")},
        {Solid::Shar,
         QStringLiteral("shar"),
         4,
         0,
         sheet(13),
         QStringLiteral("Шар"),
         {in(u"Диаметр шара:", 34, 25)},
         sketch("solid_sphere")},
        {Solid::SharSektor,
         QStringLiteral("shar_sektor"),
         4,
         1,
         sheet(14),
         QStringLiteral("Сектор"),
         {in(u"Радиус, r:", 35, 26), in(u"Радиус, R:", 36, 27), in(u"Высота сектора:", 37, 28)},
         sketch("solid_spherical_sector")},
        {Solid::SharSegment,
         QStringLiteral("shar_segment"),
         4,
         2,
         sheet(15),
         QStringLiteral("Сегмент"),
         {in(u"Радиус, r:", 38, 29), in(u"Радиус. R:", 39, 30), in(u"Высота сегмента:", 40, 31)},
         sketch("solid_spherical_segment")},
        {Solid::SharPoyas,
         QStringLiteral("shar_poyas"),
         4,
         3,
         sheet(16),
         QStringLiteral("Пояс"),
         {in(u"Радиус, r1:", 41, 32), in(u"Радиус, r2:", 42, 33), in(u"Радиус, R:", 43, 34),
          in(u"Высота пояса:", 44, 35)},
         sketch("solid_spherical_zone")},
        {Solid::Tor,
         QStringLiteral("tor"),
         5,
         -1,
         sheet(6),
         QStringLiteral("Тор"),
         {in(u"Диаметр, d:", 45, 36), in(u"Диаметр, D:", 46, 37)},
         sketch("solid_torus")},
    };
    return table;
}

const std::vector<SolidResultLine>& solidResultLines()
{
    static const std::vector<SolidResultLine> table = {
        {QStringLiteral("Label2"), QStringLiteral("Площадь боковой поверхности тела, кв.м: "),
         QStringLiteral("Label6")},
        {QStringLiteral("Label3"), QStringLiteral("Площадь полной поверхности тела, кв.м: "),
         QStringLiteral("Label7")},
        {QStringLiteral("Label4"), QStringLiteral("Объём тела составляет, куб.м: "),
         QStringLiteral("Label8")},
        {QStringLiteral("Label5"), QStringLiteral("Вес тела составляет, кг:"),
         QStringLiteral("Label9")},
    };
    return table;
}

} // namespace tolvex::geometry
