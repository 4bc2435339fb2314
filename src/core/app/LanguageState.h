#pragma once

#include <QHash>
#include <QObject>
#include <QString>

namespace tolvex
{

// The interface language as the windows see it: the file applied last, the marks of
// the two language items, and the "Message" texts of that file. The main window
// writes it; other windows read it or observe `changed`.
class LanguageState : public QObject
{
    Q_OBJECT
public:
    explicit LanguageState(QObject* parent = nullptr);

    bool russianMarked() const { return m_russian; }
    bool englishMarked() const { return m_english; }
    // English only when its item alone is marked.
    bool english() const { return m_english && !m_russian; }
    void setMarks(bool russian, bool english);

    QString file() const { return m_file; }
    void setFile(const QString& file);

    // A "Message" text (LNG_419 …): the language file's, else the built-in one.
    QString message(int key) const { return m_messages.value(key); }
    // The same, with the window's own built-in text where neither gave one.
    QString message(int key, const QString& builtIn) const
    {
        return m_messages.value(key, builtIn);
    }
    void setMessage(int key, const QString& text) { m_messages[key] = text; }

signals:
    void changed();

private:
    bool m_russian = true;
    bool m_english = false;
    QString m_file;
    QHash<int, QString> m_messages;
};

} // namespace tolvex
