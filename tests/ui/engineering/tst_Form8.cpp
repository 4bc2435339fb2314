// The rope window as a user meets it: the examples, "Очистить" over all tabs, no
// diameter chosen, and nothing clipped.
#include "StubWindowDirectory.h"
#include "TestSupport.h"
#include "core/app/LanguageState.h"
#include "ui/engineering/EngineeringWindows.h"
#include "ui/engineering/RopeTab.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

using namespace tolvex;
using namespace tolvex::test;

class tst_Form8 : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void builtFromData();
    void examples_data();
    void examples();
    void clearEmptiesEveryTab();
    void noDiameterChosen_data();
    void noDiameterChosen();
    void lookedAt();

private:
    template <typename T> T* get(const QString& name) const
    {
        return child<T>(m_window.get(), name);
    }
    QStringList lines(int tab) const
    {
        const QString n = QString::number(tab);
        QStringList out{get<QLabel>("massLine" + n)->text(), get<QLabel>("areaLine" + n)->text()};
        for (int g = 1; g <= 4; ++g)
            out << get<QLabel>(QStringLiteral("forceLine%1_%2").arg(n).arg(g))->text();
        return out;
    }
    void compute(int tab, const QString& diameter, const QString& length) const
    {
        const QString n = QString::number(tab);
        auto* box = get<QComboBox>("diameterBox" + n);
        pick(box, box->findText(diameter));
        typeInto(get<QLineEdit>("lengthEdit" + n), length);
        get<QPushButton>("calculateButton" + n)->click();
    }

    StubWindowDirectory m_directory;
    LanguageState m_language;
    std::unique_ptr<QWidget> m_window;
};

void tst_Form8::init()
{
    m_language.setMarks(true, false);
    m_window.reset(createForm8({m_directory, m_language}));
    m_window->show();
}

void tst_Form8::cleanup()
{
    m_window.reset();
}

void tst_Form8::builtFromData()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Form8"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Канаты"));
    QCOMPARE(m_window->size(), QSize(661, 362));
    QCOMPARE(m_window->findChildren<RopeTab*>().size(), 13);
    auto* root = get<QTabWidget>("ropeTabs");
    QStringList top;
    for (int i = 0; i < root->count(); ++i)
        top << root->tabText(i);
    QCOMPARE(top, (QStringList{"Одинарной свивки", "Двойной свивки", "Закрытый несущий"}));
    // A third-level tab sits where its path says.
    auto* loTabs = get<QTabWidget>("ropeTabs/Двойной свивки/ЛК-О");
    QCOMPARE(loTabs->tabText(2), QStringLiteral("ГОСТ 3077-80. к. 6х19(1+9+9)+1"));
    auto* box = get<QComboBox>("diameterBox1");
    QCOMPARE(box->count(), 32);
    QCOMPARE(box->currentText(), QString());
    QCOMPARE(get<QLineEdit>("lengthEdit1")->text(), QStringLiteral("0"));
    // Closed ropes have their own marking groups, each caption over its force line.
    QStringList groups;
    for (QLabel* label : m_window->findChildren<QLabel*>())
        if (label->buddy() &&
            label->buddy()->objectName().startsWith(QStringLiteral("forceLine11_")))
            groups << label->text();
    QCOMPARE(groups, (QStringList{"1080(110)", "1180(120)", "1270(130)", "1370(140)"}));
}

