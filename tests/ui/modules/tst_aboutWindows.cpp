#include "ModuleTestSupport.h"

#include "core/app/Configuration.h"
#include "core/app/LanguageState.h"
#include "core/modules/ProductAddresses.h"
#include "ui/modules/ModuleWindows.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QUrlQuery>

using namespace tolvex;
using namespace tolvex::test;

namespace
{

const QUrl WebPage(QString::fromUtf8(addresses::WebPage));
const QUrl DownloadPage(QString::fromUtf8(addresses::DownloadPage));
const QUrl Mail(QStringLiteral("mailto:") + QString::fromUtf8(addresses::AuthorEmail));

} // namespace

class TestAboutWindows : public QObject
{
    Q_OBJECT
private slots:
    void aboutBoxTexts()
    {
        StubWindowDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> about(createAboutBox({windows, language}));
        QCOMPARE(about->windowTitle(), QStringLiteral("Об авторе."));
        QCOMPARE(about->size(), QSize(394, 198));
        QCOMPARE(about->findChild<QLabel*>("ProductName")->text(), "Product Name: Tolvex");
        QCOMPARE(about->findChild<QLabel*>("Version")->text(), "Version: 6.50");
        QCOMPARE(about->findChild<QLabel*>("Label3")->text(), "Благодарность:");
        QCOMPARE(about->findChild<QLabel*>("Label1")->text(),
                 QString::fromUtf8(addresses::AuthorEmail));
        QVERIFY(!about->findChild<QLabel*>("Image1")->pixmap().isNull());
        about->show();
        QCOMPARE(clippedWidgets(about.get()), QStringList{});
        saveShot(about.get(), "AboutBox");
    }

    void aboutBoxClicks_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QUrl>("lastOpened");
        QTest::addColumn<QString>("boxCaption");
        QTest::newRow("e-mail click") << "Label1" << false << Mail << "";
        QTest::newRow("e-mail double-click") << "Label1" << true << Mail << "";
        QTest::newRow("web click") << "Label5" << false << WebPage << "";
        QTest::newRow("web double-click") << "Label5" << true << DownloadPage << "";
        QTest::newRow("thanks") << "Label3" << false << QUrl() << "Благодарность выражается:";
        QTest::newRow("emblem double-click") << "Image1" << true << QUrl() << "Немного обо мне!";
        QTest::newRow("emblem click") << "Image1" << false << QUrl() << "";
    }
    void aboutBoxClicks()
    {
        QFETCH(QString, label);
        QFETCH(bool, doubleClick);
        QFETCH(QUrl, lastOpened);
        QFETCH(QString, boxCaption);
        UrlCatcher shell;
        StubWindowDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> about(createAboutBox({windows, language}));
        about->show();
        ModalWatcher watcher;
        auto* target = about->findChild<QLabel*>(label);
        if (doubleClick)
            QTest::mouseDClick(target, Qt::LeftButton);
        else
            QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(shell.urls.isEmpty() ? QUrl() : shell.urls.last(), lastOpened);
        QCOMPARE(watcher.seen().size(), boxCaption.isEmpty() ? 0 : 1);
        if (!boxCaption.isEmpty()) {
            QCOMPARE(watcher.seen().value(0).caption, boxCaption);
            QVERIFY(!watcher.seen().value(0).text.isEmpty());
        }
    }

    void history_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::newRow("online: web page after") << true << QList<QUrl>{WebPage};
        QTest::newRow("offline: nothing") << false << QList<QUrl>{};
    }
    void history()
    {
        QFETCH(bool, online);
        QFETCH(QList<QUrl>, opened);
        setModulesOnlineTest([online] { return online; });
        UrlCatcher shell;
        StubWindowDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> w(createFrmHistory({windows, language}));
        windows.put(WindowId::frmHistory, w.get());
        showHistory({windows, language});
        QCOMPARE(windows.requests().size(), 1);
        QCOMPARE(windows.requests()[0].modality, Modality::Modal);
        QCOMPARE(shell.urls, opened);

        QCOMPARE(w->windowTitle(), QStringLiteral("Что нового в новых версиях?"));
        QCOMPARE(w->size(), QSize(385, 503));
        const QString text = w->findChild<QPlainTextEdit*>("RzMemo1")->toPlainText();
        QVERIFY(text.startsWith("Новое и скоро."));
        const qsizetype newest = text.indexOf("Версия 5.00");
        QVERIFY(newest > 0 && newest < text.indexOf("Версия 1.0"));
        QCOMPARE(clippedWidgets(w.get()), QStringList{});
        saveShot(w.get(), "frmHistory");
        QTest::mouseClick(w->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }

    // Either button records the answer; closing by the title bar or Escape does not.
    void subscription_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("email");
        QTest::newRow("Подтвердить подписку") << "RzBitBtn1"
                                              << "1";
        QTest::newRow("Не хочу подписываться") << "RzBitBtn2"
                                               << "1";
        QTest::newRow("title-bar close") << "close"
                                         << "0";
        QTest::newRow("Escape") << "escape"
                                << "0";
    }
    void subscription()
    {
        QFETCH(QString, action);
        QFETCH(QString, email);
        ProgramFolder folder;
        folder.write("tolvex.ini", "[Network]\r\nEmail=0\r\n");
        Configuration::reloadProgram();
        setModulesOnlineTest([] { return false; });
        StubWindowDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> w(createFrmSubscrible({windows, language}));
        QCOMPARE(w->windowTitle(), QStringLiteral("Подписка на новости"));
        QCOMPARE(w->size(), QSize(183, 204));
        {
            ModalWatcher watcher;
            w->show();
            QTRY_COMPARE(watcher.texts(),
                         QStringList{"Для подписки необходимо подключение к Internet. \n\r"
                                     "Подписаться Вы так же можете на сайте программы."});
            QCOMPARE(watcher.seen().value(0).caption, QStringLiteral("Information"));
        }
        QVERIFY(w->findChild<QTextBrowser*>()->toPlainText().isEmpty());
        QCOMPARE(clippedWidgets(w.get()), QStringList{});
        saveShot(w.get(), "frmSubscrible");

        if (action == "close")
            w->close();
        else if (action == "escape")
            QTest::keyClick(w.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(w->findChild<QPushButton*>(action), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(Configuration(folder.path()).emailAtExit(), email);
    }

    void suggestionMail()
    {
        UrlCatcher shell;
        proposeAddition();
        QCOMPARE(shell.urls.size(), 1);
        const QUrl url = shell.urls[0];
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QString::fromUtf8(addresses::AuthorEmail));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), "Это надо добавить");
        QCOMPARE(query.queryItemValue("body", QUrl::FullyDecoded),
                 "Было бы неплохо если бы в программе появилась информация о");
    }
};

QTEST_MAIN(TestAboutWindows)
#include "tst_aboutWindows.moc"
