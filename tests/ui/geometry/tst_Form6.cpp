// The flat-blank window as a user meets it: examples, Clear, the window density,
// the menu entry points and bad input.
#include "TestSupport.h"
#include "core/geometry/FlatBlankTable.h"
#include "ui/app/TfrmGeneral.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/RadioGroup.h"
#include "ui/geometry/SketchView.h"
#include "ui/geometry/TForm6.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

using namespace tolvex;
using namespace tolvex::test;

class tst_Form6 : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void createdCleared();
    void triangleExample();
    void radioChoiceClearsOtherTabs();
    void computeWithoutChoiceDoesNothing();
    void densitySurvivesHiding();
    void groupWaitsForAlloy();
    void emptyMaterialGivesZero();
    void impossibleTriangle();
    void englishLines();
    void menuEntryPoints_data();
    void menuEntryPoints();
    void mainMenuItem();
    void badInput_data();
    void badInput();
    void nothingClipped();

private:
    template <typename T> T* get(const QString& name) const { return child<T>(m_window, name); }
    void chooseRadio(const QString& group, int item) const
    {
        get<QRadioButton>(group + QStringLiteral("_item%1").arg(item))->click();
    }
    void fill(const QStringList& names, const QStringList& texts) const
    {
        for (int i = 0; i < names.size(); ++i)
            get<QLineEdit>(names[i])->setText(texts[i]);
    }
    QString text(const QString& label) const { return get<QLabel>(label)->text(); }
    void pickMaterial(const QString& entry) const
    {
        auto* box = get<QComboBox>(QStringLiteral("RzComboBox1"));
        pick(box, box->findText(entry));
    }
    void computeTriangle() const
    {
        chooseRadio(QStringLiteral("RzRadioGroup1"), 2);
        fill({"RzNumericEdit8", "RzNumericEdit9", "RzNumericEdit10", "RzNumericEdit11"},
             {"300", "400", "500", "2"});
        QTest::mouseClick(get<QPushButton>(QStringLiteral("RzBitBtn1")), Qt::LeftButton);
    }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<RunningProgram> m_program;
    TForm6* m_window = nullptr;
};

void tst_Form6::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_program = std::make_unique<RunningProgram>();
    m_window = qobject_cast<TForm6*>(m_program->window(QStringLiteral("Form6")));
    QVERIFY(m_window);
    m_window->showPage(0, 0);
}

void tst_Form6::cleanup()
{
    m_program.reset();
    m_folder.reset();
}

void tst_Form6::createdCleared()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Подсчёт площади и массы раскроя"));
    QCOMPARE(m_window->size(), QSize(369, 479));
    const auto fields = m_window->findChildren<NumericEdit*>();
    QCOMPARE(fields.size(), 67);
    for (NumericEdit* field : fields) {
        QCOMPARE(field->text(), QStringLiteral("0"));
        // Every field is reached from its caption.
        int buddies = 0;
        for (QLabel* label : m_window->findChildren<QLabel*>())
            if (label->buddy() == field)
                ++buddies;
        QCOMPARE(buddies, 1);
    }
    for (const auto& v : geometry::blankVariants()) {
        QVERIFY(text(v.areaLine).isEmpty());
        QVERIFY(text(v.weightLine).isEmpty());
    }
    for (RadioGroup* group : m_window->findChildren<RadioGroup*>()) {
        QCOMPARE(group->itemIndex(), -1);
        QCOMPARE(group->title(), QStringLiteral("Выбор параметров"));
    }
    QVERIFY(get<QWidget>(QStringLiteral("RzPanel2"))->isHidden());
    QVERIFY(!get<QWidget>(QStringLiteral("RzPanel7"))->isHidden()); // no radio group
    QVERIFY(get<QWidget>(QStringLiteral("RzComboBox2"))->isHidden());
    QCOMPARE(get<QComboBox>(QStringLiteral("RzComboBox1"))->count(), 52);
    QCOMPARE(get<QComboBox>(QStringLiteral("RzComboBox2"))->count(), 126);
    QCOMPARE(m_window->density(), 0.0);
    // Every variant's sketch is in the resources.
    const auto sketches = m_window->findChildren<SketchView*>();
    QCOMPARE(sketches.size(), 20);
    for (SketchView* sketch : sketches)
        QVERIFY2(sketch->isValid(), qPrintable(sketch->resourcePath()));
}

void tst_Form6::triangleExample()
{
    pickMaterial(QStringLiteral("Сталь конструкционная - 7,85"));
    computeTriangle();
    QVERIFY(get<QWidget>(QStringLiteral("RzPanel4"))->isVisible());
    QCOMPARE(text("Label15"), QStringLiteral("Площадь составляет: 0,060 кв.м."));
    QCOMPARE(text("Label16"), QStringLiteral("Вес составляет: 0,942 кг."));
}

