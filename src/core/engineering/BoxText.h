#pragma once

#include <QString>

namespace tolvex
{

// The information texts of the engineering windows separate their lines by a line
// feed followed by a carriage return. A Qt message box would show each of the two as
// a line break of its own, so a pair becomes the one line break it always meant.
inline QString boxText(QString lfCrText)
{
    return lfCrText.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

} // namespace tolvex
