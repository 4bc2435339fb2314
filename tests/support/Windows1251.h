#pragma once

#include "core/common/PrivateProfile.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace tolvex::test
{

// A text in the Windows-1251 code page, as a file made on Windows holds it: the
// inverse of the program's own decoder; characters the code page lacks become '?'.
inline QByteArray toWindows1251(const QString& text)
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int b = 0; b < 256; ++b)
            t.insert(decodeWindows1251(QByteArray(1, char(b))).at(0).unicode(), char(b));
        return t;
    }();
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text)
        out += table.value(c.unicode(), '?');
    return out;
}

} // namespace tolvex::test
