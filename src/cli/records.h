// SPDX-License-Identifier: MIT
// How tevrimo-cli writes what it finds: records as TSV, CSV (RFC 4180) or JSON.
#pragma once

#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "output.h"

namespace tevrimo::cli {

enum class Format { kTsv, kCsv, kJson };

// The names of the formats, in the order of Format.
inline constexpr std::string_view kFormatNames[] = {"tsv", "csv", "json"};

// A format by its name; nothing for anything else.
[[nodiscard]] std::optional<Format> ParseFormat(std::string_view name);

// One TSV or CSV record after another: fields in order, then End. TSV fields are
// written as WriteTsvField writes them; CSV fields are quoted where they hold a comma,
// a quote or a line break, and records end with CR-LF.
class RecordWriter {
  public:
    RecordWriter(Output& out, Format format) : m_out(out), m_format(format) {}
    void Field(std::string_view text);
    // A field the program formatted itself, such as a number: nothing in it needs an
    // escape in TSV, so it goes out as it is.
    void OwnField(std::string_view text);
    void End();

  private:
    Output& m_out;
    Format m_format;
    bool m_first = true;
};

// A TSV field: a tab, CR, LF or backslash in `text` is written as "\t", "\r", "\n" or
// "\\", so that a field never splits its record; everything else as it is.
void WriteTsvField(Output& out, std::string_view text);

}  // namespace tevrimo::cli
