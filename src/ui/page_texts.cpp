// SPDX-License-Identifier: MIT
#include "page_texts.h"

namespace tevrimo {

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString KeyLegend(int language, bool vacuumPage) {
    return Utf8(KeyLegendText(language, vacuumPage));
}

QString PageText(PageWord word, int language) {
    return Utf8(PageWordText(word, language));
}

QString CopyText(int language) {
    return PageText(PageWord::kCopy, language);
}

QString SelectAllText(int language) {
    return PageText(PageWord::kSelectAll, language);
}

QString NoUnitText(int language) {
    return PageText(PageWord::kNoUnit, language);
}

}  // namespace tevrimo
