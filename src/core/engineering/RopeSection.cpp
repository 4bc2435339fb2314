#include "core/engineering/RopeSection.h"

#include <QRegularExpression>
#include <cmath>
#include <numbers>

namespace tolvex::ropes
{

namespace
{

constexpr double pi = std::numbers::pi;

QString normalised(QString text)
{
    text.replace(QLatin1Char('x'), QChar(0x0445)).replace(QLatin1Char('X'), QChar(0x0445));
    text.remove(QLatin1Char(' '));
    while (text.endsWith(QLatin1Char('.')) && !text.endsWith(QStringLiteral("о.с.")))
        text.chop(1);
    if (text.endsWith(QStringLiteral("о.с.")))
        text.chop(1);
    return text;
}

std::optional<QList<WireLayer>> parseLayers(const QString& text)
{
    QList<WireLayer> layers;
    static const QRegularExpression item(
        QStringLiteral("^([+;]?)(\\d+)(?:/(\\d+))?|^([+;]?)([кз])"));
    int pos = 0;
    while (pos < text.size()) {
        const auto m = item.match(QStringView(text).mid(pos));
        // The first layer stands alone; every later one follows a "+" or a ";".
        if (!m.hasMatch() || (pos == 0) != (m.captured(1) + m.captured(4)).isEmpty())
            return std::nullopt;
        WireLayer layer;
        if (!m.captured(5).isEmpty()) {
            layer.kind = m.captured(5) == QStringLiteral("к") ? WireLayer::Kind::Wedge
                                                              : WireLayer::Kind::Zed;
        } else {
            layer.count = m.captured(2).toInt();
            if (m.captured(1) == QStringLiteral(";"))
                layer.kind = WireLayer::Kind::Filler;
            else if (!m.captured(3).isEmpty()) {
                layer.kind = WireLayer::Kind::Warrington;
                layer.small = m.captured(3).toInt();
            } else if (layer.count == 0)
                layer.kind = WireLayer::Kind::Organic;
        }
        layers.append(layer);
        pos += int(m.capturedLength());
    }
    if (layers.isEmpty())
        return std::nullopt;
    return layers;
}

// "6х19(…)", "6х7х19(…)", "1х(…)" followed by the rest of the text.
std::optional<StrandFormula> parseStrands(const QString& text, int& pos)
{
    static const QRegularExpression head(QStringLiteral("^(\\d+)х(?:(\\d+)х)?(\\d*)\\(([^)]*)\\)"));
    const auto m = head.match(QStringView(text).mid(pos));
    if (!m.hasMatch())
        return std::nullopt;
    StrandFormula strands;
    strands.strands = m.captured(1).toInt();
    if (!m.captured(2).isEmpty())
        strands.units = m.captured(2).toInt();
    const auto layers = parseLayers(m.captured(4));
    if (!layers || strands.strands < 1 || strands.units < 1)
        return std::nullopt;
    strands.layers = *layers;
    pos += int(m.capturedLength());
    return strands;
}

struct Strand {
    QList<SectionDisc> discs;
    QList<ShapedWire> shaped;
    double radius = 0;
};

// One strand of the given layers around (0, 0), in units of the centre wire's radius.
Strand layOut(const QList<WireLayer>& layers)
{
    Strand s;
    double previousWire = 1; // radius of the wires of the layer below
    for (int i = 0; i < layers.size(); ++i) {
        const WireLayer& layer = layers[i];
        const double offset = (i % 2) ? pi / std::max(1, layer.count + layer.small) : 0;
        switch (layer.kind) {
        case WireLayer::Kind::Organic: {
            // Sized so that the next layer's wires come out at radius 1.
            const int next = i + 1 < layers.size() ? std::max(3, layers[i + 1].count) : 6;
            const double sine = std::sin(pi / next);
            s.radius = (1 - sine) / sine;
            s.discs.append({0, 0, s.radius, true});
            break;
        }
        case WireLayer::Kind::Round:
        case WireLayer::Kind::Warrington: {
            const int n = layer.count + layer.small;
            if (s.radius == 0 && n == 1) {
                s.discs.append({0, 0, 1, false});
                s.radius = 1;
                break;
            }
            const double sine = std::sin(pi / std::max(2, n));
            double r = s.radius == 0 ? 1 : s.radius * sine / (1 - sine);
            double ring = s.radius == 0 ? r / sine : s.radius + r;
            if (layer.kind == WireLayer::Kind::Round) {
                for (int k = 0; k < n; ++k) {
                    const double a = offset + 2 * pi * k / n;
                    s.discs.append({ring * std::cos(a), ring * std::sin(a), r, false});
                }
                s.radius = ring + r;
                previousWire = r;
            } else {
                const double big = r * 1.2, little = r * 0.8;
                for (int k = 0; k < n; ++k) {
                    const double a = offset + 2 * pi * k / n;
                    const double rr = (k % 2) ? little : big;
                    const double cr = s.radius + rr;
                    s.discs.append({cr * std::cos(a), cr * std::sin(a), rr, false});
                }
                s.radius += 2 * big;
                previousWire = big;
            }
            break;
        }
        case WireLayer::Kind::Filler: {
            // Small wires in the valleys of the layer below.
            const double r = previousWire * 0.4;
            const double ring = s.radius;
            const int n = std::max(1, layer.count);
            for (int k = 0; k < n; ++k) {
                const double a = pi / n + 2 * pi * k / n + (i % 2 ? 0 : pi / n);
                s.discs.append({ring * std::cos(a), ring * std::sin(a), r, false});
            }
            s.radius = ring + r;
            break;
        }
        case WireLayer::Kind::Wedge:
        case WireLayer::Kind::Zed: {
            const double thickness = std::max(previousWire * 2.2, s.radius * 0.16);
            const double mid = s.radius + thickness / 2;
            const int n = std::max(6, int(std::round(2 * pi * mid / (thickness * 1.15))));
            for (int k = 0; k < n; ++k)
                s.shaped.append({s.radius, s.radius + thickness, offset + 2 * pi * k / n,
                                 2 * pi / n, layer.kind == WireLayer::Kind::Zed});
            s.radius += thickness;
            previousWire = thickness / 2;
            break;
        }
        }
    }
    return s;
}

void place(SectionGeometry& out, const Strand& strand, double x, double y, double scale)
{
    for (const SectionDisc& d : strand.discs)
        out.discs.append({x + d.x * scale, y + d.y * scale, d.r * scale, d.organic});
    for (ShapedWire w : strand.shaped) {
        w.inner *= scale;
        w.outer *= scale;
        out.shaped.append(w);
    }
}

// Centres of n equal circles of radius r laid around a core (n = 1: the circle itself;
// n = 7: one in the middle and six around it).
QList<std::pair<double, double>> ringCentres(int n, double r, double& outer)
{
    QList<std::pair<double, double>> centres;
    if (n == 1) {
        centres.append({0, 0});
        outer = r;
        return centres;
    }
    int around = n;
    if (n == 7) {
        centres.append({0, 0});
        around = 6;
    }
    const double ring = n == 7 ? 2 * r : r / std::sin(pi / around);
    for (int k = 0; k < around; ++k) {
        const double a = pi / 2 + 2 * pi * k / around;
        centres.append({ring * std::cos(a), ring * std::sin(a)});
    }
    outer = ring + r;
    return centres;
}

} // namespace

std::optional<SectionFormula> parseSectionFormula(const QString& formula)
{
    const QString text = normalised(formula);
    int pos = 0;
    SectionFormula section;
    const auto outer = parseStrands(text, pos);
    if (!outer)
        return std::nullopt;
    section.outer = *outer;
    if (pos == text.size())
        return section;
    if (text.at(pos) != QLatin1Char('+'))
        return std::nullopt;
    ++pos;
    static const QRegularExpression organic(QStringLiteral("^\\d*о\\.?с$"));
    if (organic.match(QStringView(text).mid(pos)).hasMatch()) {
        section.core = SectionFormula::Core::Organic;
        return section;
    }
    const auto core = parseStrands(text, pos);
    if (!core || pos != text.size() || core->units != 1)
        return std::nullopt;
    section.core = SectionFormula::Core::Metal;
    section.metalCore = *core;
    return section;
}

SectionGeometry sectionGeometry(const SectionFormula& formula)
{
    SectionGeometry out;
    const Strand strand = layOut(formula.outer.layers);
    const int n = formula.outer.strands;
    if (n == 1 && formula.core == SectionFormula::Core::None) {
        place(out, strand, 0, 0, 1);
    } else {
        // A unit is one strand, or (triple lay) a small rope of `units` strands.
        double unitRadius = strand.radius;
        const auto unitCentres = ringCentres(formula.outer.units, strand.radius, unitRadius);
        const double sine = n > 1 ? std::sin(pi / n) : 1;
        const double core = n > 1 ? unitRadius * (1 / sine - 1) : 0;
        const double ring = core + unitRadius;
        const double gap = 0.96; // strands drawn slightly apart
        for (int k = 0; k < n; ++k) {
            const double a = pi / 2 + 2 * pi * k / n;
            const double ux = n > 1 ? ring * std::cos(a) : 0;
            const double uy = n > 1 ? ring * std::sin(a) : 0;
            for (const auto& [sx, sy] : unitCentres)
                place(out, strand, ux + sx * gap, uy + sy * gap, gap);
        }
        if (formula.core == SectionFormula::Core::Organic) {
            out.discs.append({0, 0, core * 0.94, true});
        } else if (formula.core == SectionFormula::Core::Metal) {
            const Strand coreStrand = layOut(formula.metalCore.layers);
            double outer = 0;
            const auto centres = ringCentres(formula.metalCore.strands, 1, outer);
            const double scale = core * 0.92 / outer;
            for (const auto& [cx, cy] : centres)
                place(out, coreStrand, cx * scale, cy * scale, scale / coreStrand.radius);
        }
    }
    // Scale to an outer radius of 1.
    double extent = 0;
    for (const SectionDisc& d : out.discs)
        extent = std::max(extent, std::hypot(d.x, d.y) + d.r);
    for (const ShapedWire& w : out.shaped)
        extent = std::max(extent, w.outer);
    if (extent > 0) {
        for (SectionDisc& d : out.discs) {
            d.x /= extent;
            d.y /= extent;
            d.r /= extent;
        }
        for (ShapedWire& w : out.shaped) {
            w.inner /= extent;
            w.outer /= extent;
        }
    }
    return out;
}

} // namespace tolvex::ropes