void tst_Form6::radioChoiceClearsOtherTabs()
{
    computeTriangle();
    QVERIFY(!text("Label15").isEmpty());
    m_window->showPage(1, 1);
    chooseRadio(QStringLiteral("RzRadioGroup3"), 0);
    chooseRadio(QStringLiteral("RzRadioGroup3"), 1);
    QVERIFY(text("Label15").isEmpty());
    QCOMPARE(get<QLineEdit>(QStringLiteral("RzNumericEdit8"))->text(), QStringLiteral("0"));
    QVERIFY(get<QWidget>(QStringLiteral("RzPanel8"))->isHidden());
    QVERIFY(get<QWidget>(QStringLiteral("RzPanel9"))->isVisible());
}

void tst_Form6::computeWithoutChoiceDoesNothing()
{
    m_window->showPage(0, 1);
    QTest::mouseClick(get<QPushButton>(QStringLiteral("RzBitBtn4")), Qt::LeftButton);
    for (const char* line : {"Label22", "Label23", "Label27", "Label28"})
        QVERIFY(text(line).isEmpty());
}

void tst_Form6::densitySurvivesHiding()
{
    pickMaterial(QStringLiteral("Сталь конструкционная - 7,85"));
    computeTriangle();
    QVERIFY(m_window->close());
    QVERIFY(m_window->isHidden());
    QVERIFY(text("Label16").isEmpty()); // closing clears
    QCOMPARE(get<QLineEdit>(QStringLiteral("RzNumericEdit8"))->text(), QStringLiteral("0"));
    m_window->showPage(-1, -1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(get<QComboBox>(QStringLiteral("RzComboBox1"))->currentText(),
             QStringLiteral("Сталь конструкционная - 7,85"));
    computeTriangle();
    QCOMPARE(text("Label16"), QStringLiteral("Вес составляет: 0,942 кг."));
}

void tst_Form6::groupWaitsForAlloy()
{
    pickMaterial(QStringLiteral("Сталь конструкционная - 7,85"));
    pickMaterial(QStringLiteral("Латуни (из списка)"));
    auto* alloys = get<QComboBox>(QStringLiteral("RzComboBox2"));
    QVERIFY(alloys->isVisible());
    QVERIFY(get<QWidget>(QStringLiteral("RzPanel1"))->isHidden());
    QCOMPARE(alloys->currentIndex(), 56);
    computeTriangle();
    QCOMPARE(text("Label16"), QStringLiteral("Вес составляет: 0,942 кг."));
    pick(alloys, 56); // 8,3
    QTest::mouseClick(get<QPushButton>(QStringLiteral("RzBitBtn1")), Qt::LeftButton);
    QCOMPARE(text("Label16"), QStringLiteral("Вес составляет: 0,996 кг."));
}

void tst_Form6::emptyMaterialGivesZero()
{
    pickMaterial(QStringLiteral("Сталь конструкционная - 7,85"));
    auto* box = get<QComboBox>(QStringLiteral("RzComboBox1"));
    typeInto(box->lineEdit(), QStringLiteral("8,5"));
    QCOMPARE(m_window->density(), 8.5);
    {
        ModalWatcher watcher; // a text that is no number: the error box, density kept
        box->lineEdit()->end(false);
        QTest::keyClick(box->lineEdit(), Qt::Key_X); // "8,5x"
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().front().caption, QStringLiteral("Error"));
        QCOMPARE(m_window->density(), 8.5);
    }
    typeInto(box->lineEdit(), QString());
    QCOMPARE(m_window->density(), 0.0);
    computeTriangle();
    QCOMPARE(text("Label16"), QStringLiteral("Вес составляет: 0,000 кг."));
}

void tst_Form6::impossibleTriangle()
{
    ModalWatcher watcher;
    chooseRadio(QStringLiteral("RzRadioGroup1"), 2);
    fill({"RzNumericEdit8", "RzNumericEdit9", "RzNumericEdit10"}, {"1", "2", "10"});
    QTest::mouseClick(get<QPushButton>(QStringLiteral("RzBitBtn1")), Qt::LeftButton);
    QCOMPARE(watcher.texts(), QStringList{geometry::noTriangleText()});
    QVERIFY(text("Label15").isEmpty());
}

void tst_Form6::englishLines()
{
    auto* main = qobject_cast<TfrmGeneral*>(m_program->main());
    main->russianItem()->setChecked(false);
    main->englishItem()->setChecked(true);
    pickMaterial(QStringLiteral("Сталь конструкционная - 7,85"));
    computeTriangle();
    QCOMPARE(text("Label15"), QStringLiteral("Total area: 0,060 sqr.m."));
    QCOMPARE(text("Label16"), QStringLiteral("Total weight: 0,942 kg."));
    // The material lists are not translated.
    QCOMPARE(get<QComboBox>(QStringLiteral("RzComboBox1"))->currentText(),
             QStringLiteral("Сталь конструкционная - 7,85"));
}

