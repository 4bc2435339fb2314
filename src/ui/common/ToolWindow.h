#pragma once

#include <QWidget>
#include <functional>
#include <vector>

namespace tolvex
{

// A top-level window of the program beside the main window: a title bar with
// minimise and close buttons, the forms' Arial 8, centred on the screen the first
// time it is shown; closing it only hides it and never ends the program.
//
// A window may leave its contents to be built when it is first shown (buildWhenShown):
// the window itself, its name, caption and size exist from the start, its controls
// from the first show on. Whatever needs the controls before then asks for them
// with ensureBuilt(), or has its step run as soon as they exist (whenBuilt).
class ToolWindow : public QWidget
{
    Q_OBJECT
public:
    // A window shown modally leaves out the minimise button.
    ToolWindow(const QString& objectName, const QString& caption, QWidget* parent = nullptr,
               bool minimiseButton = true);

    bool isBuilt() const { return !m_build; }
    void ensureBuilt() const; // const: accessors of the controls call it
    void whenBuilt(std::function<void()> step);

    void setVisible(bool visible) override;

protected:
    void buildWhenShown(std::function<void()> build);
    void showEvent(QShowEvent* event) override;

private:
    bool m_centred = false;
    mutable std::function<void()> m_build;
    mutable std::vector<std::function<void()>> m_afterBuild;
};

} // namespace tolvex
