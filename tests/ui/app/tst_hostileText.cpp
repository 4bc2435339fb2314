// Every number field of every window against hostile text: the program is started as
// a user starts it, every window it made is walked, each editable number field gets
// each text of the table, and every computing button of the field's panel or page is
// pressed. Nothing may crash or hang; nothing may show "inf", "NaN" or a number beyond
// what a field holds (a double); a refused input gives a message box and leaves the
// results as they were; a text that is no number is never taken silently.

#include "TestSupport.h"
#include "core/common/NumberText.h"
#include "ui/app/GroupBar.h"
#include "ui/calculators/CalculatorPanel.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"
#include "ui/common/ReportBox.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <limits>

using namespace tolvex;
using namespace tolvex::test;

namespace
{

// Windows whose dimension fields read a text that is no number as 0 (the flat blanks
// and the solids); every other window refuses such a text with a box or ignores it.
const QStringList ReadsAsZero = {QStringLiteral("Form6"), QStringLiteral("frmVolume")};

// A panel or a page: a calculator panel, a tab page, or else the window itself.
QWidget* scopeOf(QWidget* w, QWidget* window)
{
    for (QWidget* p = w; p && p != window; p = p->parentWidget())
        if (qobject_cast<CalculatorPanel*>(p) || qobject_cast<QStackedWidget*>(p->parentWidget()))
            return p;
    return window;
}

bool isNumberField(QLineEdit* e)
{
    for (QWidget* p = e->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p))
            return false;
    return qobject_cast<NumericEdit*>(e) || e->validator();
}

bool computes(const QAbstractButton* b)
{
    const QString t = b->text().remove(QChar('&')).trimmed();
    return t == QStringLiteral("=") || t == QStringLiteral("Вычислить");
}

// Brings every page that holds `w` to the front.
void showPagesOf(QWidget* w)
{
    for (QWidget* p = w; p && !p->isWindow(); p = p->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(p->parentWidget()))
            stack->setCurrentWidget(p);
}

// Makes the window ready to compute: every visible list without a choice gets its
// first item, every visible radio set without a choice its first item.
void chooseDefaults(QWidget* window)
{
    for (int pass = 0; pass < 3; ++pass) {
        for (QComboBox* box : window->findChildren<QComboBox*>())
            if (box->isEnabled() && box->isVisibleTo(window) && box->count() > 0 &&
                box->currentIndex() < 0)
                pick(box, 0);
        QHash<QObject*, QList<QRadioButton*>> sets;
        for (QRadioButton* r : window->findChildren<QRadioButton*>())
            if (r->isVisibleTo(window) && r->isEnabled())
                sets[r->group() ? static_cast<QObject*>(r->group()) : r->parent()] << r;
        for (const QList<QRadioButton*>& set : std::as_const(sets))
            if (std::none_of(set.begin(), set.end(), [](auto* r) { return r->isChecked(); }))
                set.front()->click();
    }
}

// "inf", "infinity" or "nan" as a word of their own, in any case.
const QRegularExpression NonFinite(
    QStringLiteral("(?<![\\p{L}\\p{N}_])(inf(inity)?|nan)(?![\\p{L}\\p{N}_])"),
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);

// A number in the exponent form beyond the range of a double (what a field holds).
const QRegularExpression Exponent(QStringLiteral("[-+]?[0-9]+(?:,[0-9]*)?E[-+]?[0-9]+"));

bool beyondDouble(const QString& text)
{
    for (const QRegularExpressionMatch& m : Exponent.globalMatch(text)) {
        const auto v = parseNumber(m.captured(), QChar(','));
        if (!v || std::fabs(*v) > std::numeric_limits<double>::max())
            return true;
    }
    return false;
}

using Snapshot = QStringList;

struct Field {
    QLineEdit* edit;
    QList<QAbstractButton*> context; // clicked first to reach the field (a group, a radio item)
    QList<QAbstractButton*> buttons;
};

