// Time to apply a language: reading the file, every target of the key table and
// both material lists. Run by hand: bench_languard [runs] [--built]
// (with --built every window has built its controls first, as after a session in
// which the user opened them all; without, hidden windows take their texts later).
// (offscreen by default; the shipped language files are copied to a temporary folder).

#include "ui/app/TfrmGeneral.h"
#include "ui/app/startup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("TOLVEX_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const bool built = argc > 2 && QByteArray(argv[2]) == "--built";

    const QDir languages(QStringLiteral(TOLVEX_LANG_DIR));
    for (const char* name : {"russian.lng", "english.lng"})
        if (!QFile::copy(languages.filePath(QLatin1String(name)),
                         QDir(home.path()).filePath(QLatin1String(name)))) {
            std::fprintf(stderr, "cannot copy %s from %s\n", name,
                         qPrintable(languages.absolutePath()));
            return 1;
        }

    tolvex::startApplication({});
    auto* main =
        qobject_cast<tolvex::TfrmGeneral*>(tolvex::findWindow(QStringLiteral("frmGeneral")));
    main->setOnlineTest([] { return false; }); // no subscription prompt at the end
    if (built)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!w->objectName().isEmpty())
                tolvex::findWindow(w->objectName()); // builds what waits for a show
    std::vector<double> english, russian;
    for (int i = 0; i < runs; ++i) {
        const bool toEnglish = i % 2 == 0;
        main->russianItem()->setChecked(!toEnglish);
        main->englishItem()->setChecked(toEnglish);
        QElapsedTimer timer;
        timer.start();
        main->Languard();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        (toEnglish ? english : russian).push_back(ms);
        app.processEvents();
    }
    const auto report = [](const char* name, std::vector<double> v) {
        std::sort(v.begin(), v.end());
        double sum = 0;
        for (double x : v)
            sum += x;
        std::printf("%-8s runs %4zu  min %7.2f ms  median %7.2f ms  mean %7.2f ms  max %7.2f ms\n",
                    name, v.size(), v.front(), v[v.size() / 2], sum / double(v.size()), v.back());
    };
    report("english", english);
    if (!russian.empty())
        report("russian", russian);
    tolvex::stopApplication();
    return 0;
}
