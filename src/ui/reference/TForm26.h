#pragma once

#include "ui/common/ToolWindow.h"

#include <QWidget>

namespace tolvex
{

class ConverterColumns;

// "Соотношение единиц давления": the twelve pressure units, the factor row of the
// chosen unit in the status panes and a calculator that multiplies the chosen unit's
// field by those factors.
class TForm26 : public ToolWindow
{
    Q_OBJECT
public:
    explicit TForm26(QWidget* parent = nullptr);

    ConverterColumns* columns() const; // built by this call when still waiting

    void RzRadioGroup1Click(int unit);
    // Converts from field `unit` (0 … 11) with the factors in the panes.
    void RzBitBtnClick(int unit);

private:
    void build();
    ConverterColumns* m_columns = nullptr;
};

} // namespace tolvex
