// SPDX-License-Identifier: MIT
// What a web page may send the browser's converter: any key names, typed and pasted
// text of any bytes, rows, flags and tabs in and out of range, finder names. Nothing
// crashes, and every answer is JSON.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "json_reader.h"
#include "web_front.h"

namespace {

using namespace tevrimo;

constexpr std::string_view kCodes[] = {
    "Digit1",  "Digit0",        "Period",      "Comma",   "Slash",
    "Numpad5", "NumpadDecimal", "NumpadEnter", "Minus",   "KeyE",
    "Tab",     "Enter",         "Escape",      "ArrowUp", ""};
constexpr std::string_view kKeys[] = {"1",
                                      "0",
                                      ".",
                                      ",",
                                      "-",
                                      "+",
                                      "*",
                                      "/",
                                      "e",
                                      "Tab",
                                      "Enter",
                                      "Escape",
                                      "Backspace",
                                      "ArrowUp",
                                      "ArrowDown",
                                      "Home",
                                      "Unidentified",
                                      "Dead",
                                      "F1",
                                      "é"};

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t Byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    // Up to 32 bytes as they come.
    std::string_view Text() {
        const std::size_t n = std::min<std::size_t>(Byte() % 33, size);
        const std::string_view text(reinterpret_cast<const char*>(data), n);
        data += n;
        size -= n;
        return text;
    }
};

void Check(const std::string& json) {
    if (!testing::ParseJson(json)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    const int tab = in.Byte() % 15 - 1;
    const int language = in.Byte() % 7 - 1;
    WebFront front(tab, language, in.Text());
    Check(front.Start());
    for (int step = 0; step < 400 && in.size > 0; ++step) {
        const std::uint8_t op = in.Byte();
        const int n = in.Byte() % 18 - 2;  // a row, flag or tab, some out of range
        const Modifiers modifiers{
            .shift = (op & 0x10) != 0, .ctrl = (op & 0x20) != 0, .alt = (op & 0x40) != 0};
        switch (op % 12) {
            case 0:
            case 1:
            case 2: {
                const std::string_view code = kCodes[in.Byte() % std::size(kCodes)];
                const std::string_view key = kKeys[in.Byte() % std::size(kKeys)];
                Check(front.Key(code, key, modifiers));
                break;
            }
            case 3: {
                const std::string code(in.Text()), key(in.Text());
                Check(front.Key(code, key, modifiers));
                break;
            }
            case 4: Check(front.Type(std::string(in.Text()))); break;
            case 5: Check(op & 0x80 ? front.FocusBox(n) : front.FocusButton(n)); break;
            case 6: Check(front.ClickButton(n)); break;
            case 7: Check(op & 0x80 ? front.ClickFlag(n) : front.ClickBackground()); break;
            case 8: Check(front.ShowTab(n)); break;
            case 9: Check(front.Paste(n, std::string(in.Text()))); break;
            case 10: Check(front.ShowUnit(n, in.Byte() % 18 - 2)); break;
            default: {
                const std::string name(in.Text());
                Check(front.Complete(name));
                Check(front.Resolve(name));
                Check(front.Words());
                Check(WebFront::CategoryNames(n));
                (void)front.CopyRow(n);
                (void)front.CopyPage();
                break;
            }
        }
    }
    return 0;
}
