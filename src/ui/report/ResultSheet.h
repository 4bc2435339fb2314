#pragma once

#include "ui/common/Drawings.h"

#include <QString>

class QWidget;

namespace tolvex
{

class TForm29;
struct SheetContent;

// Printing and previewing the result sheet from a calculator panel. Both fill the
// sheet the same way (title label's text, report box's text, the panel's picture or
// none) and never touch the panel.

// "Печать результатов": prints the sheet at once on the default printer, one copy, no
// dialog; with a print target set, writes it into that PDF file instead. Without a
// usable printer the user is told so and may save the sheet as a PDF file.
void printSheet(TForm29& sheet, const QString& title, const QString& reportText, Drawing picture,
                QWidget* owner);

// The preview button: the sheet in the modal print preview; returns when it is closed.
void previewSheet(TForm29& sheet, const QString& title, const QString& reportText, Drawing picture,
                  QWidget* owner);

// `--print-to FILE.pdf`: every print of this run writes the sheet into that file (the
// last print wins). An empty path prints on the printer again.
void setPrintTarget(const QString& pdfPath);
QString printTarget();

// Writes the sheet into a one-page A4 PDF file; false when the file can't be written.
bool writeSheetPdf(const SheetContent& content, const QString& pdfPath);

// A file name for the sheet of `title` ("Труба.pdf"): characters no file system takes
// are replaced, an empty title gives the report window's caption.
QString sheetFileName(const QString& title);

} // namespace tolvex
