#pragma once

#include "ui/common/WindowContext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace tolvex
{

// "Физико-химические свойства и характеристики сталей и её сплавов.": the tree of
// 820 grades. Double-clicking a grade opens the picture window on each of its pages
// in turn; without the picture library it says the module is ordered separately.
class TForm11 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm11(const WindowContext& context, QWidget* parent = nullptr);

private:
    void fillTree();
    void TreeView1Click();
    void TreeView1DblClick();
    void TreeView1ContextPopup(const QPoint& pos);
    void N1Click();
    void N2Click();

    WindowContext m_context;
    QTreeWidget* m_tree;
    QMenu* m_popup;
    QLineEdit* m_edit1;
    QLabel* m_label2;
};

} // namespace tolvex
