// SPDX-License-Identifier: MIT
// What each unit is: its key and its full name in every language, and the name of each
// category.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "categories.h"
#include "unit_names.h"

namespace tevrimo {
namespace {

bool IsKey(std::string_view key) {
    if (key.empty() || key.size() > 10) return false;
    if (!((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z'))) return false;
    for (char c : key) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

TEST(UnitDescriptions, EveryUnitHasItsKeyAndNames) {
    for (int c = 0; c < kCategoryCount; ++c) {
        const CategoryTable& t = Category(c);
        for (int l = 0; l < kLanguageCount; ++l) EXPECT_FALSE(t.names[l].empty()) << t.key;
        std::set<std::string_view> keys;
        for (int r = 0; r < kRowCount; ++r) {
            const UnitRow& row = t.rows[static_cast<std::size_t>(r)];
            const std::string where = std::string(t.key) + " row " + std::to_string(r);
            if (!t.IsUnitRow(r)) {
                EXPECT_TRUE(row.key.empty()) << where;
                for (int l = 0; l < kLanguageCount; ++l) {
                    EXPECT_TRUE(t.FullName(r, l).empty()) << where;
                }
                continue;
            }
            EXPECT_TRUE(IsKey(row.key)) << where << " '" << row.key << "'";
            EXPECT_TRUE(keys.insert(row.key).second) << where << " '" << row.key << "'";
            EXPECT_EQ(FindUnit(t, row.key, kEnglish), r) << where;
            for (int l = 0; l < kLanguageCount; ++l) {
                EXPECT_FALSE(t.FullName(r, l).empty()) << where << " language " << l;
            }
        }
    }
}

}  // namespace
}  // namespace tevrimo
