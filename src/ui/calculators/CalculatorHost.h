#pragma once

#include <QString>

class QWidget;

namespace tolvex
{

// What a calculator panel asks of the main window that hosts it.
class CalculatorHost
{
public:
    virtual ~CalculatorHost() = default;
    virtual long double density() const = 0;        // the current density, g/cm³
    virtual QString materialName() const = 0;       // the material to name in reports
    virtual bool materialIsAlloy() const = 0;       // that name comes from the alloy box
    virtual QString messageText(int key) const = 0; // a "Message" text (LNG_419 …)
    virtual QWidget* messageOwner() = 0;            // the window that owns message boxes
};

} // namespace tolvex