void tst_Form6::menuEntryPoints_data()
{
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::addColumn<QString>("sheet"); // the figure tab that must be shown
    QTest::newRow("triangle, right") << 0 << 1 << "TabSheet19";
    QTest::newRow("quadrilateral, rhombus") << 1 << 2 << "TabSheet6";
    QTest::newRow("trapezium") << 2 << -1 << "TabSheet16";
    QTest::newRow("sector, annular sector") << 3 << 3 << "TabSheet8";
    QTest::newRow("sector, ring") << 3 << 1 << "TabSheet3";
}

void tst_Form6::menuEntryPoints()
{
    QFETCH(int, outer);
    QFETCH(int, inner);
    QFETCH(QString, sheet);
    m_window->close();
    // The window directory selects the page, then shows the window.
    m_window->showPage(outer, inner);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->outerTabs()->currentIndex(), outer);
    QVERIFY(get<QWidget>(sheet)->isVisible());
    // "Общее меню" leaves the tabs as they are.
    m_window->showPage(-1, -1);
    QVERIFY(get<QWidget>(sheet)->isVisible());
}

void tst_Form6::mainMenuItem()
{
    m_window->close();
    auto* item = m_program->main()->findChild<QAction*>(QStringLiteral("N51"));
    QVERIFY(item);
    item->trigger(); // "Сектор" > "Сектор кольцевой"
    QVERIFY(m_window->isVisible());
    QVERIFY(get<QWidget>(QStringLiteral("TabSheet8"))->isVisible());
    QVERIFY(get<QWidget>(QStringLiteral("RzPanel21"))->isVisible());
}

void tst_Form6::badInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("empty") << "";
    QTest::newRow("minus") << "-";
    QTest::newRow("separator") << ",";
    QTest::newRow("garbage") << "abc";
    QTest::newRow("huge") << "9" + QString(63, '9');
    QTest::newRow("negative") << "-250";
}

void tst_Form6::badInput()
{
    QFETCH(QString, input);
    ModalWatcher watcher; // a triangle that cannot exist answers with a box
    pickMaterial(QStringLiteral("Сталь конструкционная - 7,85"));
    for (const auto& tab : geometry::blankTabs()) {
        m_window->showPage(tab.outerPage, tab.innerPage);
        const int items =
            tab.radioGroup.isEmpty() ? 1 : get<RadioGroup>(tab.radioGroup)->items().size();
        for (int item = 0; item < items; ++item) {
            if (!tab.radioGroup.isEmpty())
                chooseRadio(tab.radioGroup, item);
            for (NumericEdit* field :
                 get<QWidget>(tab.sheetName)->template findChildren<NumericEdit*>())
                if (field->isVisible())
                    field->setText(input);
            QTest::mouseClick(get<QPushButton>(tab.computeButton), Qt::LeftButton);
            for (QLabel* line : get<QWidget>(tab.sheetName)->template findChildren<QLabel*>()) {
                QVERIFY2(!line->text().contains("nan", Qt::CaseInsensitive),
                         qPrintable(line->text()));
                QVERIFY2(!line->text().contains("inf", Qt::CaseInsensitive),
                         qPrintable(line->text()));
            }
            if (input.isEmpty())
                for (NumericEdit* field :
                     get<QWidget>(tab.sheetName)->template findChildren<NumericEdit*>())
                    if (field->isVisible())
                        QCOMPARE(field->text(), QStringLiteral("0")); // refilled
        }
    }
}

void tst_Form6::nothingClipped()
{
    // Every variant shown with long result lines: every label, button and field lies
    // inside the window and is as wide as its text needs.
    m_window->resize(m_window->size());
    for (const auto& tab : geometry::blankTabs()) {
        m_window->showPage(tab.outerPage, tab.innerPage);
        const int items =
            tab.radioGroup.isEmpty() ? 1 : get<RadioGroup>(tab.radioGroup)->items().size();
        for (int item = 0; item < items; ++item) {
            if (!tab.radioGroup.isEmpty())
                chooseRadio(tab.radioGroup, item);
            for (const auto& v : geometry::blankVariants()) {
                get<QLabel>(v.areaLine)
                    ->setText(QStringLiteral("Площадь составляет: 123456,789 кв.м."));
                get<QLabel>(v.weightLine)->setText(QStringLiteral("Total weight: 1234567,891 kg."));
            }
            QApplication::processEvents();
            const QStringList clipped = clippedWidgets(m_window);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
            saveShot(m_window, QStringLiteral("Form6_%1_%2").arg(tab.sheetName).arg(item));
        }
    }
}

QTEST_MAIN(tst_Form6)
#include "tst_Form6.moc"
