#include "core/common/PrivateProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace tolvex
{

namespace
{

QString fold(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// A section line "[name]" gives the name; anything else gives a null string.
QString sectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(QChar('[')))
        return {};
    const qsizetype close = t.indexOf(QChar(']'));
    if (close < 0)
        return {};
    return t.mid(1, close - 1);
}

// An entry line "key=value": the key (null when the line is no entry) and the value.
bool splitEntry(const QString& line, QString* key, QString* value)
{
    const qsizetype eq = line.indexOf(QChar('='));
    if (eq <= 0)
        return false;
    *key = line.left(eq).trimmed();
    if (key->isEmpty() || key->startsWith(QChar(';')))
        return false;
    QString v = line.mid(eq + 1).trimmed();
    if (v.size() >= 2 && ((v.startsWith(QChar('"')) && v.endsWith(QChar('"'))) ||
                          (v.startsWith(QChar('\'')) && v.endsWith(QChar('\'')))))
        v = v.mid(1, v.size() - 2);
    *value = v;
    return true;
}

QStringList splitLines(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    QStringList lines = t.split(QChar('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray readAll(const QString& path, bool* exists)
{
    QFile file(path);
    *exists = file.exists();
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

QString decodeWindows1251(const QByteArray& bytes)
{
    static const char16_t high[128] = {
        0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
        0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
        0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
        0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
        0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += QChar(b);
        else if (b < 0xC0)
            out += QChar(high[b - 0x80]);
        else
            out += QChar(char16_t(0x0410 + (b - 0xC0)));
    }
    return out;
}

QString PrivateProfile::decode(const QByteArray& bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    return decodeWindows1251(data);
}

PrivateProfile::PrivateProfile(const QString& path)
{
    const QString text = decode(readAll(path, &m_exists));
    QHash<QString, QString>* current = nullptr;
    for (const QString& line : splitLines(text)) {
        const QString section = sectionName(line);
        if (!section.isNull()) {
            const QString key = fold(section);
            // The first section of a name wins; entries of a repeated one are ignored.
            current = m_sections.contains(key) ? nullptr : &m_sections[key];
            continue;
        }
        QString key, value;
        if (current && splitEntry(line, &key, &value)) {
            const QString k = fold(key);
            if (!current->contains(k))
                current->insert(k, value);
        }
    }
}

QString PrivateProfile::value(const QString& section, const QString& key,
                              const QString& fallback) const
{
    const auto s = m_sections.constFind(fold(section));
    if (s == m_sections.constEnd())
        return fallback;
    const auto v = s->constFind(fold(key));
    return v == s->constEnd() ? fallback : *v;
}

bool PrivateProfile::contains(const QString& section, const QString& key) const
{
    const auto s = m_sections.constFind(fold(section));
    return s != m_sections.constEnd() && s->contains(fold(key));
}

QString PrivateProfile::readString(const QString& path, const QString& section, const QString& key,
                                   const QString& fallback)
{
    return PrivateProfile(path).value(section, key, fallback);
}

bool PrivateProfile::writeString(const QString& path, const QString& section, const QString& key,
                                 const QString& value)
{
    bool exists = false;
    const QByteArray bytes = readAll(path, &exists);
    QStringList lines = splitLines(decode(bytes));
    const QString wantSection = fold(section);
    const QString wantKey = fold(key);
    const QString entry = key + QChar('=') + value;

    qsizetype sectionLine = -1;  // the first section of that name
    qsizetype endOfSection = -1; // the line after its last entry
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines[i]);
        if (!name.isNull()) {
            if (sectionLine >= 0)
                break;
            if (fold(name) == wantSection) {
                sectionLine = i;
                endOfSection = i + 1;
            }
            continue;
        }
        if (sectionLine < 0)
            continue;
        QString k, v;
        if (splitEntry(lines[i], &k, &v)) {
            if (fold(k) == wantKey) {
                lines[i] = entry;
                endOfSection = -2;
                break;
            }
        }
        if (!lines[i].trimmed().isEmpty())
            endOfSection = i + 1;
    }
    if (sectionLine < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << QChar('[') + section + QChar(']') << entry;
    } else if (endOfSection >= 0) {
        lines.insert(endOfSection, entry);
    }

    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
    file.write("\r\n");
    return file.commit();
}

} // namespace tolvex
