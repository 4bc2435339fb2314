#include "TestSupport.h"
#include "ui/app/TfrmGeneral.h"
#include "ui/common/ReportBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace tolvex;
using namespace tolvex::test;

// The panels of the hollow sections, hexagon, rebar, checker plate, profiled sheet
// and fasteners in the running main window.
class TestTablePanelsII : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void squareTube();
    void rectangularTubeCascade();
    void rectangularTube();
    void tubeRefusals_data();
    void tubeRefusals();
    void tubeTitleInformation();
    void hexagon();
    void hexagonWithoutSize();
    void rebar();
    void sheets_data();
    void sheets();
    void refusals_data();
    void refusals();
    void fasteners();
    void groupOpeningResets_data();
    void groupOpeningResets();

private:
    template <typename T = QWidget> T* get(const char* name) const
    {
        T* w = m_program->find<T>(QStringLiteral("frmGeneral"), QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QLineEdit* field(const char* name) const { return get<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return get<QComboBox>(name); }
    void click(const char* name) const { get<QPushButton>(name)->click(); }
    QString report(const char* memo) const { return get<ReportBox>(memo)->report(); }
    void open(const char* group) const { get<QToolButton>(group)->click(); }
    QStringList items(const char* name) const
    {
        QStringList out;
        for (int i = 0; i < list(name)->count(); ++i)
            out << list(name)->itemText(i);
        return out;
    }
    TfrmGeneral* main() const { return qobject_cast<TfrmGeneral*>(m_program->main()); }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<RunningProgram> m_program;
};

void TestTablePanelsII::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_program = std::make_unique<RunningProgram>();
    QVERIFY(main());
}

void TestTablePanelsII::cleanupTestCase()
{
    m_program.reset();
    m_folder.reset();
}

void TestTablePanelsII::squareTube()
{
    open("gbTrubaKvadrat");
    QCOMPARE(items("RzComboBox3").size(), 20);
    QVERIFY(items("RzComboBox4").isEmpty());
    typeInto(field("RzNumericEdit30"), "6");
    field("RzNumericEdit31")->setText("1");
    pick(list("RzComboBox3"), 6);
    QCOMPARE(items("RzComboBox4"), QStringList({"2.0", "2.5", "3.0", "3.5", "4.0", "5.0", "6.0"}));
    QCOMPARE(list("RzComboBox4")->currentText(), QString());
    pick(list("RzComboBox4"), 0);
    // Neither the size nor the wall of a square tube resets the fields.
    QCOMPARE(field("RzNumericEdit30")->text(), "6");
    QCOMPARE(field("RzNumericEdit31")->text(), "1");
    click("RzBitBtn41");
    QCOMPARE(field("RzNumericEdit31")->text(), "13,98");
    QCOMPARE(report("RzMemo2"),
             QString("Расчетные данные и результат расчета: \r\n\r\n"
                     "Наружний размер трубы 40 мм,\r\nтолщина стенки трубы 2.0 мм,\r\n"
                     "при 6 м. трубы,\r\nобщий её вес, составляет: 13,98 кг."));
    // Another size empties the wall: no entry matches, the weight stays, the report follows.
    pick(list("RzComboBox3"), 19);
    QCOMPARE(items("RzComboBox4").last(), "14.0");
    click("RzBitBtn41");
    QCOMPARE(field("RzNumericEdit31")->text(), "13,98");
    QVERIFY(report("RzMemo2").contains("толщина стенки трубы  мм,"));
}

