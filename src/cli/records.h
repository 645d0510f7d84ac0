// SPDX-License-Identifier: MIT
// How tevrimo-cli writes what it finds: records as TSV, CSV (RFC 4180) or JSON, and the
// user's own bytes shown safely inside one-line messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output.h"

namespace tevrimo::cli {

enum class Format { kTsv, kCsv, kJson };

// "tsv", "csv" or "json"; nullopt for anything else.
std::optional<Format> ParseFormat(std::string_view name);

// `text` in single quotes for a message on one line: control characters and bytes that
// are not UTF-8 are written as escapes (\n, \t, \x1B, \u009B).
std::string Quoted(std::string_view text);

// One TSV or CSV record after another: fields in order, then End. TSV fields go out as
// they are; CSV fields are quoted where they hold a comma, a quote or a line break, and
// records end with CR-LF.
class RecordWriter {
  public:
    RecordWriter(Output& out, Format format) : m_out(out), m_format(format) {}
    void Field(std::string_view text);
    void End();

  private:
    Output& m_out;
    Format m_format;
    bool m_first = true;
};

// A JSON string: quotes, backslashes and control characters escaped, bytes that are
// not UTF-8 replaced by U+FFFD, so that every line parses.
void WriteJsonString(Output& out, std::string_view text);

}  // namespace tevrimo::cli
