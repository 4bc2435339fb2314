#include "TestSupport.h"
#include "core/app/Configuration.h"
#include "core/app/LanguageKeys.h"
#include "core/common/PrivateProfile.h"
#include "tst_languageProbe.h"
#include "ui/app/TfrmGeneral.h"
#include "ui/calculators/CalculatorPanel.h"
#include "ui/common/RadioGroup.h"
#include "ui/materials/MaterialBar.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMap>
#include <QTest>

using namespace tolvex;
using namespace tolvex::test;

// The language switch: the two menu items, the files, and what applying changes.
class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void englishCaptionAndWeightLabels();
    void russianRoundTrip();
    void missingEnglishFile();
    void missingRussianFile();
    void fileLackingSquareKey();
    void badFiles_data();
    void badFiles();
    void densityFollowsEntry();
    void startInCheckedLanguage();
    void restoreAtStart_data();
    void restoreAtStart();
    void panelsMadeLaterTakeTheLanguage();
};

namespace
{

TfrmGeneral* mainWindow(const RunningProgram& p)
{
    return qobject_cast<TfrmGeneral*>(p.main());
}

QString iniValue(const ProgramFolder& folder, const char* key)
{
    return PrivateProfile::readString(folder.file(QStringLiteral("tolvex.ini")),
                                      QStringLiteral("Language"), QLatin1String(key));
}

// Every label of every window that shows this text.
QList<QLabel*> labelsShowing(const QString& text)
{
    QList<QLabel*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->text() == text)
                out << l;
    return out;
}

QByteArray shipped(const char* name)
{
    QFile f(QStringLiteral(TOLVEX_LANG_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void choose(QComboBox* box, const QString& text)
{
    const int row = box->findText(text);
    QVERIFY2(row >= 0, qPrintable(text));
    pick(box, row);
}

} // namespace

void LanguageTest::englishCaptionAndWeightLabels()
{
    ProgramFolder folder;
    folder.addLanguageFiles();
    RunningProgram p;
    TfrmGeneral* main = mainWindow(p);
    const QList<QLabel*> weights = labelsShowing(QStringLiteral("Общий вес, кг"));
    QCOMPARE(weights.size(), 13);

    main->englishItem()->trigger(); // as the user: the click toggles the mark first
    QCOMPARE(main->windowTitle(), QStringLiteral("Tolvex version 6.5"));
    for (QLabel* l : weights)
        QCOMPARE(l->text(), QStringLiteral("Total weight, kg"));
    QVERIFY(labelsShowing(QStringLiteral("Общий вес, кг")).isEmpty());
    QVERIFY(main->englishItem()->isChecked());
    QVERIFY(!main->russianItem()->isChecked());
    QCOMPARE(main->currentLanguageFile(), QStringLiteral("english.lng"));
    QCOMPARE(iniValue(folder, "english"), QStringLiteral("1"));
    QCOMPARE(iniValue(folder, "russian"), QStringLiteral("0"));
    QCOMPARE(main->messageText(419), QStringLiteral("Enter a value other than zero."));
    QCOMPARE(p.window(QStringLiteral("Form5"))->windowTitle(), language::hookCaption(true));
    auto* square = p.find<RadioGroup>("frmGeneral", "RadioGroup3");
    QCOMPARE(square->items(), QStringList({"Square", "Sheet"}));
    QCOMPARE(p.find<QComboBox>("frmGeneral", "RzComboBox1")->count(), 52);
    QCOMPARE(p.find<QComboBox>("frmGeneral", "RzComboBox2")->count(), 126);

    // Choosing the same language again is harmless.
    main->englishItem()->trigger();
    QVERIFY(main->englishItem()->isChecked());
    QCOMPARE(main->windowTitle(), QStringLiteral("Tolvex version 6.5"));
}

void LanguageTest::russianRoundTrip()
{
    ProgramFolder folder;
    folder.addLanguageFiles();
    RunningProgram p;
    TfrmGeneral* main = mainWindow(p);
    // A chosen item of a radio group survives the refill.
    auto* square = p.find<RadioGroup>("frmGeneral", "RadioGroup3");
    square->setItemIndex(1);

    const QMap<QString, QString> before = allTexts();
    QVERIFY(before.size() > 1000);
    main->chooseEnglish();
    const QMap<QString, QString> english = allTexts();
    int changed = 0;
    for (auto it = before.begin(); it != before.end(); ++it)
        changed += english.value(it.key()) != it.value();
    QVERIFY2(changed > 400, qPrintable(QString::number(changed)));

    main->chooseRussian();
    const QMap<QString, QString> after = allTexts();
    QStringList differences;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key(), QStringLiteral("(gone)")) != it.value())
            differences << it.key() + QStringLiteral(": \"") + it.value() +
                               QStringLiteral("\" -> \"") +
                               after.value(it.key(), QStringLiteral("(gone)")) + QChar('"');
    for (auto it = after.begin(); it != after.end(); ++it)
        if (!before.contains(it.key()))
            differences << it.key() + QStringLiteral(" (new)");
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));
    QCOMPARE(square->itemIndex(), 1);
    QVERIFY(main->russianItem()->isChecked());
    QVERIFY(!main->englishItem()->isChecked());
    QCOMPARE(main->messageText(419), QStringLiteral("Введите значение, отличное от нуля."));
    QCOMPARE(iniValue(folder, "Russian"), QStringLiteral("1"));
    QCOMPARE(iniValue(folder, "English"), QStringLiteral("0"));
}

