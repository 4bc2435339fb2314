#include "ui/report/ReportWindows.h"

#include "ui/report/TForm29.h"

namespace tolvex
{

QWidget* createForm29(const WindowContext&)
{
    return new TForm29;
}

} // namespace tolvex
