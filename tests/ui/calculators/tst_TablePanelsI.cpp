#include "TestSupport.h"
#include "ui/app/TfrmGeneral.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/ReportBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace tolvex;
using namespace tolvex::test;

namespace
{
const QString Head = QStringLiteral("Расчетные данные и результат расчета: \r\n\r\n");
const QString Refusal = QStringLiteral("Введите значение, отличное от нуля.");
} // namespace

// The pipe, I-beam, channel, rail and angle panels in the running main window.
class TestTablePanelsI : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void layout_data();
    void layout();
    void pipeAtStart();
    void pipe();
    void pipeAlloy();
    void pipeKindMissing();
    void beams_data();
    void beams();
    void beamRefusals_data();
    void beamRefusals();
    void railNotANumber();
    void angleLists();
    void angles();
    void angleFailures();
    void groupOpeningResets_data();
    void groupOpeningResets();

private:
    template <typename T = QWidget> T* get(const QString& name) const
    {
        T* w = m_program->find<T>(QStringLiteral("frmGeneral"), name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QLineEdit* field(const QString& name) const { return get<QLineEdit>(name); }
    QComboBox* list(const QString& name) const { return get<QComboBox>(name); }
    void click(const QString& name) const { get<QPushButton>(name)->click(); }
    QString report(const QString& memo) const { return get<ReportBox>(memo)->report(); }
    void open(const QString& group) const { get<QToolButton>(group)->click(); }
    QStringList items(const QString& name) const
    {
        QStringList out;
        for (int i = 0; i < list(name)->count(); ++i)
            out << list(name)->itemText(i);
        return out;
    }
    void chooseMaterial(const QString& text) const
    {
        QComboBox* box = list(QStringLiteral("RzComboBox1"));
        const int row = box->findText(text);
        QVERIFY2(row >= 0, qPrintable(text));
        pick(box, row);
    }
    // Presses a button and gives the texts of the boxes it showed.
    QStringList boxesOf(const QString& button) const
    {
        ModalWatcher watcher;
        click(button);
        return watcher.texts();
    }
    TfrmGeneral* main() const { return qobject_cast<TfrmGeneral*>(m_program->main()); }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<RunningProgram> m_program;
};

void TestTablePanelsI::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_program = std::make_unique<RunningProgram>();
    QVERIFY(main());
    main()->activateWindow();
}

void TestTablePanelsI::cleanupTestCase()
{
    m_program.reset();
    m_folder.reset();
}

void TestTablePanelsI::layout_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("memo");
    QTest::newRow("I-beam") << "gbDvutavr"
                            << "pnlDvutavr"
                            << "RzLabel81"
                            << "RzMemo14";
    QTest::newRow("channel") << "gbShveler"
                             << "pnlShveler"
                             << "RzLabel6"
                             << "RzMemo4";
    QTest::newRow("angle") << "gbUgolok"
                           << "pnlUgolok"
                           << "RzLabel77"
                           << "RzMemo10";
    QTest::newRow("rail") << "gbRels"
                          << "pnlRels"
                          << "RzLabel67"
                          << "RzMemo5";
    QTest::newRow("pipe") << "gbTruba"
                          << "pnlTruba"
                          << "RzLabel78"
                          << "RzMemo11";
}

