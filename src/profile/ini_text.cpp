// SPDX-License-Identifier: MIT
#include "ini_text.h"

#include "int_text.h"
#include "user_text.h"

namespace tevrimo {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// "[name]" -> name; otherwise false.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return false;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

// "key=value" -> key, value; otherwise false.
bool Entry(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return !key.empty();
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

}  // namespace

bool ParseIniText(std::string_view text, IniText& out) {
    if (text.size() > kMaxProfileSize) return false;
    out.bom = text.substr(0, kBom.size()) == kBom;
    if (out.bom) text.remove_prefix(kBom.size());
    if (text.find('\0') != std::string_view::npos || !IsUtf8(text)) return false;
    const std::size_t firstEnd = text.find('\n');
    out.crlf = firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r';
    out.lines.clear();
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        out.lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    // The save ends every line; an unended last line gets the file's line end.
    if (!text.empty() && text.back() != '\n' && out.crlf && out.lines.back().back() != '\r')
        out.lines.back() += '\r';
    return true;
}

std::string IniBytes(const IniText& text) {
    std::string out = text.bom ? std::string(kBom) : std::string();
    for (const std::string& line : text.lines) out.append(line).push_back('\n');
    return out;
}

int IniInt(const std::vector<std::string>& lines, std::string_view section, std::string_view key,
           int fallback) {
    bool inSection = false;
    for (const std::string& line : lines) {
        std::string_view name, k, v;
        if (SectionName(line, name)) {
            inSection = SameIgnoringAsciiCase(name, section);
        } else if (inSection && Entry(line, k, v) && SameIgnoringAsciiCase(k, key)) {
            return ParseClampedInt(v);
        }
    }
    return fallback;
}

std::vector<std::string> MergeIniInts(const std::vector<std::string>& lines,
                                      std::string_view section,
                                      const std::vector<std::pair<std::string, int>>& values,
                                      bool crlf) {
    const auto entry = [&values](std::size_t i, bool cr) {
        return values[i].first + "=" + std::to_string(values[i].second) + (cr ? "\r" : "");
    };
    std::vector<bool> written(values.size(), false);
    std::vector<std::string> out;
    bool inSection = false, seenSection = false;
    const auto flushMissing = [&]() {
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!written[i]) out.push_back(entry(i, crlf));
            written[i] = true;
        }
    };
    for (const std::string& line : lines) {
        std::string_view name, k, v;
        if (SectionName(line, name)) {
            if (inSection) flushMissing();
            inSection = !seenSection && SameIgnoringAsciiCase(name, section);
            seenSection = seenSection || inSection;
        } else if (inSection && Entry(line, k, v)) {
            bool replaced = false;
            for (std::size_t i = 0; i < values.size() && !replaced; ++i) {
                if (SameIgnoringAsciiCase(k, values[i].first)) {
                    if (!written[i]) out.push_back(entry(i, !line.empty() && line.back() == '\r'));
                    written[i] = replaced = true;
                }
            }
            if (replaced) continue;
        }
        out.push_back(line);
    }
    if (inSection) flushMissing();
    if (!seenSection) {
        out.push_back("[" + std::string(section) + "]" + (crlf ? "\r" : ""));
        flushMissing();
    }
    return out;
}

}  // namespace tevrimo
