// SPDX-License-Identifier: MIT
// A page session driven key by key, with shorthands for the tests.
#pragma once

#include <string>

#include "categories.h"
#include "keys.h"
#include "page_session.h"

namespace tevrimo::testing {

struct PageHarness : PageSession {
    explicit PageHarness(const CategoryTable& table) : PageSession(table) {}

    PageHarness& Key(int vk, bool shift = false, bool ctrl = false) {
        Press(vk, {.shift = shift, .ctrl = ctrl});
        return *this;
    }
    // Types main-keyboard digits.
    PageHarness& Type(const std::string& digits) {
        for (char c : digits) Key(vk::k0 + (c - '0'));
        return *this;
    }
    PageHarness& Focus(int row) {
        ClickBox(row);
        return *this;
    }
    const std::string& Entry() const { return Page().Entry(); }
    const std::string& Box(int row) const { return Window().Text(row); }

    MemoryWindow& window = Window();
    ConversionPage* const page = &Page();
};

inline const CategoryTable& Table(std::string_view key) {
    return Category(FindCategoryIndex(key));
}

}  // namespace tevrimo::testing
