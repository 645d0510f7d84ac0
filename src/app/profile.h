// The profile: a small INI file of integer settings, read once at start-up and
// written once at exit. Reading never fails (bad content gives the defaults);
// writing replaces the file in one step, so it is never left half-written.
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

    // Sets the entries and writes the whole file. Other sections and entries of a
    // readable text profile are kept. Returns false when the file could not be written
    // (the old file is then left as it was).
    bool WriteInts(std::string_view section,
                   const std::vector<std::pair<std::string, int>>& values);

    const std::string& Path() const { return m_path; }

  private:
    void Load();

    std::string m_path;
    std::vector<std::string> m_lines;  // the file as read, when it is usable text
};

}  // namespace tevrimo
