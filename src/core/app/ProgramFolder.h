#pragma once

#include <QString>

// Where the program's files are: the folder of the running executable, unless the
// environment variable TOLVEX_HOME names another one.
namespace tolvex
{

QString programFolder();
QString programFile(const QString& name); // programFolder() + "/" + name
// The installed data folder (../share/tolvex beside the executable's folder), where
// an installed program finds its language files.
QString installedDataFolder();

} // namespace tolvex
