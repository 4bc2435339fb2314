#pragma once

#include <QDialog>
#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;
class QTextBrowser;

namespace tolvex
{

// "Подписка на новости": shows the subscription page when online (else says that a
// connection is needed); either button records the answer (Email = 1), so the
// shut-down offer is not made again. Closing by the title bar records nothing.
class TfrmSubscrible : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSubscrible(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void pageArrived(QNetworkReply* reply);
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QTextBrowser* m_browser;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
};

} // namespace tolvex
