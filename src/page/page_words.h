// SPDX-License-Identifier: MIT
// The page's own words in its four languages (indexed by LanguageId; anything else reads
// as English): the key legend, the value boxes' context menu, the unit finder, the
// vacuum page's labels and the name of a row without a unit. Every front end shows
// these; a "&" marks the letter of a menu item's access key, a tab what follows is the
// item's shortcut.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tevrimo {

enum class PageWord {
    kCopy,
    kSelectAll,
    kNoUnit,
    kPasteNumber,
    kCopyRow,
    kCopyPage,
    kFindUnit,
    kNoNumber,  // a paste found no number in the clipboard
    kFinderPrompt,
    kFinderHint,
    kFinderList,
    kFinderHelp,
    kSeveralCategories,
    kDidYouMean,
    kNoSuchUnit,
    kKeys,         // what the key legend is called where it is shown on request
    kNoClipboard,  // the clipboard could not be read (a browser that does not allow it)
};
[[nodiscard]] std::string_view PageWordText(PageWord word, int language);

// The keys of a page, and on the vacuum page its mode buttons and formula.
[[nodiscard]] std::string KeyLegendText(int language, bool vacuumPage);

// The vacuum page's labels, one for each pair of rows (0-1, 2-3, 4-5, 6-7), in Turkish
// in every language, as its template has them.
inline constexpr std::array<std::string_view, 4> kVacuumLabels{
    "Pompa Kapasitesi:", "Bosaltma Süresi:", "Bosaltma Hacmi:", "Nihai Basinç:"};

}  // namespace tevrimo
