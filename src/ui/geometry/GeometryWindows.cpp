#include "ui/geometry/GeometryWindows.h"

#include "ui/common/WindowContext.h"
#include "ui/geometry/BaseSidesDialog.h"
#include "ui/geometry/TForm6.h"
#include "ui/geometry/TfrmVolume.h"

namespace tolvex
{

QWidget* createForm6(const WindowContext& context)
{
    return new TForm6(&context.language);
}

QWidget* createFrmVolume(const WindowContext& context)
{
    return new TfrmVolume(&context.windows);
}

QWidget* createFrmSquareCalc(const WindowContext&)
{
    return createSquareCalc();
}

QWidget* createFrmPerimetrCalc(const WindowContext&)
{
    return createPerimetrCalc();
}

} // namespace tolvex
