#pragma once

#include "ui/common/ToolWindow.h"

#include "ui/common/WindowContext.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QWindow;

namespace tolvex
{

class NumericEdit;

// "Расчет номинального диаметра резьбы хвостовика крюка": the thread diameter of a
// crane hook's shank from the load, the yield stress, the safety factor and the pitch.
//
// The disclaimer box appears when the window is shown and when the user comes to it
// from another window of the program, never when a box of its own closes.
class TForm5 : public ToolWindow
{
    Q_OBJECT
public:
    explicit TForm5(const WindowContext& context, QWidget* parent = nullptr);

    void calculate(); // "Вычислить"
    void clear();     // "Очистить"
    static QString disclaimerText();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void focusWindowChanged(QWindow* focus);
    bool ownedByThis(QWindow* window) const;

    WindowContext m_context;
    NumericEdit* m_load = nullptr;
    NumericEdit* m_yield = nullptr;
    NumericEdit* m_safety = nullptr;
    NumericEdit* m_pitch = nullptr;
    QLabel* m_strength = nullptr;
    QLabel* m_design = nullptr;
    QLabel* m_nominal = nullptr;
    QPointer<QWindow> m_cameFrom; // the last other window of the program that had the focus
    bool m_justShown = false;
};

} // namespace tolvex
