#include "ui/geometry/BaseSidesDialog.h"

#include "ui/geometry/TfrmPerimetrCalc.h"
#include "ui/geometry/TfrmSquareCalc.h"
#include "ui/geometry/WholeNumberEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tolvex
{

BaseSidesDialog::BaseSidesDialog(const QString& objectName, const QString& caption, QWidget* parent)
    : QDialog(parent), m_a(new WholeNumberEdit(QStringLiteral("RzNumericEdit1"), this)),
      m_b(new WholeNumberEdit(QStringLiteral("RzNumericEdit2"), this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* labelA = new QLabel(QStringLiteral("Сторона а, мм."), this);
    labelA->setObjectName(QStringLiteral("RzLabel1"));
    labelA->setBuddy(m_a);
    auto* labelB = new QLabel(QStringLiteral("Сторона b, мм."), this);
    labelB->setObjectName(QStringLiteral("RzLabel2"));
    labelB->setBuddy(m_b);
    m_a->setFixedWidth(90);
    m_b->setFixedWidth(90);

    auto* confirm = new QPushButton(QStringLiteral("Вычислить"), this);
    confirm->setObjectName(QStringLiteral("RzBitBtn1"));
    confirm->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("RzBitBtn2"));
    connect(confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(labelA, 0, 0);
    grid->addWidget(m_a, 0, 1);
    grid->addWidget(labelB, 1, 0);
    grid->addWidget(m_b, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    auto* box = new QVBoxLayout(this);
    box->addLayout(grid);
    box->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(240, 0)));
}

qint64 BaseSidesDialog::sideA() const
{
    return m_a->value();
}

qint64 BaseSidesDialog::sideB() const
{
    return m_b->value();
}

BaseSidesDialog* createSquareCalc(QWidget* parent)
{
    return new TfrmSquareCalc(parent);
}

BaseSidesDialog* createPerimetrCalc(QWidget* parent)
{
    return new TfrmPerimetrCalc(parent);
}

} // namespace tolvex
