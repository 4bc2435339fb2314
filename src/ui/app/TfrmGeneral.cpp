#include "ui/app/TfrmGeneral.h"

#include "ui/app/GroupBar.h"
#include "core/app/Configuration.h"
#include "ui/app/startup.h"
#include "ui/calculators/CalculatorPanel.h"
#include "ui/calculators/ListPanel.h"
#include "ui/calculators/ProkatPanel.h"
#include "ui/calculators/TablePanelsI.h"
#include "ui/calculators/TablePanelsII.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/Online.h"
#include "ui/materials/MaterialBar.h"
#include "core/modules/ProductAddresses.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

struct Group {
    const char* group;
    const char* caption;
    const char* panel;
};

// The group bar, top to bottom; the same order as SelectPanel's flags.
const Group Groups[] = {
    {"gbDvutavr", "Двутавр", "pnlDvutavr"},
    {"gbShveler", "Швеллер", "pnlShveler"},
    {"gbUgolok", "Уголок", "pnlUgolok"},
    {"gbRels", "Рельс", "pnlRels"},
    {"gbShestigran", "Шестигранник", "pnlShestigran"},
    {"gbProkat", "Прокат круглый", "pnlProkat"},
    {"gbAtrmatura", "Арматура", "pnlAtrmatura"},
    {"gbList", "Квадрат и лист", "pnlList"},
    {"gbListRiflen", "Лист рифленный", "pnlListRiflen"},
    {"gbProfnastil", "Профнастил", "pnlProfnastil"},
    {"gbMetizi", "Метизы", "pnlMetizi"},
    {"gbTruba", "Труба", "pnlTruba"},
    {"gbTrubaKvadrat", "Труба квадратная", "pnlTrubaKvadrat"},
    {"gbTrubaPryamugol", "Труба прямоугольная", "pnlTrubaPryamugol"},
};
constexpr int GroupCount = int(std::size(Groups));

// Panel titles of calculators whose panels are built elsewhere (shown until they are).
const QHash<QString, QString>& fallbackTitles()
{
    static const QHash<QString, QString> titles = {
        {"pnlDvutavr", "Двутавр"},
        {"pnlShveler", "Швеллер"},
        {"pnlUgolok", "Уголок"},
        {"pnlRels", "Рельс"},
        {"pnlShestigran", "Шестигранник"},
        {"pnlAtrmatura", "Арматура"},
        {"pnlListRiflen", "Лист рифленный"},
        {"pnlProfnastil", "Профнастил"},
        {"pnlMetizi", "Метизы"},
        {"pnlTruba", "Труба"},
        {"pnlTrubaKvadrat", "Квадратная труба"},
        {"pnlTrubaPryamugol", "Прямоугольная труба"},
    };
    return titles;
}

const QString ModernisationNotice =
    QStringLiteral("Извините, но в данный момент раздел на модернизации.\n"
                   "Готовится новая, расширенная версия справочника с полными\n"
                   "характеристиками профилей проката. Следите за новостями\n"
                   "на сайте программы: новую версию можно будет скачать там.");

} // namespace

