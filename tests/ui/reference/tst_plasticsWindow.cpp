#include "StubWindowDirectory.h"
#include "TestSupport.h"

#include "core/app/LanguageState.h"
#include "ui/common/WindowContext.h"
#include "ui/reference/TForm31.h"
#include "ui/reference/UnitWindows.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>
#include <memory>

using namespace tolvex;

class TestPlasticsWindow : public QObject
{
    Q_OBJECT
private slots:
    void itemClick_data();
    void itemClick();
    void window();
};

void TestPlasticsWindow::itemClick_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QStringList>("lines"); // the cell's lines; empty: the cell is empty
    QTest::addColumn<bool>("texts");        // whether the two text boxes are filled
    QTest::newRow("polyamides") << "Полиамиды" << 0 << QStringList() << true;
    QTest::newRow("polyamides frost") << "Полиамиды" << 9 << QStringList() << true;
    QTest::newRow("expansion") << "Полипропилен термостабилизированный " << 8
                               << QStringList{"1,1", "•10(-5)"} << true;
    QTest::newRow("frost") << "Полипропилен термостабилизированный " << 9
                           << QStringList{"Не выше", "-15-40"} << true;
    QTest::newRow("thermosets") << "              Реактопласты" << 5 << QStringList() << false;
    QTest::newRow("organic glass")
        << "Стекло органическое конструкционное СОЛ, СТ-1,2-55" << 1
        << QStringList{"30600-29000; 30900-32100; 39800-41600; "} << true;
}

void TestPlasticsWindow::itemClick()
{
    QFETCH(QString, item);
    QFETCH(int, cell);
    QFETCH(QStringList, lines);
    QFETCH(bool, texts);
    TForm31 w;
    // A filled item first, so that emptying is seen.
    w.list()->setCurrentRow(1);
    const QList<QListWidgetItem*> found = w.list()->findItems(item, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    w.list()->setCurrentItem(found.first());
    QTextDocument* doc = w.cell(cell)->document();
    QStringList shown;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        shown << b.text();
    if (lines.isEmpty())
        QVERIFY(w.cell(cell)->toPlainText().isEmpty());
    else
        QCOMPARE(shown, lines);
    auto* processing = w.findChild<QPlainTextEdit*>(QStringLiteral("RzMemo2"));
    auto* uses = w.findChild<QPlainTextEdit*>(QStringLiteral("RzMemo3"));
    QCOMPARE(!processing->toPlainText().isEmpty(), texts);
    QCOMPARE(!uses->toPlainText().isEmpty(), texts);
}

void TestPlasticsWindow::window()
{
    test::StubWindowDirectory directory;
    LanguageState language;
    std::unique_ptr<QWidget> w(createForm31(WindowContext{directory, language}));
    auto* form = qobject_cast<TForm31*>(w.get());
    QVERIFY(form);
    QCOMPARE(w->objectName(), QStringLiteral("Form31"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Пластические массы (пластмассы)"));
    QCOMPARE(form->list()->count(), 48);
    QCOMPARE(form->pages()->tabText(0), QStringLiteral("Общие понятия"));
    QCOMPARE(form->pages()->tabText(1),
             QStringLiteral("Основные механические, физические свойства и назначение"));
    auto* notions = w->findChild<QTextEdit*>(QStringLiteral("RzRichEdit1"));
    QVERIFY(notions->toPlainText().startsWith(QStringLiteral("Пластические массы")));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    test::saveShot(w.get(), QStringLiteral("Form31-notions"));
    form->pages()->setCurrentIndex(1);
    form->list()->setCurrentRow(9);
    QCOMPARE(form->splitter()->sizes().first(), 354);
    // Moving the bar keeps both sides filled: the groups follow the splitter.
    form->splitter()->setSizes({250, 480});
    QCOMPARE(form->list()->parentWidget()->width(), form->splitter()->sizes().first());
    form->splitter()->setSizes({354, 376});
    QCOMPARE(test::clippedWidgets(w.get()), QStringList());
    test::saveShot(w.get(), QStringLiteral("Form31"));
}

QTEST_MAIN(TestPlasticsWindow)
#include "tst_plasticsWindow.moc"
