// SPDX-License-Identifier: MIT
// The page's own words (page_words.h) as Qt strings.
#pragma once

#include <QString>

#include "page_words.h"

namespace tevrimo {

QString KeyLegend(int language, bool vacuumPage);
QString PageText(PageWord word, int language);

QString CopyText(int language);
QString SelectAllText(int language);
QString NoUnitText(int language);

}  // namespace tevrimo
