// SPDX-License-Identifier: MIT
// Random key-downs, clicks, flags and mode buttons on every page through the page
// logic: nothing crashes, the entry holds only what keys and results put there, and
// every box shows the entry, a formatted value or nothing.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "categories.h"
#include "keys.h"
#include "page_session.h"

namespace {

using namespace tevrimo;

constexpr int kKeys[] = {
    vk::kBack,
    vk::kTab,
    vk::kReturn,
    vk::kShift,
    vk::kControl,
    vk::kEscape,
    vk::kSpace,
    vk::kEnd,
    vk::kHome,
    vk::kLeft,
    vk::kUp,
    vk::kRight,
    vk::kDown,
    vk::kDelete,
    vk::kC,
    vk::kV,
    vk::kA,
    vk::kNumpad0,
    vk::kNumpad0 + 5,
    vk::kMultiply,
    vk::kAdd,
    vk::kSubtract,
    vk::kDecimal,
    vk::kDivide,
    vk::kF1,
    vk::kOemPlus,
    vk::kOemComma,
    vk::kOemMinus,
    vk::kOemPeriod,
    vk::kOem2,
    vk::kOem5,
    '0',
    '1',
    '2',
    '3',
    '4',
    '5',
    '6',
    '7',
    '8',
    '9',
    '9',
    '0',
    '1',
};

bool EntryCharsOk(const std::string& entry) {
    for (char c : entry) {
        if (!std::strchr("0123456789.-+EINAF", c)) return false;
    }
    return true;
}

bool IsFormatted(const std::string& text) {
    return text.empty() || FormatNumber(ParseNumber(text)) == text;
}

// Checks every text as it is written: the entry, a formatted value or nothing.
class CheckingWindow : public MemoryWindow {
  public:
    using MemoryWindow::MemoryWindow;
    void Render(const PageState& state, const PageChanges& changes) override {
        for (int r = 0; r < kRowCount; ++r) {
            if (!PageChanges::Has(changes.texts, r)) continue;
            const std::string& t = state.texts[static_cast<std::size_t>(r)];
            if (t != state.entry && !IsFormatted(t)) std::abort();
        }
        MemoryWindow::Render(state, changes);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const CategoryTable& table = Category(data[0] % kCategoryCount);
    PageSession session(table, std::make_unique<CheckingWindow>());
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        const int kind = data[i] % 16;
        const int value = data[i + 1];
        if (kind < 10) {
            const int key =
                kKeys[static_cast<std::size_t>(value) % (sizeof kKeys / sizeof kKeys[0])];
            session.Press(key, {.shift = kind == 8, .ctrl = kind == 9});
        } else if (kind == 10) {
            session.Page().PreTranslateKeyDown(value);  // any key-down at all
        } else if (kind == 11) {
            session.ClickBox(value % kRowCount);
        } else if (kind == 12) {
            session.ClickButton(value % kRowCount);
        } else if (kind == 13) {
            if (value % 5 == 4) {
                session.ClickBackground();
            } else {
                session.ClickFlag(value % 5);
            }
        } else {
            session.HandLanguage(value % 6);
        }
        if (!EntryCharsOk(session.Page().Entry())) std::abort();
    }
    return 0;
}
