#include "ui/reference/TForm11.h"

#include "core/modules/ModuleContracts.h"
#include "core/reference/SteelGrades.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/WindowDirectory.h"
#include "ui/modules/ModuleLibrary.h"
#include "ui/modules/ModuleWindows.h"
#include "ui/reference/SteelWindows.h"
#include "ui/reference/TForm12.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

const QColor SkyBlue(0xA6, 0xCA, 0xF0);
const QColor MoneyGreen(0xC0, 0xDC, 0xC0);

bool pictureLibraryPresent()
{
    return !modules::libraryInProgramFolder(modules::PictureLibrary).isEmpty();
}

} // namespace

TForm11::TForm11(const WindowContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint),
      m_context(context)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(
        QStringLiteral("Физико-химические свойства и характеристики сталей и её сплавов."));
    setFixedSize(537, 425);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, SkyBlue);
    setPalette(windowPalette);
    setAutoFillBackground(true);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setCursor(Qt::PointingHandCursor);
    m_tree->viewport()->setCursor(Qt::PointingHandCursor);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    m_tree->setFont(font);
    QPalette treePalette = m_tree->palette();
    treePalette.setColor(QPalette::Base, MoneyGreen);
    m_tree->setPalette(treePalette);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    fillTree();

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* expand = m_popup->addAction(QStringLiteral("Развернуть список"));
    expand->setObjectName(QStringLiteral("N1"));
    QAction* collapse = m_popup->addAction(QStringLiteral("Свернуть список"));
    collapse->setObjectName(QStringLiteral("N2"));
    connect(expand, &QAction::triggered, this, &TForm11::N1Click);
    connect(collapse, &QAction::triggered, this, &TForm11::N2Click);

    auto* exit = new QPushButton(QStringLiteral("Выход"), this);
    exit->setObjectName(QStringLiteral("BitBtn1"));
    connect(exit, &QPushButton::clicked, this, &QDialog::close);

    // Hidden: the last clicked node's text and the page handed to the picture window.
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->hide();
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->hide();

    connect(m_tree, &QTreeWidget::itemClicked, this, &TForm11::TreeView1Click);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &TForm11::TreeView1DblClick);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &TForm11::TreeView1ContextPopup);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_tree, 1);
    layout->addWidget(exit);
}

void TForm11::fillTree()
{
    for (const steel::Group& group : steel::groups()) {
        auto* g = new QTreeWidgetItem(m_tree, {QString::fromUtf8(group.name)});
        for (const steel::Subgroup& subgroup : group.subgroups) {
            auto* s = new QTreeWidgetItem(g, {QString::fromUtf8(subgroup.name)});
            for (const char* grade : subgroup.grades)
                new QTreeWidgetItem(s, {QString::fromUtf8(grade)});
        }
    }
}

void TForm11::TreeView1Click()
{
    if (QTreeWidgetItem* item = m_tree->currentItem())
        m_edit1->setText(item->text(0));
}

void TForm11::TreeView1DblClick()
{
    if (pictureLibraryPresent()) {
        auto* pictures = qobject_cast<TForm12*>(m_context.windows.window(WindowId::Form12));
        for (int page : steel::pagesOf(m_edit1->text())) {
            m_label2->setText(QString::number(page));
            if (pictures)
                pictures->setPage(page);
            m_context.windows.showWindow(WindowId::Form12, Modality::Modal);
        }
    }
    if (!pictureLibraryPresent()) {
        showInformation(this, QStringLiteral("Модуль \"Сталь и её сплавы\" заказывается "
                                             "дополнительно у автора!"));
        if (modulesOnline())
            openDownloadPage();
    }
}

void TForm11::TreeView1ContextPopup(const QPoint& pos)
{
    // A right click selects the node under the mouse.
    if (QTreeWidgetItem* item = m_tree->itemAt(pos))
        m_tree->setCurrentItem(item);
    m_popup->popup(m_tree->viewport()->mapToGlobal(pos));
}

void TForm11::N1Click()
{
    m_tree->expandAll();
}

void TForm11::N2Click()
{
    m_tree->collapseAll();
}

QWidget* createForm11(const WindowContext& context)
{
    return new TForm11(context);
}

} // namespace tolvex
