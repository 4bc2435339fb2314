#pragma once

#include "core/geometry/FlatBlanks.h"

namespace tolvex
{

// The language of the flat-blank result lines: English when the main window's
// English item is marked and its Russian item is not, Russian otherwise.
geometry::LineLanguage resultLineLanguage();

} // namespace tolvex
