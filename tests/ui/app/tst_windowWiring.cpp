// The main window's buttons and menus reach the right windows: every panel's print
// writes its own sheet, the sketch buttons show their drawings, and no menu item
// opens an empty window.

#include "TestSupport.h"
#include "ui/app/SecondaryWindow.h"
#include "ui/reference/PictureWindows.h"
#include "ui/reference/SvgPicture.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace tolvex;
using namespace tolvex::test;

namespace
{

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void click(const RunningProgram& p, const QString& name)
{
    auto* button = p.find<QAbstractButton>(QStringLiteral("frmGeneral"), name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

// Whether the sheet's picture box (below the memo) holds any drawing: the page at 30 dpi.
bool pictureBoxInked(const QString& pdf, const QString& folder)
{
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"),
         QStringLiteral("-singlefile"), pdf, folder + QStringLiteral("/page")});
    const QImage page(folder + QStringLiteral("/page.pgm"));
    // The box: 62,9 … 150 mm from the left, 87 … 160 mm from the top.
    const double px = 30 / 25.4;
    for (int y = int(90 * px); y < int(158 * px); ++y)
        for (int x = int(65 * px); x < int(148 * px); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                return true;
    return false;
}

} // namespace

class WindowWiringTest : public QObject
{
    Q_OBJECT

private slots:
    void printFromEveryPanel_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("print");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("picture");
        QTest::newRow("I-beam") << "gbDvutavr"
                                << "RzBitBtn62"
                                << "Двутавровая балка" << false;
        QTest::newRow("channel") << "gbShveler"
                                 << "RzBitBtn8"
                                 << "Швеллер" << true;
        QTest::newRow("angle") << "gbUgolok"
                               << "RzBitBtn48"
                               << "Уголок" << false;
        QTest::newRow("rail") << "gbRels"
                              << "RzBitBtn9"
                              << "Рельс" << true;
        QTest::newRow("hexagon") << "gbShestigran"
                                 << "RzBitBtn44"
                                 << "Шестигранник" << false;
        QTest::newRow("round bar") << "gbProkat"
                                   << "RzBitBtn58"
                                   << "Прокат круглый" << false;
        QTest::newRow("rebar") << "gbAtrmatura"
                               << "RzBitBtn5"
                               << "Арматура" << true;
        QTest::newRow("square, sheet") << "gbList"
                                       << "RzBitBtn55"
                                       << "Квдратный прокат или лист" << false;
        QTest::newRow("checker plate") << "gbListRiflen"
                                       << "RzBitBtn38"
                                       << "Лист рифленный" << true;
        QTest::newRow("profiled sheet") << "gbProfnastil"
                                        << "RzBitBtn11"
                                        << "Профнастил" << false;
        QTest::newRow("bolts") << "gbMetizi"
                               << "RzBitBtn46"
                               << "Метизы" << false;
        QTest::newRow("pipe") << "gbTruba"
                              << "RzBitBtn52"
                              << "Труба" << false;
        QTest::newRow("square tube") << "gbTrubaKvadrat"
                                     << "RzBitBtn3"
                                     << "Квадратная труба" << false;
        QTest::newRow("rectangular tube") << "gbTrubaPryamugol"
                                          << "RzBitBtn1"
                                          << "Прямоугольная труба" << true;
    }
    void printFromEveryPanel()
    {
        QFETCH(QString, group);
        QFETCH(QString, print);
        QFETCH(QString, title);
        QFETCH(bool, picture);
        ProgramFolder folder;
        const QString pdf = folder.file(QStringLiteral("sheet.pdf"));
        RunningProgram p({QStringLiteral("--print-to"), pdf});
        click(p, group);
        click(p, print);
        const QStringList lines = run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"})
                                      .split(QChar('\n'), Qt::SkipEmptyParts);
        QStringList seen;
        for (const QString& line : lines)
            if (!line.simplified().isEmpty()) // the page ends in a form feed
                seen << line.simplified();
        // The heading, the panel's title, the report box's text and the footer, in order.
        const QStringList expected = {QStringLiteral("Результат расчета."), title,
                                      QStringLiteral("Итог вычислений"),
                                      QStringLiteral("Данный расчет произведен в справочнике "
                                                     "Tolvex версии 6.00")};
        QVERIFY2(seen == expected, qPrintable(seen.join(QStringLiteral(" | "))));
        QCOMPARE(pictureBoxInked(pdf, folder.path()), picture);
    }

    void roundBarSheetIsOneA4Page()
    {
        ProgramFolder folder;
        const QString pdf = folder.file(QStringLiteral("sheet.pdf"));
        RunningProgram p({QStringLiteral("--print-to"), pdf});
        click(p, QStringLiteral("gbProkat"));
        p.find<QLineEdit>("frmGeneral", "RzNumericEdit25")->setText(QStringLiteral("20"));
        p.find<QLineEdit>("frmGeneral", "RzNumericEdit26")->setText(QStringLiteral("1"));
        {
            ModalWatcher watcher; // no material chosen: the density 0 refusal is not ours
            click(p, QStringLiteral("RzBitBtn19"));
        }
        click(p, QStringLiteral("RzBitBtn58"));
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QStringLiteral("595 x 842 pts")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
    }