// Each panel fits the calculator area, every control inside it, the report taking
// the height that is left.
void TestTablePanelsI::layout()
{
    QFETCH(QString, group);
    QFETCH(QString, panel);
    QFETCH(QString, title);
    QFETCH(QString, memo);
    open(group);
    QWidget* p = get(panel);
    QVERIFY(p->isVisible());
    const QSize least = p->minimumSizeHint();
    QVERIFY2(least.width() <= 273 && least.height() <= 399,
             qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
    QVERIFY(get<QLabel>(title)->parentWidget() == p);
    for (QWidget* child : p->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(p) || child->parentWidget() != p)
            continue;
        QVERIFY2(p->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    QVERIFY(get(memo)->height() >= 120);
    // The buttons of the bottom row show their whole captions.
    for (QPushButton* b : p->findChildren<QPushButton*>())
        if (b->isVisibleTo(p))
            QVERIFY2(b->width() >= b->fontMetrics().horizontalAdvance(b->text()) + 6,
                     qPrintable(b->objectName()));
}

void TestTablePanelsI::pipeAtStart()
{
    open("gbTruba");
    QVERIFY(!field("neDiametrTrubi")->isEnabled());
    QCOMPARE(field("neDiametrTrubi")->text(), "0");
    QVERIFY(!get<QCheckBox>("cbTrubaSquare")->isChecked());
    QCOMPARE(get("cbTrubaSquare")->toolTip(),
             "Включает в себя площадь торцов, наружнюю и внутреннюю поверхность трубы");
    QVERIFY(!get<QRadioButton>("rgTrubaDiametr_item0")->isChecked());
    QVERIFY(!get<QRadioButton>("rgTrubaDiametr_item1")->isChecked());
    QVERIFY(!get("RzBitBtn53")->isVisibleTo(get("pnlTruba")));
    // The disabled diameter field reads "0": both calculations stop at the refusal.
    field("RzNumericEdit18")->setText("3,5");
    field("RzNumericEdit19")->setText("1");
    field("RzNumericEdit20")->setText("1");
    QCOMPARE(boxesOf("RzBitBtn23"), QStringList{Refusal});
    QCOMPARE(boxesOf("RzBitBtn22"), QStringList{Refusal});
    QCOMPARE(field("RzNumericEdit20")->text(), "1");
}

void TestTablePanelsI::pipe()
{
    chooseMaterial(QStringLiteral("Сталь конструкционная - 7,85"));
    open("gbTruba");
    get<QRadioButton>("rgTrubaDiametr_item0")->click();
    QVERIFY(field("neDiametrTrubi")->isEnabled());
    typeInto(field("neDiametrTrubi"), "57");
    typeInto(field("RzNumericEdit18"), "3,5");
    typeInto(field("RzNumericEdit19"), "1");
    click("RzBitBtn23");
    QCOMPARE(field("RzNumericEdit20")->text(), "4,61786631141981");
    const QString outer = Head + "Материал трубы: Сталь конструкционная - 7,85\r\n"
                                 "внешний диаметр трубы 57 мм.,\r\nтолщина стенки трубы 3,5 мм.,"
                                 "\r\nпри длине трубы в 1 м.,\r\n";
    QCOMPARE(report("RzMemo11"), outer + "общий вес трубы составит: 4,6178663 кг.\r\n");
    get<QCheckBox>("cbTrubaSquare")->click();
    click("RzBitBtn23");
    QCOMPARE(report("RzMemo11"), outer + "общий вес трубы составит: 4,6178663 кг.\r\n"
                                         "общая поверхность трубы составит: 0,3373 кв.м.");

    // The wall reads "0": refused, nothing changes.
    field("RzNumericEdit18")->setText("0");
    field("RzNumericEdit20")->setText("100");
    QCOMPARE(boxesOf("RzBitBtn22"), QStringList{Refusal});
    QCOMPARE(field("RzNumericEdit19")->text(), "1");
    QVERIFY(report("RzMemo11").endsWith("кв.м."));
    field("RzNumericEdit18")->setText("3,5");
    click("RzBitBtn22");
    QCOMPARE(field("RzNumericEdit19")->text(), "21,6550227434484");

    // Inner 50 with the same wall: the same weight; the ticked box adds nothing.
    get<QRadioButton>("rgTrubaDiametr_item1")->click();
    typeInto(field("neDiametrTrubi"), "50");
    field("RzNumericEdit19")->setText("1");
    click("RzBitBtn23");
    QCOMPARE(field("RzNumericEdit20")->text(), "4,61786631141981");
    QCOMPARE(report("RzMemo11"),
             Head + "Материал трубы: Сталь конструкционная - 7,85\r\n"
                    "внутренний диаметр трубы 50 мм.,\r\nтолщина стенки трубы 3,5 мм.,\r\n"
                    "при длине трубы в 1 м.,\r\nобщий вес трубы составит: 4,6178663 кг.\r\n");
    // The diameter kind, the field's state and the check box survive opening the group.
    open("gbTruba");
    QVERIFY(field("neDiametrTrubi")->isEnabled());
    QVERIFY(get<QCheckBox>("cbTrubaSquare")->isChecked());
    QVERIFY(get<QRadioButton>("rgTrubaDiametr_item1")->isChecked());
}

void TestTablePanelsI::pipeAlloy()
{
    chooseMaterial(QStringLiteral("Латуни (из списка)"));
    open("gbTruba");
    get<QRadioButton>("rgTrubaDiametr_item0")->click();
    field("neDiametrTrubi")->setText("57");
    field("RzNumericEdit18")->setText("3,5");
    field("RzNumericEdit19")->setText("1");
    QVERIFY(get<QCheckBox>("cbTrubaSquare")->isChecked());
    click("RzBitBtn23");
    QCOMPARE(report("RzMemo11"),
             Head +
                 "Материал трубы: Латунь литейная по ГОСТ 17711-72 ЛК80-3Л - 8,3\r\n"
                 "внешний диаметр трубы 57 мм.,\r\nтолщина стенки трубы 3,5 мм.,\r\n"
                 "при длине трубы в 1 м.,\r\nобщий вес трубы составит: " +
                 field("RzNumericEdit20")->text() + " кг.");
    QVERIFY(field("RzNumericEdit20")->text().size() > 9);
    chooseMaterial(QStringLiteral("Сталь конструкционная - 7,85"));
}

// A diameter given without its kind is refused with a clear message.
void TestTablePanelsI::pipeKindMissing()
{
    get<RadioGroup>("rgTrubaDiametr")->setItemIndex(-1);
    open("gbTruba");
    field("neDiametrTrubi")->setEnabled(true);
    field("neDiametrTrubi")->setText("57");
    field("RzNumericEdit18")->setText("3,5");
    field("RzNumericEdit19")->setText("1");
    field("RzNumericEdit20")->setText("5");
    const QString before = report("RzMemo11");
    const QString ask = "Укажите, какой диаметр трубы введен: \"Внешний\" или \"Внутренний\".";
    QCOMPARE(boxesOf("RzBitBtn23"), QStringList{ask});
    QCOMPARE(boxesOf("RzBitBtn22"), QStringList{ask});
    QCOMPARE(field("RzNumericEdit20")->text(), "5");
    QCOMPARE(field("RzNumericEdit19")->text(), "1");
    QCOMPARE(report("RzMemo11"), before);
}

void TestTablePanelsI::beams_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("focusMoves");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("report");

    QTest::newRow("I-beam") << "gbDvutavr"
                            << "ComboBox10" << 23 << "20а" << false << "RzNumericEdit28"
                            << "6"
                            << "RzBitBtn17"
                            << "RzNumericEdit29"
                            << "136,2"
                            << "RzMemo14"
                            << Head + "Номер профиля балки 20а\r\nпри длине балки в 6 м.,\r\n"
                                      "общий вес балки составляет: 136,2 кг.";
    QTest::newRow("channel") << "gbShveler"
                             << "ComboBox17" << 22 << "6,5" << true << "RzNumericEdit3"
                             << "12"
                             << "RzBitBtn36"
                             << "RzNumericEdit4"
                             << "70,8"
                             << "RzMemo4"
                             << Head + "Номер профиля швеллера 6,5\r\nпри длине швеллера в 12 м.,"
                                       "\r\nобщий вес швеллера составляет: 70,8 кг.";
    QTest::newRow("rail weight") << "gbRels"
                                 << "ComboBox16" << 11 << "KP - 50" << true << "RzNumericEdit5"
                                 << "12,5"
                                 << "RzBitBtn34"
                                 << "RzNumericEdit6"
                                 << "373,125"
                                 << "RzMemo5"
                                 << Head + "Тип рельса KP - 50\r\nпри длине рельса в 12,5 м.,\r\n"
                                           "общий вес рельса составляет: 373,125 кг.";
}

void TestTablePanelsI::beams()
{
    QFETCH(QString, group);
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(QString, profile);
    QFETCH(bool, focusMoves);
    QFETCH(QString, given);
    QFETCH(QString, value);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QFETCH(QString, memo);
    QFETCH(QString, report);
    open(group);
    QCOMPARE(items(list).size(), count);
    QCOMPARE(this->list(list)->currentText(), QString());
    this->list(list)->setFocus();
    pick(this->list(list), items(list).indexOf(profile));
    // The channel and rail move on to the length; the I-beam stays in its list.
    const QString length = group == "gbDvutavr"   ? "RzNumericEdit28"
                           : group == "gbShveler" ? "RzNumericEdit3"
                                                  : "RzNumericEdit5";
    QCOMPARE(main()->focusWidget(), focusMoves ? get(length) : get(list));
    typeInto(field(given), value);
    click(button);
    QCOMPARE(field(result)->text(), expected);
    QCOMPARE(this->report(memo), report);
}

void TestTablePanelsI::beamRefusals_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("tested");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("button");
    QTest::newRow("I-beam weight") << "gbDvutavr"
                                   << "RzNumericEdit28"
                                   << "RzNumericEdit29"
                                   << "RzBitBtn17";
    QTest::newRow("I-beam length") << "gbDvutavr"
                                   << "RzNumericEdit29"
                                   << "RzNumericEdit28"
                                   << "RzBitBtn16";
    QTest::newRow("channel weight") << "gbShveler"
                                    << "RzNumericEdit3"
                                    << "RzNumericEdit4"
                                    << "RzBitBtn36";
    QTest::newRow("channel length") << "gbShveler"
                                    << "RzNumericEdit4"
                                    << "RzNumericEdit3"
                                    << "RzBitBtn35";
    QTest::newRow("rail weight") << "gbRels"
                                 << "RzNumericEdit5"
                                 << "RzNumericEdit6"
                                 << "RzBitBtn34";
    QTest::newRow("rail length") << "gbRels"
                                 << "RzNumericEdit6"
                                 << "RzNumericEdit5"
                                 << "RzBitBtn33";
}

