#include "ui/app/LanguageSwitch.h"

#include "core/app/LanguageState.h"
#include "ui/app/ProgramWindows.h"
#include "ui/app/TfrmGeneral.h"

#include "core/app/Configuration.h"
#include "core/app/LanguageFile.h"
#include "core/app/LanguageKeys.h"
#include "core/app/ProgramFolder.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/SettingsNotice.h"
#include "ui/common/ToolWindow.h"
#include "ui/materials/MaterialBar.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <memory>

namespace tolvex
{

namespace
{

using language::Target;
using language::TextKind;

// Where language files are looked up: the program folder, then the installed data folder.
QStringList languageFolders()
{
    return {programFolder(), installedDataFolder()};
}

// The objects of a window by objectName; the first of a name wins.
QHash<QString, QObject*> namedObjects(QWidget* window)
{
    QHash<QString, QObject*> names;
    const QList<QObject*> all = window->findChildren<QObject*>();
    names.reserve(all.size() + 1);
    if (!window->isWindow() && !window->objectName().isEmpty())
        names.insert(window->objectName(), window); // a part of a window names itself too
    for (QObject* o : all) {
        const QString name = o->objectName();
        if (!name.isEmpty() && !names.contains(name))
            names.insert(name, o);
    }
    return names;
}

// The page control holding `page` and the page's position in it.
QTabWidget* tabOf(QWidget* page, int* index)
{
    for (QWidget* w = page->parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            *index = tabs->indexOf(page);
            return *index >= 0 ? tabs : nullptr;
        }
    }
    return nullptr;
}

void setCaption(QObject* o, const QString& text)
{
    if (auto* menu = qobject_cast<QMenu*>(o))
        menu->menuAction()->setText(text);
    else if (auto* action = qobject_cast<QAction*>(o))
        action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(o))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(o))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(o))
        group->setTitle(text);
    else if (auto* w = qobject_cast<QWidget*>(o)) {
        int index = -1;
        if (QTabWidget* tabs = tabOf(w, &index))
            tabs->setTabText(index, text);
        else if (w->isWindow())
            w->setWindowTitle(text);
    }
}

void setHint(QObject* o, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(o))
        action->setToolTip(text);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setToolTip(text);
}

// A radio group's list is emptied and refilled in item order.
void setItems(QObject* o, const QStringList& items)
{
    if (auto* group = qobject_cast<RadioGroup*>(o)) {
        group->setItems(items);
        return;
    }
    // A plain framed group of radio buttons: its buttons in order take the items.
    if (auto* box = qobject_cast<QGroupBox*>(o)) {
        const QList<QRadioButton*> buttons =
            box->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < buttons.size(); ++i)
            buttons[i]->setText(i < items.size() ? items[i] : QString());
    }
}

// Puts the plan's "Form" texts of one window into their targets. Targets of
// controls that do not exist are passed over.
void applyToWindow(QWidget* window, const QString& windowName, const language::LanguagePlan& plan)
{
    const std::vector<Target>& targets = language::formTargets();
    const QHash<QString, QObject*> names = namedObjects(window);
    // Items of each radio group, gathered so that a group is refilled once.
    QHash<QObject*, QStringList> items;
    QList<QObject*> groups;

    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Target& t = targets[i];
        if (t.window != windowName)
            continue;
        const QString& text = plan.form[qsizetype(i)];
        if (t.kind == TextKind::Title) {
            if (window->isWindow())
                window->setWindowTitle(text);
            continue;
        }
        QObject* o = names.value(t.control);
        if (!o)
            continue;
        switch (t.kind) {
        case TextKind::Caption:
            setCaption(o, text);
            break;
        case TextKind::Hint:
            setHint(o, text);
            break;
        case TextKind::Item: {
            QStringList& list = items[o];
            if (list.isEmpty() && !groups.contains(o))
                groups.append(o);
            while (list.size() <= t.item)
                list.append(QString());
            list[t.item] = text;
            break;
        }
        case TextKind::Title:
            break;
        }
    }
    for (QObject* group : groups)
        setItems(group, items.value(group));
}

// Puts every "Form" text of the plan into its target, window by window. A window
// whose controls are not built yet takes its texts when they are.
void applyForm(const WindowDirectory& directory,
               const std::shared_ptr<const language::LanguagePlan>& plan)
{
    QSet<QString> done;
    for (const Target& t : language::formTargets()) {
        if (done.contains(t.window))
            continue;
        done.insert(t.window);
        QWidget* window = windowNamed(directory, t.window);
        if (!window)
            continue;
        if (auto* later = qobject_cast<ToolWindow*>(window); later && !later->isBuilt()) {
            const QPointer<ToolWindow> guard(later);
            later->whenBuilt([guard, name = t.window, plan] {
                if (guard)
                    applyToWindow(guard, name, *plan);
            });
            continue;
        }
        applyToWindow(window, t.window, *plan);
    }
}

} // namespace

