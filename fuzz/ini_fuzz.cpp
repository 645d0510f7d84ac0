// SPDX-License-Identifier: MIT
// Any bytes as a profile's text: reading never fails on them, and a profile that reads
// as text reads back the same from its own bytes and, once merged, gives each set entry
// its value, growing by no more than those entries.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tevrimo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniText text;
    if (!ParseIniText(bytes, text)) return 0;
    // Its own bytes end every line; they read back as the same lines.
    const std::string own = IniBytes(text);
    IniText again;
    if (own.size() <= kMaxProfileSize &&
        (!ParseIniText(own, again) || again.lines != text.lines || again.bom != text.bom)) {
        std::abort();
    }
    const std::vector<std::pair<std::string, int>> values = {{"x", -5}, {"Tab", 2147483647}};
    text.lines = MergeIniInts(text.lines, "Settings", values, text.crlf);
    for (const auto& [key, value] : values) {
        if (IniInt(text.lines, "settings", key, 0) != value) std::abort();
    }
    if (IniBytes(text).size() > bytes.size() + 64) std::abort();
    return 0;
}
