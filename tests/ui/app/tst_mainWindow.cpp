#include "TestSupport.h"
#include "ui/app/TfrmGeneral.h"
#include "ui/calculators/CalculatorPanel.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/ReportBox.h"
#include "ui/materials/MaterialBar.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tolvex;
using namespace tolvex::test;

namespace
{

const char* const Panels[] = {"pnlDvutavr",      "pnlShveler",       "pnlUgolok",    "pnlRels",
                              "pnlShestigran",   "pnlProkat",        "pnlAtrmatura", "pnlList",
                              "pnlListRiflen",   "pnlProfnastil",    "pnlMetizi",    "pnlTruba",
                              "pnlTrubaKvadrat", "pnlTrubaPryamugol"};

TfrmGeneral* mainWindow(const RunningProgram& p)
{
    return qobject_cast<TfrmGeneral*>(p.main());
}

QStringList visiblePanels(const RunningProgram& p)
{
    QStringList out;
    for (const char* name : Panels)
        if (QWidget* w = p.find<QWidget>("frmGeneral", QLatin1String(name));
            w && w->isVisibleTo(p.main()))
            out << QLatin1String(name);
    return out;
}

void openGroup(const RunningProgram& p, const char* group)
{
    p.find<QToolButton>("frmGeneral", QLatin1String(group))->click();
}

QLineEdit* field(const RunningProgram& p, const char* name)
{
    return p.find<QLineEdit>("frmGeneral", QLatin1String(name));
}

void chooseMaterial(const RunningProgram& p, const QString& text)
{
    auto* box = p.find<QComboBox>("frmGeneral", "RzComboBox1");
    const int row = box->findText(text);
    QVERIFY2(row >= 0, qPrintable(text));
    pick(box, row);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void windowsInOrder()
    {
        ProgramFolder folder;
        RunningProgram p;
        QWidget* w = p.main();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tolvex версия 6.5"));
        QCOMPARE(w->width(), 578);
        QCOMPARE(mainWindow(p)->centralWidget()->height() + mainWindow(p)->statusBar()->height(),
                 476);
        for (const char* name :
             {"AboutBox", "Form6", "frmVolume", "Form26", "Form29", "frmSubscrible"})
            QVERIFY2(p.window(QLatin1String(name)), name);
        QCOMPARE(p.window("Form31")->windowTitle(),
                 QStringLiteral("Пластические массы (пластмассы)"));
        QVERIFY(!p.window("Form6")->isVisible());
    }

    void panelSwitching()
    {
        ProgramFolder folder;
        RunningProgram p;
        QCOMPARE(visiblePanels(p), QStringList{"pnlDvutavr"});
        openGroup(p, "gbProkat");
        openGroup(p, "gbList");
        QCOMPARE(visiblePanels(p), QStringList{"pnlList"});
        for (int i = 0; i < 14; ++i) {
            mainWindow(p)->SelectPanel(i == 0, i == 1, i == 2, i == 3, i == 4, i == 5, i == 6,
                                       i == 7, i == 8, i == 9, i == 10, i == 11, i == 12, i == 13);
            QCOMPARE(visiblePanels(p), QStringList{QLatin1String(Panels[i])});
        }
    }

    void groupOpeningResetsOnlyItsPanel()
    {
        ProgramFolder folder;
        RunningProgram p;
        openGroup(p, "gbProkat");
        field(p, "RzNumericEdit25")->setText("20");
        field(p, "RzNumericEdit26")->setText("3");
        field(p, "RzNumericEdit21")->setText("15");
        openGroup(p, "gbAtrmatura");
        openGroup(p, "gbList");
        QCOMPARE(field(p, "RzNumericEdit25")->text(), QStringLiteral("20"));
        QCOMPARE(field(p, "RzNumericEdit21")->text(), QStringLiteral("0"));
        openGroup(p, "gbProkat");
        QCOMPARE(field(p, "RzNumericEdit25")->text(), QStringLiteral("0"));
        QCOMPARE(field(p, "RzNumericEdit26")->text(), QStringLiteral("0"));
    }

    void clearButtonClearsEveryPanel()
    {
        ProgramFolder folder;
        RunningProgram p;
        chooseMaterial(p, QStringLiteral("Сталь конструкционная - 7,85"));
        openGroup(p, "gbProkat");
        field(p, "RzNumericEdit25")->setText("20");
        field(p, "RzNumericEdit26")->setText("1");
        p.find<QPushButton>("frmGeneral", "RzBitBtn19")->click();
        auto* memo = p.find<QPlainTextEdit>("frmGeneral", "RzMemo13");
        const QString report = memo->toPlainText();
        QVERIFY(!report.isEmpty());
        openGroup(p, "gbList");
        field(p, "RzNumericEdit22")->setText("7");
        p.find<QToolButton>("frmGeneral", "RzBitBtn37")->click();
        const auto fields = p.main()->findChildren<NumericEdit*>();
        QVERIFY(fields.size() >= 6);
        for (NumericEdit* f : fields)
            QCOMPARE(f->text(), QStringLiteral("0"));
        QCOMPARE(memo->toPlainText(), report);
        QCOMPARE(double(mainWindow(p)->density()), 7.85);
    }

    void roundBarThroughTheWindow()
    {
        ProgramFolder folder;
        RunningProgram p;
        chooseMaterial(p, QStringLiteral("Сталь конструкционная - 7,85"));
        openGroup(p, "gbProkat");
        typeInto(field(p, "RzNumericEdit25"), "20");
        typeInto(field(p, "RzNumericEdit26"), "1");
        p.find<QPushButton>("frmGeneral", "RzBitBtn19")->click();
        QCOMPARE(field(p, "RzNumericEdit27")->text(), QStringLiteral("2,46615023306799"));
        auto* memo = p.find<ReportBox>("frmGeneral", "RzMemo13");
        QCOMPARE(memo->report(),
                 QStringLiteral("Расчетные данные и результат расчета: \r\n\r\nМатериал трубы: "
                                "Сталь конструкционная - 7,85\r\nДиаметр проката 20 мм.,\r\nпри "
                                "длине проката в 1 м.,\r\nобщий вес проката составит: "
                                "2,46615023306799 кг."));
        QCOMPARE(memo->toPlainText().split('\n').at(3), QStringLiteral("Диаметр проката 20 мм.,"));

        // Length "0" and the weight "=": the refusal box, nothing changes.
        field(p, "RzNumericEdit26")->setText("0");
        {
            ModalWatcher watcher;
            p.find<QPushButton>("frmGeneral", "RzBitBtn19")->click();
            QCOMPARE(watcher.texts(), QStringList{"Введите значение, отличное от нуля."});
            QCOMPARE(watcher.seen().first().caption, QStringLiteral("Information"));
        }
        QCOMPARE(field(p, "RzNumericEdit27")->text(), QStringLiteral("2,46615023306799"));
        // The same length "0" with the length "=" computes normally.
        p.find<QPushButton>("frmGeneral", "RzBitBtn18")->click();
        QCOMPARE(field(p, "RzNumericEdit26")->text(), QStringLiteral("1"));
    }

    void squareAndSheetPanel()
    {
        ProgramFolder folder;
        RunningProgram p;
        chooseMaterial(p, QStringLiteral("Сталь конструкционная - 7,85"));
        openGroup(p, "gbList");
        QVERIFY(!field(p, "RzNumericEdit21")->isEnabled());
        QVERIFY(!field(p, "RzNumericEdit22")->isEnabled());
        QVERIFY(field(p, "RzNumericEdit23")->isEnabled());
        QVERIFY(!p.find<QLabel>("frmGeneral", "RzLabel49")->isEnabled());
        // No profile chosen: both buttons do nothing, no message.
        field(p, "RzNumericEdit23")->setText("1000");
        {
            ModalWatcher watcher;
            p.find<QPushButton>("frmGeneral", "RzBitBtn21")->click();
            p.find<QPushButton>("frmGeneral", "RzBitBtn20")->click();
            QTest::qWait(60);
            QVERIFY(watcher.seen().isEmpty());
        }
        QCOMPARE(field(p, "RzNumericEdit24")->text(), QStringLiteral("0"));

        p.find<QRadioButton>("frmGeneral", "RadioGroup3_item0")->click();
        QVERIFY(field(p, "RzNumericEdit21")->isEnabled());
        QVERIFY(!field(p, "RzNumericEdit22")->isEnabled());
        QVERIFY(!p.find<QLabel>("frmGeneral", "RzLabel48")->isEnabled());
        field(p, "RzNumericEdit21")->setText("10");
        p.find<QPushButton>("frmGeneral", "RzBitBtn21")->click();
        QCOMPARE(field(p, "RzNumericEdit24")->text(), QStringLiteral("0,785"));

        p.find<QRadioButton>("frmGeneral", "RadioGroup3_item1")->click();
        QVERIFY(field(p, "RzNumericEdit22")->isEnabled());
        field(p, "RzNumericEdit21")->setText("1000");
        field(p, "RzNumericEdit22")->setText("2000");
        field(p, "RzNumericEdit23")->setText("2");
        p.find<QPushButton>("frmGeneral", "RzBitBtn21")->click();
        QCOMPARE(field(p, "RzNumericEdit24")->text(), QStringLiteral("31,4"));
        // Opening the group again resets the fields but keeps the profile choice.
        openGroup(p, "gbList");
        QVERIFY(p.find<QRadioButton>("frmGeneral", "RadioGroup3_item1")->isChecked());
    }

    void alloyGroupAndTypedDensity()
    {
        ProgramFolder folder;
        RunningProgram p;
        TfrmGeneral* w = mainWindow(p);
        auto* alloy = p.find<QComboBox>("frmGeneral", "RzComboBox2");
        QVERIFY(alloy->isHidden());
        chooseMaterial(p, QStringLiteral("Латуни (из списка)"));
        QVERIFY(!alloy->isHidden());
        QCOMPARE(alloy->currentText(),
                 QStringLiteral("Латунь литейная по ГОСТ 17711-72 ЛК80-3Л - 8,3"));
        QCOMPARE(double(w->density()), 8.3);
        QCOMPARE(w->materialName(), alloy->currentText());
        pick(alloy, 122);
        QCOMPARE(double(w->density()), 6.2);
        // The report names the alloy picked, not the group entry.
        openGroup(p, "gbProkat");
        field(p, "RzNumericEdit25")->setText("20");
        field(p, "RzNumericEdit26")->setText("1");
        p.find<QPushButton>("frmGeneral", "RzBitBtn19")->click();
        QCOMPARE(
            p.find<ReportBox>("frmGeneral", "RzMemo13")->report().split("\r\n").at(2),
            QStringLiteral("Материал трубы: Цинковые сплавы антифрикционные ЦАМ 9-1,5Л - 6,2"));

        auto* box = p.find<QComboBox>("frmGeneral", "RzComboBox1");
        typeInto(box->lineEdit(), "8");
        QVERIFY(alloy->isHidden());
        QCOMPARE(double(w->density()), 8.0);
        QCOMPARE(w->materialName(), QStringLiteral("8"));
        {
            ModalWatcher watcher;
            typeInto(box->lineEdit(), "7,5");
            QVERIFY(watcher.seen().isEmpty());
        }
        QCOMPARE(double(w->density()), 7.5);
        {
            ModalWatcher watcher;
            box->lineEdit()->setFocus();
            QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
            QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
            QTest::keyClicks(box->lineEdit(), ".5");
            QVERIFY(watcher.texts().join(' ').contains(QStringLiteral("«7.»")));
        }
        QCOMPARE(double(w->density()), 7.0);
        box->lineEdit()->clear();
        emit box->lineEdit()->textEdited(QString());
        QCOMPARE(double(w->density()), 1.0);
    }

    void numberFieldTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("exponent the program writes") << "2,69E-5"
                                                     << "2,69E-5";
        QTest::newRow("small e, plus") << "1e+3"
                                       << "1e+3";
        QTest::newRow("second separator") << "7,5,5"
                                          << "7,55";
        QTest::newRow("point in a comma locale") << "7.5"
                                                 << "75";
        QTest::newRow("letters") << "abc"
                                 << "";
        QTest::newRow("two exponents") << "1E2E3"
                                       << "1E23";
    }
    void numberFieldTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        RunningProgram p;
        openGroup(p, "gbProkat");
        QLineEdit* edit = field(p, "RzNumericEdit25");
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void typedDensityRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("point under a comma locale") << "7.5";
        QTest::newRow("letters") << "abc";
        QTest::newRow("sign only") << "-";
        QTest::newRow("exponent") << "1e5000";
        QTest::newRow("10 000 characters") << QString(10000, QChar('7')) + "x";
    }
    void typedDensityRefused()
    {
        QFETCH(QString, text);
        ProgramFolder folder;
        RunningProgram p;
        chooseMaterial(p, QStringLiteral("Сталь конструкционная - 7,85"));
        auto* box = p.find<QComboBox>("frmGeneral", "RzComboBox1");
        ModalWatcher watcher;
        box->lineEdit()->setText(text);
        emit box->lineEdit()->textEdited(text);
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().first().caption, QStringLiteral("Error"));
        QVERIFY(watcher.seen().first().text.contains(text.left(200)));
        QVERIFY(watcher.seen().first().text.size() < 400);
        QCOMPARE(double(mainWindow(p)->density()), 7.85);
        QCOMPARE(box->currentText(), text); // the text stays for the user to correct
        // Typing writes nothing to the configuration file.
        QVERIFY(folder.read("tolvex.ini").contains("Spisok_material=Сталь конструкционная - 7,85"));
    }

    void materialSavedAndRestored()
    {
        ProgramFolder folder;
        {
            RunningProgram p;
            QCOMPARE(folder.read("tolvex.ini"), QByteArray("[Network]\r\nEmail=0\r\n"));
            chooseMaterial(p, QStringLiteral("Медно-никелевые сплавы (из списка)"));
        }
        QVERIFY(folder.read("tolvex.ini")
                    .contains("Spisok_material=Медно-никелевые сплавы (из списка)"));
        RunningProgram p;
        QCOMPARE(p.find<QComboBox>("frmGeneral", "RzComboBox1")->currentText(),
                 QStringLiteral("Медно-никелевые сплавы (из списка)"));
        QCOMPARE(double(mainWindow(p)->density()), 8.9);
        QVERIFY(!p.find<QComboBox>("frmGeneral", "RzComboBox2")->isHidden());
    }

    // Start, choose a material, switch the language and exit with a damaged or odd
    // tolvex.ini: nothing crashes, the saved texts come back, and the saves touch no
    // other line of the file. A file too large to be a settings file is left alone
    // and the user is told once that the settings cannot be saved.
    void badConfigurationFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("material");
        QTest::addColumn<double>("density");
        QTest::addColumn<bool>("russian");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("saved");
        // Without a Language section the built-in mark stays: "Русский" checked.
        QTest::newRow("empty") << QByteArray() << "" << 0.0 << true << false << true;
        QTest::newRow("garbage") << QByteArray("\x00\x01\xff\xfe[[[==\n\x80\x81", 12) << "" << 0.0
                                 << true << false << true;
        QTest::newRow("windows-1251")
            << QByteArray("[Preferens]\r\nSpisok_material=\xcc\xe5\xe4\xfc - 8,96\r\n[Language]\r\n"
                          "russian=0\r\nenglish=0\r\n")
            << "Медь - 8,96" << 8.96 << false << false << true;
        QTest::newRow("duplicate sections")
            << QByteArray("[Preferens]\nSpisok_material=Золото - 19,32\n[Preferens]\n"
                          "Spisok_material=Медь - 8,96\n[Language]\nrussian=1\nenglish=1\n")
            << "Золото - 19,32" << 19.32 << true << true << true;
        QTest::newRow("key repeated")
            << QByteArray("[Preferens]\nSpisok_material=Олово - 7,3\nspisok_material=x\n")
            << "Олово - 7,3" << 7.3 << true << false << true;
        QTest::newRow("language not integers")
            << QByteArray("[Preferens]\nSpisok_material=Олово - 7,3\n[Language]\nrussian=yes\n")
            << "Олово - 7,3" << 7.3 << false << false << true;
        QTest::newRow("typed density") << QByteArray("[Preferens]\nSpisok_material=8,5\n") << "8,5"
                                       << 8.5 << true << false << true;
        QTest::newRow("typed junk") << QByteArray("[Preferens]\nSpisok_material=abc\n") << "abc"
                                    << 0.0 << true << false << true;
        QTest::newRow("byte-order mark, mixed line ends")
            << QByteArray("\xEF\xBB\xBF[Language]\rrussian=1\r\n[Preferens]\nSpisok_material="
                          "Цинк - 7,13")
            << "Цинк - 7,13" << 7.13 << true << false << true;
        QTest::newRow("invalid utf-8")
            << QByteArray("[Preferens]\nSpisok_material=Цинк - 7,13\n; \xc3\x28 \xed\xa0\x80\n")
            // Not UTF-8, so read as Windows-1251: no such material, a text that is no number.
            << "Р¦РёРЅРє - 7,13" << 0.0 << true << false << true;
        QTest::newRow("foreign sections and comments")
            << QByteArray("; notes\r\n[Mine]\r\nspisok_material=1\r\n[Preferens]\r\n; keep\r\n"
                          "Spisok_material = Титан - 4,505 \r\n")
            << "Титан - 4,505" << 4.505 << true << false << true;
        QTest::newRow("1 MB line") << "[Junk]\n" + QByteArray(1 << 20, 'x') +
                                          "\n[Preferens]\nSpisok_material=Титан - 4,505\n"
                                   << "Титан - 4,505" << 4.505 << true << false << true;
        QByteArray big = "[Preferens]\nSpisok_material=Титан - 4,505\n[Junk]\n";
        while (big.size() < 5 * 1024 * 1024)
            big += "a_long_key_for_padding=and a long value for padding the file out\n";
        QTest::newRow("5 MB") << big << "Титан - 4,505" << 4.505 << true << false << true;
        big.append(45 * 1024 * 1024, ';');
        QTest::newRow("50 MB") << big << "" << 0.0 << true << false << false;
    }
    void badConfigurationFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, material);
        QFETCH(double, density);
        QFETCH(bool, russian);
        QFETCH(bool, english);
        QFETCH(bool, saved);
        ProgramFolder folder;
        folder.addLanguageFiles();
        folder.write("tolvex.ini", content);
        ModalWatcher watcher;
        {
            RunningProgram p;
            mainWindow(p)->setOnlineTest([] { return false; });
            QVERIFY(watcher.seen().isEmpty());
            QCOMPARE(p.find<QComboBox>("frmGeneral", "RzComboBox1")->currentText().trimmed(),
                     material);
            QCOMPARE(double(mainWindow(p)->density()), density);
            QCOMPARE(mainWindow(p)->russianItem()->isChecked(), russian);
            QCOMPARE(mainWindow(p)->englishItem()->isChecked(), english);
            chooseMaterial(p, QStringLiteral("Сталь конструкционная - 7,85"));
            mainWindow(p)->russianItem()->trigger();
            chooseMaterial(p, QStringLiteral("Медь - 8,96"));
        }
        QCOMPARE(watcher.seen().size(), saved ? 0 : 1);
        const QByteArray after = folder.read("tolvex.ini");
        if (!saved) {
            QCOMPARE(after, content);
            return;
        }
        QVERIFY(after.contains("Email=0"));
        QVERIFY(after.contains("Spisok_material=Медь - 8,96") ||
                after.contains("Spisok_material=\xcc\xe5\xe4\xfc - 8,96"));
        // Every line of the file that names none of the saved keys is still there.
        const QRegularExpression saves(QStringLiteral("^\\s*(spisok_material|russian|english|"
                                                      "email)\\s*="),
                                       QRegularExpression::CaseInsensitiveOption);
        qsizetype from = 0;
        for (const QByteArray& line : QByteArray(content).replace('\r', '\n').split('\n'))
            if (!saves.match(QString::fromLatin1(line)).hasMatch()) {
                const qsizetype at = after.indexOf(line, from);
                QVERIFY2(at >= 0, line.left(80).constData());
                from = at + line.size();
            }
    }

    // With nowhere to save the settings, the user hears of it once, not at every choice.
    void settingsThatCannotBeSaved()
    {
        const EnvironmentGuard home("TOLVEX_HOME", "/proc");
        const EnvironmentGuard configHome("XDG_CONFIG_HOME", "/proc/tolvex");
        ModalWatcher watcher;
        RunningProgram p;
        mainWindow(p)->setOnlineTest([] { return false; });
        chooseMaterial(p, QStringLiteral("Цинк - 7,13"));
        chooseMaterial(p, QStringLiteral("Медь - 8,96"));
        mainWindow(p)->russianItem()->trigger();
        QCOMPARE(watcher.seen().size(), 1);
        QVERIFY(watcher.seen().first().text.startsWith(
            QStringLiteral("Не удалось сохранить настройки в файл /proc/tolvex/")));
        QCOMPARE(double(mainWindow(p)->density()), 8.96);
    }

    void readOnlyProgramFolder()
    {
        const EnvironmentGuard home("TOLVEX_HOME", "/proc");
        QTemporaryDir config;
        const EnvironmentGuard configHome("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        {
            RunningProgram p;
            chooseMaterial(p, QStringLiteral("Цинк - 7,13"));
        }
        QFile file(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                   QStringLiteral("/tolvex.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ini = file.readAll();
        QVERIFY(ini.contains("Email=0"));
        QVERIFY(ini.contains("Spisok_material=Цинк - 7,13"));
        RunningProgram again;
        QCOMPARE(double(mainWindow(again)->density()), 7.13);
    }

    void shutDownPrompt_data()
    {
        QTest::addColumn<QByteArray>("email");
        QTest::addColumn<bool>("online");
        QTest::addColumn<int>("prompts");
        QTest::newRow("not answered, online") << QByteArray("0") << true << 1;
        QTest::newRow("not answered, offline") << QByteArray("0") << false << 0;
        QTest::newRow("answered") << QByteArray("1") << true << 0;
    }
    void shutDownPrompt()
    {
        QFETCH(QByteArray, email);
        QFETCH(bool, online);
        QFETCH(int, prompts);
        ProgramFolder folder;
        folder.write("tolvex.ini", "[Network]\r\nEmail=" + email + "\r\n");
        RunningProgram p;
        mainWindow(p)->setOnlineTest([online] { return online; });
        ModalWatcher watcher(QMessageBox::Cancel);
        p.main()->close();
        QCOMPARE(watcher.seen().size(), prompts);
        if (prompts)
            QCOMPARE(watcher.seen().first().text,
                     QStringLiteral("Вы не подписались на новости программы. Вы хотите "
                                    "подписаться сейчас?"));
        QVERIFY(watcher.closedDialogs().isEmpty()); // Cancel: no subscription window
    }

    void advertisingGivesWayToNotes()
    {
        ProgramFolder folder;
        RunningProgram p;
        QWidget* ad = p.find<QWidget>("frmGeneral", "RzPanel13");
        QWidget* notes = p.find<QWidget>("frmGeneral", "RzPanel18");
        auto* timer = p.main()->findChild<QTimer*>("Timer4");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 10000);
        p.find<QPushButton>("frmGeneral", "RzBitBtn73")->click();
        QVERIFY(ad->isHidden() && !notes->isHidden());
        QMetaObject::invokeMethod(timer,
                                  "timeout"); // the later tick changes nothing, stops the timer
        QVERIFY(ad->isHidden() && !notes->isHidden());
        QVERIFY(!timer->isActive());
    }

    void modernisationNotice()
    {
        ProgramFolder folder;
        RunningProgram p;
        ModalWatcher watcher;
        for (const char* item : {"N16", "N17", "N18", "N20", "N21", "trayN16", "trayN21"})
            p.main()->findChild<QAction*>(QLatin1String(item))->trigger();
        QCOMPARE(watcher.seen().size(), 7);
        for (const SeenBox& box : watcher.seen()) {
            QVERIFY(box.text.startsWith(
                QStringLiteral("Извините, но в данный момент раздел на модернизации.\n")));
            QCOMPARE(box.icon, QMessageBox::Question);
        }
    }

    void nothingClippedOnAnyPanel()
    {
        ProgramFolder folder;
        RunningProgram p;
        for (int i = 0; i < 14; ++i) {
            mainWindow(p)->SelectPanel(i == 0, i == 1, i == 2, i == 3, i == 4, i == 5, i == 6,
                                       i == 7, i == 8, i == 9, i == 10, i == 11, i == 12, i == 13);
            QApplication::processEvents();
            const QStringList clipped = clippedWidgets(p.main());
            QVERIFY2(clipped.isEmpty(),
                     qPrintable(QLatin1String(Panels[i]) + ": " + clipped.join(", ")));
            saveShot(p.main(), QLatin1String(Panels[i]));
        }
    }

    void everyFieldHasItsCaption()
    {
        ProgramFolder folder;
        RunningProgram p;
        const auto labels = p.main()->findChildren<QLabel*>();
        for (NumericEdit* f : p.main()->findChildren<NumericEdit*>()) {
            const bool found = std::any_of(labels.begin(), labels.end(),
                                           [f](QLabel* l) { return l->buddy() == f; });
            QVERIFY2(found, qPrintable(f->objectName()));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainWindow.moc"
