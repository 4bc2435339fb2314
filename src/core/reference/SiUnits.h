#pragma once

#include <span>

namespace tolvex
{

// One row of the SI units table: the quantity (name, symbol, dimension) and its unit
// (name, Russian symbol per ГОСТ 8.417). Exponents and indices are written with the
// Unicode superscript and subscript characters (LT⁻¹, м²); an empty text is an empty
// cell (a dimensionless quantity has no dimension, a quantity without a usual letter
// no symbol).
struct SiRow {
    const char* quantity;
    const char* symbol;
    const char* dimension;
    const char* unitName;
    const char* unitSymbol;
};

struct SiSection {
    const char* title;
    std::span<const SiRow> rows;
};

// The table's title and its two column groups with their columns.
struct SiHeadings {
    const char* title;
    const char* quantityGroup;
    const char* quantityName;
    const char* quantitySymbol;
    const char* quantityDimension;
    const char* unitGroup;
    const char* unitName;
    const char* unitSymbol;
};

const SiHeadings& siHeadings();
// The eight sections in table order, UTF-8 texts.
std::span<const SiSection> siSections();

} // namespace tolvex
