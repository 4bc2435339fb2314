#include "ui/app/startup.h"

#include "core/app/Configuration.h"
#include "ui/app/ProgramWindows.h"
#include "ui/app/TfrmGeneral.h"
#include "ui/common/FirstPaint.h"
#include "ui/common/ToolWindow.h"
#include "ui/modules/ModuleWindows.h"
#include "ui/report/ResultSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <clocale>
#include <memory>

// Resources of a static library are registered by name, outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(tolvex);
}

namespace tolvex
{

namespace
{

std::unique_ptr<ProgramWindows>& program()
{
    static std::unique_ptr<ProgramWindows> windows;
    return windows;
}

QTranslator* qtTranslator = nullptr;

void saveScreenshot(const QString& windowName, const QString& file)
{
    // The window as it is shown: nothing more is made for the picture.
    QWidget* w = program() ? windowNamed(*program(), windowName) : nullptr;
    if (!w) {
        qWarning("No window named %s", qPrintable(windowName));
        QCoreApplication::exit(1);
        return;
    }
    const bool saved = w->grab().save(file);
    if (!saved)
        qWarning("Could not write %s", qPrintable(file));
    QCoreApplication::exit(saved ? 0 : 1);
}

} // namespace

QWidget* findWindow(const QString& objectName)
{
    QWidget* w = program() ? windowNamed(*program(), objectName) : nullptr;
    // Whoever asks by name looks into the window: its controls are made now.
    if (auto* later = qobject_cast<ToolWindow*>(w))
        later->ensureBuilt();
    if (auto* main = qobject_cast<TfrmGeneral*>(w))
        main->buildAllPanels();
    return w;
}

void startApplication(const QStringList& args)
{
    initResources();
    // Digits never follow the C library's locale; the program puts in its separator itself.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("Tolvex"));
    QCoreApplication::setApplicationName(QStringLiteral("tolvex"));
    if (!qtTranslator) {
        qtTranslator = new QTranslator(qApp);
        if (qtTranslator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTranslator);
    }

    QString screenshot;
    QString windowName = QStringLiteral("frmGeneral");
    QString group;
    setPrintTarget({});
    for (int i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == QStringLiteral("--screenshot"))
            screenshot = args[i + 1];
        else if (args[i] == QStringLiteral("--window"))
            windowName = args[i + 1];
        else if (args[i] == QStringLiteral("--print-to"))
            setPrintTarget(args[i + 1]);
        else if (args[i] == QStringLiteral("--group"))
            group = args[i + 1];
    }

    // The settings file is read once, before any window asks for it.
    Configuration::reloadProgram();
    program() = std::make_unique<ProgramWindows>();
    program()->createAll();
    TfrmGeneral* main = program()->mainWindow();
    // The language the user chose last time comes back with its texts, once every
    // window it writes into exists.
    main->applyLanguageAtStart();
    if (!screenshot.isEmpty()) {
        main->setOnlineTest([] { return false; });
        setModulesOnlineTest([] { return false; });
    }
    main->move(main->screen()->availableGeometry().center() - main->rect().center());
    main->show();
    if (auto* button = main->findChild<QAbstractButton*>(group); button && !group.isEmpty())
        button->click();

    if (windowName != QStringLiteral("frmGeneral")) {
        for (int i = 0; i < WindowCount; ++i)
            if (QWidget* w = program()->window(WindowId(i)); w && w->objectName() == windowName)
                program()->showWindow(WindowId(i), Modality::Modeless);
    }
    // The picture is taken as soon as the window has been painted.
    if (!screenshot.isEmpty()) {
        QWidget* shown = windowNamed(*program(), windowName);
        if (!shown)
            shown = main;
        afterFirstPaint(shown,
                        [windowName, screenshot] { saveScreenshot(windowName, screenshot); });
    }
}

void stopApplication()
{
    if (!program())
        return;
    if (QWidget* main = program()->mainWindow())
        main->close();
    program().reset();
}

} // namespace tolvex