void TestTablePanelsII::rectangularTubeCascade()
{
    open("gbTrubaPryamugol");
    QCOMPARE(items("RzComboBox5").size(), 25);
    field("RzNumericEdit32")->setText("5");
    field("RzNumericEdit33")->setText("7");
    pick(list("RzComboBox5"), items("RzComboBox5").indexOf("160"));
    QCOMPARE(items("RzComboBox6"), QStringList{"130"});
    QVERIFY(items("RzComboBox7").isEmpty());
    QCOMPARE(field("RzNumericEdit32")->text(), "0");
    QCOMPARE(field("RzNumericEdit33")->text(), "0");
    field("RzNumericEdit32")->setText("5");
    pick(list("RzComboBox6"), 0);
    QCOMPARE(items("RzComboBox7"), QStringList{"8.0"});
    QCOMPARE(field("RzNumericEdit32")->text(), "0");
    field("RzNumericEdit32")->setText("5");
    field("RzNumericEdit33")->setText("7");
    pick(list("RzComboBox7"), 0);
    QCOMPARE(field("RzNumericEdit32")->text(), "0");
    QCOMPARE(field("RzNumericEdit33")->text(), "0");
    // A new larger side empties both lists after it.
    pick(list("RzComboBox5"), 0);
    QCOMPARE(items("RzComboBox6"), QStringList{"10"});
    QCOMPARE(list("RzComboBox6")->currentText(), QString());
    QVERIFY(items("RzComboBox7").isEmpty());
    QCOMPARE(list("RzComboBox7")->currentText(), QString());
}

void TestTablePanelsII::rectangularTube()
{
    open("gbTrubaPryamugol");
    pick(list("RzComboBox5"), items("RzComboBox5").indexOf("60"));
    pick(list("RzComboBox6"), items("RzComboBox6").indexOf("40"));
    pick(list("RzComboBox7"), items("RzComboBox7").indexOf("3.0"));
    typeInto(field("RzNumericEdit33"), "100");
    click("RzBitBtn42");
    QCOMPARE(field("RzNumericEdit32")->text(), "23,2558139534884");
    QCOMPARE(report("RzMemo1"),
             QString("Расчетные данные и результат расчета: \r\n\r\n"
                     "Большая сторона трубы 60 мм,\r\nменьшая сторона трубы 40 мм,\r\n"
                     "толщина стенки трубы 3.0 мм,\r\nпри весе в 100 кг.,\r\n"
                     "длина трубы составляет: 23,2558139534884 м."));
    click("RzBitBtn43");
    QCOMPARE(field("RzNumericEdit33")->text(), "100");
    QVERIFY(report("RzMemo1").endsWith("общий её вес, составляет: 100 кг."));
}

void TestTablePanelsII::tubeRefusals_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<int>("key");
    QTest::newRow("square weight") << "RzBitBtn41"
                                   << "0"
                                   << "5" << 424;
    QTest::newRow("square length") << "RzBitBtn40"
                                   << "5"
                                   << "0" << 425;
    QTest::newRow("rect weight") << "RzBitBtn43"
                                 << "0"
                                 << "5" << 424;
    QTest::newRow("rect length") << "RzBitBtn42"
                                 << "5"
                                 << "0" << 425;
}

void TestTablePanelsII::tubeRefusals()
{
    QFETCH(QString, button);
    QFETCH(QString, length);
    QFETCH(QString, weight);
    QFETCH(int, key);
    const bool square = button == "RzBitBtn41" || button == "RzBitBtn40";
    QLineEdit* lengthField = field(square ? "RzNumericEdit30" : "RzNumericEdit32");
    QLineEdit* weightField = field(square ? "RzNumericEdit31" : "RzNumericEdit33");
    open(square ? "gbTrubaKvadrat" : "gbTrubaPryamugol");
    lengthField->setText(length);
    weightField->setText(weight);
    auto* press = get<QPushButton>(qPrintable(button));
    // No language file yet: the built-in text; a language file's text replaces it.
    const QString builtIn = main()->messageText(key);
    QVERIFY(!builtIn.isEmpty());
    {
        ModalWatcher watcher;
        press->click();
        QCOMPARE(watcher.texts(), QStringList{builtIn});
        QCOMPARE(watcher.seen().first().caption, "Information");
    }
    main()->setMessageText(key, "LNG_" + QString::number(key));
    {
        ModalWatcher watcher;
        press->click();
        QCOMPARE(watcher.texts(), QStringList{"LNG_" + QString::number(key)});
    }
    main()->setMessageText(key, builtIn);
    QCOMPARE(lengthField->text(), length);
    QCOMPARE(weightField->text(), weight);
    // An empty tested field is no number: the error box, nothing changes.
    (key == 424 ? lengthField : weightField)->clear();
    {
        ModalWatcher watcher;
        press->click();
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().first().caption, "Error");
    }
}

