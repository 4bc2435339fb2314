#include "ModuleTestSupport.h"

#include "core/app/LanguageState.h"
#include "core/modules/ModuleContracts.h"
#include "ui/modules/ModuleLibrary.h"
#include "ui/modules/ModuleWindows.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

using namespace tolvex;
using namespace tolvex::test;

Q_DECLARE_METATYPE(tolvex::WindowId)

class TestModuleLoader : public QObject
{
    Q_OBJECT
private slots:
    void modules_data()
    {
        QTest::addColumn<QString>("placed"); // stand-in library put into the folder
        QTest::addColumn<bool>("nonferrous");
        QTest::addColumn<QString>("languageText"); // LNG_42x of an applied language file
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<WindowId>>("shown");

        // "CreateMyFormVoltmod", then "CreateMyForm2" … "CreateMyForm41".
        QStringList all{"CreateMyFormVoltmod"};
        for (int n = 2; n <= 41; ++n)
            all << QStringLiteral("CreateMyForm%1").arg(n);
        const QString electrical = QStringLiteral("Не удалось открыть модуль «Электротехника».");
        const QString nonferrous = QStringLiteral("Не удалось открыть модуль «Алюминий и медь».");

        QTest::newRow("no Voltmod") << "" << false << "" << QStringList{} << electrical
                                    << QList<WindowId>{WindowId::Form21};
        QTest::newRow("no Voltmod, English file")
            << "" << false << "The \"Electrical engineering\" module could not be opened."
            << QStringList{} << "The \"Electrical engineering\" module could not be opened."
            << QList<WindowId>{WindowId::Form21};
        QTest::newRow("Voltmod: 41 calls in order")
            << "Voltmod" << false << "" << all << "" << QList<WindowId>{};
        QTest::newRow("no Nonfer")
            << "" << true << "" << QStringList{} << nonferrous << QList<WindowId>{WindowId::Form23};
        QTest::newRow("Nonfer without its second entry point")
            << "Nonfer" << true << "" << QStringList{"CreateMyFormNonfer"} << nonferrous
            << QList<WindowId>{WindowId::Form23};
    }
    void modules()
    {
        QFETCH(QString, placed);
        QFETCH(bool, nonferrous);
        QFETCH(QString, languageText);
        QFETCH(QStringList, calls);
        QFETCH(QString, box);
        QFETCH(QList<WindowId>, shown);

        ProgramFolder folder;
        if (!placed.isEmpty())
            QVERIFY(placeLibrary(folder, placed, placed));
        ModuleLog log;
        LanguageState language;
        if (!languageText.isEmpty())
            language.setMessage(nonferrous ? 422 : 421, languageText);
        ModalWatcher watcher;
        OrderedDirectory windows(watcher);
        const WindowContext context{windows, language};
        QWidget main;
        const QString id = QString::number(quintptr(main.winId()));

        if (nonferrous)
            openNonferrousModule(&main, context);
        else
            openElectricalModule(&main, context);

        QStringList expected;
        for (const QString& call : calls)
            expected << call + u' ' + id;
        QCOMPARE(log.lines(), expected);
        QCOMPARE(watcher.texts(), box.isEmpty() ? QStringList{} : QStringList{box});
        QList<WindowId> requested;
        for (const auto& r : windows.requests()) {
            requested << r.id;
            QCOMPARE(r.modality, Modality::Modal);
        }
        QCOMPARE(requested, shown);
        // The description comes after the message.
        for (int before : windows.boxesBefore)
            QCOMPARE(before, 1);
        // A module that opened stays loaded; after a failure every handle is released.
        QLibrary probe(
            modules::libraryName(nonferrous ? modules::NonferLibrary : modules::VoltmodLibrary));
        QCOMPARE(probe.isLoaded(), box.isEmpty());
    }

    void motorsProgramAbsentShowsNothing()
    {
        ModalWatcher watcher;
        startMotorsProgram();
        QTest::qWait(50);
        QCOMPARE(watcher.seen().size(), 0);
    }

    void descriptionWindows_data()
    {
        QTest::addColumn<bool>("nonferrous");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::newRow("Form21") << false << "Модуль \"Электротехника\"" << QSize(688, 446);
        QTest::newRow("Form23") << true << "Алюминий и медь" << QSize(691, 361);
    }
    void descriptionWindows()
    {
        QFETCH(bool, nonferrous);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        StubWindowDirectory windows;
        LanguageState language;
        std::unique_ptr<QWidget> w(nonferrous ? createForm23({windows, language})
                                              : createForm21({windows, language}));
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), client);
        auto* memo = w->findChild<QPlainTextEdit*>();
        QVERIFY(memo && memo->isReadOnly());
        QVERIFY(memo->toPlainText().size() > 1500);
        w->show();
        saveShot(w.get(), w->objectName());
    }
};

QTEST_MAIN(TestModuleLoader)
#include "tst_moduleLoader.moc"
