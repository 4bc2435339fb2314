#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Flat blanks cut from sheet: the area of twenty figures (dimensions in mm,
// angles in degrees, area in mm²) and the two result lines (area in m², weight in
// kg from a thickness in mm and a density in g/cm³).
namespace tolvex::geometry
{

// The area routines, one per calculation.
long double treug_proizv1(long double h, long double a);                    // base and height
long double treug_proizv2(long double a, long double b, long double gamma); // two sides, angle
// Three sides (Heron); no value when the sides cannot form a triangle.
std::optional<long double> treug_proizv3(long double a, long double b, long double c);
long double treug_prjm1(long double a, long double b); // two legs
long double treug_prjm2(long double c, long double h); // hypotenuse and its height
long double chet_proizv(long double d1, long double d2, long double phi); // diagonals, angle
long double chet_paral1(long double a, long double h);
long double chet_paral2(long double a, long double b, long double alpha);
long double chet_paral3(long double d1, long double d2, long double phi);
long double chet_romb1(long double a, long double h);
long double chet_romb2(long double a, long double alpha);
long double chet_romb3(long double d1, long double d2);
long double trap1(long double a, long double b, long double h);
long double trap2(long double l, long double h);
long double sektor(long double R, long double alpha); // tab "Сектор"
long double Kolco1(long double r, long double R);
long double Kolco2(long double d, long double D);
long double Kolco3(long double D, long double S);
long double segment(long double R, long double alpha);                    // tab "Сегмент"
long double sektor_kolc(long double r, long double R, long double alpha); // "Сектор кольцевой"

// The twenty calculations in the order of the window.
enum class Blank {
    TreugProizv1,
    TreugProizv2,
    TreugProizv3,
    TreugPrjm1,
    TreugPrjm2,
    ChetProizv,
    ChetParal1,
    ChetParal2,
    ChetParal3,
    ChetRomb1,
    ChetRomb2,
    ChetRomb3,
    Trap1,
    Trap2,
    Sektor,
    Kolco1,
    Kolco2,
    Kolco3,
    Segment,
    SektorKolc
};
inline constexpr int BlankCount = 20;

enum class LineLanguage { Russian, English };

struct BlankLines {
    QString area;   // "Площадь составляет: 0,060 кв.м."
    QString weight; // "Вес составляет: 0,942 кг."
};

// The two result lines for an area in mm².
BlankLines blankLines(long double areaMm2, long double thickness, long double density,
                      LineLanguage language, QChar decimalPoint);

struct BlankOutcome {
    enum Status { Ok, NoTriangle, FloatError } status = Ok;
    BlankLines lines;
};

// One calculation from its field texts (the inputs in screen order, the thickness
// last): reads the numbers, computes, and gives the lines or the reason for none.
BlankOutcome computeBlank(Blank which, const QStringList& fieldTexts, long double density,
                          LineLanguage language, QChar decimalPoint);
BlankOutcome computeBlank(Blank which, const QStringList& fieldTexts, long double density,
                          LineLanguage language);

// The information text for three sides that cannot form a triangle.
QString noTriangleText();

} // namespace tolvex::geometry
