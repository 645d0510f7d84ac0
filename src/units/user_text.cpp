// SPDX-License-Identifier: MIT
#include "user_text.h"

#include <cstdio>

namespace tevrimo {

std::size_t Utf8Sequence(std::string_view s, char32_t& cp) {
    if (s.empty()) return 0;
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = byte(0);
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    std::size_t n;
    char32_t min;
    if (c >= 0xC2 && c < 0xE0) {
        n = 2, cp = c & 0x1Fu, min = 0x80;
    } else if (c >= 0xE0 && c < 0xF0) {
        n = 3, cp = c & 0x0Fu, min = 0x800;
    } else if (c >= 0xF0 && c < 0xF5) {
        n = 4, cp = c & 0x07u, min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((byte(i) & 0xC0u) != 0x80) return 0;
        cp = (cp << 6) | (byte(i) & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool IsUtf8(std::string_view s) {
    while (!s.empty()) {
        char32_t cp = 0;
        const std::size_t n = Utf8Sequence(s, cp);
        if (n == 0) return false;
        s.remove_prefix(n);
    }
    return true;
}

char32_t Utf8NextLoose(std::string_view s, std::size_t& i) {
    const auto byte = [&s, i](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const auto tail = [&byte](std::size_t k) { return char32_t{byte(k) & 0x3Fu}; };
    const unsigned char c = byte(0);
    char32_t cp = c;
    std::size_t length = 1;
    if (c >= 0xC0 && c < 0xE0 && i + 1 < s.size()) {
        cp = char32_t{c & 0x1Fu} << 6 | tail(1);
        length = 2;
    } else if (c >= 0xE0 && c < 0xF0 && i + 2 < s.size()) {
        cp = char32_t{c & 0x0Fu} << 12 | tail(1) << 6 | tail(2);
        length = 3;
    } else if (c >= 0xF0 && c < 0xF8 && i + 3 < s.size()) {
        cp = char32_t{c & 0x07u} << 18 | tail(1) << 12 | tail(2) << 6 | tail(3);
        length = 4;
    }
    i += length;
    return cp;
}

std::string AsciiLowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

bool IsHiddenControl(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0x061C || cp == 0x200E || cp == 0x200F ||
           (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

std::string Quoted(std::string_view text) {
    std::string out = "'";
    char escape[16];
    while (!text.empty()) {
        char32_t cp = 0;
        const std::size_t n = Utf8Sequence(text, cp);
        if (n == 0) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[0]));
            out += escape;
            text.remove_prefix(1);
            continue;
        }
        switch (cp) {
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\\': out += "\\\\"; break;
            default:
                if (!IsHiddenControl(cp)) {
                    out.append(text.substr(0, n));
                } else if (cp < 0x80) {
                    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(cp));
                    out += escape;
                } else {
                    std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(cp));
                    out += escape;
                }
        }
        text.remove_prefix(n);
    }
    return out + "'";
}

}  // namespace tevrimo
