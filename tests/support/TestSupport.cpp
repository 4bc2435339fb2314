#include "TestSupport.h"

#include "ui/app/TfrmGeneral.h"
#include "ui/common/ToolWindow.h"

#include "ui/app/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tolvex::test
{

EnvironmentGuard::EnvironmentGuard(const char* name, const QByteArray& value)
    : m_name(name), m_previous(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

EnvironmentGuard::~EnvironmentGuard()
{
    if (m_wasSet)
        qputenv(m_name.constData(), m_previous);
    else
        qunsetenv(m_name.constData());
}

ProgramFolder::ProgramFolder() : m_home("TOLVEX_HOME", m_dir.path().toLocal8Bit()) {}

ProgramFolder::~ProgramFolder() = default;

QString ProgramFolder::file(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

void ProgramFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray ProgramFolder::read(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ProgramFolder::addLanguageFiles() const
{
    for (const char* name : {"russian.lng", "english.lng"})
        QFile::copy(QStringLiteral(TOLVEX_LANG_DIR "/") + QLatin1String(name),
                    file(QLatin1String(name)));
}

RunningProgram::RunningProgram(const QStringList& args)
{
    tolvex::startApplication(args);
    m_running = true;
}

RunningProgram::~RunningProgram()
{
    stop();
}

void RunningProgram::stop()
{
    if (!m_running)
        return;
    m_running = false;
    ModalWatcher watcher(QMessageBox::Cancel);
    tolvex::stopApplication();
}

QWidget* RunningProgram::window(const QString& objectName) const
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName) {
            // A test looks into the window: controls waiting for its first show are made.
            if (auto* later = qobject_cast<ToolWindow*>(w))
                later->ensureBuilt();
            if (auto* main = qobject_cast<TfrmGeneral*>(w))
                main->buildAllPanels();
            return w;
        }
    return nullptr;
}

ModalWatcher::ModalWatcher(QMessageBox::StandardButton answer) : m_answer(answer)
{
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

ModalWatcher::~ModalWatcher()
{
    m_timer.stop();
}

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        m_seen.append({box->windowTitle(), box->text(), box->icon()});
        QAbstractButton* button = box->button(m_answer);
        if (!button)
            button = box->buttons().value(0);
        if (button)
            button->click();
        else
            box->reject();
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        m_dialogs.append(dialog->objectName());
        dialog->reject();
    } else {
        m_dialogs.append(modal->objectName());
        modal->close();
    }
}

QStringList ModalWatcher::texts() const
{
    QStringList out;
    for (const SeenBox& b : m_seen)
        out << b.text;
    return out;
}

QStringList clippedWidgets(QWidget* window)
{
    QStringList out;
    const QRect inside = window->rect();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) ||
            !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
              qobject_cast<QLineEdit*>(w)))
            continue;
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        // Too narrow: a one-line label or a button whose text does not fit.
        bool narrow = false;
        if (const auto* label = qobject_cast<QLabel*>(w))
            narrow = !label->wordWrap() && w->width() < label->sizeHint().width();
        else if (const auto* button = qobject_cast<QAbstractButton*>(w))
            narrow = w->width() < button->fontMetrics().horizontalAdvance(button->text()) +
                                      (button->icon().isNull() ? 0 : button->iconSize().width()) +
                                      6;
        if (!inside.contains(r) || narrow)
            out << w->objectName();
    }
    return out;
}

void saveShot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("TOLVEX_SHOTS");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void pick(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

} // namespace tolvex::test
