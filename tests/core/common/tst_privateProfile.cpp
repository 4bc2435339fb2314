#include "core/app/Configuration.h"
#include "core/common/PrivateProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvex;

class PrivateProfileTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    void write(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray read(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray base = "[Preferens]\r\nSpisok_material=Медь - 8,96\r\n[Language]\r\n"
                                "russian=1\r\nEnglish=0\r\n";
        QTest::newRow("plain") << base << "Preferens"
                               << "Spisok_material"
                               << "Медь - 8,96";
        QTest::newRow("key case") << base << "LANGUAGE"
                                  << "Russian"
                                  << "1";
        QTest::newRow("missing key") << base << "Language"
                                     << "deutsch"
                                     << "<none>";
        QTest::newRow("missing section") << base << "Network"
                                         << "Email"
                                         << "<none>";
        QTest::newRow("first key wins") << QByteArray("[a]\nk=1\nK=2\n") << "a"
                                        << "k"
                                        << "1";
        QTest::newRow("first section wins") << QByteArray("[a]\nk=1\n[A]\nk=2\nm=3\n") << "a"
                                            << "m"
                                            << "<none>";
        QTest::newRow("Cyrillic names fold") << QByteArray("[Раздел]\nКЛЮЧ=да\n") << "раздел"
                                             << "ключ"
                                             << "да";
        QTest::newRow("windows-1251")
            << QByteArray("[Preferens]\r\nSpisok_material=\xcc\xe5\xe4\xfc - 8,96\r\n")
            << "Preferens"
            << "Spisok_material"
            << "Медь - 8,96";
        QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF[s]\nk=v\n") << "s"
                                   << "k"
                                   << "v";
        QTest::newRow("line without equals") << QByteArray("[s]\njunk\nk=v\n") << "s"
                                             << "k"
                                             << "v";
        QTest::newRow("value with equals") << QByteArray("[s]\nk=a=b\n") << "s"
                                           << "k"
                                           << "a=b";
        QTest::newRow("quoted value") << QByteArray("[s]\nk=\" x \"\n") << "s"
                                      << "k"
                                      << " x ";
        QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[\x01]=\x02\n", 9) << "s"
                                        << "k"
                                        << "<none>";
        QTest::newRow("empty") << QByteArray() << "s"
                               << "k"
                               << "<none>";
    }
    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString file = path("read.ini");
        write(file, content);
        QCOMPARE(PrivateProfile::readString(file, section, key, QStringLiteral("<none>")),
                 expected);
    }

    void writeKeepsOtherLines()
    {
        const QString file = path("keep.ini");
        write(file, "; comment\r\n[Language]\r\nRussian=1\r\nEnglish=0\r\n\r\n[Other]\r\nx=y\r\n");
        QVERIFY(PrivateProfile::writeString(file, "language", "russian", "0"));
        QVERIFY(PrivateProfile::writeString(file, "Language", "Extra", "z"));
        QVERIFY(PrivateProfile::writeString(file, "Network", "Email", "0"));
        QCOMPARE(read(file), QByteArray("; comment\r\n[Language]\r\nrussian=0\r\nEnglish=0\r\n"
                                        "Extra=z\r\n\r\n[Other]\r\nx=y\r\n\r\n[Network]\r\n"
                                        "Email=0\r\n"));
    }

    void writeCreatesFile()
    {
        const QString file = path("sub/new.ini");
        QVERIFY(PrivateProfile::writeString(file, "Network", "Email", "0"));
        QCOMPARE(read(file), QByteArray("[Network]\r\nEmail=0\r\n"));
    }

    void writeKeepsWindows1251TextAsUtf8()
    {
        const QString file = path("cp.ini");
        write(file, "[Preferens]\r\nSpisok_material=\xcc\xe5\xe4\xfc - 8,96\r\n");
        QVERIFY(PrivateProfile::writeString(file, "Network", "Email", "1"));
        QCOMPARE(PrivateProfile::readString(file, "Preferens", "Spisok_material"),
                 QStringLiteral("Медь - 8,96"));
        QCOMPARE(PrivateProfile::readString(file, "Network", "Email"), QStringLiteral("1"));
    }

    void largeFile()
    {
        const QString file = path("large.ini");
        QByteArray big = "[Network]\nEmail=1\n[Junk]\n";
        while (big.size() < 5 * 1024 * 1024)
            big += "key_with_some_length=value with some length too\n";
        write(file, big);
        QCOMPARE(PrivateProfile::readString(file, "network", "email"), QStringLiteral("1"));
        QVERIFY(PrivateProfile::writeString(file, "Preferens", "Spisok_material", "x"));
        QCOMPARE(PrivateProfile::readString(file, "Preferens", "Spisok_material"),
                 QStringLiteral("x"));
        QVERIFY(read(file).size() > 5 * 1024 * 1024);
    }

    // The start-up read of tolvex.ini: a language key that is present decides its
    // mark; a missing one keeps the built-in mark ("Русский" checked).
    void startupMarks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("russian");
        QTest::addColumn<bool>("english");
        QTest::newRow("after the first run")
            << QByteArray("[Network]\r\nEmail=0\r\n") << true << false;
        QTest::newRow("Russian chosen")
            << QByteArray("[Language]\r\nRussian=1\r\nEnglish=0\r\n") << true << false;
        QTest::newRow("English chosen")
            << QByteArray("[Language]\r\nrussian=0\r\nenglish=1\r\n") << false << true;
        QTest::newRow("both 1") << QByteArray("[Language]\r\nrussian=1\r\nenglish=1\r\n") << true
                                << true;
        QTest::newRow("both 0") << QByteArray("[Language]\r\nrussian=0\r\nenglish=0\r\n") << false
                                << false;
        QTest::newRow("not an integer")
            << QByteArray("[Language]\r\nrussian=x\r\n") << false << false;
    }
    void startupMarks()
    {
        QFETCH(QByteArray, content);
        const QTemporaryDir folder;
        write(QDir(folder.path()).filePath("tolvex.ini"), content);
        const Configuration::Startup s = Configuration(folder.path()).readStartup();
        QVERIFY(s.fileExisted);
        QTEST(s.russian, "russian");
        QTEST(s.english, "english");
        QCOMPARE(s.languageSaved, QTest::currentDataTag() != QByteArray("after the first run"));
    }

    void unwritableFolderFailsQuietly()
    {
        QVERIFY(
            !PrivateProfile::writeString(QStringLiteral("/proc/tolvex-test/x.ini"), "a", "b", "c"));
    }
};

QTEST_GUILESS_MAIN(PrivateProfileTest)
#include "tst_privateProfile.moc"
