#pragma once

// Reading back the texts the language switch writes: one target of the key table,
// or every text of every window (for before/after comparisons).

#include "core/app/LanguageKeys.h"
#include "ui/app/startup.h"
#include "ui/common/RadioGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <optional>

namespace tolvex::test
{

// The control a target names: the first object of that name in the window.
inline QObject* targetObject(const language::Target& t)
{
    QWidget* window = findWindow(t.window);
    if (!window || t.control.isEmpty())
        return window;
    for (QObject* o : window->findChildren<QObject*>())
        if (o->objectName() == t.control)
            return o;
    return nullptr;
}

// The text a target shows, or nothing when the target does not exist or cannot
// carry that kind of text.
inline std::optional<QString> targetText(const language::Target& t)
{
    using language::TextKind;
    QObject* o = targetObject(t);
    if (!o)
        return std::nullopt;
    auto* w = qobject_cast<QWidget*>(o);
    switch (t.kind) {
    case TextKind::Title:
        return w ? std::optional(w->windowTitle()) : std::nullopt;
    case TextKind::Hint:
        if (auto* a = qobject_cast<QAction*>(o))
            return a->toolTip();
        return w ? std::optional(w->toolTip()) : std::nullopt;
    case TextKind::Item: {
        QStringList items;
        if (auto* g = qobject_cast<RadioGroup*>(o))
            items = g->items();
        else if (auto* box = qobject_cast<QGroupBox*>(o))
            for (auto* b : box->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
                items << b->text();
        if (t.item >= items.size())
            return std::nullopt;
        return items[t.item];
    }
    case TextKind::Caption:
        if (auto* m = qobject_cast<QMenu*>(o))
            return m->menuAction()->text();
        if (auto* a = qobject_cast<QAction*>(o))
            return a->text();
        if (auto* l = qobject_cast<QLabel*>(o))
            return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(o))
            return b->text();
        if (auto* g = qobject_cast<QGroupBox*>(o))
            return g->title();
        if (w) {
            for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
                if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
                    const int i = tabs->indexOf(w);
                    return i >= 0 ? std::optional(tabs->tabText(i)) : std::nullopt;
                }
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// Every caption, hint, title, tab text and list item of every window, keyed by the
// object's path. The clock is left out: it changes by itself.
inline QMap<QString, QString> allTexts()
{
    QMap<QString, QString> out;
    const auto visit = [&](auto&& self, QObject* o, const QString& path) -> void {
        if (o->objectName() == QLatin1String("RzClockStatus1"))
            return;
        if (auto* w = qobject_cast<QWidget*>(o)) {
            if (w->isWindow())
                out[path + "#title"] = w->windowTitle();
            if (!w->toolTip().isEmpty())
                out[path + "#hint"] = w->toolTip();
        }
        if (auto* a = qobject_cast<QAction*>(o)) {
            out[path + "#text"] = a->text();
            out[path + "#hint"] = a->toolTip();
        } else if (auto* m = qobject_cast<QMenu*>(o)) {
            out[path + "#text"] = m->title();
        } else if (auto* l = qobject_cast<QLabel*>(o)) {
            out[path + "#text"] = l->text();
        } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
            out[path + "#text"] = b->text();
        } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
            out[path + "#text"] = g->title();
        } else if (auto* tabs = qobject_cast<QTabWidget*>(o)) {
            for (int i = 0; i < tabs->count(); ++i)
                out[path + QStringLiteral("#tab%1").arg(i)] = tabs->tabText(i);
        } else if (auto* c = qobject_cast<QComboBox*>(o)) {
            for (int i = 0; i < c->count(); ++i)
                out[path + QStringLiteral("#item%1").arg(i)] = c->itemText(i);
        }
        QHash<QString, int> unnamed;
        for (QObject* child : o->children()) {
            QString name = child->objectName();
            if (name.isEmpty()) {
                const QString cls = QLatin1String(child->metaObject()->className());
                name = cls + QChar('#') + QString::number(unnamed[cls]++);
            }
            self(self, child, path + QChar('/') + name);
        }
    };
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parent() && !w->objectName().isEmpty())
            visit(visit, w, w->objectName());
    return out;
}

} // namespace tolvex::test
