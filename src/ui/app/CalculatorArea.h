#pragma once

#include <QList>
#include <QWidget>

namespace tolvex
{

class CalculatorHost;
class CalculatorPanel;
class GroupBar;
class WindowDirectory;

// The main window's calculators: the group bar on the left and, beside it, the
// panel of the open group. Each group row carries its panel's factory; the area
// wires every panel's sketch button to the window directory.
class CalculatorArea : public QWidget
{
    Q_OBJECT
public:
    CalculatorArea(CalculatorHost& host, WindowDirectory& windows, QWidget* parent = nullptr);

    GroupBar* groups() const { return m_groups; }
    const QList<CalculatorPanel*>& panels() const { return m_panels; } // group bar order
    CalculatorPanel* panel(const QString& objectName) const;

    // Shows the panels whose flag is set (one flag per group, in the group bar's order).
    void showPanels(const QList<bool>& flags);
    // "0" into every numeric field of every panel.
    void clearAllFields();

signals:
    // A group was opened (its panel has run its reset).
    void groupOpened(int index);

private:
    // The panel's sketch button, and its print and preview buttons with the result sheet.
    void wire(CalculatorPanel* panel, WindowDirectory& windows);

    GroupBar* m_groups;
    QList<CalculatorPanel*> m_panels;
};

} // namespace tolvex