void TestTablePanelsII::tubeTitleInformation()
{
    for (const char* title : {"RzLabel60", "RzLabel66"}) {
        QCOMPARE(get(title)->toolTip(), "При вычислениях взята плотность стали - 7,85");
        ModalWatcher watcher;
        QTest::mouseClick(get(title), Qt::LeftButton);
        QCOMPARE(watcher.texts(),
                 QStringList{"При вычислениях взята плотность стали - 7,85 г/см³"});
        QCOMPARE(watcher.seen().first().caption, "Information");
    }
}

void TestTablePanelsII::hexagon()
{
    open("gbShestigran");
    QCOMPARE(items("ComboBox3").size(), 41);
    pick(list("ComboBox3"), items("ComboBox3").indexOf("21"));
    typeInto(field("RzNumericEdit11"), "10");
    click("RzBitBtn28");
    QCOMPARE(field("RzNumericEdit13")->text(), "30");
    QCOMPARE(field("RzNumericEdit12")->text(), "333,3");
    QCOMPARE(report("RzMemo8"),
             QString("Расчетные данные и результат расчета: \r\n\r\nДиаметр вписанного круга 21"
                     "\r\nпри длине шестигранника 10 м.,\r\n"
                     "общий вес шестигранника составляет: 30 кг."));
    pick(list("ComboBox3"), 0);
    typeInto(field("RzNumericEdit13"), "1000");
    click("RzBitBtn27");
    QCOMPARE(field("RzNumericEdit11")->text(), "2298,85057471264");
    QCOMPARE(field("RzNumericEdit12")->text(), "2298,8");
}

void TestTablePanelsII::hexagonWithoutSize()
{
    open("gbShestigran");
    field("RzNumericEdit12")->setText("5");
    typeInto(field("RzNumericEdit11"), "10");
    click("RzBitBtn28");
    QCOMPARE(field("RzNumericEdit13")->text(), "0");
    QCOMPARE(field("RzNumericEdit12")->text(), "5");
    typeInto(field("RzNumericEdit13"), "7");
    const QString before = report("RzMemo8");
    ModalWatcher watcher;
    click("RzBitBtn27");
    QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(watcher.seen().first().caption, "Error");
    QCOMPARE(field("RzNumericEdit11")->text(), "10");
    QCOMPARE(report("RzMemo8"), before);
}

void TestTablePanelsII::rebar()
{
    open("gbAtrmatura");
    main()->activateWindow();
    QCOMPARE(items("ComboBox20").size(), 20);
    get("RzNumericEdit2")->setFocus();
    pick(list("ComboBox20"), 0);
    QCOMPARE(main()->focusWidget(), get("RzNumericEdit1"));
    typeInto(field("RzNumericEdit1"), "100");
    click("RzBitBtn15");
    QCOMPARE(field("RzNumericEdit2")->text(), "22,2");
    pick(list("ComboBox20"), 3);
    typeInto(field("RzNumericEdit2"), "100");
    click("RzBitBtn14");
    QCOMPARE(field("RzNumericEdit1")->text(), "112,612612612613");
    QCOMPARE(report("RzMemo3"), QString("Расчетные данные и результат расчета: \r\n\r\n"
                                        "Диаметр стержня арматуры 12 мм,\r\nпри весе в 100 кг.,\r\n"
                                        "длина арматуры составляет: 112,612612612613 м."));
}

void TestTablePanelsII::sheets_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("memo");
    QTest::newRow("rhombic 4,0, 10 m²") << "gbListRiflen"
                                        << "ComboBox18"
                                        << "Ромбическое рифление 4,0"
                                        << "RzNumericEdit9"
                                        << "10"
                                        << "RzBitBtn30"
                                        << "RzNumericEdit10"
                                        << "335"
                                        << "RzMemo7";
    QTest::newRow("C21-1000-0,6, 100 kg") << "gbProfnastil"
                                          << "ComboBox19"
                                          << "C21-1000-0,6"
                                          << "RzNumericEdit8"
                                          << "100"
                                          << "RzBitBtn31"
                                          << "RzNumericEdit7"
                                          << "15,625"
                                          << "RzMemo6";
}

