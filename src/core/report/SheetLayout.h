#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>

// The printed result sheet as data: the page, its band and the five elements on the
// band, in millimetres, and the placement of a filled sheet on the page.
//
// The windows measure the texts (that needs fonts); where the elements go follows
// from the measurements by the rules of `placeSheet`.
namespace tolvex::report
{

enum class Align { Left, Center };

// How an element's box reacts to its content.
enum class Growth {
    Width,    // a one-line label whose box widens to its text
    WordWrap, // the memo: fixed width, the text wraps; taller text grows it downwards
    Fixed,    // the picture: the drawing is scaled into the box and centred
};

struct FontSpec {
    const char* family; // by name; the windows fall back to a metric-compatible face
    qreal pointSize;
    bool bold;
    bool italic;
    bool underline;
};

struct SheetElement {
    const char* name; // the element's name in the report definition
    QRectF box;       // position and design size, mm from the band's top-left corner
    FontSpec font;    // unused for the picture
    Align align;
    Growth growth;
    const char* text; // fixed text; nullptr where the text is set per print
};

enum ElementIndex { Heading, Title, Memo, Picture, Footer, ElementCount };

struct SheetDefinition {
    QSizeF page;     // A4 portrait
    qreal marginTop; // margins of the page
    qreal marginLeft;
    qreal marginRight;
    qreal marginBottom;
    QSizeF band; // the one title band, aligned to the bottom of the printable area
    std::array<SheetElement, ElementCount> elements;
    const char* caption;     // the report window's caption
    const char* designTitle; // the title label's text before any fill
};

// The sheet of the program (`QuickRep1` of `TForm29`).
const SheetDefinition& sheet();

// The band's top-left corner on the page, mm.
QPointF bandOrigin();

// What the windows measured for one fill, in millimetres at the elements' fonts.
struct Measurements {
    qreal headingWidth = 0; // one-line width of the heading text
    qreal titleWidth = 0;   // one-line width of the title
    qreal footerWidth = 0;  // one-line width of the footer text
    qreal memoHeight = 0;   // height of the report text wrapped at the memo's width
    bool picture = false;   // the sheet holds a picture
};

// Where each element of a filled sheet goes, in mm on the page.
struct Placement {
    std::array<QRectF, ElementCount> boxes;
    // The report text is drawn at this scale (1 unless it is taller than the room
    // left above the footer; then it is reduced until every line fits).
    qreal memoScale = 1;
    bool picture = false; // false when the sheet has no picture or no room is left for it
};

// The smallest height a moved picture keeps; with less room it is left off the sheet.
constexpr qreal minimumPictureHeight = 20.0;

Placement placeSheet(const Measurements& measured);

} // namespace tolvex::report
