// SPDX-License-Identifier: MIT
#include "records.h"

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

}  // namespace tevrimo::cli