void TestTablePanelsI::beamRefusals()
{
    QFETCH(QString, group);
    QFETCH(QString, tested);
    QFETCH(QString, other);
    QFETCH(QString, button);
    open(group);
    field(other)->setText("7");
    QCOMPARE(boxesOf(button), QStringList{Refusal});
    QCOMPARE(field(tested)->text(), "0");
    QCOMPARE(field(other)->text(), "7");
}

void TestTablePanelsI::railNotANumber()
{
    open("gbRels");
    pick(list("ComboBox16"), 0);
    field("RzNumericEdit6")->setText("9");
    field("RzNumericEdit5")->clear();
    {
        ModalWatcher watcher;
        click("RzBitBtn34");
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().first().caption, "Error");
    }
    QCOMPARE(field("RzNumericEdit6")->text(), "9");
    // No rail chosen: 0 kg/m; the length cannot be divided out.
    open("gbRels");
    field("RzNumericEdit6")->setText("9");
    {
        ModalWatcher watcher;
        click("RzBitBtn33");
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().first().caption, "Error");
    }
    QCOMPARE(field("RzNumericEdit5")->text(), "0");
}

void TestTablePanelsI::angleLists()
{
    open("gbUgolok");
    QCOMPARE(items("ComboBox12").size(), 23);
    QCOMPARE(items("ComboBox11").size(), 19);
    QCOMPARE(get("RadioGroup4")->toolTip(), "Выберите тип уголка");
    QCOMPARE(get<QRadioButton>("RadioGroup4_item0")->text(), "Равнополочный");
    QCOMPARE(get<QRadioButton>("RadioGroup4_item1")->text(), "Неравнополочный");

    get<QRadioButton>("RadioGroup4_item0")->click();
    QVERIFY(list("ComboBox12")->isVisible() && list("ComboBox12")->isEnabled());
    QVERIFY(!list("ComboBox11")->isVisible() && !list("ComboBox11")->isEnabled());
    // An equal-leg width refills the thicknesses but keeps the fields.
    field("RzNumericEdit15")->setText("4");
    field("RzNumericEdit16")->setText("5");
    pick(list("ComboBox12"), items("ComboBox12").indexOf("28"));
    QCOMPARE(items("ComboBox13"), QStringList{"3"});
    QCOMPARE(list("ComboBox13")->currentText(), QString());
    QCOMPARE(field("RzNumericEdit15")->text(), "4");
    QCOMPARE(field("RzNumericEdit16")->text(), "5");
    // A thickness moves the focus to the length.
    list("ComboBox13")->setFocus();
    pick(list("ComboBox13"), 0);
    QCOMPARE(main()->focusWidget(), get("RzNumericEdit15"));

    // Switching the type: the other list, thickness text emptied (items stay), fields "0".
    get<QRadioButton>("RadioGroup4_item1")->click();
    QVERIFY(list("ComboBox11")->isVisible() && list("ComboBox11")->isEnabled());
    QVERIFY(!list("ComboBox12")->isVisible());
    QCOMPARE(list("ComboBox13")->currentText(), QString());
    QCOMPARE(items("ComboBox13"), QStringList{"3"});
    QCOMPARE(field("RzNumericEdit15")->text(), "0");
    QCOMPARE(field("RzNumericEdit16")->text(), "0");
    // An unequal-leg size resets the fields.
    field("RzNumericEdit15")->setText("4");
    field("RzNumericEdit16")->setText("5");
    pick(list("ComboBox11"), items("ComboBox11").indexOf("70 х 45"));
    QCOMPARE(items("ComboBox13"), QStringList{"5"});
    QCOMPARE(field("RzNumericEdit15")->text(), "0");
    QCOMPARE(field("RzNumericEdit16")->text(), "0");
}

