#pragma once

#include <QList>
#include <QWidget>

class QToolButton;
class QVBoxLayout;

namespace tolvex
{

// The group bar: caption bars stacked top to bottom, one group open at a time; the
// open group takes the free height under its caption. The groups have no items:
// opening one (a click or the keyboard) is all they do.
class GroupBar : public QWidget
{
    Q_OBJECT
public:
    explicit GroupBar(QWidget* parent = nullptr);
    QToolButton* addGroup(const QString& objectName, const QString& caption);
    void open(int index);    // opens a group and emits opened()
    void setOpen(int index); // shows a group as open without emitting
    int openIndex() const { return m_open; }
    QToolButton* group(int index) const { return m_groups.value(index); }

signals:
    void opened(int index);

private:
    QVBoxLayout* m_layout;
    QList<QToolButton*> m_groups;
    QWidget* m_space;
    int m_open = -1;
};

} // namespace tolvex
