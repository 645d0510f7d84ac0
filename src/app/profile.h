// SPDX-License-Identifier: MIT
// The profile: a small INI file of integer settings, read at start-up and written at
// exit. Reading never fails (bad content gives the defaults). Writing reads the file as
// it is then and changes only the given entries, so what others wrote meanwhile stays;
// it replaces the file in one step, so it is never left half-written; it follows a
// symbolic link to its target and keeps the target's mode and owner.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tevrimo {

class Profile {
  public:
    // "<config folder>/<program base name>.INI", the folder being $XDG_CONFIG_HOME,
    // else ~/.config.
    static std::string DefaultPath(std::string_view programFile);

    explicit Profile(std::string path);

    // The integer value of `key` in `section` (names compare case-insensitively; the
    // first of duplicate keys counts), read like strtol with trailing text ignored and
    // clamped to the int range; `fallback` when the entry is missing.
    int GetInt(std::string_view section, std::string_view key, int fallback) const;

    // Sets the entries in the file as it is now. Other sections and entries are kept,
    // and so is a leading byte-order mark. A file that is no text profile (over 1 MiB,
    // NUL bytes, not UTF-8) is first renamed to "<name>.not-read" (or "-2", "-3", ...)
    // beside it. Returns false when the file could not be written; it is then left as
    // it was (so is a file that cannot be read, or a folder in its place).
    bool WriteInts(std::string_view section,
                   const std::vector<std::pair<std::string, int>>& values);

    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
    std::vector<std::string> m_lines;  // the file as read at start, when it is usable text
};

}  // namespace tevrimo