TfrmGeneral::TfrmGeneral(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmGeneral"));
    setWindowTitle(QStringLiteral("Tolvex версия 6.5"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tolvex.svg")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Arial"), 8));

    // Message texts until a language file gives its own.
    m_messages = {
        {calc::Refusal, QStringLiteral("Введите значение, отличное от нуля.")},
        {calc::ElectricalModule, QStringLiteral("Не удалось открыть модуль «Электротехника».")},
        {calc::AluminiumModule, QStringLiteral("Не удалось открыть модуль «Алюминий и медь».")},
        {calc::Modules,
         QStringLiteral("Дополнительные модули можно загрузить с домашней страницы программы.")},
        {calc::TubeWeightRefusal, QStringLiteral("Укажите длину трубы.")},
        {calc::TubeLengthRefusal, QStringLiteral("Укажите вес трубы.")},
    };
    m_onlineTest = &isOnline;

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    buildToolbar();
    buildBody();
    buildMainMenu();
    buildTrayMenu();

    // Status bar: a field-status pane and the clock.
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("RzStatusBar1"));
    status->setSizeGripEnabled(false);
    status->setFixedHeight(19);
    auto* field = new QLabel(status);
    field->setObjectName(QStringLiteral("RzFieldStatus1"));
    field->setMinimumWidth(0);
    auto* clock = new QLabel(status);
    clock->setObjectName(QStringLiteral("RzClockStatus1"));
    clock->setFixedWidth(125);
    clock->setAlignment(Qt::AlignCenter);
    status->addWidget(field, 1);
    status->addPermanentWidget(clock);
    setStatusBar(status);
    auto tick = [clock] {
        clock->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    };
    tick();
    auto* clockTimer = new QTimer(this);
    clockTimer->setObjectName(QStringLiteral("clockTimer"));
    connect(clockTimer, &QTimer::timeout, this, tick);
    clockTimer->start(1000);

    // The advertising panel gives way to the notes panel after ten seconds.
    m_advertisingTimer = new QTimer(this);
    m_advertisingTimer->setObjectName(QStringLiteral("Timer4"));
    m_advertisingTimer->setInterval(10000);
    connect(m_advertisingTimer, &QTimer::timeout, this, [this] {
        closeAdvertising();
        m_advertisingTimer->stop();
    });
    m_advertisingTimer->start();

    m_groups->setOpen(0);
    SelectPanel(true, false, false, false, false, false, false, false, false, false, false, false,
                false, false);

    setFixedSize(578, 476 + menuBar()->sizeHint().height());
}

TfrmGeneral::~TfrmGeneral() = default;

void TfrmGeneral::buildToolbar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("RzToolbar1"));
    bar->setFixedHeight(26);
    bar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 1, 2, 1);
    row->setSpacing(2);
    auto separator = [bar, row] {
        auto* line = new QFrame(bar);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        row->addWidget(line);
    };
    auto* exit = new QToolButton(bar);
    exit->setObjectName(QStringLiteral("RzBitBtn13"));
    exit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exit->setToolTip(QStringLiteral("Выход"));
    exit->setFixedSize(33, 22);
    row->addWidget(exit);
    auto* clear = new QToolButton(bar);
    clear->setObjectName(QStringLiteral("RzBitBtn37"));
    clear->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    clear->setToolTip(QStringLiteral("Очистить поля от данных в активном окне"));
    clear->setFixedSize(33, 22);
    row->addWidget(clear);
    separator();
    auto* label = new QLabel(QStringLiteral("Выберите материал"), bar);
    label->setObjectName(QStringLiteral("RzLabel1"));
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPixelSize(17);
    label->setFont(labelFont);
    label->setFixedWidth(177);
    label->setAlignment(Qt::AlignCenter);
    row->addWidget(label);
    separator();
    auto* materialBox = new QComboBox(bar);
    materialBox->setObjectName(QStringLiteral("RzComboBox1"));
    materialBox->setFont(QFont(QStringLiteral("Arial"), 10));
    materialBox->setToolTip(QStringLiteral("Вы можете указать свое значение плотности материала"));
    materialBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    materialBox->setMinimumContentsLength(8);
    materialBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    materialBox->view()->setMinimumWidth(380);
    row->addWidget(materialBox, 1);
    label->setBuddy(materialBox);
    centralWidget()->layout()->addWidget(bar);

    auto* alloyRow = new QWidget(this);
    alloyRow->setObjectName(QStringLiteral("RzToolbar2"));
    alloyRow->setFixedHeight(29);
    auto* alloyLayout = new QHBoxLayout(alloyRow);
    alloyLayout->setContentsMargins(2, 2, 2, 2);
    auto* alloyBox = new QComboBox(alloyRow);
    alloyBox->setObjectName(QStringLiteral("RzComboBox2"));
    alloyLayout->addWidget(alloyBox);
    centralWidget()->layout()->addWidget(alloyRow);

    m_materials = new MaterialBar(materialBox, alloyBox, this, true);
    connect(exit, &QToolButton::clicked, this, [this] {
        m_advertisingTimer->stop();
        close();
    });
    connect(clear, &QToolButton::clicked, this, &TfrmGeneral::clearAllFields);
}

