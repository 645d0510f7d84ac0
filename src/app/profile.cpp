#include "profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

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
    Load();
}

void Profile::Load() {
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    if (static_cast<std::size_t>(st.st_size) > kMaxProfileSize) return;
    std::ifstream in(m_path, std::ios::binary);
    if (!in) return;
    std::ostringstream text;
    text << in.rdbuf();
    const std::string content = text.str();
    if (content.find('\0') != std::string::npos) return;  // not a text file
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        m_lines.push_back(std::move(line));
        start = end + 1;
    }
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
    // Update the lines: replace each entry where it stands, add missing ones at the end
    // of the section, and add the section when there is none.
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
    for (const std::string& line : m_lines) {
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

    std::string content;
    for (const std::string& line : out) content += line + "\n";

    const std::size_t slash = m_path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : m_path.substr(0, slash);
    if (!MakeFolders(folder)) return false;
    std::string temp = m_path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ::fchmod(fd, 0644) == 0 && ok;
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), m_path.c_str()) == 0) {
        m_lines = std::move(out);
        return true;
    }
    ::unlink(temp.c_str());
    return false;
}

}  // namespace tevrimo
