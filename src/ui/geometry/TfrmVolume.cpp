#include "ui/geometry/TfrmVolume.h"

#include "core/common/NumberText.h"
#include "core/geometry/Solids.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"
#include "ui/geometry/BaseSidesDialog.h"
#include "ui/geometry/SolidPageWidget.h"
#include "ui/geometry/WindowMaterialBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvex
{

using namespace geometry;

TfrmVolume::TfrmVolume(WindowDirectory* windows, QWidget* parent)
    : GeometryWindow(QStringLiteral("frmVolume"), QStringLiteral("Объёмные фигуры"),
                     QSize(475, 514), parent),
      m_windows(windows)
{
    // Twelve solids with their sketches: made when the window is first shown.
    buildWhenShown([this] { build(); });
}

void TfrmVolume::build()
{
    for (const SolidOuterTab& outer : solidOuterTabs())
        addOuterPage(outer.sheetName, outer.innerControl, outer.caption);
    for (const SolidPage& page : solidPages()) {
        auto* widget = new SolidPageWidget(page);
        placePage(page.outerPage, widget, page.caption);
        m_pages << widget;
    }

    // The prism's picture buttons beside its perimeter and base area fields.
    const QIcon icon(QStringLiteral(":/drawings/button_base_calc.svg"));
    auto pictureButton = [&](const char* name, const char* hint, WindowId dialog, int row) {
        auto* b = new QToolButton(m_pages.front());
        b->setObjectName(QLatin1String(name));
        b->setToolTip(QString::fromUtf8(hint));
        b->setIcon(icon);
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, [this, dialog] { openBaseDialog(dialog); });
        m_pages.front()->addBeside(row, b);
    };
    pictureButton("RzBitBtn4", "Вычислить периметр призмы", WindowId::frmPerimetrCalc, 0);
    pictureButton("RzBitBtn5", "Вычислить площадь призмы", WindowId::frmSquareCalc, 1);

    auto* note1 = new QLabel(QStringLiteral("* Все размеры указываются в миллиметрах"), this);
    note1->setObjectName(QStringLiteral("RzLabel2"));
    auto* note2 =
        new QLabel(QStringLiteral("** Для подсчёта веса необходимо указать материал"), this);
    note2->setObjectName(QStringLiteral("RzLabel3"));

    auto* computeButton = new QPushButton(QStringLiteral("Вычислить"), this);
    computeButton->setObjectName(QStringLiteral("RzBitBtn1"));
    auto* clearButton = new QPushButton(QStringLiteral("Очистить всё"), this);
    clearButton->setObjectName(QStringLiteral("RzBitBtn2"));
    auto* exitButton = new QPushButton(QStringLiteral("Выход"), this);
    exitButton->setObjectName(QStringLiteral("RzBitBtn3"));
    for (QPushButton* b : {computeButton, clearButton, exitButton})
        b->setAutoDefault(false);
    connect(computeButton, &QPushButton::clicked, this, &TfrmVolume::compute);
    connect(clearButton, &QPushButton::clicked, this, &TfrmVolume::Clear);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(computeButton);
    buttons->addWidget(clearButton);
    buttons->addWidget(exitButton);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(6, 6, 6, 6);
    box->setSpacing(4);
    box->addWidget(materialBox());
    box->addWidget(outerTabs(), 1);
    box->addWidget(buildResults());
    box->addWidget(note1);
    box->addWidget(note2);
    box->addLayout(buttons);

    // At creation: "Шар", inner tab "Пояс".
    selectPage(4, 3);
    Clear();
}

QWidget* TfrmVolume::buildResults()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel2"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const SolidResultLine& line : solidResultLines()) {
        auto* caption = new QLabel(line.caption, panel);
        caption->setObjectName(line.captionName);
        auto* value = new QLabel(panel);
        value->setObjectName(line.valueName);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setMinimumWidth(60);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        m_values << value;
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return panel;
}

SolidPageWidget* TfrmVolume::activePage() const
{
    const int outer = outerTabs()->currentIndex();
    QWidget* current =
        innerTabs(outer) ? innerTabs(outer)->currentWidget() : outerTabs()->currentWidget();
    return qobject_cast<SolidPageWidget*>(current);
}

void TfrmVolume::Clear()
{
    for (SolidPageWidget* page : m_pages)
        page->clear();
    for (QLabel* value : m_values)
        value->setText(QStringLiteral("0"));
}

void TfrmVolume::compute()
{
    SolidPageWidget* page = activePage();
    if (!page)
        return;
    const SolidOutcome out = computeSolid(page->page().kind, page->fieldTexts(), density());
    switch (out.status) {
    case SolidOutcome::Ok: {
        const SolidLines& l = out.lines;
        const QString texts[] = {l.lateral, l.total, l.volume, l.weight};
        for (int i = 0; i < 4; ++i)
            m_values[i]->setText(texts[i]);
        break;
    }
    case SolidOutcome::PrismBaseTooLarge:
        showInformation(this, out.message);
        break;
    case SolidOutcome::FloatError:
        showFloatingPointError(this);
        break;
    }
}

BaseSidesDialog* TfrmVolume::baseDialog(WindowId id)
{
    if (m_windows)
        if (auto* shared = qobject_cast<BaseSidesDialog*>(m_windows->window(id)))
            return shared;
    // Without the program's windows (a window on its own): a dialog of this window.
    BaseSidesDialog*& own = id == WindowId::frmSquareCalc ? m_ownSquare : m_ownPerimeter;
    if (!own)
        own = id == WindowId::frmSquareCalc ? createSquareCalc(this) : createPerimetrCalc(this);
    return own;
}

void TfrmVolume::openBaseDialog(WindowId id)
{
    BaseSidesDialog* dialog = baseDialog(id);
    if (!dialog || dialog->exec() != QDialog::Accepted)
        return;
    const RectangleBase base = rectangleBase(dialog->sideA(), dialog->sideB());
    const QList<NumericEdit*>& prism = m_pages.front()->fields();
    prism[0]->setText(formatGeneral(base.perimeter));
    prism[1]->setText(formatGeneral(base.area));
}

} // namespace tolvex
