#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

// The program's message boxes: application-modal, owned by the window that shows
// them, with the exact texts and captions of the program.
namespace tolvex
{

// An information box ("Information", OK button).
void showInformation(QWidget* owner, const QString& text,
                     QMessageBox::Icon icon = QMessageBox::Information,
                     const QString& caption = QStringLiteral("Information"));
// A question with OK and Cancel; true for OK.
bool askOkCancel(QWidget* owner, const QString& text,
                 const QString& caption = QStringLiteral("Information"));
// The general error box, caption "Error".
void showError(QWidget* owner, const QString& text);
// A text that is no number.
void showConversionError(QWidget* owner, const QString& badText);
// Arithmetic that failed (a division by zero, an overflow).
void showFloatingPointError(QWidget* owner);

// A replacement for showing the boxes above (for tests that press thousands of
// buttons): while set, it is called with the box's caption, text and icon instead of
// showing the box, and its return value is the button pressed (QMessageBox::Ok …).
using MessageBoxHook =
    std::function<int(const QString& caption, const QString& text, QMessageBox::Icon icon)>;
void setMessageBoxHook(MessageBoxHook hook); // an empty hook shows boxes again

} // namespace tolvex
