// Time of every calculation as a user starts it: every "=" and "Вычислить" button of
// every window of the program, pressed with ordinary values (40 in each number field,
// the first item of each list). Run by hand: bench_calculations [presses per button]
// (offscreen by default). Boxes that a press brings up are answered at once and counted.

#include "ui/app/TfrmGeneral.h"
#include "ui/app/startup.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

bool computes(const QAbstractButton* b)
{
    const QString t = b->text().remove(QChar('&')).trimmed();
    return t == QStringLiteral("=") || t == QStringLiteral("Вычислить");
}

// Ordinary values: 40 in every number field, a first item in every list and radio set.
void fill(QWidget* window)
{
    for (tolvex::NumericEdit* e : window->findChildren<tolvex::NumericEdit*>())
        if (e->isEnabled() && !e->isReadOnly())
            e->setText(QStringLiteral("40"));
    for (QComboBox* box : window->findChildren<QComboBox*>())
        if (box->count() > 0 && box->currentIndex() < 0)
            box->setCurrentIndex(0);
    for (QRadioButton* r : window->findChildren<QRadioButton*>())
        if (r->autoExclusive() && r->group() == nullptr && !r->isChecked() &&
            r->parentWidget()
                    ->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)
                    .indexOf(r) == 0)
            r->setChecked(true);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("TOLVEX_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    int boxes = 0;
    tolvex::setMessageBoxHook([&boxes](const QString&, const QString&, QMessageBox::Icon) {
        ++boxes;
        return int(QMessageBox::Ok);
    });
    tolvex::startApplication({});
    qobject_cast<tolvex::TfrmGeneral*>(tolvex::findWindow(QStringLiteral("frmGeneral")))
        ->setOnlineTest([] { return false; }); // no subscription prompt at the end
    // A button that opens a dialog of its own: the dialog is closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "closed %s\n", qPrintable(modal->objectName()));
            modal->close();
        }
    });
    closer.start(50);

    struct Row {
        QString window;
        int buttons = 0;
        double worstMedian = 0;
        double worst = 0;
    };
    std::vector<Row> rows;
    int answered = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName().isEmpty())
            continue;
        QWidget* window = tolvex::findWindow(top->objectName()); // built, as when shown
        if (!window)
            continue;
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (computes(b) && b->isEnabled())
                buttons << b;
        if (buttons.isEmpty())
            continue;
        fill(window);
        Row row{window->objectName(), int(buttons.size())};
        for (QAbstractButton* b : buttons) {
            std::vector<double> ms;
            for (int i = 0; i < presses; ++i) {
                const int before = boxes;
                QElapsedTimer timer;
                timer.start();
                b->click();
                ms.push_back(double(timer.nsecsElapsed()) / 1e6);
                answered += boxes - before;
            }
            std::sort(ms.begin(), ms.end());
            row.worstMedian = std::max(row.worstMedian, ms[ms.size() / 2]);
            row.worst = std::max(row.worst, ms.back());
        }
        rows.push_back(row);
    }
    std::printf("%-16s %8s %18s %12s\n", "window", "buttons", "slowest median ms", "slowest ms");
    for (const Row& r : rows)
        std::printf("%-16s %8d %18.3f %12.3f\n", qPrintable(r.window), r.buttons, r.worstMedian,
                    r.worst);
    std::printf("%d presses per button; %d of them brought up a box (answered at once)\n", presses,
                answered);
    tolvex::setMessageBoxHook({});
    tolvex::stopApplication();
    return 0;
}
