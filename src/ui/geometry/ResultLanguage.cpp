#include "ui/geometry/ResultLanguage.h"

#include "core/app/LanguageState.h"

namespace tolvex
{

geometry::LineLanguage resultLineLanguage(const LanguageState* language)
{
    return language && language->english() ? geometry::LineLanguage::English
                                           : geometry::LineLanguage::Russian;
}

} // namespace tolvex
