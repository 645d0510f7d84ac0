// SPDX-License-Identifier: MIT
// A small JSON reader for tests: enough to check that output parses and has the
// expected shape. Numbers are kept as their text.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tevrimo::testing {

struct Json {
    enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };
    Kind kind = Kind::kNull;
    std::string text;  // a string's value, a number's or a literal's text
    std::vector<Json> items;
    std::map<std::string, Json> members;
    std::vector<std::string> order;  // the members' names as written

    const Json& operator[](const std::string& name) const { return members.at(name); }
};

// `text` parsed as one JSON value with nothing after it but blanks; nothing when it is
// not JSON (a duplicate member name counts as not JSON).
inline std::optional<Json> ParseJson(std::string_view text) {
    struct Reader {
        std::string_view s;
        std::size_t i = 0;
        void Blanks() {
            while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r'))
                ++i;
        }
        bool Eat(char c) {
            Blanks();
            if (i < s.size() && s[i] == c) return ++i, true;
            return false;
        }
        bool String(std::string& out) {
            if (!Eat('"')) return false;
            while (i < s.size() && s[i] != '"') {
                const unsigned char c = static_cast<unsigned char>(s[i++]);
                if (c < 0x20) return false;
                if (c != '\\') {
                    out += static_cast<char>(c);
                    continue;
                }
                if (i >= s.size()) return false;
                const char e = s[i++];
                const std::string_view simple = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
                if (const auto k = simple.find(e); k != std::string_view::npos) {
                    out += meant[k];
                } else if (e == 'u' && i + 4 <= s.size()) {
                    unsigned cp = 0;
                    for (int k = 0; k < 4; ++k) {
                        const char h = s[i++];
                        const auto d =
                            std::string_view("0123456789abcdef").find(static_cast<char>(h | 0x20));
                        if (d == std::string_view::npos) return false;
                        cp = cp * 16 + static_cast<unsigned>(d);
                    }
                    if (cp >= 0xD800 && cp < 0xE000) return false;  // not used by our output
                    if (cp < 0x80) {
                        out += static_cast<char>(cp);
                    } else if (cp < 0x800) {
                        out += static_cast<char>(0xC0 | cp >> 6);
                        out += static_cast<char>(0x80 | (cp & 0x3F));
                    } else {
                        out += static_cast<char>(0xE0 | cp >> 12);
                        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
                        out += static_cast<char>(0x80 | (cp & 0x3F));
                    }
                } else {
                    return false;
                }
            }
            return Eat('"');
        }
        bool Value(Json& v, int depth) {
            Blanks();
            if (depth > 64 || i >= s.size()) return false;
            if (s[i] == '"') {
                v.kind = Json::Kind::kString;
                return String(v.text);
            }
            if (Eat('[')) {
                v.kind = Json::Kind::kArray;
                if (Eat(']')) return true;
                do {
                    v.items.emplace_back();
                    if (!Value(v.items.back(), depth + 1)) return false;
                } while (Eat(','));
                return Eat(']');
            }
            if (Eat('{')) {
                v.kind = Json::Kind::kObject;
                if (Eat('}')) return true;
                do {
                    std::string name;
                    Blanks();
                    if (!String(name) || !Eat(':') || v.members.count(name)) return false;
                    v.order.push_back(name);
                    if (!Value(v.members[name], depth + 1)) return false;
                } while (Eat(','));
                return Eat('}');
            }
            for (const auto& [word, kind] : {std::pair{"true", Json::Kind::kBool},
                                             {"false", Json::Kind::kBool},
                                             {"null", Json::Kind::kNull}}) {
                if (s.substr(i, std::string_view(word).size()) == word) {
                    i += std::string_view(word).size();
                    v.kind = kind;
                    v.text = word;
                    return true;
                }
            }
            const std::size_t start = i;
            if (i < s.size() && s[i] == '-') ++i;
            const auto digits = [&] {
                const std::size_t from = i;
                while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
                return i > from;
            };
            if (!digits()) return false;
            if (i < s.size() && s[i] == '.' && (++i, !digits())) return false;
            if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
                ++i;
                if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
                if (!digits()) return false;
            }
            v.kind = Json::Kind::kNumber;
            v.text = std::string(s.substr(start, i - start));
            return true;
        }
    } reader{text};
    Json value;
    if (!reader.Value(value, 0)) return std::nullopt;
    reader.Blanks();
    if (reader.i != text.size()) return std::nullopt;
    return value;
}

}  // namespace tevrimo::testing
