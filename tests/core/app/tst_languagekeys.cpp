#include "Windows1251.h"
#include "core/app/LanguageFile.h"
#include "core/app/LanguageKeys.h"
#include "core/materials/MaterialCatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvex::language;

// The key table and the two language files shipped with the program.
class TestLanguageKeys : public QObject
{
    Q_OBJECT
private slots:
    void countsPerWindow();
    void tableIntegrity();
    void spotTargets_data();
    void spotTargets();
    void listAndMessageKeys();
    void russianFileRestoresBuiltInTexts_data();
    void russianFileRestoresBuiltInTexts();
    void englishFileIsComplete();
    void englishNamesKeepTheirDensities();
    void englishWording_data();
    void englishWording();
};

namespace
{

QString shipped(const char* name)
{
    return QStringLiteral(TOLVEX_LANG_DIR "/") + QLatin1String(name);
}

const QRegularExpression& cyrillic()
{
    static const QRegularExpression re(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return re;
}

// The density written in an entry: the number after `dash` (first or last " - ").
double writtenDensity(const QString& text, bool last)
{
    const QString sep = QStringLiteral(" - ");
    const qsizetype at = last ? text.lastIndexOf(sep) : text.indexOf(sep);
    if (at < 0)
        return -1;
    QString rest = text.mid(at + 3).trimmed();
    rest = rest.section(QChar(' '), 0, 0);
    bool ok = false;
    const double v = rest.toDouble(&ok);
    return ok ? v : -1;
}

} // namespace

void TestLanguageKeys::countsPerWindow()
{
    const QStringList windows = targetWindows();
    QCOMPARE(windows, QStringList({"frmGeneral", "Form26", "Form6", "frmVolume", "Form5",
                                   "AboutBox", "frmMassUnits", "frmAreaUnits"}));
    const QList<int> expected = {191, 14, 127, 47, 11, 2, 20, 16};
    QList<int> counts(windows.size(), 0);
    int lastWindow = 0;
    for (const Target& t : formTargets()) {
        const int w = int(windows.indexOf(t.window));
        QVERIFY2(w >= 0, qPrintable(t.id()));
        QVERIFY2(w >= lastWindow, qPrintable("out of window order: " + t.id()));
        lastWindow = w;
        ++counts[w];
    }
    QCOMPARE(counts, expected);
    QCOMPARE(formTargets().size(), std::size_t(428));
}

void TestLanguageKeys::tableIntegrity()
{
    const QRegularExpression keyForm(QStringLiteral("^LNG_(\\d+)\\)?$"));
    QSet<QString> ids;
    QSet<QString> keys;
    for (const Target& t : formTargets()) {
        const auto m = keyForm.match(t.key);
        QVERIFY2(m.hasMatch(), qPrintable(t.key));
        const int n = m.captured(1).toInt();
        QVERIFY2((n >= 1 && n <= 238) || n == 427 || (n >= 500 && n <= 534), qPrintable(t.key));
        // Each text of a control is fed by one key at most.
        QVERIFY2(!ids.contains(t.id()), qPrintable("fed twice: " + t.id()));
        ids.insert(t.id());
        keys.insert(t.key);
        QCOMPARE(t.kind == TextKind::Item, t.item >= 0);
        QCOMPARE(t.kind == TextKind::Title, t.control.isEmpty());
        QVERIFY2(!t.builtIn.isEmpty(), qPrintable(t.id()));
        QCOMPARE(t.overrideKey(), t.key + QChar('@') + t.id());
    }
    // The two keys with a parenthesis are keys of their own.
    for (const char* k : {"LNG_74)", "LNG_82)", "LNG_82"})
        QVERIFY2(keys.contains(QLatin1String(k)), k);
    QVERIFY(!keys.contains(QStringLiteral("LNG_74")));
    QCOMPARE(keys.size(), 250);
}

void TestLanguageKeys::spotTargets_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("builtIn");
    QTest::newRow("first") << "frmGeneral.N4.caption"
                           << "LNG_8"
                           << "Алюминий и Медь";
    QTest::newRow("main title") << "frmGeneral.title"
                                << "LNG_180"
                                << "Tolvex версия 6.5";
    QTest::newRow("square item") << "frmGeneral.RadioGroup3.item0"
                                 << "LNG_74)"
                                 << "Квадрат";
    QTest::newRow("sheet item") << "frmGeneral.RadioGroup3.item1"
                                << "LNG_82)"
                                << "Лист";
    QTest::newRow("group") << "frmGeneral.gbList.caption"
                           << "LNG_82"
                           << "Квадрат и лист";
    QTest::newRow("hint") << "frmGeneral.RzBitBtn16.hint"
                          << "LNG_39"
                          << "Вычисление количества по общему весу";
    QTest::newRow("label hint") << "frmGeneral.RzLabel60.hint"
                                << "LNG_140"
                                << "При вычислениях взята плотность стали - 7,85";
    QTest::newRow("last main") << "frmGeneral.RzLabel19.caption"
                               << "LNG_427"
                               << "Количество кв.м.";
    QTest::newRow("pressure") << "Form26.RzRadioGroup2.caption"
                              << "LNG_172"
                              << "Калькулятор";
    QTest::newRow("tab page") << "Form6.TabSheet17.caption"
                              << "LNG_174"
                              << "Сектор ";
    QTest::newRow("latin a") << "Form6.Label3.caption"
                             << "LNG_101"
                             << "Основание, a:";
    QTest::newRow("cyrillic a") << "Form6.Label67.caption"
                                << "LNG_101"
                                << "Основание, а:";
    QTest::newRow("flat item") << "Form6.RzRadioGroup6.item2"
                               << "LNG_125"
                               << "По диаметру и ширине кольца";
    QTest::newRow("pipe diameter unit") << "frmGeneral.RzLabel42.caption"
                                        << "LNG_89"
                                        << "мм.";
    QTest::newRow("annular sector compute") << "Form6.RzBitBtn20.caption"
                                            << "LNG_41"
                                            << "Вычислить";
    QTest::newRow("annular sector clear") << "Form6.RzBitBtn21.caption"
                                          << "LNG_103"
                                          << "Очистить всё";
    QTest::newRow("solids title") << "frmVolume.title"
                                  << "LNG_100"
                                  << "Объёмные фигуры";
    QTest::newRow("hook") << "Form5.RzLabel3.caption"
                          << "LNG_79"
                          << "Коэффициент запаcа прочности, s";
    QTest::newRow("about title") << "AboutBox.title"
                                 << "LNG_94"
                                 << "Об авторе.";
    QTest::newRow("last") << "frmAreaUnits.RzRadioGroup1.item13"
                          << "LNG_534"
                          << " Квадратная миля";
}

