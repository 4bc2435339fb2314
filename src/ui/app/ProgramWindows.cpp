#include "ui/app/ProgramWindows.h"

#include "ui/app/SecondaryWindow.h"
#include "ui/app/TfrmGeneral.h"
#include "ui/common/PagedWindow.h"
#include "ui/common/WindowContext.h"
#include "ui/engineering/EngineeringWindows.h"
#include "ui/geometry/GeometryWindows.h"
#include "ui/modules/ModuleWindows.h"
#include "ui/reference/PictureWindows.h"
#include "ui/reference/SteelWindows.h"
#include "ui/reference/UnitWindows.h"
#include "ui/report/ReportWindows.h"

#include <QDialog>

namespace tolvex
{

namespace
{

using Factory = QWidget* (*)(const WindowContext&);

struct WindowRow {
    WindowId id;
    const char* className;
    const char* objectName;
    const char* caption;
    Factory factory; // nullptr: a window without content of its own yet
};

QWidget* createMainWindow(const WindowContext& context)
{
    auto* main = new TfrmGeneral(context);
    main->creationStep();
    return main;
}

// Every window of the program, in the order it is created; the main window first.
const WindowRow Windows[] = {
    {WindowId::frmGeneral, "TfrmGeneral", "frmGeneral", "Tolvex версия 6.5", createMainWindow},
    {WindowId::AboutBox, "TAboutBox", "AboutBox", "Об авторе.", createAboutBox},
    {WindowId::Form3, "TForm3", "Form3", "Линейные размеры стандартных профилей", createForm3},
    {WindowId::Form5, "TForm5", "Form5", "Расчет номинального диаметра резьбы хвостовика крюка",
     createForm5},
    {WindowId::Form6, "TForm6", "Form6", "Подсчёт площади и массы раскроя", createForm6},
    {WindowId::frmVolume, "TfrmVolume", "frmVolume", "Объёмные фигуры", createFrmVolume},
    {WindowId::Form8, "TForm8", "Form8", "Канаты", createForm8},
    {WindowId::Form9, "TForm9", "Form9", "Сортамент канатов", createForm9},
    {WindowId::frmHistory, "TfrmHistory", "frmHistory", "Что нового в новых версиях?",
     createFrmHistory},
    {WindowId::Form11, "TForm11", "Form11",
     "Физико-химические свойства и характеристики сталей и её сплавов.", createForm11},
    {WindowId::Form12, "TForm12", "Form12", "Физико-химические свойства металлов и сплавов",
     createForm12},
    {WindowId::Form13, "TForm13", "Form13", "Лист рифленный", createForm13},
    {WindowId::Form14, "TForm14", "Form14", "Арматура", createForm14},
    {WindowId::Form15, "TForm15", "Form15", "Уголок стальной равнополочный", nullptr},
    {WindowId::Form16, "TForm16", "Form16", "Уголок стальной неравнополочный", nullptr},
    {WindowId::Form17, "TForm17", "Form17", "Form17", nullptr},
    {WindowId::Form18, "TForm18", "Form18", "", nullptr},
    {WindowId::Form19, "TForm19", "Form19", "Form19", nullptr},
    {WindowId::Form20, "TForm20", "Form20", "Труба профильная", nullptr},
    {WindowId::Form21, "TForm21", "Form21", "Модуль \"Электротехника\"", createForm21},
    {WindowId::Form22, "TForm22", "Form22", "Сталь и её сплавы", nullptr},
    {WindowId::Form23, "TForm23", "Form23", "Алюминий и медь", createForm23},
    {WindowId::SI, "TSI", "SI", "Еденицы международной системы СИ", createSI},
    {WindowId::Prof_trub, "TProf_trub", "Prof_trub", "Квадратная труба", createProf_trub},
    {WindowId::Form25, "TForm25", "Form25", "Прямоугольная трубы", createForm25},
    {WindowId::Form26, "TForm26", "Form26", "Соотношение единиц давления", createForm26},
    {WindowId::Form27, "TForm27", "Form27", "Соотношения едениц длины", createForm27},
    {WindowId::Form28, "TForm28", "Form28", "Поддержка проекта", nullptr},
    {WindowId::Form29, "TForm29", "Form29", "Итоги расчетов", createForm29},
    {WindowId::Form30, "TForm30", "Form30", "Швеллер", createForm30},
    {WindowId::Form31, "TForm31", "Form31", "Пластические массы (пластмассы)", createForm31},
    {WindowId::Form32, "TForm32", "Form32", "Создание эскиза вала и расчет его массы", nullptr},
    {WindowId::frmSquareCalc, "TfrmSquareCalc", "frmSquareCalc", "Площадь основания",
     createFrmSquareCalc},
    {WindowId::frmPerimetrCalc, "TfrmPerimetrCalc", "frmPerimetrCalc",
     "Вычисление периметра основания", createFrmPerimetrCalc},
    {WindowId::frmSubscrible, "TfrmSubscrible", "frmSubscrible", "Подписка на новости",
     createFrmSubscrible},
    {WindowId::frmMassUnits, "TfrmMassUnits", "frmMassUnits", "Соотношения едениц массы",
     createFrmMassUnits},
    {WindowId::frmAreaUnits, "TfrmAreaUnits", "frmAreaUnits", "Соотношения едениц площади",
     createFrmAreaUnits},
};

} // namespace

ProgramWindows::ProgramWindows() = default;

ProgramWindows::~ProgramWindows()
{
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
        delete it->data();
}

void ProgramWindows::createAll()
{
    const WindowContext context{*this, m_language};
    for (const WindowRow& row : Windows) {
        QWidget* w = row.factory ? row.factory(context)
                                 : new SecondaryWindow(QLatin1String(row.className),
                                                       QLatin1String(row.objectName),
                                                       QString::fromUtf8(row.caption));
        // Closing a secondary window only hides it; only the main window ends the program.
        if (row.id != WindowId::frmGeneral)
            w->setAttribute(Qt::WA_QuitOnClose, false);
        m_windows[std::size_t(row.id)] = w;
    }
}

QWidget* ProgramWindows::window(WindowId id) const
{
    return m_windows[std::size_t(id)];
}

TfrmGeneral* ProgramWindows::mainWindow() const
{
    return static_cast<TfrmGeneral*>(window(WindowId::frmGeneral));
}

void ProgramWindows::showWindow(WindowId id, Modality modality, Page page)
{
    QWidget* w = window(id);
    if (!w)
        return;
    if (auto* paged = dynamic_cast<PagedWindow*>(w))
        paged->selectPage(page.outer, page.inner);
    if (modality == Modality::Modal) {
        if (auto* dialog = qobject_cast<QDialog*>(w)) {
            dialog->exec();
            return;
        }
        w->setWindowModality(Qt::ApplicationModal);
    }
    w->show();
    w->raise();
    w->activateWindow();
}

QWidget* windowNamed(const WindowDirectory& windows, const QString& objectName)
{
    for (int i = 0; i < WindowCount; ++i)
        if (QWidget* w = windows.window(WindowId(i)); w && w->objectName() == objectName)
            return w;
    return nullptr;
}

} // namespace tolvex
