#pragma once

#include "ui/geometry/GeometryWindow.h"

#include <QList>

class QPushButton;

namespace tolvex
{

class BlankFigureTab;
class LanguageState;
class BlankVariantPanel;

// The flat-blank window "Подсчёт площади и массы раскроя": ten figure tabs in
// outer tabs (RzPageControl1) and inner tabs (RzPageControl2–4), twenty
// calculations, its own material box and window density.
class TForm6 : public GeometryWindow
{
    Q_OBJECT
public:
    // The result lines follow `language` (Russian without one).
    explicit TForm6(const LanguageState* language = nullptr, QWidget* parent = nullptr);

    // Every field of every tab "0", every result line empty.
    void Clear() override;
    const QList<BlankFigureTab*>& figureTabs() const { return m_tabs; }

private:
    void build();
    void compute(BlankVariantPanel* panel);

    const LanguageState* m_language;
    QList<BlankFigureTab*> m_tabs;
    QPushButton* m_exit = nullptr;
};

} // namespace tolvex