void TestLanguageKeys::spotTargets()
{
    QFETCH(QString, id);
    QFETCH(QString, key);
    QFETCH(QString, builtIn);
    const auto& table = formTargets();
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const Target& t) { return t.id() == id; });
    QVERIFY2(it != table.end(), qPrintable(id));
    QCOMPARE(it->key, key);
    QCOMPARE(it->builtIn, builtIn);
    if (id == QLatin1String("frmGeneral.N4.caption"))
        QCOMPARE(&*it, &table.front());
    if (id == QLatin1String("frmAreaUnits.RzRadioGroup1.item13"))
        QCOMPARE(&*it, &table.back());
}

void TestLanguageKeys::listAndMessageKeys()
{
    QCOMPARE(materialKey(0), QStringLiteral("LNG_239"));
    QCOMPARE(materialKey(materialCount - 1), QStringLiteral("LNG_290"));
    QCOMPARE(alloyKey(0), QStringLiteral("LNG_291"));
    QCOMPARE(alloyKey(alloyCount - 1), QStringLiteral("LNG_416"));
    QList<int> numbers;
    for (const Message& m : messages()) {
        numbers << m.number;
        QVERIFY(!m.builtIn.isEmpty());
        QCOMPARE(builtInMessage(m.number), m.builtIn);
    }
    QCOMPARE(numbers, QList<int>({419, 421, 422, 423, 424, 425}));
    QCOMPARE(builtInMessage(420), QString());
    QCOMPARE(messageKey(419), QStringLiteral("LNG_419"));
    QCOMPARE(builtInMessage(419), QStringLiteral("Введите значение, отличное от нуля."));
}

void TestLanguageKeys::russianFileRestoresBuiltInTexts_data()
{
    QTest::addColumn<bool>("windows1251");
    QTest::newRow("utf-8, as shipped") << false;
    QTest::newRow("windows-1251") << true;
}

