#include "core/common/PrivateProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <vector>

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

bool isBlank(const QString& line)
{
    return line.trimmed().isEmpty();
}

// Whether the bytes are UTF-8, decoded a piece at a time (no copy of a large file).
// Pieces end before a byte that starts a character, so none cuts one in two.
bool isUtf8(const char* data, qsizetype size)
{
    constexpr qsizetype Piece = 64 * 1024;
    QString buffer; // room for the decoded piece, left unfilled
    buffer.resize(std::min(Piece, size) + 4);
    for (qsizetype at = 0; at < size;) {
        qsizetype end = std::min(at + Piece, size);
        for (int back = 0; back < 3 && end < size && (uchar(data[end]) & 0xC0) == 0x80; ++back)
            --end;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        utf8.appendToBuffer(buffer.data(), QByteArrayView(data + at, end - at));
        if (utf8.hasError())
            return false;
        at = end;
    }
    return true;
}

} // namespace

namespace
{

// Bytes 0x80 to 0xBF of Windows-1251 (0x98 has no character).
const QString& windows1251High()
{
    static const char16_t high[64] = {
        0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
        0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
        0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
        0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
        0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
    static const QString table = QString::fromUtf16(high, 64);
    return table;
}

} // namespace

QString decodeWindows1251(const QByteArray& bytes)
{
    const QChar* high = windows1251High().constData();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* to = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *to++ = b < 0x80   ? QChar(b)
                : b < 0xC0 ? high[b - 0x80]
                           : QChar(char16_t(0x0410 + (b - 0xC0)));
    }
    return out;
}

bool encodeWindows1251(const QString& text, QByteArray* out)
{
    out->clear();
    out->reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *out += char(u);
        } else if (u >= 0x0410 && u <= 0x044F) {
            *out += char(0xC0 + (u - 0x0410));
        } else {
            const qsizetype at = windows1251High().indexOf(QChar(u));
            if (at < 0 || u == 0xFFFD)
                return false;
            *out += char(0x80 + at);
        }
    }
    return true;
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
    const QFileInfo info(path);
    m_exists = info.exists();
    if (!m_exists)
        return;
    m_tooLarge = info.size() > MaximumSize;
    QFile file(path);
    // Only a plain file is read: a folder, a device or a pipe of that name is not.
    if (m_tooLarge || !info.isFile() || !file.open(QIODevice::ReadOnly)) {
        m_unreadable = true;
        return;
    }
    // One byte more than the size seen: a file that grew past the limit meanwhile shows.
    m_bytes = file.read(std::min<qint64>(file.size(), MaximumSize) + 1);
    if (m_bytes.size() > MaximumSize) {
        m_bytes.clear();
        m_tooLarge = m_unreadable = true;
        return;
    }
    parse();
}

PrivateProfile PrivateProfile::fromBytes(const QByteArray& bytes)
{
    PrivateProfile p;
    p.m_exists = true;
    p.m_bytes = bytes;
    p.parse();
    return p;
}

QString PrivateProfile::text(qsizetype from, qsizetype to) const
{
    const QByteArray piece = QByteArray::fromRawData(m_bytes.constData() + from, to - from);
    if (!m_utf8)
        return decodeWindows1251(piece);
    // A byte-order mark is one only at the start of the file; elsewhere it is text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(piece);
}

void PrivateProfile::parse()
{
    m_bom = m_bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    m_utf8 = isUtf8(m_bytes.constData() + m_bom, m_bytes.size() - m_bom);
    m_lines.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_eol.clear();

    const char* data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    Section* current = nullptr;
    for (qsizetype at = m_bom; at < size;) {
        Line line;
        line.start = at;
        while (at < size && data[at] != '\r' && data[at] != '\n')
            ++at;
        line.end = at;
        if (at < size) {
            const qsizetype eol =
                (data[at] == '\r' && at + 1 < size && data[at + 1] == '\n') ? 2 : 1;
            if (m_eol.isEmpty())
                m_eol = QByteArray(data + at, eol);
            at += eol;
        }
        line.next = at;
        const qsizetype index = qsizetype(m_lines.size());
        m_lines.push_back(line);

        const QString content = text(line.start, line.end);
        const QString section = sectionName(content);
        if (!section.isNull()) {
            const QString name = fold(section);
            // The first section of a name wins; entries of a repeated one are ignored.
            if (m_sectionIndex.contains(name)) {
                current = nullptr;
            } else {
                m_sectionIndex.insert(name, qsizetype(m_sections.size()));
                m_sections.push_back(Section{index, {}});
                current = &m_sections.back();
            }
            continue;
        }
        if (!current)
            continue;
        QString key, value;
        if (splitEntry(content, &key, &value)) {
            const QString k = fold(key);
            if (!current->keys.contains(k))
                current->keys.insert(k, index);
        }
        if (!isBlank(content))
            current->lastContent = index;
    }
    if (m_eol.isEmpty())
        m_eol = QByteArrayLiteral("\r\n");
}