    void sketchButtons()
    {
        RunningProgram p;
        auto* sketch = p.window(QStringLiteral("Form30"));
        auto* picture = sketch->findChild<SvgPicture*>(QStringLiteral("Image1"));
        QVERIFY(picture && !picture->hasPicture());
        QCOMPARE(sketch->windowTitle(), QStringLiteral("Швеллер"));

        struct Step {
            const char* group;
            const char* button;
            Drawing drawing;
            const char* caption;
        };
        const Step steps[] = {{"gbShveler", "RzBitBtn7", Drawing::Channel, "Швеллер"},
                              {"gbRels", "RzBitBtn10", Drawing::Rail, "Рельс"},
                              {"gbUgolok", "RzBitBtn49", Drawing::EqualAngle, "Уголок"},
                              {"gbDvutavr", "RzBitBtn63", Drawing::IBeam, "Двутавр"}};
        for (const Step& s : steps) {
            click(p, QLatin1String(s.group));
            auto* report = p.find<QWidget>("frmGeneral", "RzMemo4");
            const QString before = report->property("plainText").toString();
            click(p, QLatin1String(s.button));
            // One window, its picture and caption replaced, never modal; fields untouched.
            QCOMPARE(p.window(QStringLiteral("Form30")), sketch);
            QVERIFY(sketch->isVisible());
            QVERIFY(!sketch->isModal());
            QCOMPARE(picture->drawing(), s.drawing);
            QCOMPARE(sketch->windowTitle(), QString::fromUtf8(s.caption));
            QCOMPARE(report->property("plainText").toString(), before);
            saveShot(sketch, QStringLiteral("Form30-") + QLatin1String(s.button));
        }
        // The unequal-leg angle has its own drawing.
        click(p, QStringLiteral("gbUgolok"));
        auto* unequal =
            p.find<QWidget>("frmGeneral", "RadioGroup4")->findChildren<QRadioButton*>().value(1);
        QVERIFY(unequal);
        unequal->click();
        click(p, QStringLiteral("RzBitBtn49"));
        QCOMPARE(picture->drawing(), Drawing::UnequalAngle);
    }

    void pictureWindowModality_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("modal");
        QTest::newRow("square tube") << "gbTrubaKvadrat"
                                     << "RzBitBtn4"
                                     << "Prof_trub" << true;
        QTest::newRow("rectangular tube") << "gbTrubaPryamugol"
                                          << "RzBitBtn2"
                                          << "Form25" << true;
        QTest::newRow("rebar") << "gbAtrmatura"
                               << "RzBitBtn6"
                               << "Form14" << false;
        QTest::newRow("checker plate") << "gbListRiflen"
                                       << "RzBitBtn39"
                                       << "Form13" << false;
    }
    void pictureWindowModality()
    {
        QFETCH(QString, group);
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(bool, modal);
        RunningProgram p;
        click(p, group);
        click(p, button);
        QWidget* w = p.window(window);
        QVERIFY(w->isVisible());
        QCOMPARE(w->isModal(), modal);
        w->close();
    }

    // Every item of the main and the tray menu either does its own work or opens a
    // window with content of its own: none opens an empty placeholder window.
    void menuItemsOpenContent()
    {
        ProgramFolder folder;
        folder.addLanguageFiles();
        RunningProgram p;
        UrlCatcher shell;
        QList<QAction*> items;
        const auto collect = [&items](const QList<QAction*>& actions, auto& self) -> void {
            for (QAction* a : actions) {
                if (a->menu())
                    self(a->menu()->actions(), self);
                else if (!a->isSeparator() && !a->objectName().isEmpty())
                    items << a;
            }
        };
        collect(p.main()->findChild<QMenuBar*>(QStringLiteral("MainMenu1"))->actions(), collect);
        collect(p.main()->findChild<QMenu*>(QStringLiteral("PopupMenu2"))->actions(), collect);
        QVERIFY2(items.size() > 90, qPrintable(QString::number(items.size())));
        QStringList empty;
        for (QAction* a : items) {
            const QString name = a->objectName();
            if (name.endsWith(QStringLiteral("N75")) || !a->isEnabled())
                continue; // "Выход" ends the program; "Расчеты валов" is inert
            ModalWatcher watcher;
            a->trigger();
            QStringList opened = watcher.closedDialogs();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w != p.main() && !w->inherits("QMenu"))
                    opened << w->objectName();
            for (const QString& window : opened) {
                QWidget* w = p.window(window);
                if (w &&
                    (qobject_cast<SecondaryWindow*>(w) || w->findChildren<QWidget*>().isEmpty()))
                    empty << name + QStringLiteral(" → ") + window;
                if (w)
                    w->close();
            }
        }
        QVERIFY2(empty.isEmpty(), qPrintable(empty.join(QChar('\n'))));
    }
};

QTEST_MAIN(WindowWiringTest)
#include "tst_windowWiring.moc"
