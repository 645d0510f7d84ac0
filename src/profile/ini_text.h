// SPDX-License-Identifier: MIT
// The profile's text: an INI file of integer settings as lines, read and merged with no
// file behind it. The profile (profile.h) reads and replaces the file around it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tevrimo {

// The largest file read as a profile: a mebibyte of the user's own content and room for
// the program's entries. A save never writes a larger file, so whatever the program
// wrote is read back at the next start.
inline constexpr std::size_t kMaxProfileSize = (std::size_t{1} << 20) + (std::size_t{4} << 10);

struct IniText {
    bool bom = false;                // starts with a UTF-8 byte-order mark
    bool crlf = false;               // its first line ends with CR-LF
    std::vector<std::string> lines;  // without LF; a CR before it stays
};

// Splits `text` into lines. False when it is no text profile: larger than
// kMaxProfileSize, a NUL byte, or not UTF-8 (`bom` is set all the same). An unended last
// line gets the line end of the first, as a save ends every line.
[[nodiscard]] bool ParseIniText(std::string_view text, IniText& out);

// The bytes of `text`: the byte-order mark when it had one, every line ended by LF.
std::string IniBytes(const IniText& text);

// The integer value of `key` in `section` (names compare ignoring ASCII case; the first
// of duplicate keys counts, in whichever section of that name), read like strtol with
// trailing text ignored and clamped to the int range; `fallback` when it is missing.
[[nodiscard]] int IniInt(const std::vector<std::string>& lines, std::string_view section,
                         std::string_view key, int fallback);

// `lines` with the entries of `values` set in the first section named `section`: each
// replaced where it stands (keeping that line's end; later duplicates dropped), missing
// ones added at the end of the section, the section added when there is none; added
// lines end in CR-LF with `crlf`, else in LF alone.
std::vector<std::string> MergeIniInts(const std::vector<std::string>& lines,
                                      std::string_view section,
                                      const std::vector<std::pair<std::string, int>>& values,
                                      bool crlf);

}  // namespace tevrimo