const PrivateProfile::Section* PrivateProfile::findSection(const QString& section) const
{
    const auto s = m_sectionIndex.constFind(fold(section));
    return s == m_sectionIndex.constEnd() ? nullptr : &m_sections[std::size_t(*s)];
}

QString PrivateProfile::value(const QString& section, const QString& key,
                              const QString& fallback) const
{
    const Section* s = findSection(section);
    if (!s)
        return fallback;
    const auto line = s->keys.constFind(fold(key));
    if (line == s->keys.constEnd())
        return fallback;
    const Line& l = m_lines[std::size_t(*line)];
    QString k, v;
    splitEntry(text(l.start, l.end), &k, &v);
    return v;
}

bool PrivateProfile::contains(const QString& section, const QString& key) const
{
    const Section* s = findSection(section);
    return s && s->keys.contains(fold(key));
}

QByteArray PrivateProfile::encode(const QString& text) const
{
    QByteArray out;
    if (m_utf8 || !encodeWindows1251(text, &out))
        return text.toUtf8();
    return out;
}

void PrivateProfile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString entryText = key + QChar('=') + value;
    const QString headerText = QChar('[') + section + QChar(']');
    QByteArray probe;
    if (!m_utf8 && !encodeWindows1251(entryText + headerText, &probe)) {
        // A character Windows-1251 lacks: the whole file goes over to UTF-8 first,
        // every text in it unchanged, so that both new lines read back alike.
        m_bytes = m_bytes.left(m_bom) + decodeWindows1251(m_bytes.mid(m_bom)).toUtf8();
        parse();
    }
    const QByteArray entry = encode(entryText);
    const QByteArray header = encode(headerText);
    m_exists = true;
    if (const Section* s = findSection(section)) {
        const auto found = s->keys.constFind(fold(key));
        if (found != s->keys.constEnd()) {
            const Line& l = m_lines[std::size_t(*found)];
            m_bytes.replace(l.start, l.end - l.start, entry);
        } else {
            // After the section's last line that is not blank.
            const Line& l = m_lines[std::size_t(s->lastContent)];
            if (l.next == l.end) // the file's last line, without a line end
                m_bytes.insert(l.end, m_eol + entry + m_eol);
            else
                m_bytes.insert(l.next, entry + m_eol);
        }
    } else {
        QByteArray tail;
        if (!m_lines.empty()) {
            const Line& last = m_lines.back();
            if (last.next == last.end)
                tail += m_eol;
            if (!isBlank(text(last.start, last.end)))
                tail += m_eol; // a blank line before the new section
        }
        m_bytes += tail + header + m_eol + entry + m_eol;
    }
    parse();
}

bool PrivateProfile::save(const QString& path, QString* error) const
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (m_tooLarge)
        return fail(QStringLiteral("file too large"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(m_bytes) != m_bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

QString PrivateProfile::readString(const QString& path, const QString& section, const QString& key,
                                   const QString& fallback)
{
    return PrivateProfile(path).value(section, key, fallback);
}

bool PrivateProfile::writeString(const QString& path, const QString& section, const QString& key,
                                 const QString& value)
{
    PrivateProfile file(path);
    // A file that could not be read is not overwritten: what it holds would be lost.
    if (file.unreadable())
        return false;
    file.setValue(section, key, value);
    return file.save(path);
}

} // namespace tolvex