void TfrmGeneral::buildBody()
{
    auto* body = new QWidget(this);
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 3, 0);
    row->setSpacing(7);

    m_groups = new GroupBar(body);
    m_groups->setFixedWidth(161);
    for (const Group& g : Groups)
        m_groups->addGroup(QLatin1String(g.group), QString::fromUtf8(g.caption));
    connect(m_groups, &GroupBar::opened, this, &TfrmGeneral::openGroup);
    row->addWidget(m_groups);

    auto* area = new QWidget(body);
    area->setObjectName(QStringLiteral("calculatorArea"));
    area->setFixedWidth(273);
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 1, 0, 1);
    QHash<QString, CalculatorPanel*> built;
    const QList<CalculatorPanel*> lists[] = {
        createTablePanelsI(*this, area),
        createTablePanelsII(*this, area),
        {new ProkatPanel(*this, area), new ListPanel(*this, area)}};
    for (const auto& list : lists)
        for (CalculatorPanel* p : list)
            built.insert(p->objectName(), p);
    for (const Group& g : Groups) {
        const QString name = QLatin1String(g.panel);
        CalculatorPanel* p = built.value(name);
        if (!p) {
            p = new CalculatorPanel(*this, name, QStringLiteral("title_") + name,
                                    fallbackTitles().value(name), area);
            p->layout()->addItem(
                new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
        }
        stack->addWidget(p, 0, 0);
        m_panels.append(p);
    }
    row->addWidget(area);

    // Right column: the advertising panel, then the notes panel in its place.
    auto* column = new QWidget(body);
    column->setFixedWidth(127);
    auto* columnLayout = new QGridLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    auto* advertising = new QFrame(column);
    advertising->setObjectName(QStringLiteral("RzPanel13"));
    advertising->setFrameShape(QFrame::Box);
    advertising->setLineWidth(1);
    advertising->setStyleSheet(
        QStringLiteral("#RzPanel13 { border: 10px solid #d8e0ec; background: #f7f9fc; }"));
    auto* adLayout = new QVBoxLayout(advertising);
    adLayout->setContentsMargins(12, 4, 4, 12);
    auto* closeAd = new QPushButton(QStringLiteral("x"), advertising);
    closeAd->setObjectName(QStringLiteral("RzBitBtn73"));
    closeAd->setToolTip(QStringLiteral("Закрыть рекламный блок"));
    closeAd->setFixedSize(16, 15);
    QFont bold = closeAd->font();
    bold.setBold(true);
    closeAd->setFont(bold);
    closeAd->setStyleSheet(QStringLiteral("padding: 0px;"));
    adLayout->addWidget(closeAd, 0, Qt::AlignRight);
    auto* adText = new QLabel(QStringLiteral("Здесь может быть Ваша реклама"), advertising);
    adText->setFont(QFont(QStringLiteral("Arial"), 12));
    adText->setWordWrap(true);
    adText->setAlignment(Qt::AlignCenter);
    adLayout->addWidget(adText, 1);
    m_advertising = advertising;

    auto* notes = new QFrame(column);
    notes->setObjectName(QStringLiteral("RzPanel18"));
    auto* notesLayout = new QVBoxLayout(notes);
    notesLayout->setContentsMargins(2, 2, 2, 2);
    auto* heading = new QLabel(QStringLiteral("Для служебных записей"), notes);
    heading->setObjectName(QStringLiteral("RzLabel84"));
    heading->setFont(QFont(QStringLiteral("Arial"), 11));
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    auto* memo = new QPlainTextEdit(notes);
    memo->setObjectName(QStringLiteral("RzMemo15"));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    heading->setBuddy(memo);
    notesLayout->addWidget(heading);
    notesLayout->addWidget(memo, 1);
    notes->hide();
    m_notes = notes;
    columnLayout->addWidget(advertising, 0, 0);
    columnLayout->addWidget(notes, 0, 0);
    row->addWidget(column);
    connect(closeAd, &QPushButton::clicked, this, &TfrmGeneral::closeAdvertising);

    centralWidget()->layout()->addWidget(body);
}

