// SPDX-License-Identifier: MIT
// The names the command line takes for units: no name (caption, symbol, name or key) may
// stand for two units of a category, every name finds its own unit, and a near miss gets
// a suggestion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "categories.h"
#include "unit_names.h"

namespace tevrimo {
namespace {

struct Name {
    int row;
    std::string_view text;
    bool caseSensitive;
    bool caption;
};

std::vector<Name> NamesOf(const CategoryTable& t) {
    std::vector<Name> names;
    for (int r = 0; r < t.rowCount; ++r) {
        if (!t.rows[static_cast<std::size_t>(r)].HasUnit()) continue;
        for (int l = 0; l < kLanguageCount; ++l) names.push_back({r, t.Caption(r, l), false, true});
        for (const Alias& a : Aliases(t.rows[static_cast<std::size_t>(r)])) {
            names.push_back({r, a.text, a.caseSensitive, false});
        }
        names.push_back({r, t.rows[static_cast<std::size_t>(r)].key, true, false});
    }
    return names;
}

TEST(UnitNames, NoNameStandsForTwoUnits) {
    for (int c = 0; c < kCategoryCount; ++c) {
        const CategoryTable& t = Category(c);
        const std::vector<Name> names = NamesOf(t);
        for (const Name& a : names) {
            EXPECT_FALSE(a.text.empty() || a.text.find('|') != std::string_view::npos)
                << t.key << " row " << a.row;
            for (const Name& b : names) {
                if (a.row >= b.row || Folded(a.text) != Folded(b.text)) continue;
                // Symbols apart only in case ("mbar", "Mbar") are two names.
                if (a.caseSensitive && b.caseSensitive && a.text != b.text) continue;
                ADD_FAILURE() << t.key << ": '" << a.text << "' (row " << a.row << ") and '"
                              << b.text << "' (row " << b.row << ")";
            }
        }
    }
}

TEST(UnitNames, EveryNameFindsItsUnit) {
    for (int c = 0; c < kCategoryCount; ++c) {
        const CategoryTable& t = Category(c);
        for (const Name& n : NamesOf(t)) {
            for (int l = 0; l < kLanguageCount; ++l) {
                EXPECT_EQ(FindUnit(t, n.text, l), n.row) << t.key << " '" << n.text << "'";
            }
        }
    }
}

TEST(UnitNames, CaseMattersOnlyWhereItCarriesMeaning) {
    const struct {
        const char* category;
        const char* name;
        int row;
    } cases[] = {
        {"length", "FT", 3},
        {"length", "Feet", 3},
        {"length", "µm", 6},
        {"length", "Å", 1},
        {"length", "M", -1},
        {"temperature", "°C", 1},
        {"pressure", "MPa", 11},
        {"pressure", "mPa", -1},
        {"pressure", "MPA", -1},
        {"pressure", "mbar", 7},
        {"pressure", "Mbar", -1},
        {"pressure", "PSI", 13},
        {"data", "MB", 3},
        {"data", "Mb", -1},
        {"data", "b", 0},
        {"data", "B", 1},
        {"density", "kg/m³", 0},
        {"density", "KG/M3", 0},
        {"speed", "km/h", 6},
        {"volume", "mL", 2},
        {"volume", "L", 3},
        {"temperature", "k", -1},
        {"time", "13", 13},
        {"time", "14", -1},
        // Keys name their unit in their own case; in another case a key is whatever it
        // was before: a name ("IN", "TORR"), or nothing.
        {"length", "in", 4},
        {"length", "IN", 4},
        {"vacuum", "Torr", 7},
        {"vacuum", "TORR", 7},
        {"energy", "kWh", 10},
        {"speed", "m_s", 0},
        {"speed", "M_S", -1},
        {"density", "g_l", 2},
        {"data", "bit", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindUnit(*FindCategory(c.category), c.name, kEnglish), c.row)
            << c.category << " '" << c.name << "'";
    }
}

// The last resorts: a plural of a caption or name, and (for phrases) a key or symbol in
// another case where that names one unit of the category.
TEST(UnitNames, PluralsAndOtherCases) {
    const struct {
        const char* category;
        const char* name;
        int plural;   // FindUnit
        int anyCase;  // FindUnitAnyCase
    } cases[] = {
        {"pressure", "mbars", 7, -1}, {"energy", "Btus", 1, -1},   {"mass", "Onces", 6, -1},
        {"length", "mètres", 0, -1},  {"time", "ms", -1, -1},      {"length", "ins", -1, -1},
        {"data", "gb", -1, 4},        {"data", "Mb", -1, 3},       {"pressure", "MB", -1, 7},
        {"data", "b", 0, -1},         {"pressure", "MBAR", -1, 7}, {"speed", "M_S", -1, 0},
        {"data", "BYTES", 1, -1},     {"data", "bits", 0, -1},
    };
    for (const auto& c : cases) {
        const CategoryTable& t = *FindCategory(c.category);
        EXPECT_EQ(FindUnit(t, c.name, kEnglish), c.plural) << c.category << " '" << c.name << "'";
        EXPECT_EQ(FindUnitAnyCase(t, c.name), c.anyCase) << c.category << " '" << c.name << "'";
    }
}

// Names match whatever their case: ASCII, the Latin-1 capitals and the Turkish letters;
// no other character folds.
TEST(UnitNames, CaseFoldingOfNames) {
    const struct {
        const char *a, *b;
        bool same;
    } cases[] = {
        {"Z", "z", true},   {"À", "à", true},   {"Þ", "þ", true},  {"Ç", "ç", true},
        {"Ğ", "ğ", true},   {"Ş", "ş", true},   {"İ", "i", true},  {"ı", "I", true},
        {"×", "÷", false},  {"ß", "ÿ", false},  {"¿", "ß", false}, {"@", "`", false},
        {"ab", "a", false}, {"a", "ab", false}, {"", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SameCaption(c.a, c.b), c.same) << c.a << " " << c.b;
        EXPECT_EQ(Folded(c.a) == Folded(c.b), c.same) << c.a << " " << c.b;
    }
}

TEST(UnitNames, NearMissesGetSuggestions) {
    const CategoryTable& length = *FindCategory("length");
    EXPECT_EQ(SuggestUnits(length, "fot", kEnglish), std::vector<std::string>{"foot"});
    EXPECT_EQ(SuggestUnits(length, "Fus", kGerman), std::vector<std::string>{"Fuß"});
    EXPECT_EQ(SuggestUnits(length, "kilometr", kEnglish), std::vector<std::string>{"kilometer"});
    EXPECT_TRUE(SuggestUnits(length, "parsec", kEnglish).empty());
    EXPECT_TRUE(SuggestUnits(length, "q", kEnglish).empty());  // not every letter of it
    EXPECT_EQ(SuggestUnits(length, "fx", kEnglish), std::vector<std::string>{"ft"});
    // Two edits from five letters on, three from nine on.
    EXPECT_EQ(SuggestUnits(length, "yxrdz", kEnglish), std::vector<std::string>{"yard"});
    EXPECT_EQ(SuggestUnits(length, "kxlomxxer", kEnglish), std::vector<std::string>{"kilometer"});
    // Two neighbours swapped are one edit, at the start, inside or at the end.
    EXPECT_EQ(SuggestUnits(length, "ofot", kEnglish), std::vector<std::string>{"foot"});
    EXPECT_EQ(SuggestUnits(length, "yrad", kEnglish), std::vector<std::string>{"yard"});
    EXPECT_EQ(SuggestUnits(length, "yadr", kEnglish), std::vector<std::string>{"yard"});
    EXPECT_LE(SuggestUnits(*FindCategory("pressure"), "mPa", kEnglish).size(), 3u);
    EXPECT_EQ(SuggestCategories("lenght"), std::vector<std::string>{"length"});
    EXPECT_EQ(SuggestCategories("sicaklk"), std::vector<std::string>{"Sıcaklık"});
}

// Up to three edits, never more, however long the name: a name far longer than any
// unit answers at once with nothing.
TEST(UnitNames, SuggestionsKeepTheirBoundForAnyLength) {
    const CategoryTable& length = *FindCategory("length");
    const std::string huge(10 << 20, 'x');
    const struct {
        std::string name;
        std::vector<std::string> suggested;
    } cases[] = {
        {"kilometerxxx", {"kilometer"}},
        {"kilometerxxxx", {}},
        {"cubic meters per hourxyz", {}},
        {std::string(128000, 'x'), {}},
        {huge, {}},
        {"kilometer" + huge, {}},
        {std::string(5 << 20, '\xC3') + std::string(5 << 20, '\x9F'), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SuggestUnits(length, c.name, kEnglish), c.suggested) << c.name.substr(0, 20);
    }
    EXPECT_EQ(SuggestUnits(*FindCategory("vacuum"), "cubic meters per hourxyz", kEnglish),
              std::vector<std::string>{"cubic meters per hour"});
    EXPECT_TRUE(SuggestCategories(huge).empty());
    EXPECT_EQ(SuggestCategories("lengthxyz"), std::vector<std::string>{"length"});
}

}  // namespace
}  // namespace tevrimo
