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

    // The window's controls (built by these calls when they are still waiting).
    QTabWidget* pages() const;
    QListWidget* list() const;
    QSplitter* splitter() const;
    QTextEdit* cell(int property) const; // RzRichEdit2 … 11

    // Fills the cells and both texts from the list item at `row` (-1: all stay empty).
    void RzListBox1Click(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();

    bool m_barMoved = false;
    QTabWidget* m_pages = nullptr;
    QListWidget* m_list = nullptr;
    QSplitter* m_splitter = nullptr;
    QPlainTextEdit* m_processing = nullptr; // RzMemo2
    QPlainTextEdit* m_uses = nullptr;       // RzMemo3
    QList<QTextEdit*> m_cells;
};

} // namespace tolvex
