#include "categories.h"

#include <iterator>
#include <mutex>
#include <string>

#include "category_builder.h"

namespace tevrimo {

namespace {

struct CategoryEntry {
    std::string_view key;         // English, for the command line
    std::string_view tabCaption;  // Turkish, the same in every language
    CategoryTable (*build)();
};

// The categories in tab order.
constexpr CategoryEntry kCategories[] = {
    {"length", "Uzunluk", BuildLength},
    {"area", "Alan", BuildArea},
    {"volume", "Hacim", BuildVolume},
    {"mass", "Ağırlık", BuildMass},
    {"force", "Kuvvet", BuildForce},
    {"pressure", "Basınç", BuildPressure},
    {"temperature", "Sıcaklık", BuildTemperature},
    {"time", "Zaman", BuildTime},
    {"speed", "Hız", BuildSpeed},
    {"density", "Yoğunluk", BuildDensity},
    {"energy", "Enerji", BuildEnergy},
    {"data", "Bilgisayar", BuildDataStorage},
    {"vacuum", "Vakum", BuildVacuum},
};
static_assert(std::size(kCategories) == kCategoryCount);
static_assert(kCategories[kVacuumTab].key == "vacuum");

// The tables, each built on first use: a one-shot command builds only its own.
constinit CategoryTable g_tables[kCategoryCount];
std::once_flag g_built[kCategoryCount];

// Reads one UTF-8 code point and folds it to lower case for the letters captions use.
char32_t NextFolded(std::string_view s, std::size_t& i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp = c;
    std::size_t len = 1;
    if (c >= 0xC0 && c < 0xE0 && i + 1 < s.size()) {
        cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
        len = 2;
    } else if (c >= 0xE0 && c < 0xF0 && i + 2 < s.size()) {
        cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 6) |
             (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
        len = 3;
    }
    i += len;
    if (cp >= 'A' && cp <= 'Z') return cp + 32;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;  // Latin-1 capitals
    switch (cp) {
        case 0x130: return 'i';    // İ
        case 0x131: return 'i';    // ı
        case 0x11E: return 0x11F;  // Ğ
        case 0x15E: return 0x15F;  // Ş
        default: return cp;
    }
}

}  // namespace

bool SameCaption(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (NextFolded(a, i) != NextFolded(b, j)) return false;
    }
    return i == a.size() && j == b.size();
}

std::string_view CategoryKey(int tabIndex) {
    return kCategories[tabIndex].key;
}

std::string_view CategoryTabCaption(int tabIndex) {
    return kCategories[tabIndex].tabCaption;
}

const CategoryTable& Category(int tabIndex) {
    std::call_once(g_built[tabIndex], [tabIndex] {
        const CategoryEntry& entry = kCategories[tabIndex];
        CategoryTable& table = g_tables[tabIndex];
        table = entry.build();
        table.key = entry.key;
        table.tabCaption = entry.tabCaption;
        table.tabIndex = tabIndex;
    });
    return g_tables[tabIndex];
}

int FindCategoryIndex(std::string_view name) {
    if (name.empty()) return -1;
    bool numeric = name.size() <= 2;
    for (char c : name) numeric = numeric && c >= '0' && c <= '9';
    if (numeric) {
        const int index = std::stoi(std::string(name));
        return index < kCategoryCount ? index : -1;
    }
    for (int i = 0; i < kCategoryCount; ++i) {
        if (SameCaption(name, kCategories[i].key) || SameCaption(name, kCategories[i].tabCaption))
            return i;
    }
    return -1;
}

const CategoryTable* FindCategory(std::string_view name) {
    const int index = FindCategoryIndex(name);
    return index < 0 ? nullptr : &Category(index);
}

}  // namespace tevrimo