struct Walk {
    QWidget* window;
    QList<QWidget*> tracked; // fields, labels and report boxes
    QList<QLineEdit*> fields;
    QList<Field> entries;
};

QString textOf(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* r = qobject_cast<ReportBox*>(w))
        return r->report();
    return static_cast<QPlainTextEdit*>(w)->toPlainText();
}

void setTextOf(QWidget* w, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* r = qobject_cast<ReportBox*>(w))
        r->setReport(text);
    else
        static_cast<QPlainTextEdit*>(w)->setPlainText(text);
}

// The first widget whose text differs, for the fault message.
QString changed(const Walk& walk, const Snapshot& was, const Snapshot& is)
{
    for (qsizetype i = 0; i < is.size(); ++i)
        if (was[i] != is[i])
            return walk.tracked[i]->objectName() + " «" + was[i].left(60) + "» became «" +
                   is[i].left(60) + "»";
    return {};
}

} // namespace

class HostileText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sweep_data();
    void sweep();

private:
    Snapshot snapshot(const Walk& walk) const;
    void restore(const Walk& walk, const Snapshot& s) const;
    // Reaches the field, gives every number field of the window a value; the state then.
    Snapshot prepare(const Walk& walk, const Field& f) const;
    void collect(Walk& walk);

    ProgramFolder m_folder;
    std::unique_ptr<RunningProgram> m_program;
    std::unique_ptr<ModalWatcher> m_watcher;
    QList<Walk> m_walks;
    QHash<QLineEdit*, Snapshot> m_start;
    QHash<QPair<QLineEdit*, QAbstractButton*>, Snapshot> m_baseline, m_zero;
    int m_boxes = 0, m_windows = 0;
    qint64 m_presses = 0, m_cases = 0;
    QElapsedTimer m_clock;
};

Snapshot HostileText::snapshot(const Walk& walk) const
{
    Snapshot s;
    s.reserve(walk.tracked.size());
    for (QWidget* w : walk.tracked)
        s << textOf(w);
    return s;
}

void HostileText::restore(const Walk& walk, const Snapshot& s) const
{
    for (qsizetype i = 0; i < walk.tracked.size(); ++i)
        if (textOf(walk.tracked[i]) != s[i])
            setTextOf(walk.tracked[i], s[i]);
}

Snapshot HostileText::prepare(const Walk& walk, const Field& f) const
{
    for (QAbstractButton* b : f.context)
        b->click();
    showPagesOf(f.edit);
    chooseDefaults(walk.window);
    // Sensible sizes: the first field of a panel 40, then 20, 2, and 1 for the rest.
    static const QStringList values = {"40", "20", "2"};
    QHash<QWidget*, int> perScope;
    for (QLineEdit* e : walk.fields)
        if (!e->isReadOnly())
            e->setText(values.value(perScope[scopeOf(e, walk.window)]++, QStringLiteral("1")));
    return snapshot(walk);
}

