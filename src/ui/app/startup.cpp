#include "ui/app/startup.h"

#include "ui/app/SecondaryWindow.h"
#include "ui/app/TfrmGeneral.h"
#include "ui/geometry/GeometryWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <clocale>

// Resources of a static library are registered by name, outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(tolvex);
}

namespace tolvex
{

namespace
{

struct WindowSpec {
    const char* className;
    const char* objectName;
    const char* caption;
};

// Every window of the program, in the order it is created; the main window first.
const WindowSpec Windows[] = {
    {"TfrmGeneral", "frmGeneral", "Tolvex версия 6.5"},
    {"TAboutBox", "AboutBox", "Об авторе."},
    {"TForm3", "Form3", "Линейные размеры стандартных профилей"},
    {"TForm5", "Form5", "Расчет номинального диаметра резьбы хвостовика крюка"},
    {"TForm6", "Form6", "Подсчёт площади и массы раскроя"},
    {"TfrmVolume", "frmVolume", "Объёмные фигуры"},
    {"TForm8", "Form8", "Канаты"},
    {"TForm9", "Form9", "Сортамент канатов"},
    {"TfrmHistory", "frmHistory", "Что нового в новых версиях?"},
    {"TForm11", "Form11", "Физико-химические свойства и характеристики сталей и её сплавов."},
    {"TForm12", "Form12", "Физико-химические свойства металлов и сплавов"},
    {"TForm13", "Form13", "Лист рифленный"},
    {"TForm14", "Form14", "Арматура"},
    {"TForm15", "Form15", "Уголок стальной равнополочный"},
    {"TForm16", "Form16", "Уголок стальной неравнополочный"},
    {"TForm17", "Form17", "Form17"},
    {"TForm18", "Form18", ""},
    {"TForm19", "Form19", "Form19"},
    {"TForm20", "Form20", "Труба профильная"},
    {"TForm21", "Form21", "Модуль \"Электротехника\""},
    {"TForm22", "Form22", "Сталь и её сплавы"},
    {"TForm23", "Form23", "Алюминий и медь"},
    {"TSI", "SI", "Еденицы международной системы СИ"},
    {"TProf_trub", "Prof_trub", "Квадратная труба"},
    {"TForm25", "Form25", "Прямоугольная трубы"},
    {"TForm26", "Form26", "Соотношение единиц давления"},
    {"TForm27", "Form27", "Соотношения едениц длины"},
    {"TForm28", "Form28", "Поддержка проекта"},
    {"TForm29", "Form29", "Итоги расчетов"},
    {"TForm30", "Form30", "Швеллер"},
    {"TForm31", "Form31", "Пластические массы (пластмассы)"},
    {"TForm32", "Form32", "Создание эскиза вала и расчет его массы"},
    {"TfrmSquareCalc", "frmSquareCalc", "Площадь основания"},
    {"TfrmPerimetrCalc", "frmPerimetrCalc", "Вычисление периметра основания"},
    {"TfrmSubscrible", "frmSubscrible", "Подписка на новости"},
};

QList<QPointer<QWidget>>& created()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

QTranslator* qtTranslator = nullptr;

QWidget* createWindow(const WindowSpec& entry)
{
    const QString name = QLatin1String(entry.objectName);
    if (QWidget* w = createGeometryWindow(name))
        return w;
    return new SecondaryWindow(QLatin1String(entry.className), name,
                               QString::fromUtf8(entry.caption));
}

void saveScreenshot(const QString& windowName, const QString& file)
{
    QWidget* w = findWindow(windowName);
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
    for (const auto& w : created())
        if (w && w->objectName() == objectName)
            return w;
    return nullptr;
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
    for (int i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == QStringLiteral("--screenshot"))
            screenshot = args[i + 1];
        else if (args[i] == QStringLiteral("--window"))
            windowName = args[i + 1];
        else if (args[i] == QStringLiteral("--group"))
            group = args[i + 1];
    }

    TfrmGeneral* main = nullptr;
    for (const WindowSpec& entry : Windows) {
        if (!main) {
            main = new TfrmGeneral;
            created().append(main);
            main->creationStep();
            continue;
        }
        QWidget* window = createWindow(entry);
        // Closing a secondary window only hides it; only the main window ends the program.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        created().append(window);
    }
    // The language the user chose last time comes back with its texts, once every
    // window it writes into exists.
    main->applyLanguageAtStart();
    if (!screenshot.isEmpty())
        main->setOnlineTest([] { return false; });
    main->move(main->screen()->availableGeometry().center() - main->rect().center());
    main->show();
    if (auto* button = main->findChild<QAbstractButton*>(group); button && !group.isEmpty())
        button->click();

    if (windowName != QStringLiteral("frmGeneral")) {
        if (QWidget* w = findWindow(windowName)) {
            if (w->metaObject()->indexOfMethod("showPage(int,int)") >= 0)
                QMetaObject::invokeMethod(w, "showPage", Q_ARG(int, -1), Q_ARG(int, -1));
            else
                w->show();
        }
    }
    if (!screenshot.isEmpty())
        QTimer::singleShot(300, qApp,
                           [windowName, screenshot] { saveScreenshot(windowName, screenshot); });
}

void stopApplication()
{
    if (QWidget* main = findWindow(QStringLiteral("frmGeneral")))
        main->close();
    auto windows = created();
    created().clear();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        delete it->data();
}

} // namespace tolvex
