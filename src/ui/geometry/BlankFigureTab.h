#pragma once

#include "core/geometry/FlatBlankTable.h"

#include <QList>
#include <QWidget>

class QPushButton;

namespace tolvex
{

class BlankVariantPanel;
class RadioGroup;

// One figure tab of the flat-blank window: the radio group "Выбор параметров" with
// one hidden panel per set of dimensions (or the single panel shown directly), and
// the buttons "Вычислить" and "Очистить всё".
class BlankFigureTab : public QWidget
{
    Q_OBJECT
public:
    BlankFigureTab(const geometry::BlankTab& tab,
                   const std::vector<const geometry::BlankVariant*>& variants,
                   QWidget* parent = nullptr);

    RadioGroup* radioGroup() const { return m_radio; }
    const QList<BlankVariantPanel*>& panels() const { return m_panels; }
    // The panel "Вычислить" computes: the chosen item's, the only one, or none.
    BlankVariantPanel* activePanel() const;
    QPushButton* computeButton() const { return m_compute; }
    QPushButton* clearButton() const { return m_clear; }

signals:
    void computeRequested(tolvex::BlankVariantPanel* panel);
    void clearRequested();

private:
    void choose(int item);

    RadioGroup* m_radio = nullptr;
    QList<BlankVariantPanel*> m_panels;
    QPushButton* m_compute;
    QPushButton* m_clear;
};

} // namespace tolvex
