#include "categories.h"

#include <string>

namespace tevrimo {

namespace {

using TableFn = const CategoryTable& (*)();

constexpr TableFn kTabs[kCategoryCount] = {
    LengthCategory,   AreaCategory,        VolumeCategory, MassCategory,  ForceCategory,
    PressureCategory, TemperatureCategory, TimeCategory,   SpeedCategory, DensityCategory,
    EnergyCategory,   DataStorageCategory, VacuumCategory,
};

// Display names of the tabs, for lookup before any table is built.
constexpr std::string_view kKeys[kCategoryCount] = {
    "length", "area",  "volume",  "mass",   "force", "pressure", "temperature",
    "time",   "speed", "density", "energy", "data",  "vacuum"};
constexpr std::string_view kTabCaptions[kCategoryCount] = {
    "Uzunluk", "Alan", "Hacim",    "Ağırlık", "Kuvvet",     "Basınç", "Sıcaklık",
    "Zaman",   "Hız",  "Yoğunluk", "Enerji",  "Bilgisayar", "Vakum"};

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

const CategoryTable& Category(int tabIndex) {
    return kTabs[tabIndex]();
}

const CategoryTable* FindCategory(std::string_view name) {
    if (name.empty()) return nullptr;
    bool numeric = name.size() <= 2;
    for (char c : name) numeric = numeric && c >= '0' && c <= '9';
    if (numeric) {
        const int index = std::stoi(std::string(name));
        return index < kCategoryCount ? &Category(index) : nullptr;
    }
    for (int i = 0; i < kCategoryCount; ++i) {
        if (SameCaption(name, kKeys[i]) || SameCaption(name, kTabCaptions[i])) return &Category(i);
    }
    return nullptr;
}

}  // namespace tevrimo
