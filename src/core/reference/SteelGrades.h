#pragma once

#include <QList>
#include <QString>
#include <span>

// The steels and alloys catalogue: 7 groups, 33 subgroups and 820 grade nodes, and
// the 821-entry page table that gives each grade the number of its picture page in
// the picture library. Texts are UTF-8.
namespace tolvex::steel
{

struct Subgroup {
    const char* name;
    std::span<const char* const> grades; // in tree order; four names appear twice
};

struct Group {
    const char* name;
    std::span<const Subgroup> subgroups;
};

struct PageEntry {
    const char* name;
    int page;
};

// The tree, every level in the order it is shown.
std::span<const Group> groups();
// The page table in page order (pages 1 to 821).
std::span<const PageEntry> pageTable();
// The pages of every entry whose name equals `text` exactly, lowest page first; empty
// for a group or subgroup text.
QList<int> pagesOf(const QString& text);

} // namespace tolvex::steel
