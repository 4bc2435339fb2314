#include "ui/app/TfrmGeneral.h"

#include "core/app/Configuration.h"
#include "core/app/LanguageState.h"
#include "ui/app/CalculatorArea.h"
#include "ui/app/GroupBar.h"
#include "ui/app/LanguageSwitch.h"
#include "ui/calculators/CalculatorPanel.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/Online.h"
#include "ui/common/StandardIcons.h"
#include "ui/common/WindowContext.h"
#include "ui/materials/MaterialBar.h"
#include "ui/modules/ModuleWindows.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

const QString ModernisationNotice =
    QStringLiteral("Извините, но в данный момент раздел на модернизации.\n"
                   "Готовится новая, расширенная версия справочника с полными\n"
                   "характеристиками профилей проката. Следите за новостями\n"
                   "на сайте программы: новую версию можно будет скачать там.");

} // namespace

TfrmGeneral::TfrmGeneral(const WindowContext& context, QWidget* parent)
    : QMainWindow(parent), m_windows(context.windows), m_language(context.language)
{
    setObjectName(QStringLiteral("frmGeneral"));
    setWindowTitle(QStringLiteral("Tolvex версия 6.5"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tolvex.svg")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Arial"), 8));

    // Message texts until a language file gives its own.
    m_language.setMessage(calc::Refusal, QStringLiteral("Введите значение, отличное от нуля."));
    m_language.setMessage(calc::ElectricalModule,
                          QStringLiteral("Не удалось открыть модуль «Электротехника»."));
    m_language.setMessage(calc::AluminiumModule,
                          QStringLiteral("Не удалось открыть модуль «Алюминий и медь»."));
    m_language.setMessage(
        calc::Modules,
        QStringLiteral("Дополнительные модули можно загрузить с домашней страницы программы."));
    m_language.setMessage(calc::TubeWeightRefusal, QStringLiteral("Укажите длину трубы."));
    m_language.setMessage(calc::TubeLengthRefusal, QStringLiteral("Укажите вес трубы."));
    m_onlineTest = &isOnline;

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    buildToolbar();
    buildBody();
    buildMenus();
    buildTrayIcon();

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

    m_calculators->groups()->setOpen(0);
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
    exit->setIcon(standardIcon(QStyle::SP_DialogCloseButton));
    exit->setToolTip(QStringLiteral("Выход"));
    exit->setFixedSize(33, 22);
    row->addWidget(exit);
    auto* clear = new QToolButton(bar);
    clear->setObjectName(QStringLiteral("RzBitBtn37"));
    clear->setIcon(standardIcon(QStyle::SP_DialogResetButton));
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

    m_calculators = new CalculatorArea(*this, m_windows, body);
    connect(m_calculators, &CalculatorArea::groupOpened, this, &TfrmGeneral::openGroup);
    connect(m_calculators, &CalculatorArea::panelBuilt, this, [this](CalculatorPanel* panel) {
        if (m_languageSwitch)
            m_languageSwitch->applyToLatePart(panel);
    });
    row->addWidget(m_calculators);

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

void TfrmGeneral::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    const auto handler = [this](const MenuRow& row) { runMenu(row); };
    const QHash<QString, QAction*> items = buildMainMenu(menuBar(), handler);
    m_miRUS = items.value(QStringLiteral("miRUS"));
    m_miENG = items.value(QStringLiteral("miENG"));
    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(QStringLiteral("PopupMenu2"));
    buildTrayMenu(m_trayMenu, handler);
    m_languageSwitch =
        std::make_unique<LanguageSwitch>(*this, m_windows, m_language, m_miRUS, m_miENG);
}

