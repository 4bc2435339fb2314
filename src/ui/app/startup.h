#pragma once

#include <QStringList>

class QWidget;

namespace tolvex
{

// Creates every window in the program's order (the main window first, running its
// creation step), shows the main window and returns without entering the event
// loop. Understands "--screenshot FILE.png" and "--window NAME" (see main.cpp).
void startApplication(const QStringList& args);
// Closes the main window (running its shut-down step) and deletes every window.
void stopApplication();
// A window created at start, by objectName ("frmGeneral", "Form6" …); nullptr if none.
// For the command line and for tests; the program itself reaches windows by WindowId.
// A window whose controls wait for its first show has them built by this call (the
// main window: every calculator panel).
QWidget* findWindow(const QString& objectName);

} // namespace tolvex