void TestTablePanelsI::angles()
{
    open("gbUgolok");
    get<QRadioButton>("RadioGroup4_item0")->click();
    pick(list("ComboBox12"), items("ComboBox12").indexOf("50"));
    pick(list("ComboBox13"), items("ComboBox13").indexOf("5"));
    typeInto(field("RzNumericEdit15"), "6");
    click("RzBitBtn25");
    QCOMPARE(field("RzNumericEdit16")->text(), "22,62");
    QCOMPARE(report("RzMemo10"), Head + "Уголок равнополочный \r\nширина полки уголка: 50 мм.\r\n"
                                        "толщина уголка: 5 мм.\r\nпри длине уголка в 6 м.,\r\n"
                                        "общий вес уголка составит: 22,62 кг.");

    get<QRadioButton>("RadioGroup4_item1")->click();
    pick(list("ComboBox11"), items("ComboBox11").indexOf("140 х 90"));
    pick(list("ComboBox13"), items("ComboBox13").indexOf("8"));
    typeInto(field("RzNumericEdit15"), "1");
    click("RzBitBtn25");
    QCOMPARE(field("RzNumericEdit16")->text(), "14,1");
    typeInto(field("RzNumericEdit16"), "141");
    click("RzBitBtn24");
    QCOMPARE(field("RzNumericEdit15")->text(), "10");
    QCOMPARE(report("RzMemo10"), Head + "Уголок: неравнополочный \r\nтип уголка: 140 х 90\r\n"
                                        "толщина уголка: 8 мм.\r\nпри весе уголка в 141 кг.,\r\n"
                                        "длина уголка составит: 10 м.");
    // No thickness chosen: the result stays, the report names the empty thickness.
    open("gbUgolok");
    field("RzNumericEdit15")->setText("2");
    field("RzNumericEdit16")->setText("3");
    click("RzBitBtn25");
    QCOMPARE(field("RzNumericEdit16")->text(), "3");
    QCOMPARE(report("RzMemo10"),
             Head + "Уголок: неравнополочный \r\nтип уголка: \r\nтолщина уголка:  мм.\r\n"
                    "при длине уголка в 2 м.,\r\nобщий вес уголка составит: 3 кг.");
}