void TestTablePanelsII::sheets()
{
    QFETCH(QString, group);
    QFETCH(QString, list);
    QFETCH(QString, item);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, value);
    QFETCH(QString, memo);
    open(qPrintable(group));
    QComboBox* box = this->list(qPrintable(list));
    const int pos = box->findText(item);
    QVERIFY(pos >= 0);
    pick(box, pos);
    typeInto(field(qPrintable(input)), text);
    click(qPrintable(button));
    QCOMPARE(field(qPrintable(result))->text(), value);
    QVERIFY(report(qPrintable(memo)).contains(item));
}

void TestTablePanelsII::refusals_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("tested");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::newRow("hexagon weight") << "gbShestigran"
                                    << "RzNumericEdit11"
                                    << "RzBitBtn28"
                                    << "RzNumericEdit13";
    QTest::newRow("hexagon length") << "gbShestigran"
                                    << "RzNumericEdit13"
                                    << "RzBitBtn27"
                                    << "RzNumericEdit11";
    QTest::newRow("rebar weight") << "gbAtrmatura"
                                  << "RzNumericEdit1"
                                  << "RzBitBtn15"
                                  << "RzNumericEdit2";
    QTest::newRow("rebar length") << "gbAtrmatura"
                                  << "RzNumericEdit2"
                                  << "RzBitBtn14"
                                  << "RzNumericEdit1";
    QTest::newRow("plate weight") << "gbListRiflen"
                                  << "RzNumericEdit9"
                                  << "RzBitBtn30"
                                  << "RzNumericEdit10";
    QTest::newRow("plate area") << "gbListRiflen"
                                << "RzNumericEdit10"
                                << "RzBitBtn29"
                                << "RzNumericEdit9";
    QTest::newRow("sheet weight") << "gbProfnastil"
                                  << "RzNumericEdit7"
                                  << "RzBitBtn32"
                                  << "RzNumericEdit8";
    QTest::newRow("sheet area") << "gbProfnastil"
                                << "RzNumericEdit8"
                                << "RzBitBtn31"
                                << "RzNumericEdit7";
    QTest::newRow("fasteners") << "gbMetizi"
                               << "RzNumericEdit14"
                               << "RzBitBtn26"
                               << "";
}

void TestTablePanelsII::refusals()
{
    QFETCH(QString, group);
    QFETCH(QString, tested);
    QFETCH(QString, button);
    QFETCH(QString, result);
    open(qPrintable(group));
    if (!result.isEmpty())
        field(qPrintable(result))->setText("12");
    const QString builtIn = main()->messageText(419);
    main()->setMessageText(419, "LNG_419");
    ModalWatcher watcher;
    click(qPrintable(button)); // the tested field reads "0" after the group's reset
    main()->setMessageText(419, builtIn);
    QCOMPARE(watcher.texts(), QStringList{"LNG_419"});
    QCOMPARE(field(qPrintable(tested))->text(), "0");
    if (!result.isEmpty())
        QCOMPARE(field(qPrintable(result))->text(), "12");
}