void LanguageTest::missingEnglishFile()
{
    ProgramFolder folder;
    RunningProgram p;
    TfrmGeneral* main = mainWindow(p);
    const QMap<QString, QString> before = allTexts();
    {
        ModalWatcher watcher;
        main->englishItem()->trigger();
        QTRY_COMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen()[0].text, QStringLiteral("Отсутствует модуль английского языка"));
        QCOMPARE(watcher.seen()[0].caption, QStringLiteral("Information"));
    }
    QVERIFY(main->russianItem()->isChecked());
    QVERIFY(!main->englishItem()->isChecked());
    QCOMPARE(iniValue(folder, "english"), QStringLiteral("1"));
    QCOMPARE(iniValue(folder, "russian"), QStringLiteral("0"));
    QCOMPARE(allTexts(), before);
    QCOMPARE(main->currentLanguageFile(), QString());
}

void LanguageTest::missingRussianFile()
{
    ProgramFolder folder;
    folder.write(QStringLiteral("english.lng"), shipped("english.lng"));
    RunningProgram p;
    TfrmGeneral* main = mainWindow(p);
    main->englishItem()->trigger();
    QCOMPARE(main->windowTitle(), QStringLiteral("Tolvex version 6.5"));
    const QMap<QString, QString> english = allTexts();
    {
        ModalWatcher watcher;
        main->russianItem()->trigger();
        QTest::qWait(100);
        QVERIFY(watcher.seen().isEmpty());
    }
    QCOMPARE(allTexts(), english);
    QVERIFY(!main->russianItem()->isChecked());
    QVERIFY(main->englishItem()->isChecked());
    QCOMPARE(iniValue(folder, "russian"), QStringLiteral("1"));
    QCOMPARE(iniValue(folder, "english"), QStringLiteral("0"));
}

void LanguageTest::fileLackingSquareKey()
{
    ProgramFolder folder;
    QByteArray russian = shipped("russian.lng");
    const QByteArray line = "LNG_74)=\xD0\x9A\xD0\xB2\xD0\xB0\xD0\xB4\xD1\x80\xD0\xB0\xD1\x82\r\n";
    QVERIFY(russian.contains(line));
    russian.replace(line, "LNG_74=\xD0\x9A\xD0\xB2\xD0\xB0\xD0\xB4\xD1\x80\xD0\xB0\xD1\x82\r\n");
    folder.write(QStringLiteral("russian.lng"), russian);
    RunningProgram p;
    mainWindow(p)->chooseRussian();
    auto* square = p.find<RadioGroup>("frmGeneral", "RadioGroup3");
    QCOMPARE(square->items(), QStringList({QString(), QStringLiteral("Лист")}));
    QCOMPARE(p.find<QWidget>("frmGeneral", "gbList")->property("text").toString(),
             QStringLiteral("Квадрат и лист"));
}

