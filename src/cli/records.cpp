// SPDX-License-Identifier: MIT
#include "records.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "user_text.h"

namespace tevrimo::cli {

std::optional<Format> ParseFormat(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kFormatNames); ++i) {
        if (name == kFormatNames[i]) return static_cast<Format>(i);
    }
    return std::nullopt;
}

void RecordWriter::Field(std::string_view text) {
    if (!m_first) m_out.Put(m_format == Format::kCsv ? ',' : '\t');
    m_first = false;
    if (m_format != Format::kCsv) {
        WriteTsvField(m_out, text);
        return;
    }
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
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

void RecordWriter::OwnField(std::string_view text) {
    if (m_format == Format::kCsv) return Field(text);
    if (!m_first) m_out.Put('\t');
    m_first = false;
    m_out.Write(text);
}

void RecordWriter::End() {
    if (m_format == Format::kCsv) m_out.Put('\r');
    m_out.Put('\n');
    m_first = true;
}

void WriteTsvField(Output& out, std::string_view text) {
    std::size_t plain = 0;  // the start of what is not written yet
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char escape = c == '\t'   ? 't'
                            : c == '\r' ? 'r'
                            : c == '\n' ? 'n'
                            : c == '\\' ? '\\'
                                        : '\0';
        if (escape == '\0') continue;
        out.Write(text.substr(plain, i - plain));
        out.Put('\\');
        out.Put(escape);
        plain = i + 1;
    }
    out.Write(text.substr(plain));
}

void WriteJsonString(Output& out, std::string_view text) {
    out.Put('"');
    char escape[8];
    while (!text.empty()) {
        char32_t cp = 0;
        std::size_t n = Utf8Sequence(text, cp);
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

#if !defined(__cpp_lib_to_chars)
// What std::to_chars(value) writes, where the standard library lacks it: the fewest
// significant digits that read back as `value`, in plain or scientific notation
// ("1e-06", two exponent digits at least), whichever is shorter, plain on a tie.
std::string_view ShortestText(double value, char (&buffer)[32]) {
    char sci[40];
    int precision = 0;
    for (; precision < 17; ++precision) {
        std::snprintf(sci, sizeof sci, "%.*e", precision, value);
        if (std::strtod(sci, nullptr) == value) break;
    }
    // sci is now "-d.ddde+XX" with precision + 1 digits (the C library's decimal point
    // may be any character: only digits are taken).
    std::string digits;
    const char* p = sci;
    const bool negative = *p == '-';
    if (negative) ++p;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') digits += *p;
    }
    const int exponent = std::atoi(p + 1);
    const int count = static_cast<int>(digits.size());

    std::string plain = negative ? "-" : "";
    if (exponent >= count - 1) {
        plain += digits;
        plain.append(static_cast<std::size_t>(exponent - (count - 1)), '0');
    } else if (exponent >= 0) {
        plain.append(digits, 0, static_cast<std::size_t>(exponent + 1));
        plain += '.';
        plain.append(digits, static_cast<std::size_t>(exponent + 1));
    } else {
        plain += "0.";
        plain.append(static_cast<std::size_t>(-exponent - 1), '0');
        plain += digits;
    }
    std::string scientific = negative ? "-" : "";
    scientific += digits[0];
    if (count > 1) {
        scientific += '.';
        scientific.append(digits, 1);
    }
    char tail[8];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+',
                  exponent < 0 ? -exponent : exponent);
    scientific += tail;

    const std::string& best = plain.size() <= scientific.size() ? plain : scientific;
    const std::size_t n = best.size() < sizeof buffer ? best.size() : sizeof buffer;
    best.copy(buffer, n);
    return {buffer, n};
}
#endif

void WriteJsonNumber(Output& out, double value) {
    if (!std::isfinite(value)) {
        out.Write("null");
        return;
    }
    char buffer[32];
#if defined(__cpp_lib_to_chars)
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.Write({buffer, static_cast<std::size_t>(end - buffer)});
#else
    out.Write(ShortestText(value, buffer));
#endif
}

}  // namespace tevrimo::cli