void TfrmGeneral::runMenu(const MenuRow& row)
{
    switch (row.command) {
    case MenuCommand::None:
        return;
    case MenuCommand::ShowWindow:
        m_windows.showWindow(row.window, row.modality, row.page);
        return;
    case MenuCommand::ChooseRussian:
        chooseRussian();
        return;
    case MenuCommand::ChooseEnglish:
        chooseEnglish();
        return;
    case MenuCommand::Exit:
        close();
        return;
    case MenuCommand::ModernisationNotice:
        showInformation(this, ModernisationNotice, QMessageBox::Question);
        return;
    case MenuCommand::ElectricalModule:
        openElectricalModule(this, {m_windows, m_language});
        return;
    case MenuCommand::NonferrousModule:
        openNonferrousModule(this, {m_windows, m_language});
        return;
    case MenuCommand::MotorsProgram:
        startMotorsProgram();
        return;
    case MenuCommand::ModulesNote:
        showInformation(this, messageText(calc::Modules));
        return;
    case MenuCommand::DownloadPage:
        openDownloadPage();
        return;
    case MenuCommand::History:
        showHistory({m_windows, m_language});
        return;
    case MenuCommand::Suggestion:
        proposeAddition();
        return;
    case MenuCommand::HomePage:
        visitHomePage();
        return;
    }
}

void TfrmGeneral::buildTrayIcon()
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
    Configuration& config = Configuration::program();
    const Configuration::Startup saved = config.readStartup();
    // Only a language the user chose (a key in tolvex.ini) is applied at start.
    m_languageChosen = saved.fileExisted && saved.languageSaved;
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
    return m_language.message(key);
}

void TfrmGeneral::SelectPanel(bool dvutavr, bool shveler, bool ugolok, bool rels, bool shestigran,
                              bool prokat, bool atrmatura, bool list, bool listRiflen,
                              bool profnastil, bool metizi, bool truba, bool trubaKvadrat,
                              bool trubaPryamugol)
{
    m_calculators->showPanels({dvutavr, shveler, ugolok, rels, shestigran, prokat, atrmatura, list,
                               listRiflen, profnastil, metizi, truba, trubaKvadrat,
                               trubaPryamugol});
}

CalculatorPanel* TfrmGeneral::panel(const QString& objectName) const
{
    return m_calculators->panel(objectName);
}

void TfrmGeneral::buildAllPanels()
{
    m_calculators->buildAllPanels();
}

void TfrmGeneral::openGroup(int index)
{
    bool flags[14] = {};
    flags[index] = true;
    SelectPanel(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5], flags[6], flags[7],
                flags[8], flags[9], flags[10], flags[11], flags[12], flags[13]);
}

void TfrmGeneral::clearAllFields()
{
    m_calculators->clearAllFields();
}

void TfrmGeneral::chooseRussian()
{
    m_languageSwitch->chooseRussian();
}

void TfrmGeneral::chooseEnglish()
{
    m_languageSwitch->chooseEnglish();
}

void TfrmGeneral::Languard()
{
    m_languageSwitch->apply();
}

void TfrmGeneral::applyLanguageAtStart()
{
    m_languageSwitch->applyAtStart(m_languageChosen);
}

QString TfrmGeneral::currentLanguageFile() const
{
    return m_language.file();
}

void TfrmGeneral::setMessageText(int key, const QString& text)
{
    m_language.setMessage(key, text);
}

void TfrmGeneral::updateTrayHint()
{
    if (m_tray)
        m_tray->setToolTip(windowTitle());
}

void TfrmGeneral::closeAdvertising()
{
    m_advertising->hide();
    m_notes->show();
}

void TfrmGeneral::refillMaterialLists(const QStringList& materials, const QStringList& alloys)
{
    m_materials->fill(materials, alloys);
}

void TfrmGeneral::closeEvent(QCloseEvent* event)
{
    m_email = Configuration::program().emailAtExit();
    if (m_email == QStringLiteral("0") && m_onlineTest && m_onlineTest()) {
        if (askOkCancel(this, QStringLiteral("Вы не подписались на новости программы. Вы хотите "
                                             "подписаться сейчас?")))
            m_windows.showWindow(WindowId::frmSubscrible, Modality::Modal);
    }
    if (m_tray)
        m_tray->hide();
    event->accept();
}

} // namespace tolvex