void TestTablePanelsI::angleFailures()
{
    open("gbUgolok");
    field("RzNumericEdit16")->setText("5");
    QCOMPARE(boxesOf("RzBitBtn25"), QStringList{Refusal});
    QCOMPARE(field("RzNumericEdit16")->text(), "5");
    field("RzNumericEdit15")->clear();
    {
        ModalWatcher watcher;
        click("RzBitBtn25");
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().first().caption, "Error");
    }
    field("RzNumericEdit16")->setText("-");
    {
        ModalWatcher watcher;
        click("RzBitBtn24");
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().first().caption, "Error");
    }
    QCOMPARE(field("RzNumericEdit15")->text(), "");
}

void TestTablePanelsI::groupOpeningResets_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("I-beam") << "gbDvutavr" << QStringList{"ComboBox10"}
                            << QStringList{"RzNumericEdit28", "RzNumericEdit29"};
    QTest::newRow("channel") << "gbShveler" << QStringList{"ComboBox17"}
                             << QStringList{"RzNumericEdit3", "RzNumericEdit4"};
    QTest::newRow("angle") << "gbUgolok" << QStringList{"ComboBox12", "ComboBox11", "ComboBox13"}
                           << QStringList{"RzNumericEdit15", "RzNumericEdit16"};
    QTest::newRow("rail") << "gbRels" << QStringList{"ComboBox16"}
                          << QStringList{"RzNumericEdit5", "RzNumericEdit6"};
    QTest::newRow("pipe") << "gbTruba" << QStringList{}
                          << QStringList{"neDiametrTrubi", "RzNumericEdit18", "RzNumericEdit19",
                                         "RzNumericEdit20"};
}

void TestTablePanelsI::groupOpeningResets()
{
    QFETCH(QString, group);
    QFETCH(QStringList, lists);
    QFETCH(QStringList, fields);
    for (const QString& name : lists)
        if (list(name)->count() > 0)
            list(name)->setCurrentIndex(0);
    for (const QString& name : fields)
        field(name)->setText("12");
    open("gbProkat");
    for (const QString& name : fields)
        QCOMPARE(field(name)->text(), "12");
    open(group);
    for (const QString& name : lists)
        QCOMPARE(list(name)->currentText(), QString());
    for (const QString& name : fields)
        QCOMPARE(field(name)->text(), "0");
}

QTEST_MAIN(TestTablePanelsI)
#include "tst_TablePanelsI.moc"