void TestTablePanelsII::fasteners()
{
    open("gbMetizi");
    QCOMPARE(items("ComboBox14").size(), 16);
    QVERIFY(items("ComboBox15").isEmpty());
    pick(list("ComboBox14"), 0);
    QCOMPARE(items("ComboBox15"), QStringList({"14", "16"}));
    pick(list("ComboBox14"), items("ComboBox14").indexOf("10"));
    pick(list("ComboBox15"), items("ComboBox15").indexOf("50"));
    QCOMPARE(main()->focusWidget(), get("RzNumericEdit14"));
    typeInto(field("RzNumericEdit14"), "100");
    click("RzBitBtn26");
    QCOMPARE(get<QLabel>("RzLabel32")->text(), "5,246 кг.");
    QCOMPARE(report("RzMemo9"),
             QString("Расчетные данные и результат расчета: \r\n\r\nДиаметр болта 10 мм.,\r\n"
                     "длина болта 50 мм.,\r\nпри количестве в 100 шт.,\r\n"
                     "общий вес метиз составляет: 5,246 кг."));
    // Another diameter empties the length: the result stays until a length is chosen.
    pick(list("ComboBox14"), 15);
    QCOMPARE(list("ComboBox15")->currentText(), QString());
    QCOMPARE(items("ComboBox15").size(), 18);
    typeInto(field("RzNumericEdit14"), "1");
    click("RzBitBtn26");
    QCOMPARE(get<QLabel>("RzLabel32")->text(), "5,246 кг.");
    pick(list("ComboBox15"), 17);
    click("RzBitBtn26");
    QCOMPARE(get<QLabel>("RzLabel32")->text(), "6,181 кг.");
    // An empty count is no number.
    field("RzNumericEdit14")->clear();
    ModalWatcher watcher;
    click("RzBitBtn26");
    QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(watcher.seen().first().caption, "Error");
    QCOMPARE(get<QLabel>("RzLabel32")->text(), "6,181 кг.");
}

void TestTablePanelsII::groupOpeningResets_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("hexagon") << "gbShestigran" << QStringList{"ComboBox3"}
                             << QStringList{"RzNumericEdit11", "RzNumericEdit12",
                                            "RzNumericEdit13"};
    QTest::newRow("rebar") << "gbAtrmatura" << QStringList{"ComboBox20"}
                           << QStringList{"RzNumericEdit1", "RzNumericEdit2"};
    QTest::newRow("plate") << "gbListRiflen" << QStringList{"ComboBox18"}
                           << QStringList{"RzNumericEdit9", "RzNumericEdit10"};
    QTest::newRow("sheet") << "gbProfnastil" << QStringList{"ComboBox19"}
                           << QStringList{"RzNumericEdit7", "RzNumericEdit8"};
    QTest::newRow("fasteners") << "gbMetizi" << QStringList{"ComboBox14", "ComboBox15"}
                               << QStringList{"RzNumericEdit14"};
    QTest::newRow("square tube") << "gbTrubaKvadrat" << QStringList{"RzComboBox3", "RzComboBox4"}
                                 << QStringList{"RzNumericEdit30", "RzNumericEdit31"};
    QTest::newRow("rect tube") << "gbTrubaPryamugol"
                               << QStringList{"RzComboBox5", "RzComboBox6", "RzComboBox7"}
                               << QStringList{"RzNumericEdit32", "RzNumericEdit33"};
}

void TestTablePanelsII::groupOpeningResets()
{
    QFETCH(QString, group);
    QFETCH(QStringList, lists);
    QFETCH(QStringList, fields);
    open(qPrintable(group));
    for (const QString& name : lists) {
        QComboBox* box = list(qPrintable(name));
        if (box->count() == 0) // a following list: choose in the one before it
            pick(list(qPrintable(lists.first())), 1);
        pick(box, 0);
    }
    for (const QString& name : fields)
        field(qPrintable(name))->setText("3");
    get<QLabel>("RzLabel32")->setText("x");
    const QString report = get<QPlainTextEdit>("RzMemo9")->toPlainText();
    open("gbProkat");
    open(qPrintable(group));
    for (const QString& name : lists) {
        QCOMPARE(list(qPrintable(name))->currentText(), QString());
        QVERIFY(list(qPrintable(name))->count() > 0); // the items stay
    }
    for (const QString& name : fields)
        QCOMPARE(field(qPrintable(name))->text(), "0");
    QCOMPARE(get<QLabel>("RzLabel32")->text(), group == "gbMetizi" ? "" : "x");
    QCOMPARE(get<QPlainTextEdit>("RzMemo9")->toPlainText(), report);
}

QTEST_MAIN(TestTablePanelsII)
#include "tst_TablePanelsII.moc"