void tst_Form8::examples_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("single lay 5.0")
        << 1 << "5.0"
        << "100" << false << QStringList{"12,2 кг.", "14,29", "16650", "19000", "20800", "22650"};
    QTest::newRow("english unit") << 1 << "5.0"
                                  << "100" << true << QStringList{"12,2 kg.", "14,29", "16650",
                                                                  "19000",    "20800", "22650"};
    QTest::newRow("single lay 1.6")
        << 1 << "1.6"
        << "1" << false << QStringList{"0,012 кг.", "1,41", "0", "0", "2105", "2340"};
    QTest::newRow("ЛК-Р 56") << 2 << "56"
                             << "2" << false << QStringList{"23,3 кг.", "1190,53", "1385000",
                                                            "1580000",  "1705000", "0"};
    QTest::newRow("closed 30.5") << 11 << "30.5"
                                 << "1" << false << QStringList{"5,2498 кг.", "616,59", "664000",
                                                                "724500",     "785000", "845600"};
    QTest::newRow("closed 32") << 11 << "32"
                               << "1" << false
                               << QStringList{"5,7371 кг.", "673,9",      "нет данных",
                                              "нет данных", "нет данных", "нет данных"};
    QTest::newRow("closed 35.5") << 11 << "35.5"
                                 << "10" << false
                                 << QStringList{"68,103 кг.", "800,12",  "862000",
                                                "940500",     "1015000", "1085000"};
    QTest::newRow("unsourced row")
        << 13 << "60"
        << "5" << false << QStringList{"нет данных", "нет данных", "нет данных",
                                       "нет данных", "нет данных", "нет данных"};
}

void tst_Form8::examples()
{
    QFETCH(int, tab);
    QFETCH(QString, diameter);
    QFETCH(QString, length);
    QFETCH(bool, english);
    QFETCH(QStringList, lines);
    m_language.setMarks(!english, english);
    ModalWatcher watcher;
    compute(tab, diameter, length);
    QCOMPARE(this->lines(tab), lines);
    QVERIFY(watcher.seen().isEmpty());
}

void tst_Form8::clearEmptiesEveryTab()
{
    compute(1, "5.0", "100");
    compute(11, "30.5", "1");
    get<QPushButton>("clearButton7")->click();
    for (int tab = 1; tab <= 13; ++tab) {
        const QString n = QString::number(tab);
        QCOMPARE(lines(tab), QStringList(6, QString()));
        QCOMPARE(get<QComboBox>("diameterBox" + n)->currentIndex(), -1);
        QCOMPARE(get<QComboBox>("diameterBox" + n)->currentText(), QString());
        QCOMPARE(get<QLineEdit>("lengthEdit" + n)->text(), QStringLiteral("0"));
    }
}

void tst_Form8::noDiameterChosen_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty after Очистить") << QString();
    QTest::newRow("typed, not an entry") << "5.05";
    QTest::newRow("typed over an entry") << "5,0";
}

void tst_Form8::noDiameterChosen()
{
    QFETCH(QString, typed);
    compute(1, "5.0", "100");
    const QStringList before = lines(1);
    auto* box = get<QComboBox>("diameterBox1");
    if (typed.isEmpty())
        get<QPushButton>("clearButton1")->click();
    else
        box->setEditText(typed);
    const QStringList shown = lines(1);
    ModalWatcher watcher;
    get<QPushButton>("calculateButton1")->click();
    QCOMPARE(watcher.texts(), QStringList{"Выберите диаметр каната из списка"});
    QCOMPARE(lines(1), shown);
    if (!typed.isEmpty())
        QCOMPARE(shown, before);
}

void tst_Form8::lookedAt()
{
    compute(1, "5.0", "100");
    saveShot(m_window.get(), QStringLiteral("Form8_single"));
    QVERIFY2(clippedWidgets(m_window.get()).isEmpty(),
             qPrintable(clippedWidgets(m_window.get()).join(QLatin1Char(' '))));
    auto* root = get<QTabWidget>("ropeTabs");
    root->setCurrentIndex(1);
    auto* strandTabs = get<QTabWidget>("ropeTabs/Двойной свивки");
    strandTabs->setCurrentIndex(1);
    get<QTabWidget>("ropeTabs/Двойной свивки/ЛК-РО")->setCurrentIndex(1);
    compute(4, "49.0", "12,5");
    saveShot(m_window.get(), QStringLiteral("Form8_deep"));
    QVERIFY2(clippedWidgets(m_window.get()).isEmpty(),
             qPrintable(clippedWidgets(m_window.get()).join(QLatin1Char(' '))));
    root->setCurrentIndex(2);
    get<QTabWidget>("ropeTabs/Закрытый несущий")->setCurrentIndex(2);
    saveShot(m_window.get(), QStringLiteral("Form8_closed"));
}

QTEST_MAIN(tst_Form8)
#include "tst_Form8.moc"
