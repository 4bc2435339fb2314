#pragma once

#include <QString>
#include <QStringList>

namespace tolvex::calc
{

// The selection of a size list as a calculation sees it: the selected position
// (-1: none) and the list's text as it stands (the report names it).
struct ListChoice {
    int position = -1;
    QString text;
};

// The items of a size list: one Latin-1 text member of every row of a table.
template <typename Rows, typename Row>
QStringList itemTexts(const Rows& rows, const char* Row::*text)
{
    QStringList out;
    for (const Row& row : rows)
        out << QString::fromLatin1(row.*text);
    return out;
}

} // namespace tolvex::calc
