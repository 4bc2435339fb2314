#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Solids: lateral surface, total surface and volume of twelve solids (dimensions
// in mm, surfaces in mm², volumes in mm³) and the four shared result lines
// (surfaces in m², volume in m³, weight in kg from a density in g/cm³).
namespace tolvex::geometry
{

// What a routine computes; a value it does not compute is left out.
struct SolidValues {
    std::optional<long double> lateral;
    std::optional<long double> total;
    std::optional<long double> volume;
};

// The routines, one per solid.
SolidValues Prizma(long double P, long double S, long double H);
SolidValues Piramida(long double P, long double a, long double S, long double H);
SolidValues Piramida_Us(long double P1, long double P2, long double a, long double S1,
                        long double S2, long double H);
SolidValues cilindr(long double D, long double H);
// Cut obliquely: shortest side h, longest side H.
SolidValues cilindr_Us(long double D, long double h, long double H);
SolidValues konus(long double r, long double H);
SolidValues konus_Us(long double D1, long double D2, long double l, long double H);
SolidValues shar(long double D);
SolidValues shar_sektor(long double r, long double R, long double h);
// The volume by the sphere radius R when R ≠ 0, else by the base radius r when
// r ≠ 0, else none.
SolidValues shar_segment(long double r, long double R, long double h);
SolidValues shar_poyas(long double r1, long double r2, long double R, long double h);
SolidValues tor(long double d, long double D);

enum class Solid {
    Prizma,
    Piramida,
    PiramidaUs,
    Cilindr,
    CilindrUs,
    Konus,
    KonusUs,
    Shar,
    SharSektor,
    SharSegment,
    SharPoyas,
    Tor
};
inline constexpr int SolidCount = 12;

// The four value lines; an empty text is a line the solid does not compute.
struct SolidLines {
    QString lateral;
    QString total;
    QString volume;
    QString weight;
};

SolidLines solidLines(const SolidValues& values, long double density, QChar decimalPoint);

struct SolidOutcome {
    enum Status { Ok, PrismBaseTooLarge, FloatError } status = Ok;
    SolidLines lines;
    QString message; // the information text when the prism base is too large
};

// One solid from its field texts in screen order.
SolidOutcome computeSolid(Solid which, const QStringList& fieldTexts, long double density,
                          QChar decimalPoint);
SolidOutcome computeSolid(Solid which, const QStringList& fieldTexts, long double density);

// The prism check: the largest base area a rectangle of perimeter P can have, and
// the information text shown when the base area exceeds it.
long double prismBaseLimit(long double P);
QString prismBaseMessage(long double limit, QChar decimalPoint);

// The base dialogs: a rectangle with sides a and b.
struct RectangleBase {
    long double area;
    long double perimeter;
};
RectangleBase rectangleBase(long double a, long double b);

} // namespace tolvex::geometry