void LanguageTest::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("steel"); // the material box's entry of catalogue index 38

    QTest::newRow("empty") << QByteArray() << QString() << QString();
    QByteArray garbage(100000, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 256);
    QTest::newRow("binary garbage") << garbage << QString() << QString();
    QByteArray big = "[Form]\nLNG_180=Big\n[Spisok_material]\nLNG_277=Steel - 7.85\n[Form]\n";
    while (big.size() < 5 * 1024 * 1024)
        big += "LNG_180=" + QByteArray(1000, 'y') + "\n";
    QTest::newRow("5 MB") << big << "Big"
                          << "Steel - 7.85";
    QTest::newRow("windows-1251")
        << QByteArray("[Form]\r\nLNG_180=\xD2\xEE\xEB\xE2\xE5\xEA\xF1\r\n[Spisok_material]\r\n"
                      "LNG_277=\xD1\xF2\xE0\xEB\xFC - 7,85\r\n")
        << QStringLiteral("Толвекс") << QStringLiteral("Сталь - 7,85");
    QTest::newRow("repeats and junk")
        << QByteArray("junk\n[Form]\nLNG_180=A\nLNG_180=B\nno equals sign\n[Form]\nLNG_180=C\n")
        << "A" << QString();
    QTest::newRow("very long value") << "[Form]\nLNG_180=" + QByteArray(200000, 'z') + "\n"
                                     << QString(200000, QChar('z')) << QString();
    QTest::newRow("byte-order mark, mixed line ends")
        << QByteArray("\xEF\xBB\xBF[Form]\rLNG_180=Кран\r\n[Spisok_material]\nLNG_277=Сталь")
        << "Кран"
        << "Сталь";
    QTest::newRow("invalid utf-8")
        << QByteArray("[Form]\nLNG_180=\xc3\x28\n") << "\u0413(" << QString();
    // No language file: the texts stay and the user is told the module is missing.
    QTest::newRow("a folder named english.lng")
        << QByteArray("<folder>") << "<missing>" << QString();
    big.append(45 * 1024 * 1024, ';');
    QTest::newRow("50 MB") << big << "<missing>" << QString();
}

void LanguageTest::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, steel);
    ProgramFolder folder;
    if (bytes == "<folder>")
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("english.lng")));
    else
        folder.write(QStringLiteral("english.lng"), bytes);
    RunningProgram p;
    TfrmGeneral* main = mainWindow(p);
    const QString before = main->windowTitle();
    ModalWatcher watcher;
    main->chooseEnglish();
    if (title == QStringLiteral("<missing>")) {
        QCOMPARE(watcher.texts(),
                 QStringList{QStringLiteral("Отсутствует модуль английского языка")});
        QCOMPARE(main->windowTitle(), before);
        QVERIFY(!main->englishItem()->isChecked());
        return;
    }
    QCOMPARE(main->windowTitle(), title);
    auto* box = p.find<QComboBox>("frmGeneral", "RzComboBox1");
    QCOMPARE(box->count(), 52);
    QCOMPARE(box->itemText(box->findData(38)), steel);
    // Messages the file lacks keep their texts: no box comes up empty.
    QVERIFY(!main->messageText(419).isEmpty());
}

void LanguageTest::densityFollowsEntry()
{
    ProgramFolder folder;
    folder.addLanguageFiles();
    RunningProgram p;
    TfrmGeneral* main = mainWindow(p);
    auto* materials = p.find<QComboBox>("frmGeneral", "RzComboBox1");
    auto* alloys = p.find<QComboBox>("frmGeneral", "RzComboBox2");
    choose(materials, QStringLiteral("Сталь конструкционная - 7,85"));
    QCOMPARE(double(main->density()), 7.85);

    // Applying empties the material box's text; the density stays until the next choice.
    main->chooseEnglish();
    QCOMPARE(materials->currentText(), QString());
    QCOMPARE(double(main->density()), 7.85);

    choose(materials, QStringLiteral("Platinum - 21.35 (21.2 - 21.5)"));
    QCOMPARE(double(main->density()), 21.35);
    choose(materials, QStringLiteral("Structural steel - 7.85"));
    QCOMPARE(double(main->density()), 7.85);
    choose(materials, QStringLiteral("Brasses (choose from list)"));
    QCOMPARE(double(main->density()), 8.3);
    QVERIFY(alloys->isVisibleTo(main));
    QCOMPARE(alloys->currentText(), QStringLiteral("Cast brass GOST 17711-72 LK80-3L - 8.3"));
    pick(alloys, 122);
    QCOMPARE(double(main->density()), 6.2);
    QCOMPARE(main->materialName(), QStringLiteral("Antifriction zinc alloy TsAM 9-1.5L - 6.2"));
}

