#include "ui/reference/UnitWindows.h"

#include "ui/reference/TForm26.h"
#include "ui/reference/TForm31.h"
#include "ui/reference/UnitConverterWindow.h"

namespace tolvex
{

// None of these windows needs the context: their texts come in through the language
// key table, and they show no other window.
QWidget* createForm26(const WindowContext&)
{
    return new TForm26;
}

QWidget* createForm27(const WindowContext&)
{
    return new TForm27;
}

QWidget* createFrmMassUnits(const WindowContext&)
{
    return new TfrmMassUnits;
}

QWidget* createFrmAreaUnits(const WindowContext&)
{
    return new TfrmAreaUnits;
}

QWidget* createForm31(const WindowContext&)
{
    return new TForm31;
}

} // namespace tolvex
