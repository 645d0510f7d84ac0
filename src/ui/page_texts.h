// SPDX-License-Identifier: MIT
// The page's own words in its four languages (indexed by LanguageId): the key legend
// of the value boxes, their context menu, and the name of a row without a unit.
#pragma once

#include <QString>

namespace tevrimo {

QString KeyLegend(int language, bool vacuumPage);
QString CopyText(int language);
QString SelectAllText(int language);
QString NoUnitText(int language);

}  // namespace tevrimo
