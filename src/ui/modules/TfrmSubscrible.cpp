#include "ui/modules/TfrmSubscrible.h"

#include "core/app/Configuration.h"
#include "core/modules/ProductAddresses.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/SettingsNotice.h"
#include "ui/modules/ModuleWindows.h"

#include <QFrame>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QShowEvent>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

// A subscription page is a few kilobytes; anything far larger is not shown.
constexpr qint64 MaxPageBytes = 1024 * 1024;
constexpr int TransferTimeoutMs = 15000;

} // namespace

TfrmSubscrible::TfrmSubscrible(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmSubscrible"));
    setWindowTitle(QStringLiteral("Подписка на новости"));
    setFixedSize(183, 204);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("RzGroupBox1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_browser = new QTextBrowser(frame);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setFixedSize(153, 121);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(6, 6, 6, 6);
    frameLayout->addWidget(m_browser, 0, Qt::AlignCenter);

    auto* confirm = new QPushButton(QStringLiteral("Подтвердить подписку"), this);
    confirm->setObjectName(QStringLiteral("RzBitBtn1"));
    confirm->setDefault(true);
    auto* decline = new QPushButton(QStringLiteral("Не хочу подписываться"), this);
    decline->setObjectName(QStringLiteral("RzBitBtn2"));
    for (QPushButton* button : {confirm, decline})
        button->setFixedWidth(169);
    connect(confirm, &QPushButton::clicked, this, &TfrmSubscrible::RzBitBtn1Click);
    connect(decline, &QPushButton::clicked, this, &TfrmSubscrible::RzBitBtn2Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(7, 5, 7, 5);
    layout->setSpacing(4);
    layout->addWidget(frame, 1);
    layout->addWidget(confirm, 0, Qt::AlignHCenter);
    layout->addWidget(decline, 0, Qt::AlignHCenter);
}

void TfrmSubscrible::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) // restored from minimised: the page is there already
        return;
    // The offline box belongs to the shown dialog: ask once the window is up.
    QTimer::singleShot(0, this, &TfrmSubscrible::FormActivate);
}

void TfrmSubscrible::FormActivate()
{
    if (!isVisible())
        return;
    if (!modulesOnline()) {
        showInformation(this, QStringLiteral("Для подписки необходимо подключение к Internet. "
                                             "\n\rПодписаться Вы так же можете на сайте "
                                             "программы."));
        return;
    }
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        connect(m_network, &QNetworkAccessManager::finished, this, &TfrmSubscrible::pageArrived);
    }
    if (m_reply)
        m_reply->abort();
    QNetworkRequest request(QUrl(QString::fromUtf8(addresses::SubscriptionPage)));
    request.setTransferTimeout(TransferTimeoutMs);
    m_reply = m_network->get(request);
    QNetworkReply* reply = m_reply;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > MaxPageBytes)
            reply->abort();
    });
}

void TfrmSubscrible::pageArrived(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError)
        return; // the page stays empty, as offline
    const QByteArray data = reply->readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    const QString html =
        decoder.isValid() ? QString(decoder.decode(data)) : QString::fromUtf8(data);
    m_browser->setHtml(html);
}

void TfrmSubscrible::RzBitBtn1Click()
{
    if (!Configuration::program().writeEmailAnswered())
        noticeUnsavedSettings(this);
    accept();
}

void TfrmSubscrible::RzBitBtn2Click()
{
    if (!Configuration::program().writeEmailAnswered())
        noticeUnsavedSettings(this);
    reject();
}

QWidget* createFrmSubscrible(const WindowContext&)
{
    return new TfrmSubscrible;
}

} // namespace tolvex
