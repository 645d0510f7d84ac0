// A page on an in-memory window, driven key by key.
#pragma once

#include <memory>
#include <string>

#include "categories.h"
#include "conversion_page.h"
#include "keys.h"
#include "memory_window.h"

namespace tevrimo::testing {

struct PageHarness {
    explicit PageHarness(const CategoryTable& table)
        : window(table.tabIndex == kVacuumTab), page(ConversionPage::Make(table, window)) {
        page->Initialize();
    }

    // Presses a key; keys the page passes on reach the window's own handling.
    PageHarness& Key(int vk, bool shift = false, bool ctrl = false) {
        window.SetCtrlDown(ctrl);
        if (!page->PreTranslateKeyDown(vk)) window.DefaultKey(vk, shift);
        window.SetCtrlDown(false);
        return *this;
    }
    // Types main-keyboard digits.
    PageHarness& Type(const std::string& digits) {
        for (char c : digits) Key(vk::k0 + (c - '0'));
        return *this;
    }
    PageHarness& Focus(int row) {
        window.SetFocus(BoxId(row));
        return *this;
    }
    const std::string& Entry() const { return page->Entry(); }
    const std::string& Box(int row) const { return window.Text(row); }

    MemoryWindow window;
    std::unique_ptr<ConversionPage> page;
};

}  // namespace tevrimo::testing
