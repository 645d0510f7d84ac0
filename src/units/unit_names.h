// SPDX-License-Identifier: MIT
// The names people type for units and categories: case folding, lookup of a unit by
// row, caption, symbol or name, and suggestions for a name that matches nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "category_table.h"

namespace tevrimo {

// `text` in lower case for the letters captions and names use (ASCII, Latin-1 and
// Turkish capitals; the dotless ı folds to i), one code point per element.
std::u32string Folded(std::string_view text);

// Case-insensitive comparison of UTF-8 captions, as Folded sees them.
[[nodiscard]] bool SameCaption(std::string_view a, std::string_view b);

// A row's symbols, then its names, in the order its table lists them.
struct Alias {
    std::string_view text;
    bool caseSensitive;
};
std::vector<Alias> Aliases(const UnitRow& row);

// The row `name` stands for in `table`: a row number 0..13; a key or a symbol in its own
// case; a caption, in `language` first, then in English, Turkish, German and French; or
// a name in any case. -1 when none: a text that differs from a symbol only in case
// ("MBAR", "mb") names nothing, since there the case carries the meaning.
//
// Last, an English or French plural of a caption or name ("pieds", "inches", "kelvins"):
// a name of four letters or more that ends in "s" or "es" and names no unit as it stands.
[[nodiscard]] int FindUnit(const CategoryTable& table, std::string_view name, int language);

// The one row whose key or symbol `name` is in another case ("gb" for GB), or -1 when
// none or several rows answer to it that way ("Mb": megabyte and mb, millibar).
[[nodiscard]] int FindUnitAnyCase(const CategoryTable& table, std::string_view name);

// Up to three names close to `name`, best first: one per unit row of `table` (its
// caption in `language` where that is as close as any of its names), or one per
// category (its key or tab caption).
[[nodiscard]] std::vector<std::string> SuggestUnits(const CategoryTable& table,
                                                    std::string_view name, int language);
[[nodiscard]] std::vector<std::string> SuggestCategories(std::string_view name);

}  // namespace tevrimo
