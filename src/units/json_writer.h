// SPDX-License-Identifier: MIT
// A small JSON writer: objects, arrays, keys, strings and numbers, with the commas
// between them placed by the writer. It writes into any sink with Write(string_view)
// and Put(char) (tevrimo-cli's buffered output, or StringSink), as it goes.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "number_text.h"
#include "user_text.h"

namespace tevrimo {

// A sink that appends to a string.
class StringSink {
  public:
    explicit StringSink(std::string& out) : m_out(out) {}
    void Write(std::string_view text) { m_out.append(text); }
    void Put(char c) { m_out.push_back(c); }

  private:
    std::string& m_out;
};

template <typename Sink>
class JsonWriter {
  public:
    explicit JsonWriter(Sink& sink) : m_sink(sink) {}

    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }

    // The key of the next value in an object.
    JsonWriter& Key(std::string_view key) {
        Separate();
        WriteString(key);
        m_sink.Put(':');
        m_separate = false;
        return *this;
    }

    // Quotes, backslashes and control characters escaped, bytes that are not UTF-8
    // replaced by U+FFFD, so that every line parses.
    JsonWriter& String(std::string_view text) {
        Separate();
        WriteString(text);
        m_separate = true;
        return *this;
    }

    JsonWriter& Int(long long value) {
        char buffer[24];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        return Raw({buffer, static_cast<std::size_t>(end - buffer)});
    }

    // The shortest text that reads back as `value`; null for an infinity or a NaN, which
    // JSON cannot write.
    JsonWriter& Number(double value) {
        if (!std::isfinite(value)) return Null();
        char buffer[kShortestBufferSize];
        return Raw({buffer, ShortestNumberText(value, buffer)});
    }

    JsonWriter& Bool(bool value) { return Raw(value ? "true" : "false"); }

    JsonWriter& Null() { return Raw("null"); }

  private:
    JsonWriter& Open(char c) {
        Separate();
        m_sink.Put(c);
        m_separate = false;
        return *this;
    }
    JsonWriter& Close(char c) {
        m_sink.Put(c);
        m_separate = true;
        return *this;
    }
    JsonWriter& Raw(std::string_view text) {
        Separate();
        m_sink.Write(text);
        m_separate = true;
        return *this;
    }
    // A comma before a value or key that follows another in the same object or array.
    void Separate() {
        if (m_separate) m_sink.Put(',');
    }

    static bool IsPlain(char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x20 && u < 0x80 && c != '"' && c != '\\';
    }

    void WriteString(std::string_view text) {
        m_sink.Put('"');
        char escape[8];
        while (!text.empty()) {
            // A run of printable ASCII that needs no escape goes out at once.
            std::size_t plain = 0;
            while (plain < text.size() && IsPlain(text[plain])) ++plain;
            if (plain > 0) {
                m_sink.Write(text.substr(0, plain));
                text.remove_prefix(plain);
                continue;
            }
            char32_t cp = 0;
            const std::size_t n = Utf8Sequence(text, cp);
            if (n == 0) {
                m_sink.Write("\\ufffd");
                text.remove_prefix(1);
                continue;
            }
            if (cp == '"' || cp == '\\') {
                m_sink.Put('\\');
                m_sink.Put(static_cast<char>(cp));
            } else if (cp < 0x20) {
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(cp));
                m_sink.Write(escape);
            } else {
                m_sink.Write(text.substr(0, n));
            }
            text.remove_prefix(n);
        }
        m_sink.Put('"');
    }

    Sink& m_sink;
    bool m_separate = false;  // a value was written: the next one needs a comma
};

}  // namespace tevrimo
