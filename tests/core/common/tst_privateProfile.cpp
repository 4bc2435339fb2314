#include "core/app/Configuration.h"
#include "core/common/PrivateProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

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
        QTest::newRow("a mark inside is text") << QByteArray("[s]\n\xEF\xBB\xBFk=v\nk=w\n") << "s"
                                               << "k"
                                               << "w";
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

    // A write changes its own line (or adds one, with its section header) and leaves
    // every other byte: encoding, byte-order mark, line ends, comments, repeats.
    void writeChangesOnlyItsLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("windows-1251 stays windows-1251")
            << QByteArray("[Preferens]\r\nSpisok_material=\xcc\xe5\xe4\xfc - 8,96\r\n")
            << "Preferens"
            << "Spisok_material"
            << "Олово - 7,3"
            << QByteArray("[Preferens]\r\nSpisok_material=\xce\xeb\xee\xe2\xee - 7,3\r\n");
        QTest::newRow("utf-8 with byte-order mark, LF")
            << QByteArray("\xEF\xBB\xBF; мой файл\n[Language]\nrussian=1\n") << "Language"
            << "english"
            << "0" << QByteArray("\xEF\xBB\xBF; мой файл\n[Language]\nrussian=1\nenglish=0\n");
        QTest::newRow("mixed line ends, no final one")
            << QByteArray("[a]\rx=1\r\n[b]\ny=2") << "b"
            << "z"
            << "3" << QByteArray("[a]\rx=1\r\n[b]\ny=2\rz=3\r");
        QTest::newRow("section twice, key twice")
            << QByteArray("[Network]\r\nEmail=5\r\nemail=6\r\n[network]\r\nEmail=7\r\n")
            << "Network"
            << "Email"
            << "1" << QByteArray("[Network]\r\nEmail=1\r\nemail=6\r\n[network]\r\nEmail=7\r\n");
        QTest::newRow("foreign sections and comments")
            << QByteArray("[Other]\r\n; keep=me\r\nx = \"q\"\r\n\r\n\r\n[Preferens]\r\n"
                          "; note\r\n")
            << "Other"
            << "y"
            << "2"
            << QByteArray("[Other]\r\n; keep=me\r\nx = \"q\"\r\ny=2\r\n\r\n\r\n[Preferens]\r\n"
                          "; note\r\n");
        QTest::newRow("invalid utf-8 junk, new section")
            << QByteArray("\xff\xfe\x00junk\x80", 8) << "Network"
            << "Email"
            << "0" << QByteArray("\xff\xfe\x00junk\x80\r\n\r\n[Network]\r\nEmail=0\r\n", 32);
        QTest::newRow("a character windows-1251 lacks turns the file to utf-8")
            << QByteArray("[s]\r\nk=\xcc\xe5\xe4\xfc\r\n") << "s"
            << "m"
            << "€ ≈ 1" << QByteArray("[s]\r\nk=Медь\r\nm=€ ≈ 1\r\n");
        QTest::newRow("a new section windows-1251 lacks, a value it has")
            << QByteArray("k=\xcc\xe5\xe4\xfc\n") << "≈"
            << "k"
            << "Олово" << QByteArray("k=Медь\n\n[≈]\nk=Олово\n");
    }
    void writeChangesOnlyItsLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QString file = path("edit.ini");
        write(file, before);
        QVERIFY(PrivateProfile::writeString(file, section, key, value));
        QTEST(read(file), "after");
        QCOMPARE(PrivateProfile::readString(file, section, key), value);
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

    // Settings files that are not what they should be. The file beside the program is
    // never damaged: a save goes to the user's folder, or fails whole and the user is
    // told once.
    void configurationFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("userFolder"); // the settings moved to the user's folder
        QTest::addColumn<bool>("saved");
        QTest::newRow("a folder named tolvex.ini") << "folder" << true << true;
        QTest::newRow("read-only file") << "read-only file" << true << true;
        QTest::newRow("read-only program folder") << "read-only folder" << true << true;
        QTest::newRow("larger than any settings file") << "too large" << false << false;
        QTest::newRow("save fails half-way") << "half-way" << false << false;
        QTest::newRow("nowhere to write") << "nowhere" << true << false;
    }
    void configurationFaults()
    {
        QFETCH(QString, fault);
        QFETCH(bool, userFolder);
        QFETCH(bool, saved);
        QTemporaryDir program, config;
        const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME",
                fault == "nowhere" ? QByteArray("/proc/tolvex") : config.path().toLocal8Bit());
        const QString folder = fault == "nowhere" ? QStringLiteral("/proc") : program.path();
        const QString ini = QDir(folder).filePath("tolvex.ini");
        QByteArray original = "; mine\r\n[Preferens]\r\nSpisok_material=Медь - 8,96\r\n";
        if (fault == "too large")
            original += QByteArray(PrivateProfile::MaximumSize, ';');
        if (fault == "half-way")
            original += QByteArray(64 * 1024, ';');
        if (fault == "folder")
            QVERIFY(QDir(folder).mkdir("tolvex.ini"));
        else if (fault != "nowhere")
            write(ini, original);
        if (fault == "read-only file")
            QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup));
        if (fault == "read-only folder")
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

        Configuration c(folder);
        QCOMPARE(c.path() != ini, userFolder);
        // A save that runs out of room half-way (here: past the largest file allowed).
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        if (fault == "half-way") {
            std::signal(SIGXFSZ, SIG_IGN);
            limit.rlim_cur = 16 * 1024;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const bool first = c.writeMaterial(QStringLiteral("Олово - 7,3"));
        const bool second = c.writeLanguage(false);
        setrlimit(RLIMIT_FSIZE, &before);
        QCOMPARE(first, saved);
        QCOMPARE(second, saved);
        // This run goes on with what the user chose, saved or not.
        QCOMPARE(c.readStartup().material, QStringLiteral("Олово - 7,3"));
        QCOMPARE(c.readStartup().english, true);
        // Told once, in the language chosen last.
        const QString notice = c.takeFailureNotice();
        QCOMPARE(notice.startsWith("The settings could not be saved to "), !saved);
        QVERIFY(c.takeFailureNotice().isEmpty());
        if (saved)
            QCOMPARE(Configuration(folder).readStartup().material, QStringLiteral("Олово - 7,3"));
        if (fault != "folder" && fault != "nowhere")
            QCOMPARE(read(ini), original);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", previousConfig);
    }

    void unwritableFolderFailsQuietly()
    {
        QVERIFY(
            !PrivateProfile::writeString(QStringLiteral("/proc/tolvex-test/x.ini"), "a", "b", "c"));
    }
};

QTEST_GUILESS_MAIN(PrivateProfileTest)
#include "tst_privateProfile.moc"
