#pragma once

#include "core/geometry/FlatBlanks.h"

namespace tolvex
{

class LanguageState;

// The language of the flat-blank result lines: English when the English item is
// marked and the Russian item is not, Russian otherwise (and without a language).
geometry::LineLanguage resultLineLanguage(const LanguageState* language);

} // namespace tolvex