namespace
{

// A menu item with an objectName and an action.
template <typename F> QAction* addItem(QMenu* menu, const char* name, const QString& text, F f)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    QObject::connect(a, &QAction::triggered, menu, f);
    return a;
}

QMenu* addMenu(QMenu* menu, const char* name, const QString& text)
{
    QMenu* sub = menu->addMenu(text);
    sub->setObjectName(QLatin1String(name));
    sub->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("_item"));
    return sub;
}

// Item names of the figure menus: the main menu's, or the tray's ("tray" + the same).
struct Names {
    bool tray;
    QString operator()(const char* name) const
    {
        return tray ? QStringLiteral("tray") + QLatin1String(name) : QLatin1String(name);
    }
};

} // namespace

void TfrmGeneral::buildMainMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto top = [bar](const char* name, const QString& text) {
        QMenu* m = bar->addMenu(text);
        m->setObjectName(QLatin1String(name));
        return m;
    };

    QMenu* menu = top("N73", QStringLiteral("Меню"));
    QMenu* language = addMenu(menu, "N76", QStringLiteral("Язык"));
    m_miRUS = addItem(language, "miRUS", QStringLiteral("Русский"), [this] { chooseRussian(); });
    m_miRUS->setCheckable(true);
    m_miRUS->setChecked(true);
    m_miENG = addItem(language, "miENG", QStringLiteral("English"), [this] { chooseEnglish(); });
    m_miENG->setCheckable(true);
    menu->addSeparator();
    addItem(menu, "N75", QStringLiteral("Выход"), [this] { close(); });

    QMenu* info = top("N28", QStringLiteral("Информация"));
    addItem(info, "N37", QStringLiteral("Еденицы международной системы СИ"),
            [this] { showWindow(QStringLiteral("SI"), false); });
    addItem(info, "N72", QStringLiteral("Соотношения едениц давления"),
            [this] { showWindow(QStringLiteral("Form26"), false); });
    addItem(info, "N23", QStringLiteral("Cоотношения едениц длины"),
            [this] { showWindow(QStringLiteral("Form27"), false); });
    addItem(info, "N24", QStringLiteral("Соотношения едениц массы"), [] {});
    addItem(info, "N25", QStringLiteral("Соотношения едениц площади"), [] {});
    info->addSeparator();
    addItem(info, "N27", QStringLiteral("Пластические массы (пластмассы)"),
            [this] { showWindow(QStringLiteral("Form31"), true); });

    QMenu* calcs = top("N1", QStringLiteral("Расчёты"));
    auto figures = [this](QMenu* into, Names n, bool trayVariant) {
        auto item = [&](QMenu* m, const char* name, const QString& text, const char* window,
                        int outer, int inner) {
            const QString w = QLatin1String(window);
            QAction* a = m->addAction(text);
            a->setObjectName(n(name));
            connect(a, &QAction::triggered, this,
                    [this, w, outer, inner] { showWindow(w, false, outer, inner); });
        };
        auto sub = [&](QMenu* m, const char* name, const QString& text) {
            QMenu* s = m->addMenu(text);
            s->setObjectName(n(name));
            return s;
        };
        QMenu* flat =
            sub(into, "N8", QStringLiteral("Расчёты различных данных различного раскроя"));
        item(flat, "N52", QStringLiteral("Общее меню"), "Form6", -1, -1);
        QMenu* tri = sub(flat, "N39", QStringLiteral("Треугольник"));
        item(tri, "N43", QStringLiteral("Произвольный"), "Form6", 0, 0);
        item(tri, "N44", QStringLiteral("Прямоугольный"), "Form6", 0, 1);
        QMenu* quad = sub(flat, "N40",
                          trayVariant ? QStringLiteral("Четырехугольник")
                                      : QStringLiteral("Четырёхугольник"));
        item(quad, "N45", QStringLiteral("Произвольный"), "Form6", 1, 0);
        item(quad, "N46", QStringLiteral("Параллелограмм"), "Form6", 1, 1);
        item(quad, "N47", QStringLiteral("Ромб"), "Form6", 1, 2);
        item(flat, "N41", QStringLiteral("Трапеция"), "Form6", 2, -1);
        QMenu* sector = sub(flat, "N42", QStringLiteral("Сектор"));
        item(sector, "N48", QStringLiteral("Сектор"), "Form6", 3, 0);
        item(sector, "N49", QStringLiteral("Кольцо"), "Form6", 3, 1);
        item(sector, "N50", QStringLiteral("Сегмент"), "Form6", 3, 2);
        item(sector, "N51", QStringLiteral("Сектор кольцевой"), "Form6", 3, 3);

        QMenu* solid = sub(into, "N9", QStringLiteral("Расчёты различных данных объёмных фигур"));
        item(solid, "N54", QStringLiteral("Общее меню"), "frmVolume", 0, -1);
        item(solid, "N56", QStringLiteral("Призма"), "frmVolume", 0, -1);
        QMenu* pyramid = sub(solid, "N57", QStringLiteral("Пирамида"));
        item(pyramid, "N62", QStringLiteral("Правильная"), "frmVolume", 1, 0);
        item(pyramid, "N63", QStringLiteral("Усеченная"), "frmVolume", 1, 1);
        QMenu* cylinder = sub(solid, "N58", QStringLiteral("Цилиндр"));
        item(cylinder, "N64", QStringLiteral("Правильный"), "frmVolume", 2, 0);
        item(cylinder, "N65", QStringLiteral("Усеченный"), "frmVolume", 2, 1);
        QMenu* cone = sub(solid, "N59", QStringLiteral("Конус"));
        item(cone, "N66", QStringLiteral("Правильный"), "frmVolume", 3, 0);
        item(cone, "N67", QStringLiteral("Усеченный"), "frmVolume", 3, 1);
        QMenu* sphere = sub(solid, "N60", QStringLiteral("Шар"));
        item(sphere, "N68", QStringLiteral("Шар"), "frmVolume", 4, 0);
        item(sphere, "N69", QStringLiteral("Сектор"), "frmVolume", 4, 1);
        item(sphere, "N70", QStringLiteral("Сегмент"), "frmVolume", 4, 2);
        item(sphere, "N71", QStringLiteral("Пояс"), "frmVolume", 4, 3);
        item(solid, "N61", QStringLiteral("Тор"), "frmVolume", 5, -1);
        item(into, "N7", QStringLiteral("Расчёт номинального диаметра резьбы хвостовика крюка"),
             "Form5", -1, -1);
    };
    figures(calcs, Names{false}, false);
    QAction* shafts = calcs->addAction(QStringLiteral("Расчеты валов"));
    shafts->setObjectName(QStringLiteral("N32"));
    shafts->setEnabled(false);

    auto profiles = [this](QMenu* into, Names n) {
        for (const auto& [name, text] : {std::pair{"N16", "Двутавр"}, std::pair{"N17", "Швеллер"},
                                         std::pair{"N18", "Рельс"}}) {
            QAction* a = into->addAction(QString::fromUtf8(text));
            a->setObjectName(n(name));
            connect(a, &QAction::triggered, this, &TfrmGeneral::showModernisationNotice);
        }
        QMenu* angle = into->addMenu(QStringLiteral("Уголок"));
        angle->setObjectName(n("N19"));
        for (const auto& [name, text] :
             {std::pair{"N20", "Равнополочный"}, std::pair{"N21", "Неравнополочный"}}) {
            QAction* a = angle->addAction(QString::fromUtf8(text));
            a->setObjectName(n(name));
            connect(a, &QAction::triggered, this, &TfrmGeneral::showModernisationNotice);
        }
        QMenu* ropes = into->addMenu(QStringLiteral("Канаты стальные"));
        ropes->setObjectName(n("N10"));
        QAction* ropeCalc = ropes->addAction(QStringLiteral("Расчёты"));
        ropeCalc->setObjectName(n("N12"));
        connect(ropeCalc, &QAction::triggered, this, [this] { showWindow("Form8", false); });
        QAction* assortment = ropes->addAction(QStringLiteral("Сортамент"));
        assortment->setObjectName(n("N13"));
        connect(assortment, &QAction::triggered, this, [this] { showWindow("Form9", false); });
    };
    profiles(top("N11", QStringLiteral("Характеристики")), Names{false});

    auto modules = [this](QMenu* into, Names n) {
        QAction* electrical = into->addAction(QStringLiteral("Электротехника"));
        electrical->setObjectName(n("N30"));
        connect(electrical, &QAction::triggered, this, [this] { openModule("Voltmod"); });
        QAction* steels = into->addAction(QStringLiteral("Сталь и её сплавы"));
        steels->setObjectName(n("N31"));
        connect(steels, &QAction::triggered, this, [this] { showWindow("Form11", true); });
        QAction* nonferrous = into->addAction(QStringLiteral("Алюминий и Медь"));
        nonferrous->setObjectName(n("N4"));
        connect(nonferrous, &QAction::triggered, this, [this] { openModule("Nonfer"); });
        QAction* rotavik = into->addAction(QStringLiteral("Rotavik - Электродвигатели"));
        rotavik->setObjectName(n("N26"));
        connect(rotavik, &QAction::triggered, this, [this] { openModule("Rotavik"); });
    };
    QMenu* extra = top("N29", QStringLiteral("Дополнительные модули"));
    modules(extra, Names{false});
    extra->addSeparator();
    addItem(extra, "N34", QStringLiteral("..."),
            [this] { showInformation(this, messageText(calc::Modules)); });
    QAction* download = addItem(extra, "N22", QStringLiteral("Скачать модули с HomePage"), [] {
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(addresses::DownloadPage)));
    });
    download->setVisible(false);

    QMenu* help = top("N3", QStringLiteral("Справка"));
    addItem(help, "N6", QStringLiteral("Об авторе"), [this] { showWindow("AboutBox", true); });
    addItem(help, "N14", QStringLiteral("История"), [this] {
        showWindow("frmHistory", true);
        if (m_onlineTest && m_onlineTest())
            QDesktopServices::openUrl(QUrl(QString::fromLatin1(addresses::WebPage)));
    });
    addItem(help, "N15", QStringLiteral("Подписка на новости"),
            [this] { showWindow("frmSubscrible", true); });
    help->addSeparator();
    addItem(help, "N33", QStringLiteral("В разработку"), [] {
        QDesktopServices::openUrl(
            QUrl(QStringLiteral("mailto:") + QString::fromLatin1(addresses::AuthorEmail) +
                 QStringLiteral("?subject=Это%20надо%20добавить&body=Было бы неплохо если бы в "
                                "программе появилась информация о")));
    });
    addItem(help, "N38", QStringLiteral("Посетить Home Page"),
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(addresses::WebPage))); });

    // The tray menu is built from the same pieces.
    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(QStringLiteral("PopupMenu2"));
    addItem(m_trayMenu, "trayN6", QStringLiteral("Об авторе"),
            [this] { showWindow("AboutBox", true); });
    QMenu* trayInfo = addMenu(m_trayMenu, "trayN28", QStringLiteral("Информация"));
    addItem(trayInfo, "trayN37", QStringLiteral("Еденицы международной системы СИ"),
            [this] { showWindow("SI", false); });
    addItem(trayInfo, "trayN72", QStringLiteral("Соотношения едениц давления"),
            [this] { showWindow("Form26", false); });
    addItem(trayInfo, "trayN23", QStringLiteral("Cоотношения едениц длины, площади"),
            [this] { showWindow("Form27", false); });
    addItem(trayInfo, "trayN27", QStringLiteral("Пластические массы (пластмассы)"),
            [this] { showWindow("Form31", true); });
    QMenu* trayCalcs = addMenu(m_trayMenu, "trayN1", QStringLiteral("Расчеты"));
    figures(trayCalcs, Names{true}, true);
    QAction* trayShafts = trayCalcs->addAction(QStringLiteral("Расчет валов"));
    trayShafts->setObjectName(QStringLiteral("trayN32"));
    profiles(addMenu(m_trayMenu, "trayN11", QStringLiteral("Характеристики")), Names{true});
    modules(addMenu(m_trayMenu, "trayN29", QStringLiteral("Дополнительные модули")), Names{true});
    m_trayMenu->addSeparator();
    addItem(m_trayMenu, "trayN75", QStringLiteral("Выход"), [this] { close(); });
}

