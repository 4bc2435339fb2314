#include "core/app/LanguageState.h"
#include "core/modules/ModuleContracts.h"
#include "core/modules/ProductAddresses.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/Online.h"
#include "ui/common/WindowDirectory.h"
#include "ui/modules/DescriptionWindows.h"
#include "ui/modules/ModuleLibrary.h"
#include "ui/modules/ModuleWindows.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <QWidget>

namespace tolvex
{

namespace
{

std::function<bool()>& onlineTest()
{
    static std::function<bool()> test = &isOnline;
    return test;
}

void openModule(QWidget* mainWindow, const WindowContext& context, const char* library,
                std::span<const char* const> entryPoints, int messageKey,
                const QString& builtInMessage, WindowId description)
{
    modules::ModuleRun run(library, entryPoints, quintptr(mainWindow->winId()));
    if (run.succeeded())
        return;
    showInformation(mainWindow, context.language.message(messageKey, builtInMessage),
                    QMessageBox::NoIcon, QStringLiteral("Tolvex"));
    context.windows.showWindow(description, Modality::Modal);
    run.release();
}

} // namespace

QWidget* createForm21(const WindowContext&)
{
    return new TForm21;
}

QWidget* createForm23(const WindowContext&)
{
    return new TForm23;
}

void openElectricalModule(QWidget* mainWindow, const WindowContext& context)
{
    openModule(mainWindow, context, modules::VoltmodLibrary, modules::VoltmodEntryPoints,
               modules::VoltmodFailureMessage,
               QStringLiteral("Не удалось открыть модуль «Электротехника»."), WindowId::Form21);
}

void openNonferrousModule(QWidget* mainWindow, const WindowContext& context)
{
    openModule(mainWindow, context, modules::NonferLibrary, modules::NonferEntryPoints,
               modules::NonferFailureMessage,
               QStringLiteral("Не удалось открыть модуль «Алюминий и медь»."), WindowId::Form23);
}

void startMotorsProgram()
{
    QProcess::startDetached(QString::fromUtf8(modules::MotorsProgram), {});
}

void showHistory(const WindowContext& context)
{
    context.windows.showWindow(WindowId::frmHistory, Modality::Modal);
    if (modulesOnline())
        visitHomePage();
}

void proposeAddition()
{
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(QString::fromUtf8(addresses::AuthorEmail));
    mail.setQuery(QStringLiteral("subject=Это%20надо%20добавить&body=Было бы неплохо если бы в "
                                 "программе появилась информация о"));
    QDesktopServices::openUrl(mail);
}

void visitHomePage()
{
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(addresses::WebPage)));
}

void openDownloadPage()
{
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(addresses::DownloadPage)));
}

bool modulesOnline()
{
    return onlineTest() && onlineTest()();
}

void setModulesOnlineTest(std::function<bool()> test)
{
    onlineTest() = std::move(test);
}

} // namespace tolvex