// The number fields of a window and how to reach each: as it stands, after opening a
// group, or after choosing a radio item.
void HostileText::collect(Walk& walk)
{
    QWidget* window = walk.window;
    // Every group opened once first: a panel may be built when its group first opens.
    QList<QAbstractButton*> groups;
    for (QToolButton* b : window->findChildren<QToolButton*>())
        if (qobject_cast<GroupBar*>(b->parentWidget()))
            groups << b;
    for (QAbstractButton* g : std::as_const(groups))
        g->click();
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        walk.tracked << e;
        if (isNumberField(e))
            walk.fields << e;
    }
    for (QLabel* l : window->findChildren<QLabel*>())
        walk.tracked << l;
    for (QPlainTextEdit* p : window->findChildren<QPlainTextEdit*>())
        walk.tracked << p;
    if (walk.fields.isEmpty())
        return;

    // As it stands; a group opened; a radio item chosen, also in an opened group.
    QList<QList<QAbstractButton*>> contexts = {{}};
    for (QAbstractButton* g : std::as_const(groups))
        contexts.append({g});
    for (QRadioButton* r : window->findChildren<QRadioButton*>()) {
        contexts.append({r});
        for (QAbstractButton* g : std::as_const(groups))
            contexts.append({g, r});
    }
    QList<QAbstractButton*> computing;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (computes(b) && b->isEnabled())
            computing << b;

    QSet<QLineEdit*> reached;
    for (const QList<QAbstractButton*>& context : std::as_const(contexts)) {
        for (QLineEdit* e : std::as_const(walk.fields)) {
            if (reached.contains(e))
                continue;
            Field f{e, context, {}};
            prepare(walk, f);
            if (!e->isEnabled() || e->isReadOnly() || !e->isVisibleTo(window))
                continue;
            reached.insert(e);
            QWidget* scope = scopeOf(e, window);
            QList<QAbstractButton*> beside;
            for (QAbstractButton* b : std::as_const(computing)) {
                QWidget* bs = scopeOf(b, window);
                if (!(scope->isAncestorOf(b) || scope == b->parentWidget() || bs->isAncestorOf(e) ||
                      bs == e->parentWidget()))
                    continue;
                f.buttons << b;
                if (b->parentWidget() == e->parentWidget() &&
                    qAbs(b->geometry().center().y() - e->geometry().center().y()) <
                        e->height() / 2 + 1)
                    beside << b;
            }
            // A column of converters: only the field's own "=" reads it.
            if (f.buttons.size() > 6)
                f.buttons = beside;
            if (!f.buttons.isEmpty())
                walk.entries << f;
        }
    }
}

void HostileText::initTestCase()
{
    setMessageBoxHook([this](const QString&, const QString&, QMessageBox::Icon) {
        ++m_boxes;
        return int(QMessageBox::Cancel);
    });
    m_watcher = std::make_unique<ModalWatcher>(QMessageBox::Cancel); // other dialogs
    m_program = std::make_unique<RunningProgram>();
    m_clock.start();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        // The program's windows, not menus, tool tips or other popups.
        if (w->objectName().isEmpty() || w->windowType() == Qt::Popup ||
            w->windowType() == Qt::ToolTip || qobject_cast<QMenu*>(w))
            continue;
        ++m_windows;
        const bool wasVisible = w->isVisible();
        w->show(); // a window may build its contents at its first show
        Walk walk{w, {}, {}, {}};
        collect(walk);
        if (!wasVisible)
            w->hide();
        if (!walk.entries.isEmpty())
            m_walks << walk;
    }
    QVERIFY(m_walks.size() > 5);
}

void HostileText::cleanupTestCase()
{
    qsizetype fields = 0;
    for (const Walk& walk : std::as_const(m_walks))
        fields += walk.entries.size();
    qInfo("%d windows walked, %lld with number fields; %lld number fields x %d texts: %lld "
          "cases, %lld button presses, %lld ms",
          m_windows, qlonglong(m_walks.size()), qlonglong(fields),
          int(m_cases / qMax<qsizetype>(fields, 1)), m_cases, m_presses, m_clock.elapsed());
    m_program.reset();
    m_watcher.reset();
    setMessageBoxHook({});
}

