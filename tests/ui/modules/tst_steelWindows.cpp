#include "ModuleTestSupport.h"

#include "core/app/LanguageState.h"
#include "core/modules/ProductAddresses.h"
#include "ui/modules/ModuleWindows.h"
#include "ui/reference/SteelWindows.h"
#include "ui/reference/TForm12.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using namespace tolvex;
using namespace tolvex::test;

namespace
{

// Records the page the steels window hands over at each request for the picture window.
class PageDirectory : public StubWindowDirectory
{
public:
    void showWindow(WindowId id, Modality modality, Page page = {}) override
    {
        if (id == WindowId::Form12)
            pages << window(WindowId::Form11)->findChild<QLabel*>("Label2")->text().toInt();
        StubWindowDirectory::showWindow(id, modality, page);
    }
    QList<int> pages;
};

QTreeWidgetItem* findNode(QTreeWidget* tree, const QString& text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

void doubleClickNode(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

int visibleGrades(QTreeWidget* tree)
{
    int n = 0;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tree->topLevelItem(g);
        for (int s = 0; s < group->childCount(); ++s)
            if (group->isExpanded() && group->child(s)->isExpanded())
                n += group->child(s)->childCount();
    }
    return n;
}

} // namespace

class TestSteelWindows : public QObject
{
    Q_OBJECT
private slots:
    void pageLookup_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("doubled name opens both pages") << "ВСт6пс" << QList<int>{628, 629};
        QTest::newRow("first page") << "08" << QList<int>{1};
        QTest::newRow("last page") << "ШХ4" << QList<int>{821};
        QTest::newRow("casting steel") << "120Г13Х2БЛ" << QList<int>{121};
        QTest::newRow("group opens nothing") << "Чугун" << QList<int>{};
    }
    void pageLookup()
    {
        QFETCH(QString, node);
        QFETCH(QList<int>, pages);
        ProgramFolder folder;
        QVERIFY(placeLibrary(folder, "alloypix", "alloypix"));
        PageDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> form11(createForm11({windows, language}));
        windows.put(WindowId::Form11, form11.get());
        form11->show();
        auto* tree = form11->findChild<QTreeWidget*>("TreeView1");
        tree->expandAll();
        ModalWatcher watcher;

        doubleClickNode(tree, findNode(tree, node));

        QCOMPARE(form11->findChild<QLineEdit*>("Edit1")->text(), node);
        QCOMPARE(windows.pages, pages);
        QCOMPARE(watcher.texts(), QStringList{});
        if (node == "08")
            saveShot(form11.get(), "Form11");
    }

    void withoutPictureLibrary_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::newRow("online: download page")
            << true << QList<QUrl>{QUrl(QString::fromUtf8(addresses::DownloadPage))};
        QTest::newRow("offline: nothing opened") << false << QList<QUrl>{};
    }
    void withoutPictureLibrary()
    {
        QFETCH(bool, online);
        QFETCH(QList<QUrl>, opened);
        ProgramFolder folder;
        setModulesOnlineTest([online] { return online; });
        UrlCatcher shell;
        PageDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> form11(createForm11({windows, language}));
        windows.put(WindowId::Form11, form11.get());
        form11->show();
        auto* tree = form11->findChild<QTreeWidget*>("TreeView1");
        tree->expandAll();
        ModalWatcher watcher;

        doubleClickNode(tree, findNode(tree, "ШХ4"));

        QCOMPARE(watcher.texts(),
                 QStringList{"Модуль \"Сталь и её сплавы\" заказывается дополнительно у автора!"});
        QCOMPARE(watcher.seen().value(0).caption, QStringLiteral("Information"));
        QCOMPARE(windows.pages, QList<int>{});
        QCOMPARE(shell.urls, opened);
    }

    void collapseThenExpandShowsEveryGrade()
    {
        StubWindowDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> form11(createForm11({windows, language}));
        auto* tree = form11->findChild<QTreeWidget*>("TreeView1");
        form11->findChild<QAction*>("N2")->trigger();
        QCOMPARE(visibleGrades(tree), 0);
        form11->findChild<QAction*>("N1")->trigger();
        QCOMPARE(visibleGrades(tree), 820);
        QCOMPARE(tree->topLevelItemCount(), 7);
        QCOMPARE(clippedWidgets(form11.get()), QStringList{});
    }

    // The picture window with the stand-in library, without it, and with a library
    // that lacks the entry point.
    void pictureWindow_data()
    {
        QTest::addColumn<QString>("placed"); // stand-in put in alloypix's place
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("picture");
        QTest::newRow("page drawn") << "alloypix"
                                    << "" << true;
        QTest::newRow("no library")
            << ""
            << "Библиотеку \"Физико-химические свойства материалов\" не удалось загрузить. "
               "Проверьте правильность размещения библиотеки. Библиотеку необходимо "
               "разместить в папке вместе с программой"
            << false;
        QTest::newRow("no entry point") << "Nonfer"
                                        << "Необъяснимая ошибка. Ничего не загрузилось." << false;
    }
    void pictureWindow()
    {
        QFETCH(QString, placed);
        QFETCH(QString, box);
        QFETCH(bool, picture);
        ProgramFolder folder;
        if (!placed.isEmpty())
            QVERIFY(placeLibrary(folder, placed, "alloypix"));
        ModuleLog log;
        ModalWatcher watcher;
        StubWindowDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> w(createForm12({windows, language}));
        auto* form12 = qobject_cast<TForm12*>(w.get());
        QVERIFY(form12);
        form12->setPage(628);
        form12->show();
        auto* image = form12->findChild<QLabel*>("Image1");
        QTRY_VERIFY(!picture || !image->pixmap().isNull());
        QTRY_COMPARE(watcher.texts(), box.isEmpty() ? QStringList{} : QStringList{box});
        if (!box.isEmpty())
            QCOMPARE(watcher.seen().value(0).caption, QStringLiteral("Error"));
        QCOMPARE(log.lines(), picture ? QStringList{"LoadJPEGfromEXE 628"} : QStringList{});
        QCOMPARE(form12->isVisible(), true);
        if (!picture) {
            QVERIFY(image->pixmap().isNull());
            return;
        }
        // The 1200 x 700 page with its black corner square, drawn at (1, 1).
        const QImage shown = image->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(1201, 701));
        QCOMPARE(shown.pixelColor(0, 0), form12->palette().color(QPalette::Window));
        QVERIFY(qGray(shown.pixel(2, 2)) < 40);
        QVERIFY(qGray(shown.pixel(99, 99)) < 40);
        QVERIFY(qGray(shown.pixel(104, 104)) > 215);
        auto* scroll = form12->findChild<QScrollArea*>();
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);

        // Another window comes and goes: the page stays, nothing is read again.
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(form12);
        QTest::qWait(50);
        QVERIFY(form12->isVisible());
        QCOMPARE(log.lines().size(), 1);
        saveShot(form12, "Form12");
    }
};

QTEST_MAIN(TestSteelWindows)
#include "tst_steelWindows.moc"
