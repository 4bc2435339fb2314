#include "ui/engineering/TForm8.h"

#include "core/app/LanguageState.h"
#include "core/common/NumberText.h"
#include "core/engineering/RopeTables.h"
#include "ui/common/MessageBoxes.h"
#include "ui/engineering/RopeTab.h"

#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

// The tab widget under `parent` for the titles so far, created on first use.
QTabWidget* tabsUnder(QWidget* page, QTabWidget* root, const QString& path)
{
    if (!page)
        return root;
    auto* tabs = page->findChild<QTabWidget*>(path, Qt::FindDirectChildrenOnly);
    if (!tabs) {
        tabs = new QTabWidget(page);
        tabs->setObjectName(path);
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(tabs);
    }
    return tabs;
}

} // namespace

TForm8::TForm8(const WindowContext& context, QWidget* parent)
    : ToolWindow(QStringLiteral("Form8"), QStringLiteral("Канаты"), parent), m_context(context)
{
    setFixedSize(661, 362);
    // Thirteen tabs of tables: made when the window is first shown, not at start.
    buildWhenShown([this] { build(); });
}

void TForm8::build()
{
    auto* root = new QTabWidget(this);
    root->setObjectName(QStringLiteral("ropeTabs"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(root);

    int number = 0;
    for (const ropes::RopeConstruction& construction : ropes::ropeConstructions()) {
        QTabWidget* tabs = root;
        QWidget* page = nullptr;
        QString path;
        for (int level = 0; level < construction.tabPath.size(); ++level) {
            const QString& title = construction.tabPath[level];
            tabs = tabsUnder(page, root, QStringLiteral("ropeTabs") + path);
            path += QLatin1Char('/') + title;
            page = nullptr;
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabText(i) == title)
                    page = tabs->widget(i);
            if (!page) {
                const bool leaf = level + 1 == construction.tabPath.size();
                page = leaf ? new RopeTab(construction, ++number, this) : new QWidget(this);
                tabs->addTab(page, title);
            }
        }
        auto* tab = static_cast<RopeTab*>(page);
        m_tabs.push_back(tab);
        connect(tab, &RopeTab::calculateRequested, this, [this, tab] { calculate(tab); });
        connect(tab, &RopeTab::clearRequested, this, &TForm8::clearAll);
    }
}

void TForm8::calculate(RopeTab* tab)
{
    const QString text = tab->lengthText();
    const auto length =
        text.trimmed().isEmpty() ? std::optional<long double>(0) : parseNumber(text);
    if (!length) {
        showConversionError(this, text);
        return;
    }
    switch (tab->calculate(*length, m_context.language.english())) {
    case RopeTab::Outcome::NoDiameter:
        showInformation(this, QStringLiteral("Выберите диаметр каната из списка"));
        break;
    case RopeTab::Outcome::Overflow:
        showFloatingPointError(this);
        break;
    case RopeTab::Outcome::Written:
        break;
    }
}

void TForm8::clearAll()
{
    for (RopeTab* tab : m_tabs)
        tab->clear();
}

} // namespace tolvex
