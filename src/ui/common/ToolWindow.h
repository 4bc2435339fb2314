#pragma once

#include <QWidget>

namespace tolvex
{

// A top-level window of the program beside the main window: a title bar with
// minimise and close buttons, the forms' Arial 8, centred on the screen the first
// time it is shown; closing it only hides it and never ends the program.
class ToolWindow : public QWidget
{
    Q_OBJECT
public:
    // A window shown modally leaves out the minimise button.
    ToolWindow(const QString& objectName, const QString& caption, QWidget* parent = nullptr,
               bool minimiseButton = true);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_centred = false;
};

} // namespace tolvex
