#pragma once

#include <QString>

class QPainter;
class QPrinter;

namespace tolvex
{

// What one result sheet shows.
struct SheetContent {
    QString title;       // the product title
    QString report;      // the report text (CR LF or LF line breaks)
    QString picturePath; // an SVG drawing; empty for none
};

// Draws the sheet on the painter's device (a printer, a preview page, a PDF, an
// image), whose origin is the paper's top-left corner; the device's resolution gives
// the millimetres.
void paintSheet(QPainter& painter, const SheetContent& content);

// Sets the printer up for the sheet: A4 portrait, the sheet's margins, one copy,
// drawn from the paper's corner.
void setUpSheetPrinter(QPrinter& printer, const QString& documentName);

// Prints the sheet on a printer set up as above; false when the printer could not be
// opened.
bool printSheetOn(QPrinter& printer, const SheetContent& content);

} // namespace tolvex
