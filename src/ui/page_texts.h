// SPDX-License-Identifier: MIT
// The page's own words in its four languages (indexed by LanguageId; anything else reads
// as English): the key legend, the value boxes' context menu, the unit finder, and the
// name of a row without a unit.
#pragma once

#include <QString>

namespace tevrimo {

// The keys of a page, and on the vacuum page its mode buttons and formula.
QString KeyLegend(int language, bool vacuumPage);

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
};
QString PageText(PageWord word, int language);

QString CopyText(int language);
QString SelectAllText(int language);
QString NoUnitText(int language);

}  // namespace tevrimo