void TestLanguageKeys::russianFileRestoresBuiltInTexts()
{
    QFETCH(bool, windows1251);
    QString path = shipped("russian.lng");
    QTemporaryDir dir;
    if (windows1251) {
        QFile in(path);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = tolvex::test::toWindows1251(QString::fromUtf8(in.readAll()));
        QVERIFY(!bytes.isEmpty());
        path = dir.filePath(QStringLiteral("russian.lng"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    const LanguagePlan plan = readLanguageFile(path);
    QVERIFY(plan.fileExists);
    const auto& table = formTargets();
    QCOMPARE(plan.form.size(), qsizetype(table.size()));
    for (std::size_t i = 0; i < table.size(); ++i)
        QVERIFY2(plan.form[qsizetype(i)] == table[i].builtIn,
                 qPrintable(table[i].id() + ": " + plan.form[qsizetype(i)]));
    const auto& m = tolvex::materials::materials();
    const auto& a = tolvex::materials::alloys();
    QCOMPARE(plan.materials.size(), qsizetype(m.size()));
    QCOMPARE(plan.alloys.size(), qsizetype(a.size()));
    for (std::size_t i = 0; i < m.size(); ++i)
        QCOMPARE(plan.materials[qsizetype(i)], m[i].text);
    for (std::size_t i = 0; i < a.size(); ++i)
        QCOMPARE(plan.alloys[qsizetype(i)], a[i].text);
    QCOMPARE(plan.materials[34], QStringLiteral("Платина - 21,35 (21,2 - 21,5)"));
    QCOMPARE(plan.materials[1], QStringLiteral("Алюминий - 2,6889 "));
    for (const auto& [number, text] : plan.messages)
        QCOMPARE(text, builtInMessage(number));
}

void TestLanguageKeys::englishFileIsComplete()
{
    const LanguagePlan plan = readLanguageFile(shipped("english.lng"));
    QVERIFY(plan.fileExists);
    const auto& table = formTargets();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const QString& text = plan.form[qsizetype(i)];
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(table[i].id()));
        QVERIFY2(!text.contains(cyrillic()), qPrintable(table[i].id() + ": " + text));
    }
    QStringList all = plan.materials + plan.alloys;
    for (const auto& [number, text] : plan.messages) {
        all << text;
        QVERIFY(text != builtInMessage(number));
    }
    for (const QString& text : all) {
        QVERIFY(!text.trimmed().isEmpty());
        QVERIFY2(!text.contains(cyrillic()), qPrintable(text));
    }
    // The targets that share a key with targets of another meaning get their own text.
    const auto textOf = [&](const QString& id) {
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].id() == id)
                return plan.form[qsizetype(i)];
        return QString();
    };
    QCOMPARE(textOf(QStringLiteral("Form26.RzRadioGroup2.caption")), QStringLiteral("Calculator"));
    QCOMPARE(textOf(QStringLiteral("Form6.TabSheet6.caption")), QStringLiteral("Rhombus"));
    QCOMPARE(textOf(QStringLiteral("Form6.Label101.caption")), QStringLiteral("Diameter, d:"));
    QCOMPARE(textOf(QStringLiteral("frmVolume.Label40.caption")),
             QStringLiteral("Segment height:"));
    QCOMPARE(textOf(QStringLiteral("frmGeneral.title")), QStringLiteral("Tolvex version 6.5"));
}

// The English texts of a few controls, as an engineer writing English would word them.
void TestLanguageKeys::englishWording_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("angle size label") << "frmGeneral.RzLabel33.caption"
                                      << "Angle size:";
    QTest::newRow("pipe diameter unit") << "frmGeneral.RzLabel42.caption"
                                        << "mm";
    QTest::newRow("per-metre length") << "frmGeneral.RzLabel71.caption"
                                      << "Length, m";
    QTest::newRow("plate area") << "frmGeneral.RzLabel14.caption"
                                << "Area, m²";
    QTest::newRow("square hollow section") << "frmGeneral.gbTrubaKvadrat.caption"
                                           << "Square hollow section";
    QTest::newRow("hook thread pitch") << "Form5.RzLabel4.caption"
                                       << "Thread pitch p, mm";
    QTest::newRow("steel density note") << "frmGeneral.RzLabel60.hint"
                                        << "Steel density 7.85 g/cm³ assumed";
    QTest::newRow("spherical zone") << "frmGeneral.N71.caption"
                                    << "Spherical zone";
}

void TestLanguageKeys::englishWording()
{
    QFETCH(QString, id);
    QFETCH(QString, text);
    const LanguagePlan plan = readLanguageFile(shipped("english.lng"));
    const auto& table = formTargets();
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const Target& t) { return t.id() == id; });
    QVERIFY2(it != table.end(), qPrintable(id));
    QCOMPARE(plan.form[qsizetype(it - table.begin())], text);
}

void TestLanguageKeys::englishNamesKeepTheirDensities()
{
    const LanguagePlan plan = readLanguageFile(shipped("english.lng"));
    const auto& m = tolvex::materials::materials();
    for (std::size_t i = 0; i < m.size(); ++i) {
        const QString& text = plan.materials[qsizetype(i)];
        if (m[i].isGroup())
            QVERIFY2(text.endsWith(QStringLiteral("(choose from list)")), qPrintable(text));
        else
            QVERIFY2(qFuzzyCompare(writtenDensity(text, false), m[i].density), qPrintable(text));
    }
    const auto& a = tolvex::materials::alloys();
    for (std::size_t i = 0; i < a.size(); ++i) {
        const QString& text = plan.alloys[qsizetype(i)];
        QVERIFY2(qFuzzyCompare(writtenDensity(text, true), a[i].density), qPrintable(text));
    }
    QCOMPARE(plan.materials[38], QStringLiteral("Structural steel - 7.85"));
    QCOMPARE(plan.alloys[88],
             QStringLiteral("Extruded and drawn brass GOST 2060-73 LS59-1 - 8.45"));
    QVERIFY(plan.alloys[0].contains(QStringLiteral(" AL1 - ")));
}

QTEST_GUILESS_MAIN(TestLanguageKeys)
#include "tst_languagekeys.moc"
