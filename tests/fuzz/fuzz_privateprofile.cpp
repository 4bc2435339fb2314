// The private-profile reader and writer over arbitrary file bytes (UTF-8 or
// Windows-1251): read every entry the file seems to hold, write one key, read
// again; every other entry must keep its value and the written one must read back.
#include "FuzzCheck.h"
#include "core/common/PrivateProfile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>

using tolvex::PrivateProfile;

namespace
{

struct Entry {
    QString section;
    QString key;
};

// Every "[section]" and "key=" the text could hold, paired crosswise; the reader
// decides which of them are entries.
QList<Entry> candidates(const QString& text)
{
    QStringList sections{QStringLiteral("Form"), QStringLiteral("Параметры")};
    QStringList keys{QStringLiteral("LNG_1"), QStringLiteral("Ключ")};
    QString t = text;
    t.replace(QChar('\r'), QChar('\n'));
    for (const QString& line : t.split(QChar('\n'))) {
        const QString l = line.trimmed();
        const qsizetype close = l.indexOf(QChar(']'));
        if (l.startsWith(QChar('[')) && close > 0)
            sections << l.mid(1, close - 1);
        const qsizetype eq = line.indexOf(QChar('='));
        if (eq > 0)
            keys << line.left(eq).trimmed();
    }
    sections.removeDuplicates();
    keys.removeDuplicates();
    while (sections.size() * keys.size() > 4000)
        (keys.size() > sections.size() ? keys : sections).removeLast();
    QList<Entry> out;
    for (const QString& s : sections)
        for (const QString& k : keys)
            out.append({s, k});
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    // A Cyrillic file name: paths are not only ASCII.
    const QString path = dir.filePath(QStringLiteral("настройки.ini"));
    if (size < 2)
        return 0;
    // The first bytes choose what is written; the rest is the file.
    const uint8_t pick = data[0];
    const uint8_t number = data[1];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    {
        QFile file(path);
        fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "temp file");
        file.write(bytes);
    }

    const QString text = PrivateProfile::decode(bytes);
    const QList<Entry> entries = candidates(text);
    const PrivateProfile before(path);
    QList<QString> values;
    QList<bool> present;
    for (const Entry& e : entries) {
        present << before.contains(e.section, e.key);
        values << before.value(e.section, e.key);
    }

    // The written entry: one of the file's own (or a fresh one), its names plain
    // enough to stay one line.
    const Entry& chosen = entries[pick % entries.size()];
    auto plain = [](const QString& s) {
        return !s.trimmed().isEmpty() && s == s.trimmed() && !s.contains(QChar('=')) &&
               !s.contains(QChar('[')) && !s.contains(QChar(']')) && !s.contains(QChar('\n')) &&
               !s.contains(QChar('\r')) && !s.startsWith(QChar(';'));
    };
    const Entry written = plain(chosen.section) && plain(chosen.key)
                              ? chosen
                              : Entry{QStringLiteral("Form"), QStringLiteral("LNG_1")};
    const QString value = QStringLiteral("значение %1").arg(number);
    fuzzCheck(PrivateProfile::writeString(path, written.section, written.key, value), "write");

    // Bytes outside the written line stay as they were, unless a character the
    // file's Windows-1251 lacks turned the whole file to UTF-8.
    QByteArray saved;
    {
        QFile file(path);
        fuzzCheck(file.open(QIODevice::ReadOnly), "reread");
        saved = file.readAll();
    }
    auto withoutMark = [](const QByteArray& b) {
        return b.startsWith("\xEF\xBB\xBF") ? b.mid(3) : b;
    };
    const bool wasUtf8 = PrivateProfile::decode(bytes).toUtf8() == withoutMark(bytes);
    const bool isUtf8 = PrivateProfile::decode(saved).toUtf8() == withoutMark(saved);
    const bool converted = !wasUtf8 && isUtf8;
    if (!converted) {
        const qsizetype shorter = std::min(bytes.size(), saved.size());
        qsizetype head = 0;
        while (head < shorter && bytes[head] == saved[head])
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head &&
               bytes[bytes.size() - 1 - tail] == saved[saved.size() - 1 - tail])
            ++tail;
        const QByteArray removed = bytes.mid(head, bytes.size() - head - tail);
        fuzzCheck(!removed.contains('\n') && !removed.contains('\r'), "another line changed",
                  QString::fromLatin1(removed.left(80)));
    }

    const PrivateProfile after(path);
    fuzzCheck(after.value(written.section, written.key) == value, "written value",
              written.section + QChar('/') + written.key);
    const QString ws = written.section.toCaseFolded();
    const QString wk = written.key.toCaseFolded();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        if (e.section.trimmed().toCaseFolded() == ws && e.key.trimmed().toCaseFolded() == wk)
            continue;
        fuzzCheck(after.contains(e.section, e.key) == present[i], "entry lost or gained",
                  e.section + QChar('/') + e.key);
        fuzzCheck(after.value(e.section, e.key) == values[i], "value changed",
                  e.section + QChar('/') + e.key);
    }
    return 0;
}
