#include "TfrmGeneral.h"

#include "app/Configuration.h"

#include <QAction>

namespace tolvex {

void TfrmGeneral::chooseRussian()
{
    Configuration::forProgram().writeLanguage(true);
}

void TfrmGeneral::chooseEnglish()
{
    Configuration::forProgram().writeLanguage(false);
}

void TfrmGeneral::Languard() {}

} // namespace tolvex
