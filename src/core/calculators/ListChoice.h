#pragma once

#include <QString>

namespace tolvex::calc
{

// The selection of a size list as a calculation sees it: the selected position
// (-1: none) and the list's text as it stands (the report names it).
struct ListChoice {
    int position = -1;
    QString text;
};

} // namespace tolvex::calc