void LanguageTest::startInCheckedLanguage()
{
    ProgramFolder folder;
    folder.addLanguageFiles();
    folder.write(QStringLiteral("tolvex.ini"),
                 "[Language]\r\nrussian=0\r\nenglish=1\r\n[Network]\r\nEmail=1\r\n"
                 "[Preferens]\r\nSpisok_material=Structural steel - 7.85\r\n");
    RunningProgram p;
    TfrmGeneral* main = mainWindow(p);
    QVERIFY(main->englishItem()->isChecked());
    QCOMPARE(main->windowTitle(), QStringLiteral("Tolvex version 6.5"));
    QCOMPARE(main->messageText(419), QStringLiteral("Enter a value other than zero."));
    QCOMPARE(p.find<QComboBox>("frmGeneral", "RzComboBox1")->itemText(0),
             QStringLiteral("Aluminium - 2.6889"));

    // Once every window exists: all of them in English, and the saved English
    // material found again in the English list, with its density.
    main->applyLanguageAtStart();
    QCOMPARE(p.window(QStringLiteral("Form6"))->windowTitle(),
             QStringLiteral("Flat blanks: area and weight"));
    QCOMPARE(p.window(QStringLiteral("frmVolume"))->windowTitle(), QStringLiteral("Solids"));
    QCOMPARE(p.find<QComboBox>("frmGeneral", "RzComboBox1")->currentText(),
             QStringLiteral("Structural steel - 7.85"));
    QCOMPARE(double(main->density()), 7.85);
    QVERIFY(main->englishItem()->isChecked());
    QVERIFY(!main->russianItem()->isChecked());
}

// What a start restores from tolvex.ini: the material whatever language or blanks it
// was saved with, and the built-in language mark while no language was chosen.
void LanguageTest::restoreAtStart_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("material");
    QTest::addColumn<double>("density");
    QTest::addColumn<bool>("russian");
    const QByteArray network = "[Network]\r\nEmail=1\r\n";
    QTest::newRow("second start") << network << QString() << 0.0 << true;
    QTest::newRow("saved in English, started in Russian")
        << network + "[Preferens]\r\nSpisok_material=Structural steel - 7.85\r\n"
        << "Сталь конструкционная - 7,85" << 7.85 << true;
    QTest::newRow("aluminium, trailing blank dropped by the file")
        << network + "[Language]\r\nRussian=1\r\nEnglish=0\r\n"
                     "[Preferens]\r\nSpisok_material=Алюминий - 2,6889 \r\n"
        << "Алюминий - 2,6889 " << 2.6889 << true;
}

void LanguageTest::restoreAtStart()
{
    QFETCH(QByteArray, ini);
    ProgramFolder folder;
    folder.addLanguageFiles();
    folder.write(QStringLiteral("tolvex.ini"), ini);
    RunningProgram p;
    TfrmGeneral* main = mainWindow(p);
    QTEST(main->russianItem()->isChecked(), "russian");
    QVERIFY(!main->englishItem()->isChecked());
    QFETCH(QString, material);
    if (!material.isEmpty())
        QCOMPARE(p.find<QComboBox>("frmGeneral", "RzComboBox1")->currentText(), material);
    QTEST(double(main->density()), "density");
}

namespace
{

// The texts and hints of every control of every calculator panel, by objectName.
QMap<QString, QString> panelTexts(QWidget* main)
{
    QMap<QString, QString> out;
    for (CalculatorPanel* panel : main->findChildren<CalculatorPanel*>())
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            QString text = w->toolTip();
            if (auto* l = qobject_cast<QLabel*>(w))
                text += QChar('|') + l->text();
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                text += QChar('|') + b->text();
            if (!w->objectName().isEmpty())
                out.insert(panel->objectName() + QChar('/') + w->objectName(), text);
        }
    return out;
}

} // namespace

// A calculator panel is made when its group is first opened. Made after the language
// was applied, it shows the same texts as one that was there when it was applied.
void LanguageTest::panelsMadeLaterTakeTheLanguage()
{
    QMap<QString, QString> appliedToAll;
    {
        ProgramFolder folder;
        folder.addLanguageFiles();
        RunningProgram p; // looking into the main window makes every panel
        mainWindow(p)->chooseEnglish();
        appliedToAll = panelTexts(p.main());
    }
    ProgramFolder folder;
    folder.addLanguageFiles();
    folder.write(QStringLiteral("tolvex.ini"), "[Language]\r\nrussian=0\r\nenglish=1\r\n");
    RunningProgram p;
    TfrmGeneral* main = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("frmGeneral"))
            main = qobject_cast<TfrmGeneral*>(w);
    QVERIFY(main);
    QCOMPARE(main->findChildren<CalculatorPanel*>().size(), 1); // the open group's only
    main->buildAllPanels();
    QCOMPARE(main->findChildren<CalculatorPanel*>().size(), 14);
    const QMap<QString, QString> late = panelTexts(main);
    QCOMPARE(late.size(), appliedToAll.size());
    for (auto it = late.cbegin(); it != late.cend(); ++it)
        QVERIFY2(appliedToAll.value(it.key()) == it.value(),
                 qPrintable(it.key() + QStringLiteral(": ") + it.value()));
}

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
