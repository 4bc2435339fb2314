#pragma once

#include "core/app/LanguageState.h"
#include "ui/common/WindowDirectory.h"

#include <QPointer>
#include <array>

namespace tolvex
{

class TfrmGeneral;

// The window directory of the running program: creates every window in the
// program's order from the creation table, hands each the directory and the
// language, shows windows on request and deletes them at the end.
class ProgramWindows : public WindowDirectory
{
public:
    ProgramWindows();
    ~ProgramWindows() override; // deletes the windows, the last created first

    // Creates the windows in the table's order; the main window's creation step runs
    // as soon as the main window exists, before the others are made.
    void createAll();

    QWidget* window(WindowId id) const override;
    void showWindow(WindowId id, Modality modality, Page page = {}) override;

    TfrmGeneral* mainWindow() const;
    LanguageState& language() { return m_language; }

private:
    LanguageState m_language;
    std::array<QPointer<QWidget>, WindowCount> m_windows;
};

// The window of a directory whose objectName is `objectName` (the language key
// table and the command line name windows so); nullptr if none.
QWidget* windowNamed(const WindowDirectory& windows, const QString& objectName);

} // namespace tolvex
