#pragma once

#include <QDesktopServices>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <memory>

class QComboBox;
class QLineEdit;

// Support for window tests: a temporary program folder, a started program, and a
// watcher that answers message boxes and records what they said.
namespace tolvex::test
{

// Sets an environment variable while it lives and then restores what was there
// before (or removes it), also when a test fails half-way.
class EnvironmentGuard
{
public:
    EnvironmentGuard(const char* name, const QByteArray& value);
    ~EnvironmentGuard();
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    QByteArray m_name;
    QByteArray m_previous;
    bool m_wasSet;
};

// A fresh program folder; TOLVEX_HOME points at it while this object lives.
class ProgramFolder
{
public:
    ProgramFolder();
    ~ProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    // Copies the shipped language files into the folder.
    void addLanguageFiles() const;

private:
    QTemporaryDir m_dir;
    EnvironmentGuard m_home;
};

// Starts the program as a user would (startApplication) and stops it at the end.
class RunningProgram
{
public:
    explicit RunningProgram(const QStringList& args = {});
    ~RunningProgram();
    QWidget* window(const QString& objectName) const; // any top-level window by name
    QWidget* main() const { return window(QStringLiteral("frmGeneral")); }
    template <typename T> T* find(const QString& windowName, const QString& name) const
    {
        QWidget* w = window(windowName);
        return w ? w->findChild<T*>(name) : nullptr;
    }
    void stop();

private:
    bool m_running = false;
};

// A message box seen by the watcher.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers every modal box while it lives (with `answer`) and records message boxes.
class ModalWatcher
{
public:
    explicit ModalWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~ModalWatcher();
    const QList<SeenBox>& seen() const { return m_seen; }
    QStringList texts() const;
    QStringList closedDialogs() const { return m_dialogs; }

private:
    void poll();
    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
    QList<SeenBox> m_seen;
    QStringList m_dialogs;
};

// Receives every web and mail address handed to the desktop shell while it lives.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// The visible labels, buttons and fields of a window that stand outside it or are
// narrower than their text needs (empty when nothing is clipped).
QStringList clippedWidgets(QWidget* window);
// Saves a picture of the window into $TOLVEX_SHOTS (when set) as NAME.png, for a look by eye.
void saveShot(QWidget* window, const QString& name);

// A named control of a window; a warning names it when it is missing.
template <typename T> T* child(const QWidget* window, const QString& name)
{
    T* w = window->findChild<T*>(name);
    if (!w)
        qWarning("no %s", qPrintable(name));
    return w;
}

// Sets a combo box's current index as a user's pick (runs the activation handlers).
void pick(QComboBox* box, int index);
// Types a text into a line edit as a user (clears it first), Cyrillic included.
void typeInto(QLineEdit* edit, const QString& text);

} // namespace tolvex::test