void TfrmGeneral::buildTrayMenu()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_tray = new QSystemTrayIcon(windowIcon(), this);
    m_tray->setObjectName(QStringLiteral("RzTrayIcon1"));
    m_tray->setToolTip(windowTitle());
    m_tray->setContextMenu(m_trayMenu);
    m_tray->show();
}

void TfrmGeneral::creationStep()
{
    const Configuration config = Configuration::forProgram();
    const Configuration::Startup saved = config.readStartup();
    m_settingsRestored = saved.fileExisted;
    if (saved.fileExisted) {
        m_miRUS->setChecked(saved.russian);
        m_miENG->setChecked(saved.english);
        m_materials->restore(saved.material);
    }
    m_email = config.initialiseEmail();
}

long double TfrmGeneral::density() const
{
    return m_materials->density();
}

QString TfrmGeneral::materialName() const
{
    return m_materials->reportName();
}

bool TfrmGeneral::materialIsAlloy() const
{
    return m_materials->selection().namesAlloy();
}

QString TfrmGeneral::messageText(int key) const
{
    return m_messages.value(key);
}

void TfrmGeneral::SelectPanel(bool dvutavr, bool shveler, bool ugolok, bool rels, bool shestigran,
                              bool prokat, bool atrmatura, bool list, bool listRiflen,
                              bool profnastil, bool metizi, bool truba, bool trubaKvadrat,
                              bool trubaPryamugol)
{
    const bool flags[] = {dvutavr, shveler,   ugolok,       rels,          shestigran,
                          prokat,  atrmatura, list,         listRiflen,    profnastil,
                          metizi,  truba,     trubaKvadrat, trubaPryamugol};
    for (int i = 0; i < GroupCount; ++i)
        m_panels[i]->setVisible(flags[i]);
}

