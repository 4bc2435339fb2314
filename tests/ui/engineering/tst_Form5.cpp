// The hook shank thread window: the examples, the checks, "Очистить" and the
// disclaimer that comes with activation and never loops.
#include "StubWindowDirectory.h"
#include "TestSupport.h"
#include "core/app/LanguageState.h"
#include "core/engineering/BoxText.h"
#include "ui/engineering/EngineeringWindows.h"
#include "ui/engineering/TForm5.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace tolvex;
using namespace tolvex::test;

class tst_Form5 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void examples_data();
    void examples();
    void clearPutsFocusOnLoad();
    void disclaimerNeverLoops();
    void lookedAt();

private:
    template <typename T> T* get(const QString& name) const
    {
        return child<T>(m_window.get(), name);
    }
    QStringList results() const
    {
        return {get<QLabel>("lblStrength")->text(), get<QLabel>("lblDesignDiameter")->text(),
                get<QLabel>("lblNominalDiameter")->text()};
    }
    void fill(const QStringList& values) const
    {
        for (int i = 0; i < 4; ++i)
            get<QLineEdit>(QStringLiteral("RzNumericEdit%1").arg(i + 1))->setText(values[i]);
    }

    StubWindowDirectory m_directory;
    LanguageState m_language;
    std::unique_ptr<QWidget> m_window;
};

void tst_Form5::initTestCase()
{
    m_window.reset(createForm5({m_directory, m_language}));
    ModalWatcher watcher; // the disclaimer of the first showing
    m_window->show();
    m_window->activateWindow();
    QTRY_COMPARE(watcher.seen().size(), 1);
}

void tst_Form5::cleanupTestCase()
{
    m_window.reset();
}

void tst_Form5::examples_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("lines");
    const QStringList kept{"120 МПа", "103,00 мм.", "105,70 мм."};
    QTest::newRow("100/240/2/3") << QStringList{"100", "240", "2", "3"} << false << QString()
                                 << kept;
    QTest::newRow("50/300/1,5/2") << QStringList{"50", "300", "1,5", "2"} << false << QString()
                                  << QStringList{"200 МПа", "56,418 мм.", "58,218 мм."};
    QTest::newRow("english") << QStringList{"100", "240", "2", "3"} << true << QString()
                             << QStringList{"120 MPa", "103,00 мм.", "105,70 мм."};
    // Refused inputs leave the lines of the row before.
    QTest::newRow("all zero") << QStringList{"0", "0", "0", "0"} << false
                              << "Введите значение, отличное от нуля." << kept;
    QTest::newRow("all empty") << QStringList{"", "", "", ""} << false
                               << "Введите значение, отличное от нуля." << kept;
    QTest::newRow("zero safety") << QStringList{"100", "240", "0", "3"} << false
                                 << "Коэффициент запаса прочности не может быть равен 0." << kept;
    QTest::newRow("zero yield") << QStringList{"100", "0", "2", "3"} << false
                                << "Предел текучести стали крюка не может быть равен 0." << kept;
    QTest::newRow("not a number") << QStringList{"100", "-", "2", "3"} << false << "*" << kept;
    // The applied language file's message LNG_419.
    QTest::newRow("all zero, English file")
        << QStringList{"0", "0", "0", "0"} << true << "Enter a value other than zero."
        << QStringList{"120 MPa", "103,00 мм.", "105,70 мм."};
}

void tst_Form5::examples()
{
    QFETCH(QStringList, inputs);
    QFETCH(bool, english);
    QFETCH(QString, box);
    QFETCH(QStringList, lines);
    m_language.setMarks(!english, english);
    // What the Russian or the English language file says.
    m_language.setMessage(419, english ? QStringLiteral("Enter a value other than zero.")
                                       : QStringLiteral("Введите значение, отличное от нуля."));
    if (!box.isEmpty()) {
        fill({"100", "240", "2", "3"});
        get<QPushButton>("RzBitBtn1")->click();
    }
    fill(inputs);
    ModalWatcher watcher;
    get<QPushButton>("RzBitBtn1")->click();
    if (box.isEmpty())
        QVERIFY(watcher.seen().isEmpty());
    else if (box != QLatin1String("*"))
        QCOMPARE(watcher.texts(), QStringList{box});
    else
        QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(results(), lines);
}

void tst_Form5::clearPutsFocusOnLoad()
{
    fill({"100", "240", "2", "3"});
    get<QPushButton>("RzBitBtn1")->click();
    get<QPushButton>("RzBitBtn2")->setFocus();
    get<QPushButton>("RzBitBtn2")->click();
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(get<QLineEdit>(QStringLiteral("RzNumericEdit%1").arg(i))->text(),
                 QStringLiteral("0"));
    QCOMPARE(results(), QStringList(3, QString()));
    QCOMPARE(m_window->focusWidget(), get<QLineEdit>("RzNumericEdit1"));
}

void tst_Form5::disclaimerNeverLoops()
{
    ModalWatcher watcher;
    // A box of its own (the all-zero check) closes: no disclaimer follows.
    fill({"0", "0", "0", "0"});
    get<QPushButton>("RzBitBtn1")->click();
    QTest::qWait(300);
    QCOMPARE(watcher.texts(), QStringList{m_language.message(419)});

    // Back from another window of the program: one disclaimer, then quiet.
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    m_window->activateWindow();
    QTRY_COMPARE(watcher.seen().size(), 2);
    QTest::qWait(500);
    QCOMPARE(watcher.seen().size(), 2);
    const SeenBox& disclaimer = watcher.seen().last();
    QCOMPARE(disclaimer.text, boxText(TForm5::disclaimerText()));
    QCOMPARE(disclaimer.caption, QStringLiteral("Information"));
    QCOMPARE(disclaimer.icon, QMessageBox::Warning);
    QVERIFY(TForm5::disclaimerText().contains(QStringLiteral("Автор не \n\rнесет")));

    // Hidden and shown again: once more.
    m_window->hide();
    m_window->show();
    m_window->activateWindow();
    QTRY_COMPARE(watcher.seen().size(), 3);
    QTest::qWait(500);
    QCOMPARE(watcher.seen().size(), 3);
}

void tst_Form5::lookedAt()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Form5"));
    QCOMPARE(m_window->windowTitle(),
             QStringLiteral("Расчет номинального диаметра резьбы хвостовика крюка"));
    QCOMPARE(m_window->size(), QSize(484, 262));
    QCOMPARE(get<QLabel>("RzLabel3")->text(), QStringLiteral("Коэффициент запаcа прочности, s"));
    QCOMPARE(get<QLabel>("RzLabel1")->buddy(), get<QLineEdit>("RzNumericEdit1"));
    fill({"50", "300", "1,5", "2"});
    ModalWatcher watcher;
    get<QPushButton>("RzBitBtn1")->click();
    saveShot(m_window.get(), QStringLiteral("Form5"));
    QVERIFY2(clippedWidgets(m_window.get()).isEmpty(),
             qPrintable(clippedWidgets(m_window.get()).join(QLatin1Char(' '))));
}

QTEST_MAIN(tst_Form5)
#include "tst_Form5.moc"
