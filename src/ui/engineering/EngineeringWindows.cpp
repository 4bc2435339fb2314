#include "ui/engineering/EngineeringWindows.h"

#include "ui/engineering/TForm5.h"
#include "ui/engineering/TForm8.h"
#include "ui/engineering/TForm9.h"

namespace tolvex
{

QWidget* createForm5(const WindowContext& context)
{
    return new TForm5(context);
}

QWidget* createForm8(const WindowContext& context)
{
    return new TForm8(context);
}

QWidget* createForm9(const WindowContext&)
{
    return new TForm9;
}

} // namespace tolvex
