#include "Windows1251.h"
#include "core/app/LanguageFile.h"
#include "core/app/LanguageKeys.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvex::language;

// Reading language files, good and bad, and choosing which file to read.
class TestLanguageFile : public QObject
{
    Q_OBJECT
private slots:
    void badFiles_data();
    void badFiles();
    void missingKeysBlankTheirTargets();
    void ownTextOfATarget();
    void messagesNeverEmpty();
    void chooseFile_data();
    void chooseFile();
    void locate();

private:
    QTemporaryDir m_dir;
};

namespace
{

// Index of a target in the table.
qsizetype indexOf(const QString& id)
{
    const auto& table = formTargets();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].id() == id)
            return qsizetype(i);
    return -1;
}

} // namespace

void TestLanguageFile::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("id");       // a target to look at
    QTest::addColumn<QString>("expected"); // its text after reading
    QTest::addColumn<int>("material");     // a material index to look at
    QTest::addColumn<QString>("materialText");

    const QString title = QStringLiteral("frmGeneral.title");
    QTest::newRow("empty") << QByteArray() << title << QString() << 0 << QString();

    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator rng(1251);
    for (char& c : garbage)
        c = char(rng.bounded(256));
    QTest::newRow("binary garbage") << garbage << title << QString() << 0 << QString();

    QByteArray big = "[Form]\r\nLNG_180=Big\r\n";
    const QByteArray filler = "LNG_9999=" + QByteArray(200, 'x') + "\r\n";
    while (big.size() < 5 * 1024 * 1024)
        big += filler;
    big += "[Spisok_material]\r\nLNG_239=Last\r\n";
    QTest::newRow("5 MB") << big << title << "Big" << 0 << "Last";

    QTest::newRow("key repeated") << QByteArray(
                                         "[Form]\nLNG_180=First\nLNG_180=Second\nlng_180=Third\n")
                                  << title << "First" << 0 << QString();

    QTest::newRow("section repeated")
        << QByteArray("[Form]\nLNG_180=One\n[Spisok_material]\nLNG_239=M\n[form]\nLNG_180=Two\n"
                      "LNG_98=Weight\n")
        << title << "One" << 0 << "M";
    QTest::newRow("section repeated, later keys ignored")
        << QByteArray("[Form]\nLNG_180=One\n[FORM]\nLNG_98=Weight\n")
        << "frmGeneral.RzLabel72.caption" << QString() << 0 << QString();

    QTest::newRow("windows-1251") << tolvex::test::toWindows1251(QStringLiteral(
                                         "[Form]\r\nLNG_180=Толвекс версия\r\n[Spisok_material]\r\n"
                                         "LNG_277=Сталь конструкционная - 7,85\r\n"))
                                  << title << "Толвекс версия" << 38
                                  << "Сталь конструкционная - 7,85";

    QTest::newRow("utf-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF[Form]\nLNG_180=Ёж\n") << title << "Ёж" << 0 << QString();

    QTest::newRow("lines without =")
        << QByteArray("[Form]\nLNG_180\njust words\n=\n; LNG_98=comment\nLNG_98=Weight\n")
        << "frmGeneral.RzLabel72.caption"
        << "Weight" << 0 << QString();
    QTest::newRow("line without = leaves its key missing")
        << QByteArray("[Form]\nLNG_180\nLNG_98=Weight\n") << title << QString() << 0 << QString();

    const QString longValue(100000, QChar(0x0416));
    QTest::newRow("very long value") << QByteArray("[Form]\nLNG_180=" + longValue.toUtf8() + "\n")
                                     << title << longValue << 0 << QString();

    QTest::newRow("case of names")
        << QByteArray("[fOrM]\nlng_180=Small\n[SPISOK_MATERIAL]\nLnG_239=Any\n") << title << "Small"
        << 0 << "Any";

    QTest::newRow("quoted value keeps its blanks") << QByteArray("[Form]\nLNG_180=\"  spaced  \"\n")
                                                   << title << "  spaced  " << 0 << QString();

    QTest::newRow("no section") << QByteArray("LNG_180=Nowhere\n") << title << QString() << 0
                                << QString();
}

