#pragma once

#include "ui/common/ToolWindow.h"

#include "ui/common/WindowContext.h"

#include <QWidget>
#include <vector>

namespace tolvex
{

class RopeTab;

// The rope window "Канаты": thirteen construction tabs built from the rope tables,
// nested as the constructions' tab paths say.
class TForm8 : public ToolWindow
{
    Q_OBJECT
public:
    explicit TForm8(const WindowContext& context, QWidget* parent = nullptr);

    // "Очистить" of any tab: every tab's diameter, length and results.
    void clearAll();

private:
    void build();
    void calculate(RopeTab* tab);

    WindowContext m_context;
    std::vector<RopeTab*> m_tabs;
};

} // namespace tolvex
