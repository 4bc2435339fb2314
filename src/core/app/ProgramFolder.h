#pragma once

#include <QString>

// Where the program's files are: the folder of the running executable, unless the
// environment variable TOLVEX_HOME names another one.
namespace tolvex {

QString programFolder();
QString programFile(const QString& name); // programFolder() + "/" + name
// A data file shipped with the program (a language file): in the program folder,
// else in the installed data folder (../share/tolvex beside the executable's folder);
// the program-folder path when neither has it.
QString findDataFile(const QString& name);

} // namespace tolvex
