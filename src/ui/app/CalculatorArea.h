#pragma once

#include <QList>
#include <QWidget>

class QGridLayout;

namespace tolvex
{

class CalculatorHost;
class CalculatorPanel;
class GroupBar;
class WindowDirectory;

// The main window's calculators: the group bar on the left and, beside it, the
// panel of the open group. Each group row carries its panel's factory; a panel is
// made when its group is first opened (or when something asks for it), and the
// area wires its sketch, print and preview buttons then.
class CalculatorArea : public QWidget
{
    Q_OBJECT
public:
    CalculatorArea(CalculatorHost& host, WindowDirectory& windows, QWidget* parent = nullptr);

    GroupBar* groups() const { return m_groups; }
    // The panel of group `index` (group bar order), made now if it was not yet.
    CalculatorPanel* panelAt(int index);
    QList<CalculatorPanel*> builtPanels() const; // the panels made so far
    void buildAllPanels();
    // Any panel by objectName (every panel is made for the search).
    CalculatorPanel* panel(const QString& objectName);

    // Shows the panels whose flag is set (one flag per group, in the group bar's order).
    void showPanels(const QList<bool>& flags);
    // "0" into every numeric field of every panel.
    void clearAllFields();

signals:
    // A group was opened (its panel has run its reset).
    void groupOpened(int index);
    // A panel has just been made: what was put into the window before it existed
    // (the language's texts) is put into it now.
    void panelBuilt(CalculatorPanel* panel);

private:
    // The panel's sketch button, and its print and preview buttons with the result sheet.
    void wire(CalculatorPanel* panel, WindowDirectory& windows);

    CalculatorHost& m_host;
    WindowDirectory& m_windows;
    GroupBar* m_groups;
    QWidget* m_area = nullptr;
    QGridLayout* m_stack = nullptr;
    QList<CalculatorPanel*> m_panels; // nullptr until made
};

} // namespace tolvex
