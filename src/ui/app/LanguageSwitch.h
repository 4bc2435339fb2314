#pragma once

#include <QString>
#include <memory>

class QAction;
class QWidget;

namespace tolvex::language
{
struct LanguagePlan;
}

namespace tolvex
{

class LanguageState;
class TfrmGeneral;
class WindowDirectory;

// The language switch of the main window: the two menu items and applying a
// language file to every window by the key table (controls found by objectName, so
// the table stays data). It keeps the language state the other windows read.
class LanguageSwitch
{
public:
    LanguageSwitch(TfrmGeneral& main, WindowDirectory& windows, LanguageState& state,
                   QAction* russian, QAction* english);

    void chooseRussian(); // miRUS
    void chooseEnglish(); // miENG
    // Applies the file of the marked language (Languard).
    void apply();
    // Start-up, once every window exists: applies the language whose item alone is
    // marked and restores the saved material against the lists of that language.
    void applyAtStart(bool languageChosen);
    // A part of the main window made after the language was applied (a calculator
    // panel) takes the texts of the applied language now.
    void applyToLatePart(QWidget* part);

private:
    struct Marks {
        bool russian;
        bool english;
    };
    Marks marksBefore(QAction* chosen) const;
    void setMarks(Marks marks);

    TfrmGeneral& m_main;
    WindowDirectory& m_windows;
    LanguageState& m_state;
    QAction* m_russian;
    QAction* m_english;
    std::shared_ptr<const language::LanguagePlan> m_plan; // the one applied last
};

} // namespace tolvex
