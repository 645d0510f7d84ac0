// SPDX-License-Identifier: MIT
#include "profile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

#include "user_text.h"

namespace tevrimo {

namespace {

constexpr std::size_t kMaxProfileSize = 1 << 20;  // larger files are not a profile of ours

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

// "[name]" -> name; otherwise false.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return false;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

// "key=value" -> key, value; otherwise false.
bool Entry(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return !key.empty();
}

int ToInt(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

bool MakeFolders(const std::string& folder) {
    if (folder.empty()) return true;
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const std::size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(folder.substr(0, slash)))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// What a profile file holds, as far as this program is concerned.
struct Content {
    enum State { kMissing, kUnreadable, kNotAFile, kNotText, kText };
    State state = kMissing;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    bool bom = false;  // starts with a UTF-8 byte-order mark
    std::vector<std::string> lines;
};

Content Read(const std::string& path) {
    Content c;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        c.state = errno == ENOENT ? Content::kMissing : Content::kUnreadable;
        return c;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        c.state = Content::kNotAFile;
        return c;
    }
    c.mode = st.st_mode;
    c.owner = st.st_uid;
    c.group = st.st_gid;
    c.state = Content::kNotText;
    std::string text;
    bool readOk = static_cast<std::size_t>(st.st_size) <= kMaxProfileSize;
    char buffer[1 << 14];
    while (readOk) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) c.state = Content::kUnreadable;
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        readOk = text.size() <= kMaxProfileSize;
    }
    ::close(fd);
    if (!readOk || c.state == Content::kUnreadable) return c;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        c.bom = true;
        text.erase(0, 3);
    }
    if (text.find('\0') != std::string::npos || !IsUtf8(text)) return c;
    c.state = Content::kText;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        c.lines.push_back(std::move(line));
        start = end + 1;
    }
    return c;
}

// The file a path names once symbolic links are followed; the path itself when it is
// none (or the links go round in circles).
std::string LinkTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        char buffer[4096];
        const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
        if (n < 0 || static_cast<std::size_t>(n) == sizeof buffer) return path;
        std::string link(buffer, static_cast<std::size_t>(n));
        const std::size_t slash = path.find_last_of('/');
        if (link.front() != '/' && slash != std::string::npos)
            link = path.substr(0, slash + 1) + link;
        path = link;
    }
    return path;
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Renames a file that is no profile of ours to "<path>.not-read" (or "-2", "-3", ...),
// never over another file.
bool KeepAside(const std::string& path) {
    for (int n = 1; n < 100; ++n) {
        const std::string aside = path + ".not-read" + (n == 1 ? "" : "-" + std::to_string(n));
        if (::link(path.c_str(), aside.c_str()) == 0) return ::unlink(path.c_str()) == 0;
        if (errno != EEXIST) return false;
    }
    return false;
}

// Removes the temporary files of saves that never finished: "<name>.XXXXXX" as mkstemp
// makes them, six letters or digits, older than a few seconds (a save in progress is
// younger), regular files of ours.
void RemoveLitter(const std::string& target) {
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
    const std::string prefix = target.substr(slash == std::string::npos ? 0 : slash + 1) + ".";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const time_t now = ::time(nullptr);
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix) continue;
        const std::string_view tail = name.substr(prefix.size());
        bool random = true;
        for (char ch : tail) random = random && std::isalnum(static_cast<unsigned char>(ch));
        if (!random) continue;
        const std::string path = folder + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            now - st.st_mtime > 10) {
            ::unlink(path.c_str());
        }
    }
    ::closedir(dir);
}

// `lines` with the entries of `values` set in `section`: each replaced where it stands,
// missing ones added at the end of the section, the section added when there is none.
std::vector<std::string> Merged(const std::vector<std::string>& lines, std::string_view section,
                                const std::vector<std::pair<std::string, int>>& values) {
    std::vector<bool> written(values.size(), false);
    std::vector<std::string> out;
    bool inSection = false, seenSection = false;
    const auto flushMissing = [&]() {
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!written[i])
                out.push_back(values[i].first + "=" + std::to_string(values[i].second));
            written[i] = true;
        }
    };
    for (const std::string& line : lines) {
        std::string_view name, k, v;
        if (SectionName(line, name)) {
            if (inSection) flushMissing();
            inSection = !seenSection && SameName(name, section);
            seenSection = seenSection || inSection;
        } else if (inSection && Entry(line, k, v)) {
            bool replaced = false;
            for (std::size_t i = 0; i < values.size() && !replaced; ++i) {
                if (SameName(k, values[i].first)) {
                    if (!written[i])
                        out.push_back(values[i].first + "=" + std::to_string(values[i].second));
                    written[i] = replaced = true;
                }
            }
            if (replaced) continue;
        }
        out.push_back(line);
    }
    if (inSection) flushMissing();
    if (!seenSection) {
        out.push_back("[" + std::string(section) + "]");
        flushMissing();
    }
    return out;
}

// Writes `text` to a temporary file beside `target`, gives it `mode` (and the owner of
// `old`, when there was a file), and renames it over `target`. On failure `target` is
// left as it was and the temporary file is removed.
bool ReplaceFile(const std::string& target, const std::string& text, mode_t mode,
                 const Content* old) {
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    if (old && (old->owner != ::geteuid() || old->group != ::getegid())) {
        ok = ::fchown(fd, old->owner, old->group) == 0 && ok;
    }
    ok = ::fchmod(fd, mode) == 0 && ok;
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

}  // namespace

std::string Profile::DefaultPath(std::string_view programFile) {
    std::string_view base = programFile.substr(programFile.find_last_of('/') + 1);
    if (const std::size_t dot = base.find('.'); dot != std::string_view::npos && dot > 0) {
        base = base.substr(0, dot);
    }
    if (base.empty()) base = "tevrimo";
    std::string folder;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
        folder = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folder = std::string(home) + "/.config";
    } else {
        folder = ".";
    }
    return folder + "/" + std::string(base) + ".INI";
}

Profile::Profile(std::string path) : m_path(std::move(path)) {
    const Content content = Read(m_path);
    if (content.state == Content::kText) m_lines = content.lines;
}

int Profile::GetInt(std::string_view section, std::string_view key, int fallback) const {
    bool inSection = false;
    for (const std::string& line : m_lines) {
        std::string_view name, k, v;
        if (SectionName(line, name)) {
            inSection = SameName(name, section);
        } else if (inSection && Entry(line, k, v) && SameName(k, key)) {
            return ToInt(v);
        }
    }
    return fallback;
}

bool Profile::WriteInts(std::string_view section,
                        const std::vector<std::pair<std::string, int>>& values) {
    const std::string target = LinkTarget(m_path);
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
    if (!MakeFolders(folder)) return false;
    RemoveLitter(target);

    Content content = Read(target);
    mode_t mode = 0666 & ~CurrentUmask();
    const bool existed = content.state != Content::kMissing;
    switch (content.state) {
        case Content::kMissing: break;
        case Content::kUnreadable:
        case Content::kNotAFile: return false;
        case Content::kNotText:
            // Kept whole beside it; a fresh profile takes its place.
            if (!KeepAside(target)) return false;
            content.lines.clear();
            [[fallthrough]];
        case Content::kText: mode = content.mode & 07777; break;
    }
    std::vector<std::string> lines = Merged(content.lines, section, values);

    std::string text = content.bom ? "\xEF\xBB\xBF" : "";
    for (const std::string& line : lines) text += line + "\n";
    if (!ReplaceFile(target, text, mode, existed ? &content : nullptr)) return false;
    m_lines = std::move(lines);
    return true;
}

}  // namespace tevrimo
