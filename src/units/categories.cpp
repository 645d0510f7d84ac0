// SPDX-License-Identifier: MIT
#include "categories.h"

#include <iterator>
#include <mutex>
#include <string>

#include "category_registry.h"
#include "int_text.h"
#include "unit_names.h"

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

}  // namespace

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
    if (const auto index = ParseSmallInt(name, 99)) return *index < kCategoryCount ? *index : -1;
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
