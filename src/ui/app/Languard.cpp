// The language switch: the two menu items and applying a language file to the
// windows by the key table (found by objectName, so the table stays data).

#include "ui/app/TfrmGeneral.h"

#include "core/app/Configuration.h"
#include "core/app/LanguageFile.h"
#include "core/app/LanguageKeys.h"
#include "core/app/ProgramFolder.h"
#include "ui/app/startup.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/RadioGroup.h"
#include "ui/materials/MaterialBar.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTabWidget>

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
    names.reserve(all.size());
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

// Puts every "Form" text of the plan into its target, window by window. Targets of
// windows or controls that do not exist are passed over.
void applyForm(const language::LanguagePlan& plan)
{
    const std::vector<Target>& targets = language::formTargets();
    QString windowName;
    QWidget* window = nullptr;
    QHash<QString, QObject*> names;
    // Items of each radio group, gathered so that a group is refilled once.
    QHash<QObject*, QStringList> items;
    QList<QObject*> groups;

    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Target& t = targets[i];
        const QString& text = plan.form[qsizetype(i)];
        if (t.window != windowName) {
            windowName = t.window;
            window = findWindow(windowName);
            names = window ? namedObjects(window) : QHash<QString, QObject*>();
        }
        if (!window)
            continue;
        if (t.kind == TextKind::Title) {
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

struct Marks {
    bool russian;
    bool english;
};

// The marks as the program last set them. A click on a checkable item toggles it
// before its handler runs; when the program has not recorded the marks yet, the
// chosen item's mark is taken as toggled by that click.
Marks marksBefore(QAction* chosen, QAction* russian, QAction* english)
{
    const QVariant r = russian->property("languageMark");
    const QVariant e = english->property("languageMark");
    if (r.isValid() && e.isValid())
        return {r.toBool(), e.toBool()};
    Marks marks{russian->isChecked(), english->isChecked()};
    if (chosen == russian)
        marks.russian = !marks.russian;
    else
        marks.english = !marks.english;
    return marks;
}

void setMarks(QAction* russian, QAction* english, Marks marks)
{
    russian->setChecked(marks.russian);
    english->setChecked(marks.english);
    russian->setProperty("languageMark", marks.russian);
    english->setProperty("languageMark", marks.english);
}

} // namespace

void TfrmGeneral::chooseRussian()
{
    const Marks before = marksBefore(m_miRUS, m_miRUS, m_miENG);
    if (!language::locateLanguageFile(language::russianFileName(), languageFolders()).isEmpty()) {
        setMarks(m_miRUS, m_miENG, {true, false});
        Languard();
    } else {
        setMarks(m_miRUS, m_miENG, before); // a missing file changes nothing on screen
    }
    Configuration::forProgram().writeLanguage(true);
}

void TfrmGeneral::chooseEnglish()
{
    const Marks before = marksBefore(m_miENG, m_miRUS, m_miENG);
    if (!language::locateLanguageFile(language::englishFileName(), languageFolders()).isEmpty()) {
        setMarks(m_miRUS, m_miENG, {false, true});
        Languard();
    } else {
        setMarks(m_miRUS, m_miENG, before);
        showInformation(this, QStringLiteral("Отсутствует модуль английского языка"));
    }
    Configuration::forProgram().writeLanguage(false);
}

void TfrmGeneral::Languard()
{
    // The marks as they stand now are the ones a later click toggles.
    setMarks(m_miRUS, m_miENG, {m_miRUS->isChecked(), m_miENG->isChecked()});
    m_languageFile =
        language::chooseLanguageFile(m_miRUS->isChecked(), m_miENG->isChecked(), m_languageFile);
    // No file chosen yet, or the file has gone: the texts stay as they are.
    const QString path = language::locateLanguageFile(m_languageFile, languageFolders());
    if (path.isEmpty())
        return;
    const language::LanguagePlan plan = language::readLanguageFile(path);

    applyForm(plan);
    // The hook-thread window's caption has no key of its own.
    if (QWidget* hook = findWindow(QStringLiteral("Form5")))
        hook->setWindowTitle(language::hookCaption(m_languageFile == language::englishFileName()));
    if (m_tray)
        m_tray->setToolTip(windowTitle());

    refillMaterialLists(plan.materials, plan.alloys);
    for (const auto& [number, text] : plan.messages)
        setMessageText(number, text);
}

void TfrmGeneral::applyLanguageAtStart()
{
    setMarks(m_miRUS, m_miENG, {m_miRUS->isChecked(), m_miENG->isChecked()});
    // Only a language the user chose (marked in tolvex.ini) is applied at start.
    if (!m_settingsRestored || m_miRUS->isChecked() == m_miENG->isChecked())
        return;
    Languard();
    // The saved material is looked up again in the lists of the applied language.
    const Configuration::Startup saved = Configuration::forProgram().readStartup();
    if (saved.fileExisted &&
        !language::locateLanguageFile(m_languageFile, languageFolders()).isEmpty())
        m_materials->restore(saved.material);
}

} // namespace tolvex
