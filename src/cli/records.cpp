// SPDX-License-Identifier: MIT
#include "records.h"

#include <cstdint>
#include <cstdio>

namespace tevrimo::cli {

namespace {

// The length of the valid UTF-8 sequence at the start of `s`, 0 when there is none.
std::size_t Utf8Length(std::string_view s, char32_t& cp) {
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

}  // namespace

std::optional<Format> ParseFormat(std::string_view name) {
    if (name == "tsv") return Format::kTsv;
    if (name == "csv") return Format::kCsv;
    if (name == "json") return Format::kJson;
    return std::nullopt;
}

std::string Quoted(std::string_view text) {
    std::string out = "'";
    char escape[16];
    while (!text.empty()) {
        char32_t cp = 0;
        const std::size_t n = Utf8Length(text, cp);
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
                if (cp < 0x20 || cp == 0x7F) {
                    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(cp));
                    out += escape;
                } else if (cp >= 0x80 && cp < 0xA0) {  // C1 controls
                    std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(cp));
                    out += escape;
                } else {
                    out.append(text.substr(0, n));
                }
        }
        text.remove_prefix(n);
    }
    return out + "'";
}

void RecordWriter::Field(std::string_view text) {
    if (!m_first) m_out.Put(m_format == Format::kCsv ? ',' : '\t');
    m_first = false;
    if (m_format != Format::kCsv || text.find_first_of(",\"\r\n") == std::string_view::npos) {
        m_out.Write(text);
        return;
    }
    m_out.Put('"');
    for (char c : text) {
        if (c == '"') m_out.Put('"');
        m_out.Put(c);
    }
    m_out.Put('"');
}

void RecordWriter::End() {
    if (m_format == Format::kCsv) m_out.Put('\r');
    m_out.Put('\n');
    m_first = true;
}

void WriteJsonString(Output& out, std::string_view text) {
    out.Put('"');
    char escape[8];
    while (!text.empty()) {
        char32_t cp = 0;
        std::size_t n = Utf8Length(text, cp);
        if (n == 0) {
            out.Write("\\ufffd");
            text.remove_prefix(1);
            continue;
        }
        if (cp == '"' || cp == '\\') {
            out.Put('\\');
            out.Put(static_cast<char>(cp));
        } else if (cp < 0x20) {
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(cp));
            out.Write(escape);
        } else {
            out.Write(text.substr(0, n));
        }
        text.remove_prefix(n);
    }
    out.Put('"');
}

}  // namespace tevrimo::cli
