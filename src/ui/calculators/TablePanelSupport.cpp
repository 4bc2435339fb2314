#include "ui/calculators/TablePanelSupport.h"

#include "ui/calculators/CalculatorHost.h"
#include "ui/app/startup.h"
#include "ui/common/MessageBoxes.h"

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace tolvex
{

namespace
{

// Runs an action when a label is clicked with the left button.
class ClickFilter : public QObject
{
public:
    ClickFilter(QLabel* label, std::function<void()> action)
        : QObject(label), m_action(std::move(action))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_action();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

QComboBox* addSizeList(QWidget* panel, QGridLayout* grid, int row, const QString& labelName,
                       const QString& caption, const QString& listName, const QString& hint,
                       const QString& unitName, const QString& unitText, bool wide)
{
    auto* label = new QLabel(caption, panel);
    label->setObjectName(labelName);
    auto* list = new QComboBox(panel);
    list->setObjectName(listName);
    list->setToolTip(hint);
    list->setMaxVisibleItems(16);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(4);
    label->setBuddy(list);
    int listRow = row;
    if (wide) {
        label->setWordWrap(true);
        grid->addWidget(label, row, 0, 1, 4);
        listRow = row + 1;
    } else {
        grid->addWidget(label, row, 0);
    }
    const int firstColumn = wide ? 0 : 1;
    if (unitName.isEmpty()) {
        grid->addWidget(list, listRow, firstColumn, 1, 4 - firstColumn); // up to the "=" column
    } else {
        grid->addWidget(list, listRow, firstColumn, 1, 2 - firstColumn);
        auto* unit = new QLabel(unitText, panel);
        unit->setObjectName(unitName);
        grid->addWidget(unit, listRow, 2);
    }
    list->setCurrentIndex(-1);
    return list;
}

calc::ListChoice choiceOf(const QComboBox* list)
{
    return {list->currentIndex(), list->currentText()};
}

void emptyText(QComboBox* list)
{
    list->setCurrentIndex(-1);
}

void connectSketch(QWidget* panel, const QString& buttonName, const QString& windowName)
{
    auto* button = panel->findChild<QPushButton*>(buttonName);
    if (!button)
        return;
    QObject::connect(button, &QPushButton::clicked, panel, [windowName] {
        QWidget* window = findWindow(windowName);
        if (!window)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(window)) {
            dialog->exec();
            return;
        }
        window->setWindowModality(Qt::ApplicationModal);
        window->show();
        window->raise();
    });
}

void makeTitleInformative(QLabel* title, CalculatorHost& host, const QString& text)
{
    title->setCursor(Qt::PointingHandCursor);
    new ClickFilter(title, [&host, text] { showInformation(host.messageOwner(), text); });
}

} // namespace tolvex
