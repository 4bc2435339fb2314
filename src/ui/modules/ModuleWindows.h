#pragma once

#include "ui/common/WindowContext.h"

#include <functional>

class QWidget;

// The extension modules and online services: the add-on modules, the motors
// program, the about box, the version history, the news subscription and the
// product's web addresses.
namespace tolvex
{

// Factories of the windows (each created once at start-up).
QWidget* createForm21(const WindowContext& context);   // "Электротехника" description
QWidget* createForm23(const WindowContext& context);   // "Алюминий и медь" description
QWidget* createAboutBox(const WindowContext& context); // TAboutBox
QWidget* createFrmHistory(const WindowContext& context);    // TfrmHistory
QWidget* createFrmSubscrible(const WindowContext& context); // TfrmSubscrible

// "Электротехника": runs Voltmod's 41 entry points with the main window's id; when
// anything fails, message LNG_421, then Form21 (modal).
void openElectricalModule(QWidget* mainWindow, const WindowContext& context);
// "Алюминий и Медь": the same with Nonfer's two entry points, LNG_422 and Form23.
void openNonferrousModule(QWidget* mainWindow, const WindowContext& context);
// "Rotavik - Электродвигатели": starts the motors program; nothing is shown when it
// is not installed.
void startMotorsProgram();

// "История": the history window (modal); afterwards, when online, the web page.
void showHistory(const WindowContext& context);
// "В разработку": a new mail to the project with a subject and the start of a text.
void proposeAddition();
// "Посетить Home Page".
void visitHomePage();
// The hidden "Скачать модули с HomePage" and the steels window without its pictures.
void openDownloadPage();

// Whether the computer is online, as these windows ask it (isOnline() unless a test
// or a screenshot run sets another answer).
bool modulesOnline();
void setModulesOnlineTest(std::function<bool()> test);

} // namespace tolvex
