// SPDX-License-Identifier: MIT
// The desktop search's answers: queries in the four languages and what the shell and the
// runner get for them, queries that are none, result ids, and the user's language.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "categories.h"
#include "pumpdown.h"
#include "query.h"
#include "results.h"
#include "unit_names.h"

namespace tevrimo::search {
namespace {

struct ShellCase {
    int language;
    std::string_view query;
    std::vector<std::string> names;  // of the results, in order
    std::string_view firstDescription;
};

// The names the shell shows for `query`.
std::vector<std::string> ShellNames(std::string_view query, int language) {
    std::vector<std::string> names;
    for (const std::string& id : ShellResults(query, language)) {
        const std::optional<ShellMeta> meta = ShellResultMeta(id, language);
        names.push_back(meta ? meta->name : "(no meta for " + id + ")");
    }
    return names;
}

TEST(Search, ShellResultsInEveryLanguage) {
    const ShellCase cases[] = {
        {kEnglish, "12 psi", {"0.827369 bar", "82.7369 kPa", "Open in Tevrimo"}, "bar · Pressure"},
        {kEnglish, "12psi to bar", {"0.827369 bar"}, "bar · Pressure"},
        {kEnglish, "  12   PSI  in  kPa ", {"82.7369 kPa"}, "kilopascal · Pressure"},
        {kEnglish, "12 psi>bar", {"0.827369 bar"}, "bar · Pressure"},
        {kEnglish, "12 psi bar", {"0.827369 bar"}, "bar · Pressure"},
        {kEnglish, "72 F C", {"22.2222 celcius"}, ""},
        {kEnglish, "12 psi to psi", {"12 PSI (=lbf/in²)"}, ""},
        {kEnglish, "12 psi to", {"0.827369 bar", "82.7369 kPa", "Open in Tevrimo"}, ""},
        {kEnglish, "-40 °C > °F", {"-40 fahrenheit"}, "degree Fahrenheit · Temperature"},
        {kEnglish, "1e3 m", {"3280.84 foot", "100000 centimeter", "Open in Tevrimo"}, ""},
        {kEnglish, "1.5e3m", {"4921.26 foot", "150000 centimeter", "Open in Tevrimo"}, ""},
        {kEnglish, "1 GB", {"1024 MByte", "1.04858 × 10⁶ kByte", "Open in Tevrimo"}, ""},
        {kEnglish, "5 in H2O to mbar", {"12.4544 mbar"}, ""},
        {kEnglish, "1 in in cm", {"2.54 centimeter"}, ""},
        // A name of two categories answers for each: are and year.
        {kEnglish,
         "1 a",
         {"100 meter²", "3.15576 × 10⁷ second", "1076.39 foot²", "525960 minute", "Open in Tevrimo",
          "Open in Tevrimo"},
         "square metre · Area"},
        {kTurkish, "5 fit", {"1,524 metre", "152,4 santimetre", "Tevrimo'da aç"}, ""},
        {kTurkish,
         "100 derece to Fahrenheit",
         {"212 Fahrenheit"},
         "Fahrenheit derecesi · Sıcaklık"},
        {kTurkish, "2 SAAT", {"7200 saniye", "120 dakika", "Tevrimo'da aç"}, "saniye · Zaman"},
        {kGerman, "5 Fuß in Zoll", {"60 Zoll"}, "Zoll · Länge"},
        {kGerman, "3 Liter", {"0,792517 Gallone (USA)", "0,003 Meter³", "In Tevrimo öffnen"}, ""},
        {kFrench, "1 livre", {"0,453593 kilogramme", "453,593 gramme", "Ouvrir dans Tevrimo"}, ""},
        {kFrench, "2 heure > minute", {"120 minute"}, "minute · Temps"},
        // English names work in every language; captions come in the user's.
        {kFrench, "60 mph", {"96,5606 km/h", "26,8224 mètre/s", "Ouvrir dans Tevrimo"}, ""},
    };
    for (const ShellCase& c : cases) {
        EXPECT_EQ(ShellNames(c.query, c.language), c.names) << c.query;
        if (c.firstDescription.empty()) continue;
        const std::vector<std::string> ids = ShellResults(c.query, c.language);
        ASSERT_FALSE(ids.empty()) << c.query;
        EXPECT_EQ(ShellResultMeta(ids[0], c.language)->description, c.firstDescription) << c.query;
    }
}

// Numbers as people write them in each language, names in any case where that names one
// unit, plurals and everyday names, and no answer a person cannot use.
TEST(Search, NumbersAndNamesAsPeopleWriteThem) {
    const struct {
        int language;
        std::string_view query;
        std::vector<std::string> names;  // of the results, in order; none when empty
    } cases[] = {
        {kGerman, "1,5 bar in kPa", {"150 Kilopascal"}},
        {kTurkish, "1,5bar > kPa", {"150 kilopaskal"}},
        {kFrench, "1.5 bar en kPa", {"150 kilopascal"}},
        {kFrench, "-0,5 °C en °F", {"31,1 Fahrenheit"}},
        {kEnglish, "1,5 bar to kPa", {}},
        {kGerman, "1,234,5 bar in kPa", {}},
        {kGerman, "0,001 Torr in bar", {"1,33322 × 10⁻⁶ Bar"}},
        {kEnglish, "1e-3 torr to bar", {"1.33322 × 10⁻⁶ bar"}},
        {kEnglish, "1 TB to bit", {"8.79609 × 10¹² bit"}},
        {kEnglish, "inf m", {}},
        {kEnglish, "nan m to ft", {}},
        {kEnglish, "1e308 TB to bit", {}},
        {kEnglish, "3 gb to mb", {"3072 MByte"}},
        {kEnglish, "3 GB to Mb", {"3072 MByte"}},
        {kEnglish, "3 mb to hPa", {"3 mbar"}},
        {kEnglish, "3 Mb", {}},
        {kEnglish, "2 KWH to kJ", {"7200 kJ"}},
        {kFrench, "12 pieds en m", {"3,6576 mètre"}},
        {kTurkish, "12 ayak to m", {"3,6576 metre"}},
        {kGerman, "12 fuß in m", {"3,6576 Meter"}},
        {kFrench, "3 livres en kg", {"1,36078 kilogramme"}},
        {kEnglish, "3 Btus to kJ", {"3.16517 kJ"}},
        {kEnglish, "2 pascals to Pa", {"2 Pa"}},
        {kEnglish, "3 ms to s", {}},  // no plural of "m"
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShellNames(c.query, c.language), c.names) << c.query;
    }
    // The clipboard gets the page's text, as KRunner's copy does; a data storage result
    // says that its units are binary.
    const std::optional<ShellMeta> de = ShellResultMeta("v:pressure:mmHg:0.001:bar", kGerman);
    ASSERT_TRUE(de);
    EXPECT_EQ(de->clipboardText, "1.33322E-006");
    EXPECT_EQ(ShellResultMeta("o:pressure:bar:1.5", kFrench)->description, "1,5 bar · Pression");
    EXPECT_EQ(ShellResultMeta("v:data:GB:3:MB", kEnglish)->description,
              "megabyte (mebibyte, MiB) · Data storage · binary: 1 GB = 1024 MB");
    for (const RunnerMatch& m : RunnerMatches("3 GB", kGerman)) {
        EXPECT_NE(m.subtext.find("1 GB = 1024 MB"), std::string::npos) << m.text;
    }
}

TEST(Search, QueriesThatAreNone) {
    const std::string longQuery = "12 " + std::string(300, 'm');
    const std::string_view queries[] = {
        "",
        "   ",
        "12",
        "-1.5e3",
        "inf",
        "psi",
        "firefox",
        "12 firefox",
        "12 3",
        "12 psi to 3",
        "1,5 m",
        "12 ps",
        "m 12",
        "12 psi to ba",
        "12 > bar",
        "12 to",
        "12abc",
        "0x",
        "12 psi to bar to kPa",
        longQuery,
    };
    for (std::string_view q : queries) {
        EXPECT_FALSE(ParseQuery(q, kEnglish)) << q;
        EXPECT_TRUE(ShellResults(q, kEnglish).empty()) << q;
        EXPECT_TRUE(RunnerMatches(q, kEnglish).empty()) << q;
    }
}

// Every name of every unit, whatever it holds ("in", blanks, "°"), reads as a query in
// its own category; the vacuum page answers only for names no other category knows.
TEST(Search, EveryUnitNameIsAQuery) {
    for (int tab = 0; tab < kCategoryCount; ++tab) {
        const CategoryTable& table = Category(tab);
        for (int row = 0; row < kRowCount; ++row) {
            if (!table.IsUnitRow(row)) continue;
            const UnitRow& unit = table.rows[static_cast<std::size_t>(row)];
            std::vector<std::string_view> names(unit.captions.begin(), unit.captions.end());
            names.push_back(unit.key);
            for (const Alias& a : Aliases(unit)) names.push_back(a.text);
            for (std::string_view name : names) {
                const std::optional<Query> q = ParseQuery("7 " + std::string(name), kEnglish);
                ASSERT_TRUE(q) << table.key << " '" << name << "'";
                EXPECT_EQ(q->value, "7");
                const Reading own{tab, row, -1};
                const bool found =
                    std::find(q->readings.begin(), q->readings.end(), own) != q->readings.end();
                const bool vacuum = table.kind == CategoryKind::kVacuum;
                EXPECT_TRUE(found || (vacuum && Category(q->readings.front().tab).kind !=
                                                    CategoryKind::kVacuum))
                    << table.key << " '" << name << "'";
            }
        }
    }
    // Litres are the volume page's; a flow rate only the vacuum page knows, in its pair.
    const std::optional<Query> litre = ParseQuery("7 l", kEnglish);
    ASSERT_TRUE(litre);
    for (const Reading& r : litre->readings) EXPECT_NE(Category(r.tab).key, "vacuum");
    EXPECT_EQ(ShellResults("30 m3/h", kEnglish),
              (std::vector<std::string>{"v:vacuum:m3_h:30:l_min", "o:vacuum:m3_h:30"}));
    EXPECT_EQ(ShellResultMeta("v:vacuum:m3_h:30:l_min", kEnglish)->clipboardText, "500");
}

TEST(Search, RunnerGetsEveryUnitTargetFirst) {
    std::vector<RunnerMatch> matches = RunnerMatches("12 psi to bar", kGerman);
    ASSERT_EQ(matches.size(), 13u);  // every pressure unit but psi
    std::stable_sort(
        matches.begin(), matches.end(),
        [](const RunnerMatch& a, const RunnerMatch& b) { return a.relevance > b.relevance; });
    EXPECT_EQ(matches[0].text, "0,827369 Bar");
    EXPECT_EQ(matches[0].relevance, 1.0);
    EXPECT_EQ(matches[1].text, "82,7369 Kilopascal");
    EXPECT_EQ(matches[1].subtext, "Kilopascal");
    EXPECT_EQ(matches[1].category, "Druck");
    EXPECT_EQ(matches[2].text, "0,816554 Atü");
    for (const RunnerMatch& m : matches) {
        EXPECT_TRUE(m.relevance > 0 && m.relevance <= 1) << m.text;
        const std::optional<ResultId> id = DecodeId(m.id);
        ASSERT_TRUE(id) << m.id;
        EXPECT_EQ(OpenArguments(*id), (std::vector<std::string>{"--category", "pressure", "--unit",
                                                                "psi", "--value", "12"}));
    }
    // Without a target the most used units lead; both categories of "a" answer.
    matches = RunnerMatches("1 a", kEnglish);
    EXPECT_EQ(std::count_if(matches.begin(), matches.end(),
                            [](const RunnerMatch& m) { return m.category == "Time"; }),
              4);
}

TEST(Search, ResultIds) {
    for (int tab = 0; tab < kCategoryCount; ++tab) {
        const CategoryTable& table = Category(tab);
        for (int row = 0; row < kRowCount; ++row) {
            if (!table.IsUnitRow(row)) continue;
            EXPECT_EQ(table.rows[static_cast<std::size_t>(row)].key.find(':'),
                      std::string_view::npos);
            for (const ResultId& id : {ResultId{ResultId::Kind::kValue, tab, row, "-1.5e-3", row},
                                       ResultId{ResultId::Kind::kOpen, tab, row, "0x1p3", -1}}) {
                if (id.kind == ResultId::Kind::kOpen && pumpdown::ComputedAtStart(tab, row))
                    continue;  // below: it would not keep the value
                EXPECT_EQ(DecodeId(EncodeId(id)), id) << EncodeId(id);
            }
        }
    }
    EXPECT_EQ(EncodeId({ResultId::Kind::kValue, 5, 13, "12", 2}), "v:pressure:psi:12:bar");
    const std::string_view foreign[] = {
        "",
        "v:pressure:psi:12",
        "v:pressure:psi:12:bar:x",
        "o:pressure:psi:12:bar",
        "x:pressure:psi:12:bar",
        "v:Pressure:psi:12:bar",
        "v:pressure:PSI:12:bar",
        "v:pressure:psi:12a:bar",
        "v:pressure:psi: 12:bar",
        "v:pressure:psi::bar",
        "o:vacuum:rpm:12",
        "o:vacuum:s:5",
        "o:vacuum:min:5",
        "v:data:bit:1:",
    };
    for (std::string_view id : foreign) {
        EXPECT_FALSE(DecodeId(id)) << id;
        EXPECT_FALSE(ShellResultMeta(id, kEnglish)) << id;
    }
    const ShellMeta open = *ShellResultMeta("o:pressure:psi:12", kEnglish);
    EXPECT_EQ(open.description, "12 PSI (=lbf/in²) · Pressure");
    EXPECT_EQ(open.clipboardText, "");
    EXPECT_EQ(ShellResultMeta("v:pressure:psi:12:bar", kEnglish)->clipboardText, "0.827369");
}

TEST(Search, LanguageOfTheUser) {
    const struct {
        const char *language, *all, *messages, *lang;
        int expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, kEnglish},
        {nullptr, nullptr, nullptr, "tr_TR.UTF-8", kTurkish},
        {nullptr, nullptr, "de_AT@euro", "tr_TR.UTF-8", kGerman},
        {nullptr, "fr_CA.UTF-8", "de_DE", "tr_TR", kFrench},
        {":de:fr", "fr_FR", nullptr, "tr_TR", kGerman},
        {"", "", "", "fr", kFrench},
        {"pt_BR:tr", nullptr, nullptr, "de_DE", kEnglish},
        {nullptr, "C", nullptr, "de_DE", kEnglish},
        {nullptr, nullptr, nullptr, "POSIX", kEnglish},
        {nullptr, nullptr, nullptr, "french", kEnglish},
    };
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (const auto& c : cases) {
        const char* values[] = {c.language, c.all, c.messages, c.lang};
        for (int k = 0; k < 4; ++k) {
            if (values[k]) {
                setenv(names[k], values[k], 1);
            } else {
                unsetenv(names[k]);
            }
        }
        EXPECT_EQ(LanguageFromEnvironment(), c.expected)
            << (c.language ? c.language : "-") << " " << (c.all ? c.all : "-") << " "
            << (c.messages ? c.messages : "-") << " " << (c.lang ? c.lang : "-");
    }
}

}  // namespace
}  // namespace tevrimo::search