CalculatorPanel* TfrmGeneral::panel(const QString& objectName) const
{
    for (CalculatorPanel* p : m_panels)
        if (p->objectName() == objectName)
            return p;
    return nullptr;
}

void TfrmGeneral::openGroup(int index)
{
    if (index < 0 || index >= GroupCount)
        return;
    m_panels[index]->resetOnOpen();
    bool flags[GroupCount] = {};
    flags[index] = true;
    SelectPanel(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5], flags[6], flags[7],
                flags[8], flags[9], flags[10], flags[11], flags[12], flags[13]);
}

void TfrmGeneral::clearAllFields()
{
    for (CalculatorPanel* p : m_panels)
        for (NumericEdit* field : p->findChildren<NumericEdit*>())
            field->setText(QStringLiteral("0"));
}

void TfrmGeneral::closeAdvertising()
{
    m_advertising->hide();
    m_notes->show();
}

void TfrmGeneral::showModernisationNotice()
{
    showInformation(this, ModernisationNotice, QMessageBox::Question);
}

void TfrmGeneral::showWindow(const QString& objectName, bool modal, int outerPage, int innerPage)
{
    QWidget* w = findWindow(objectName);
    if (!w)
        return;
    if (outerPage >= 0 || innerPage >= 0 ||
        w->metaObject()->indexOfMethod("showPage(int,int)") >= 0) {
        if (QMetaObject::invokeMethod(w, "showPage", Q_ARG(int, outerPage), Q_ARG(int, innerPage)))
            return;
    }
    if (modal) {
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

void TfrmGeneral::openModule(const QString&)
{
    // The extension modules come with their own windows; until then the items are inert.
}

void TfrmGeneral::refillMaterialLists(const QStringList& materials, const QStringList& alloys)
{
    m_materials->fill(materials, alloys);
}

void TfrmGeneral::closeEvent(QCloseEvent* event)
{
    const Configuration config = Configuration::forProgram();
    m_email = config.emailAtExit();
    if (m_email == QStringLiteral("0") && m_onlineTest && m_onlineTest()) {
        if (askOkCancel(this, QStringLiteral("Вы не подписались на новости программы. Вы хотите "
                                             "подписаться сейчас?")))
            showWindow(QStringLiteral("frmSubscrible"), true);
    }
    if (m_tray)
        m_tray->hide();
    event->accept();
}

} // namespace tolvex