void HostileText::sweep_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("minus") << QStringLiteral("-");
    QTest::newRow("plus") << QStringLiteral("+");
    QTest::newRow("comma") << QStringLiteral(",");
    QTest::newRow("point") << QStringLiteral(".");
    QTest::newRow("zero with decimals") << QStringLiteral("0,0");
    QTest::newRow("negative zero") << QStringLiteral("-0");
    QTest::newRow("above double") << QStringLiteral("1e309");
    QTest::newRow("far below") << QStringLiteral("-1E4000");
    QTest::newRow("below smallest") << QStringLiteral("1E-400");
    QTest::newRow("400 digits") << QString(400, QChar('9'));
    QTest::newRow("NaN") << QStringLiteral("NaN");
    QTest::newRow("inf") << QStringLiteral("inf");
    QTest::newRow("minus sign") << QStringLiteral("\u22125");
    QTest::newRow("Arabic digit") << QStringLiteral("\u0663");
    QTest::newRow("full-width digit") << QStringLiteral("\uFF11");
    QTest::newRow("two separators") << QStringLiteral("7,5,5");
    QTest::newRow("blank before") << QStringLiteral(" 7");
    QTest::newRow("blank after") << QStringLiteral("7 ");
    QTest::newRow("tab") << QStringLiteral("\t");
    QTest::newRow("hexadecimal") << QStringLiteral("0x10");
    QTest::newRow("NUL") << QString(QChar(0));
    QTest::newRow("10 000 characters") << QString(10000, QChar('8'));
    QTest::newRow("Cyrillic word") << QStringLiteral("сталь");
    QTest::newRow("Latin word") << QStringLiteral("steel");
    QTest::newRow("grouped") << QStringLiteral("1 000");
    QTest::newRow("large finite") << QStringLiteral("1E300");
}

void HostileText::sweep()
{
    QFETCH(QString, text);
    QStringList faults;
    for (const Walk& walk : std::as_const(m_walks)) {
        QWidget* window = walk.window;
        const bool wasVisible = window->isVisible();
        window->show();
        const bool readsAsZero = ReadsAsZero.contains(window->objectName());
        for (const Field& f : walk.entries) {
            const qsizetype own = walk.tracked.indexOf(f.edit);
            const QString where = window->objectName() + '/' + f.edit->objectName();
            for (QAbstractButton* b : f.buttons) {
                const auto key = qMakePair(f.edit, b);
                // The state every press starts from, and the same press with a plain value
                // and with 0.
                if (!m_start.contains(f.edit))
                    m_start[f.edit] = prepare(walk, f);
                const Snapshot& start = m_start[f.edit];
                if (!m_baseline.contains(key)) {
                    prepare(walk, f);
                    restore(walk, start);
                    b->click();
                    m_baseline[key] = snapshot(walk);
                    prepare(walk, f);
                    restore(walk, start);
                    f.edit->setText(QStringLiteral("0"));
                    b->click();
                    m_zero[key] = snapshot(walk);
                    m_presses += 2;
                }
                prepare(walk, f);
                restore(walk, start);
                f.edit->setText(text);
                emit f.edit->textEdited(f.edit->text());
                const QString typed = f.edit->text();
                Snapshot before = snapshot(walk);
                const int boxes = m_boxes;
                b->click();
                ++m_presses;
                Snapshot after = snapshot(walk);
                before[own] = after[own] = QString(); // the typed field may keep what it holds
                const QString press = where + " «" + typed.left(20) + "» " + b->objectName();
                for (qsizetype i = 0; i < after.size(); ++i)
                    if (after[i] != before[i] &&
                        (NonFinite.match(after[i]).hasMatch() || beyondDouble(after[i])))
                        faults << press + ": " + walk.tracked[i]->objectName() + " shows «" +
                                      after[i].left(80) + "»";
                const bool refused = !typed.trimmed().isEmpty() && !parseNumber(typed);
                if (m_boxes > boxes) {
                    if (after != before)
                        faults << press + ": a box, yet " + changed(walk, before, after);
                } else if (refused) {
                    Snapshot base = m_baseline[key], zero = m_zero[key];
                    base[own] = zero[own] = QString();
                    if (after != base && !(readsAsZero && after == zero))
                        faults << press + ": taken without a box, " + changed(walk, base, after);
                }
            }
            ++m_cases;
        }
        if (!wasVisible)
            window->hide();
    }
    for (const QString& fault : faults.mid(0, 40))
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " faults"));
}

QTEST_MAIN(HostileText)
#include "tst_hostileText.moc"