void TestLanguageFile::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, id);
    QFETCH(QString, expected);
    QFETCH(int, material);
    QFETCH(QString, materialText);

    const QString path = m_dir.filePath(QStringLiteral("bad.lng"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();

    const LanguagePlan plan = readLanguageFile(path);
    QVERIFY(plan.fileExists);
    QCOMPARE(plan.form.size(), qsizetype(formTargets().size()));
    QCOMPARE(plan.materials.size(), qsizetype(materialCount));
    QCOMPARE(plan.alloys.size(), qsizetype(alloyCount));
    QCOMPARE(plan.messages.size(), qsizetype(messages().size()));
    const qsizetype i = indexOf(id);
    QVERIFY(i >= 0);
    QCOMPARE(plan.form[i], expected);
    QCOMPARE(plan.materials[material], materialText);
}

void TestLanguageFile::missingKeysBlankTheirTargets()
{
    // LNG_74 is no key of the table: the square item stays blank, the sheet item is read.
    const QString path = m_dir.filePath(QStringLiteral("no74.lng"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[Form]\r\nLNG_74=Square\r\nLNG_82)=Sheet\r\nLNG_82=Square and sheet\r\n");
    f.close();
    const LanguagePlan plan = readLanguageFile(path);
    QCOMPARE(plan.form[indexOf(QStringLiteral("frmGeneral.RadioGroup3.item0"))], QString());
    QCOMPARE(plan.form[indexOf(QStringLiteral("frmGeneral.RadioGroup3.item1"))],
             QStringLiteral("Sheet"));
    QCOMPARE(plan.form[indexOf(QStringLiteral("frmGeneral.gbList.caption"))],
             QStringLiteral("Square and sheet"));
    QCOMPARE(plan.form[indexOf(QStringLiteral("frmGeneral.RzLabel72.caption"))], QString());

    // A file that does not exist reads as a file without keys.
    const LanguagePlan none = readLanguageFile(m_dir.filePath(QStringLiteral("none.lng")));
    QVERIFY(!none.fileExists);
    for (const QString& text : none.form + none.materials + none.alloys)
        QVERIFY(text.isEmpty());
}

void TestLanguageFile::ownTextOfATarget()
{
    const QString path = m_dir.filePath(QStringLiteral("own.lng"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[Form]\nLNG_172=Rhombus\nlng_172@form26.rzradiogroup2.CAPTION=Calculator\n"
            "LNG_34@frmVolume.Label40.caption=\n");
    f.close();
    const LanguagePlan plan = readLanguageFile(path);
    QCOMPARE(plan.form[indexOf(QStringLiteral("Form26.RzRadioGroup2.caption"))],
             QStringLiteral("Calculator"));
    QCOMPARE(plan.form[indexOf(QStringLiteral("Form6.TabSheet6.caption"))],
             QStringLiteral("Rhombus"));
    QCOMPARE(plan.form[indexOf(QStringLiteral("frmGeneral.N47.caption"))],
             QStringLiteral("Rhombus"));
    // An own key that is present but empty gives the empty text.
    QCOMPARE(plan.form[indexOf(QStringLiteral("frmVolume.Label40.caption"))], QString());
}

void TestLanguageFile::messagesNeverEmpty()
{
    const QString path = m_dir.filePath(QStringLiteral("msg.lng"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[Message]\nLNG_419=Not zero, please.\nLNG_421=\n");
    f.close();
    const LanguagePlan plan = readLanguageFile(path);
    QCOMPARE(plan.messages.size(), qsizetype(6));
    QCOMPARE(plan.messages[0], qMakePair(419, QStringLiteral("Not zero, please.")));
    QCOMPARE(plan.messages[1], qMakePair(421, builtInMessage(421)));
    QCOMPARE(plan.messages[5], qMakePair(425, QStringLiteral("Укажите вес трубы.")));
}

void TestLanguageFile::chooseFile_data()
{
    QTest::addColumn<bool>("russian");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("expected");
    QTest::newRow("russian") << true << false << "english.lng"
                             << "russian.lng";
    QTest::newRow("english") << false << true << ""
                             << "english.lng";
    QTest::newRow("both keep") << true << true << "english.lng"
                               << "english.lng";
    QTest::newRow("neither keep") << false << false << "russian.lng"
                                  << "russian.lng";
    QTest::newRow("neither, first time") << false << false << ""
                                         << "";
}

void TestLanguageFile::chooseFile()
{
    QFETCH(bool, russian);
    QFETCH(bool, english);
    QFETCH(QString, current);
    QFETCH(QString, expected);
    QCOMPARE(chooseLanguageFile(russian, english, current), expected);
}

void TestLanguageFile::locate()
{
    QTemporaryDir first, second;
    QFile(second.filePath(QStringLiteral("english.lng"))).open(QIODevice::WriteOnly);
    QDir(first.path()).mkdir(QStringLiteral("russian.lng")); // a folder is no file
    const QStringList folders = {first.path(), QString(), second.path()};
    QCOMPARE(locateLanguageFile(QStringLiteral("english.lng"), folders),
             second.filePath(QStringLiteral("english.lng")));
    QCOMPARE(locateLanguageFile(QStringLiteral("russian.lng"), folders), QString());
    QCOMPARE(locateLanguageFile(QString(), folders), QString());
    QFile(first.filePath(QStringLiteral("english.lng"))).open(QIODevice::WriteOnly);
    QCOMPARE(locateLanguageFile(QStringLiteral("english.lng"), folders),
             first.filePath(QStringLiteral("english.lng")));
}

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