LanguageSwitch::LanguageSwitch(TfrmGeneral& main, WindowDirectory& windows, LanguageState& state,
                               QAction* russian, QAction* english)
    : m_main(main), m_windows(windows), m_state(state), m_russian(russian), m_english(english)
{
    // The marks as the other windows see them follow the items' check marks.
    auto follow = [this] { m_state.setMarks(m_russian->isChecked(), m_english->isChecked()); };
    QObject::connect(m_russian, &QAction::toggled, m_russian, follow);
    QObject::connect(m_english, &QAction::toggled, m_english, follow);
    follow();
}

// The marks as the program last set them. A click on a checkable item toggles it
// before its handler runs; when the program has not recorded the marks yet, the
// chosen item's mark is taken as toggled by that click.
LanguageSwitch::Marks LanguageSwitch::marksBefore(QAction* chosen) const
{
    const QVariant r = m_russian->property("languageMark");
    const QVariant e = m_english->property("languageMark");
    if (r.isValid() && e.isValid())
        return {r.toBool(), e.toBool()};
    Marks marks{m_russian->isChecked(), m_english->isChecked()};
    if (chosen == m_russian)
        marks.russian = !marks.russian;
    else
        marks.english = !marks.english;
    return marks;
}

void LanguageSwitch::setMarks(Marks marks)
{
    m_russian->setChecked(marks.russian);
    m_english->setChecked(marks.english);
    m_russian->setProperty("languageMark", marks.russian);
    m_english->setProperty("languageMark", marks.english);
}

void LanguageSwitch::chooseRussian()
{
    const Marks before = marksBefore(m_russian);
    if (!language::locateLanguageFile(language::russianFileName(), languageFolders()).isEmpty()) {
        setMarks({true, false});
        apply();
    } else {
        setMarks(before); // a missing file changes nothing on screen
    }
    if (!Configuration::program().writeLanguage(true))
        noticeUnsavedSettings(&m_main);
}

void LanguageSwitch::chooseEnglish()
{
    const Marks before = marksBefore(m_english);
    if (!language::locateLanguageFile(language::englishFileName(), languageFolders()).isEmpty()) {
        setMarks({false, true});
        apply();
    } else {
        setMarks(before);
        showInformation(&m_main, QStringLiteral("Отсутствует модуль английского языка"));
    }
    if (!Configuration::program().writeLanguage(false))
        noticeUnsavedSettings(&m_main);
}

void LanguageSwitch::apply()
{
    // The marks as they stand now are the ones a later click toggles.
    setMarks({m_russian->isChecked(), m_english->isChecked()});
    const QString file = language::chooseLanguageFile(m_russian->isChecked(),
                                                      m_english->isChecked(), m_state.file());
    m_state.setFile(file);
    // No file chosen yet, or the file has gone: the texts stay as they are.
    const QString path = language::locateLanguageFile(file, languageFolders());
    if (path.isEmpty())
        return;
    const auto plan =
        std::make_shared<const language::LanguagePlan>(language::readLanguageFile(path));
    m_plan = plan;
    applyForm(m_windows, plan);
    // The hook-thread window's caption has no key of its own.
    if (QWidget* hook = m_windows.window(WindowId::Form5))
        hook->setWindowTitle(language::hookCaption(file == language::englishFileName()));
    m_main.updateTrayHint();

    m_main.refillMaterialLists(plan->materials, plan->alloys);
    for (const auto& [number, text] : plan->messages)
        m_state.setMessage(number, text);
}

void LanguageSwitch::applyToLatePart(QWidget* part)
{
    if (m_plan)
        applyToWindow(part, m_main.objectName(), *m_plan);
}

void LanguageSwitch::applyAtStart(bool languageChosen)
{
    setMarks({m_russian->isChecked(), m_english->isChecked()});
    // Only a language the user chose (marked in tolvex.ini) is applied at start.
    if (!languageChosen || m_russian->isChecked() == m_english->isChecked())
        return;
    apply();
    // The saved material is looked up again in the lists of the applied language.
    const Configuration::Startup saved = Configuration::program().readStartup();
    if (saved.fileExisted &&
        !language::locateLanguageFile(m_state.file(), languageFolders()).isEmpty())
        m_main.materialBar()->restore(saved.material);
}

} // namespace tolvex
