#include "ui/modules/TAboutBox.h"

#include "core/modules/ProductAddresses.h"
#include "ui/common/MessageBoxes.h"
#include "ui/modules/ModuleWindows.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QUrl>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

// The program's emblem, centred and proportional in the photograph's place.
QPixmap emblem(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/tolvex.svg"));
    QSizeF drawn = renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF((size.width() - drawn.width()) / 2,
                                             (size.height() - drawn.height()) / 2),
                                     drawn));
    return pixmap;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Об авторе."));
    setFixedSize(394, 198);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    m_image = new QLabel(panel);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setFixedSize(194, 177);
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setPixmap(emblem(QSize(177, 177)));
    m_image->setCursor(Qt::PointingHandCursor);
    m_image->installEventFilter(this);

    m_texts = new QWidget(panel);
    auto* texts = new QVBoxLayout(m_texts);
    texts->setContentsMargins(0, 0, 0, 0);
    addLabel(QStringLiteral("ProductName"), QStringLiteral("Product Name: Tolvex"));
    addLabel(QStringLiteral("Copyright"), QStringLiteral("Команда Tolvex"));
    addLabel(QStringLiteral("Version"), QStringLiteral("Version: 6.50"));
    addLabel(QStringLiteral("Label2"), QStringLiteral("Вопросы и предложения:"));
    m_mail = addLabel(QStringLiteral("Label1"), QString::fromUtf8(addresses::AuthorEmail));
    // The web address as people write it: without scheme and final slash.
    QString web = QUrl(QString::fromUtf8(addresses::WebPage)).toString(QUrl::RemoveScheme);
    while (web.startsWith(u'/'))
        web.remove(0, 1);
    while (web.endsWith(u'/'))
        web.chop(1);
    m_web = addLabel(QStringLiteral("Label5"), web);
    m_thanks = addLabel(QStringLiteral("Label3"), QStringLiteral("Благодарность:"));
    for (QLabel* link : {m_mail, m_web, m_thanks}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
        link->installEventFilter(this);
    }
    texts->addStretch();

    auto* inner = new QHBoxLayout(panel);
    inner->setContentsMargins(4, 4, 4, 4);
    inner->addWidget(m_image);
    inner->addWidget(m_texts, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(panel);
}

QLabel* TAboutBox::addLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text, m_texts);
    label->setObjectName(name);
    m_texts->layout()->addWidget(label);
    return label;
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    const bool click = event->type() == QEvent::MouseButtonRelease;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (!click && !doubleClick)
        return QDialog::eventFilter(watched, event);
    if (watched == m_mail)
        Label1Click(); // click and double-click alike
    else if (watched == m_web)
        doubleClick ? Label5DblClick() : Label5Click();
    else if (watched == m_thanks && click)
        Label3Click();
    else if (watched == m_image && doubleClick)
        Image1DblClick();
    return true;
}

void TAboutBox::Label1Click()
{
    QDesktopServices::openUrl(
        QUrl(QStringLiteral("mailto:") + QString::fromUtf8(addresses::AuthorEmail)));
}

void TAboutBox::Label5Click()
{
    visitHomePage();
}

void TAboutBox::Label5DblClick()
{
    openDownloadPage();
}

void TAboutBox::Label3Click()
{
    showInformation(this,
                    QStringLiteral("Всем пользователям программы, которые присылали сообщения об "
                                   "ошибках, замечания и предложения. Благодаря вам справочник "
                                   "становится точнее и удобнее."),
                    QMessageBox::Information, QStringLiteral("Благодарность выражается:"));
}

void TAboutBox::Image1DblClick()
{
    showInformation(
        this,
        QStringLiteral("Tolvex — настольный справочник инженера-механика: масса металлопроката, "
                       "заготовок из листа и тел, стальные канаты, марки сталей и сплавов, "
                       "единицы измерения.\n\nПрограмма сделана для механиков, слесарей, "
                       "снабженцев и работников металлобаз, которым нужен быстрый и точный "
                       "ответ прямо на рабочем месте, без интернета.\n\nЕё развивает команда "
                       "Tolvex вместе с пользователями: пишите, чего в ней не хватает."),
        QMessageBox::Information, QStringLiteral("Немного обо мне!"));
}

QWidget* createAboutBox(const WindowContext&)
{
    return new TAboutBox;
}

} // namespace tolvex
