// SPDX-License-Identifier: MIT
// The profile: a small INI file of integer settings, read at start-up and written at
// exit. Reading never fails (bad content gives the defaults). Writing reads the file as
// it is then and changes only the given entries, so what others wrote meanwhile stays;
// it replaces the file in one step, so it is never left half-written. It touches no
// file but the profile, and only on the user's own path: no folder on it of another
// user or writable by others (but sticky ones), no link of another user, and a file of
// the user's. A save that cannot be done safely is not done, with the reason.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tevrimo {

// What became of a save: done, or the reason why not, in words that follow
// "settings not saved to '<file>': ".
struct [[nodiscard]] SaveResult {
    bool saved = false;
    std::string reason;  // empty when saved
    // When saved: what the user should still know, in words that follow "settings saved
    // to '<file>', but ", else empty.
    std::string warning;

    explicit operator bool() const { return saved; }
};

class Profile {
  public:
    // "<config folder>/<program base name>.INI", the folder being $XDG_CONFIG_HOME,
    // else ~/.config.
    static std::string DefaultPath(std::string_view programFile);

    explicit Profile(std::string path);

    // The integer value of `key` in `section` (names compare case-insensitively; the
    // first of duplicate keys counts), read like strtol with trailing text ignored and
    // clamped to the int range; `fallback` when the entry is missing.
    [[nodiscard]] int GetInt(std::string_view section, std::string_view key, int fallback) const;

    // Sets the entries in the file as it is now. Other sections and entries, a leading
    // byte-order mark, each line's end (new lines take the end of the file's first
    // line), the mode, owner, group, ACL and extended attributes are kept; a file with
    // several hard links is rewritten in place so that every name sees the new
    // settings. The save holds the file's advisory lock (flock) from its read to its
    // replace, so two saves never race. When the file changes while it is saved, the
    // save reads and merges again; what a writer adds to the replaced file just after
    // the replace is added in one more save, and where that cannot be done the result
    // says a change may be lost. A file that is no text profile (over the size limit, NUL bytes,
    // not UTF-8) is first renamed to "<name>.not-read" (or "-2", "-3", ...) beside it. Nothing is
    // written, and the reason returned, when the file is read-only, unreadable, a
    // folder, reached through a link the user should not follow, or cannot be replaced
    // with everything above kept.
    [[nodiscard]] SaveResult WriteInts(std::string_view section,
                                       const std::vector<std::pair<std::string, int>>& values);

    const std::string& Path() const { return m_path; }

    // Called by each save once the new content is ready, just before the file is
    // checked one last time and replaced; lets a test change the file at that moment.
    void SetBeforeReplace(std::function<void()> hook) { m_beforeReplace = std::move(hook); }
    // Called by each save right after it replaced or rewrote the file, before it looks
    // at the old file once more for what others added meanwhile.
    void SetAfterReplace(std::function<void()> hook) { m_afterReplace = std::move(hook); }

  private:
    std::string m_path;
    std::vector<std::string> m_lines;  // the file as read at start, when it is usable text
    std::function<void()> m_beforeReplace;
    std::function<void()> m_afterReplace;
};

}  // namespace tevrimo
