// SPDX-License-Identifier: MIT
// How tevrimo-cli writes what it finds: records as TSV, CSV (RFC 4180) or JSON.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output.h"
#include "user_text.h"

namespace tevrimo::cli {

enum class Format { kTsv, kCsv, kJson };

// "tsv", "csv" or "json"; nullopt for anything else.
std::optional<Format> ParseFormat(std::string_view name);

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
