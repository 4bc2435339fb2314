#include "ui/engineering/TForm9.h"

#include "core/engineering/BoxText.h"
#include "core/engineering/RopeAssortment.h"
#include "ui/common/MessageBoxes.h"
#include "ui/engineering/RopeSectionView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

QPlainTextEdit* textPage(const QString& name, const QString& text)
{
    auto* box = new QPlainTextEdit(text);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

} // namespace

TForm9::TForm9(QWidget* parent)
    : ToolWindow(QStringLiteral("Form9"), QStringLiteral("Сортамент канатов"), parent)
{
    setFixedSize(673, 513);
    // Two texts and 26 cross-sections: made when the window is first shown.
    buildWhenShown([this] { build(); });
}

void TForm9::build()
{
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("RzPageControl1"));
    pages->addTab(textPage(QStringLiteral("RzMemo1"), ropes::classificationText()),
                  QStringLiteral("Подразделение"));
    pages->addTab(textPage(QStringLiteral("RzMemo2"), ropes::recommendationsText()),
                  QStringLiteral("Рекомендации по применению"));

    auto* constructions = new QWidget;
    auto* label = new QLabel(
        QStringLiteral("Выберите нужную вам конструкцию и кликните по ней мышкой"), constructions);
    label->setObjectName(QStringLiteral("RzLabel1"));
    auto* scroll = new QScrollArea(constructions);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setBackgroundRole(QPalette::Base);
    auto* grid = new QWidget;
    auto* gridLayout = new QGridLayout(grid);
    gridLayout->setSpacing(12);
    const auto& entries = ropes::assortmentEntries();
    for (int i = 0; i < int(entries.size()); ++i) {
        const ropes::AssortmentEntry& entry = entries[std::size_t(i)];
        auto* picture = new RopeSectionView(entry.section, QSize(105, 105), grid);
        picture->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        picture->setCursor(Qt::PointingHandCursor);
        picture->setToolTip(entry.lines.join(QLatin1Char(' ')).simplified());
        gridLayout->addWidget(picture, i / ropes::assortmentColumns, i % ropes::assortmentColumns);
        const QString text = boxText(ropes::assortmentText(entry));
        connect(picture, &RopeSectionView::clicked, this,
                [this, text] { showInformation(this, text); });
    }
    gridLayout->setRowStretch(gridLayout->rowCount(), 1);
    gridLayout->setColumnStretch(ropes::assortmentColumns, 1);
    scroll->setWidget(grid);
    auto* constructionsLayout = new QVBoxLayout(constructions);
    constructionsLayout->addWidget(label);
    constructionsLayout->addWidget(scroll, 1);
    pages->addTab(constructions, QStringLiteral("Конструкции"));
    pages->setCurrentIndex(2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pages);
}

} // namespace tolvex
