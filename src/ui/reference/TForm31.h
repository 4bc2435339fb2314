#pragma once

#include "ui/common/ToolWindow.h"

#include <QList>
#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QTextEdit;

namespace tolvex
{

// "Пластические массы (пластмассы)": the page "Общие понятия" and the page of the 48
// list items with their ten property cells, processing methods and uses.
class TForm31 : public ToolWindow
{
    Q_OBJECT
public:
    explicit TForm31(QWidget* parent = nullptr);

    QTabWidget* pages() const { return m_pages; }
    QListWidget* list() const { return m_list; }
    QSplitter* splitter() const { return m_splitter; }
    QTextEdit* cell(int property) const { return m_cells[property]; } // RzRichEdit2 … 11

    // Fills the cells and both texts from the list item at `row` (-1: all stay empty).
    void RzListBox1Click(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_barMoved = false;
    QTabWidget* m_pages;
    QListWidget* m_list;
    QSplitter* m_splitter;
    QPlainTextEdit* m_processing; // RzMemo2
    QPlainTextEdit* m_uses;       // RzMemo3
    QList<QTextEdit*> m_cells;
};

} // namespace tolvex
