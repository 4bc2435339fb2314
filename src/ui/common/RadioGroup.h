#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

namespace tolvex
{

// A radio group: a framed caption and a list of items of which at most one is
// chosen (none at start). Items can be replaced as a whole (the language switch
// empties and refills them in order); the choice is kept by position.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
               int columns = 1, QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
    int itemIndex() const; // -1 when none is chosen
    void setItemIndex(int index);

signals:
    void clicked(int index); // the user chose an item

private:
    QButtonGroup* m_buttons;
    QGridLayout* m_layout;
    int m_columns;
};

} // namespace tolvex
