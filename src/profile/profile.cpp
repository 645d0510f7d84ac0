// SPDX-License-Identifier: MIT
#include "profile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <optional>

#include "ini_text.h"
#include "user_text.h"

namespace tevrimo {

namespace {

constexpr int kMaxLinks = 40;       // symbolic links on one path, as the kernel allows
constexpr int kSaveAttempts = 5;    // reads and merges when the file changes meanwhile
constexpr int kAsideNames = 99;     // "<name>.not-read", "-2" ... "-99"
constexpr time_t kAbandoned = 600;  // seconds: a temporary file this old is left over
// Temporary files of a save: ".<profile name>.tevrimo-save-" and six letters or digits.
constexpr std::string_view kTempMarker = ".tevrimo-save-";
constexpr std::size_t kTempTail = 6;
constexpr int kLockTries = 200;         // 10 ms each: how long another save may hold the lock
constexpr long kLockWait = 10'000'000;  // nanoseconds
constexpr int kLeaseTries = 250;        // 2 ms each: others' appends take microseconds
constexpr long kLeaseWait = 2'000'000;  // nanoseconds
constexpr const char* kMayBeLost = "a change made to it while it was saved may be lost";

std::string Why(int error) {
    return std::strerror(error);
}

SaveResult NotSaved(std::string reason) {
    return {false, std::move(reason), {}};
}

class Fd {
  public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    Fd(Fd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        if (this != &other) {
            Reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Reset(); }

    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }
    explicit operator bool() const { return m_fd >= 0; }

  private:
    void Reset() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }
    int m_fd = -1;
};

// Whether `a` and `b` describe the same file with the same content, as far as the
// inode tells.
bool Unchanged(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A folder where everyone may create files, as /tmp. A link in there may have been
// planted by anyone; the kernel's link protection asks for the sticky bit too, but
// without it a planted link is just as harmful to the file it points to.
bool WritableByAll(const struct stat& folder) {
    return (folder.st_mode & S_IWOTH) != 0;
}

// Where the profile's file is: its folder, held open so that nothing can be swapped
// underneath, and its name in there.
struct Place {
    Fd folder;  // O_PATH; no folder when one on the way is missing (reading only)
    struct stat folderStat {};
    std::string folderShown;  // the folder as a path, for messages
    std::string name;
    bool viaLink = false;  // the file's own name was a symbolic link

    std::string Shown() const { return folderShown + "/" + name; }
    std::string FolderShown() const { return folderShown.empty() ? "/" : folderShown; }
};

void Prepend(std::deque<std::string>& rest, std::string_view path) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start < path.size();) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    rest.insert(rest.begin(), parts.begin(), parts.end());
}

// Why the folder `fd` (shown as `shown`) is no place to save in, if it is not: it and
// every folder above it, up to the first one the user owns outright (owns, and no one
// else may write), must belong to the user or to root and be writable by no one else;
// a sticky folder (as /tmp) only for an entry of the user's or root's, `entryOwner`
// being the owner of the entry the path goes on through. Run as root, another user's folder is
// another user's all the same.
std::optional<std::string> Untrusted(int fd, std::string shown, uid_t entryOwner) {
    const uid_t me = ::geteuid();
    Fd up;
    int current = fd;
    for (int depth = 0; depth < 4096; ++depth) {
        if (shown.empty()) shown = "/";
        struct stat st {};
        if (::fstat(current, &st) != 0) return Quoted(shown) + " cannot be reached: " + Why(errno);
        const bool othersWrite = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
        if (st.st_uid != me && st.st_uid != 0)
            return "the folder " + Quoted(shown) + " on its path belongs to another user";
        if (st.st_uid == me && !othersWrite) return std::nullopt;
        if (othersWrite && ((st.st_mode & S_ISVTX) == 0 || (entryOwner != me && entryOwner != 0)))
            return "the folder " + Quoted(shown) + " on its path can be written by others";
        Fd parent(::openat(current, "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        struct stat above {};
        if (!parent || ::fstat(parent.Get(), &above) != 0)
            return Quoted(shown) + "/.. cannot be reached: " + Why(errno);
        if (SameFile(above, st)) return std::nullopt;  // "/"
        entryOwner = st.st_uid;
        up = std::move(parent);
        current = up.Get();
        const std::size_t slash = shown.find_last_of('/');
        const std::string_view last = std::string_view(shown).substr(slash + 1);
        if (slash == std::string::npos || last == "." || last == "..")
            shown += "/..";
        else
            shown.resize(slash);
    }
    return Quoted(shown) + ": " + Why(ELOOP);
}

// Finds the folder and name of the file `path` names, one step at a time from "/" or
// the current folder: every step is opened with O_NOFOLLOW, and symbolic links are read
// and followed here. A link is followed only when it belongs to this user (or to root,
// who could change anything anyway).
// With `create`, missing folders are made (0700), only where the user may save (see
// Untrusted); behind a link to the file, only in folders of the user's. Returns why the path cannot
// be used, if it cannot.
std::optional<std::string> Locate(const std::string& path, bool create, Place& place) {
    const uid_t me = ::geteuid();
    Fd folder;
    std::string shown;
    const auto start = [&](bool absolute) {
        folder = Fd(::open(absolute ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
        shown = absolute ? "" : ".";
        return static_cast<bool>(folder);
    };
    if (path.empty() || !start(path.front() == '/'))
        return "its folder cannot be opened: " + Why(path.empty() ? ENOENT : errno);
    std::deque<std::string> rest;
    Prepend(rest, path);
    bool namesFolder = path.back() == '/';
    bool linkedFile = false;
    int links = 0;
    for (int steps = 0; steps < 4096; ++steps) {
        if (rest.empty()) return std::string("a folder stands in its place");
        const std::string name = std::move(rest.front());
        rest.pop_front();
        const bool last = rest.empty();
        const std::string here = shown + "/" + name;
        if (name == "." || name == "..") {
            if (name == "..") {
                Fd up(::openat(folder.Get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
                if (!up) return Quoted(here) + " cannot be reached: " + Why(errno);
                folder = std::move(up);
                shown = here;
            }
            if (last) return std::string("a folder stands in its place");
            continue;
        }
        struct stat inside {};
        if (::fstat(folder.Get(), &inside) != 0)
            return Quoted(shown.empty() ? "/" : shown) + " cannot be reached: " + Why(errno);
        struct stat st {};
        const bool exists = ::fstatat(folder.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (!exists && errno != ENOENT) return Quoted(here) + " cannot be reached: " + Why(errno);
        if (exists && S_ISLNK(st.st_mode)) {
            if (st.st_uid != me && st.st_uid != 0) {
                return "the symbolic link " + Quoted(here) + " belongs to another user" +
                       (WritableByAll(inside) ? ", in a folder everyone can write" : "");
            }
            if (++links > kMaxLinks) return Quoted(here) + ": " + Why(ELOOP);
            std::string target(PATH_MAX, '\0');
            const ssize_t n =
                ::readlinkat(folder.Get(), name.c_str(), target.data(), target.size());
            if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
                return "the symbolic link " + Quoted(here) +
                       " cannot be read: " + Why(n < 0 ? errno : ENAMETOOLONG);
            target.resize(static_cast<std::size_t>(n));
            if (target.front() == '/' && !start(true)) return "'/' cannot be opened: " + Why(errno);
            if (last) {
                linkedFile = true;
                namesFolder = target.back() == '/';
            }
            Prepend(rest, target);
            continue;
        }
        if (last) {
            if (namesFolder) return std::string("a folder stands in its place");
            place.folder = std::move(folder);
            place.folderStat = inside;
            place.folderShown = shown;
            place.name = name;
            place.viaLink = linkedFile;
            return std::nullopt;
        }
        if (!exists) {
            if (!create) {
                place.folder = Fd();
                return std::nullopt;
            }
            if (linkedFile && inside.st_uid != me)
                return "the folder " + Quoted(here) + " of its link's target does not exist";
            if (auto refused = Untrusted(folder.Get(), shown, me)) return refused;
            if (::mkdirat(folder.Get(), name.c_str(), 0700) != 0 && errno != EEXIST)
                return "the folder " + Quoted(here) + " cannot be created: " + Why(errno);
            rest.push_front(name);  // look at it again, as it is now
            continue;
        }
        if (!S_ISDIR(st.st_mode)) return Quoted(here) + " is not a folder";
        Fd next(
            ::openat(folder.Get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next) return Quoted(here) + " cannot be reached: " + Why(errno);
        folder = std::move(next);
        shown = here;
    }
    return Quoted(path) + ": " + Why(ELOOP);
}

// The profile file as found at one moment.
struct Snapshot {
    enum State { kMissing, kMoved, kUnreadable, kFolder, kNotAFile, kNotText, kText };
    State state = kMissing;
    int error = 0;
    Fd fd;  // open for reading while the file exists
    struct stat st {};
    bool bom = false;                // starts with a UTF-8 byte-order mark
    bool crlf = false;               // its first line ends with CR-LF
    std::vector<std::string> lines;  // without LF; a CR before it stays
    std::string raw;                 // every byte as read
    bool writable = false;           // `fd` is open for writing too
};

// Waits a bounded while until no one else has the file `fd` open for writing (nor, where
// the kernel counts them, for reading): only then is a write lease granted. With
// `hold`, the lease is kept, and whoever opens the file meanwhile waits until
// GiveBack; the kernel tells the holder so by SIGURG, which is ignored by default.
// False when the file stays open elsewhere or its file system grants no leases.
bool TakeLease(int fd, bool hold) {
    if (hold && ::fcntl(fd, F_SETSIG, SIGURG) != 0) return false;
    for (int tries = 0; tries < kLeaseTries; ++tries) {
        if (::fcntl(fd, F_SETLEASE, F_WRLCK) == 0) {
            if (!hold) ::fcntl(fd, F_SETLEASE, F_UNLCK);
            return true;
        }
        if (errno != EAGAIN && errno != EBUSY && errno != EINTR) return false;
        const timespec wait{0, kLeaseWait};
        ::nanosleep(&wait, nullptr);
    }
    return false;
}

void GiveBack(int fd) {
    ::fcntl(fd, F_SETLEASE, F_UNLCK);
}

// Reads the whole file `fd` from its start, at most a byte more than a profile may hold.
bool ReadAll(int fd, std::string& text) {
    text.clear();
    char buffer[1 << 14];
    while (text.size() <= kMaxProfileSize) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(text.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

// Fills the text fields of `s` from `text`; false when it is no text profile.
bool Parse(std::string text, Snapshot& s) {
    if (text.size() > kMaxProfileSize) return false;
    s.raw = text;
    IniText ini;
    const bool ok = ParseIniText(text, ini);
    s.bom = ini.bom;
    if (!ok) return false;
    s.crlf = ini.crlf;
    s.lines = std::move(ini.lines);
    return true;
}

// Takes the advisory lock of the file `fd` for the rest of the save, waiting a little
// while another save holds it. A file system without such locks saves unlocked.
bool Lock(int fd) {
    for (int tries = 0; tries < kLockTries; ++tries) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) return errno == ENOLCK || errno == EINVAL;
        const timespec wait{0, kLockWait};
        ::nanosleep(&wait, nullptr);
    }
    return false;
}

// With `lock`, the file is locked before it is read, and read only while its name
// still leads to it.
Snapshot Inspect(const Place& place, bool lock) {
    Snapshot s;
    if (::fstatat(place.folder.Get(), place.name.c_str(), &s.st, AT_SYMLINK_NOFOLLOW) != 0) {
        s.error = errno;
        s.state = errno == ENOENT ? Snapshot::kMissing : Snapshot::kUnreadable;
        return s;
    }
    if (S_ISLNK(s.st.st_mode)) {
        s.state = Snapshot::kMoved;  // it became a link since it was located
        return s;
    }
    if (!S_ISREG(s.st.st_mode)) {
        s.state = S_ISDIR(s.st.st_mode) ? Snapshot::kFolder : Snapshot::kNotAFile;
        return s;
    }
    // A save holds it open for writing where it may: an in-place rewrite writes through
    // this descriptor, and the write lease below counts no other.
    constexpr int kOpen = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (lock) {
        s.fd = Fd(::openat(place.folder.Get(), place.name.c_str(), O_RDWR | kOpen));
        s.writable = static_cast<bool>(s.fd);
    }
    if (!s.fd) s.fd = Fd(::openat(place.folder.Get(), place.name.c_str(), O_RDONLY | kOpen));
    struct stat now {};
    if (!s.fd) {
        s.error = errno;
        s.state = errno == ELOOP || errno == ENOENT ? Snapshot::kMoved : Snapshot::kUnreadable;
        return s;
    }
    if (::fstat(s.fd.Get(), &now) != 0 || !SameFile(now, s.st)) {
        s.state = Snapshot::kMoved;
        return s;
    }
    if (lock) {
        if (!Lock(s.fd.Get())) {
            s.error = EWOULDBLOCK;
            s.state = Snapshot::kUnreadable;
            return s;
        }
        struct stat named {};
        if (::fstatat(place.folder.Get(), place.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
            !SameFile(named, now) || ::fstat(s.fd.Get(), &now) != 0) {
            s.state = Snapshot::kMoved;  // replaced while this waited for the lock
            return s;
        }
    }
    s.st = now;
    s.state = Snapshot::kNotText;
    if (static_cast<unsigned long long>(s.st.st_size) > kMaxProfileSize) return s;
    std::string text;
    if (!ReadAll(s.fd.Get(), text)) {
        s.error = errno;
        s.state = Snapshot::kUnreadable;
        return s;
    }
    if (Parse(std::move(text), s)) s.state = Snapshot::kText;
    return s;
}

bool IsTempName(std::string_view entry, std::string_view profileName) {
    if (entry.size() != 1 + profileName.size() + kTempMarker.size() + kTempTail) return false;
    if (entry.front() != '.' || entry.substr(1, profileName.size()) != profileName) return false;
    if (entry.substr(1 + profileName.size(), kTempMarker.size()) != kTempMarker) return false;
    return std::all_of(entry.end() - kTempTail, entry.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// Creates a temporary file of a save beside the profile, O_EXCL and never through a
// link, and locks it for as long as the save runs; `created` receives its name.
Fd CreateTemp(const Place& place, mode_t mode, std::string& created) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int tries = 0; tries < 100; ++tries) {
        unsigned char random[kTempTail] = {};
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
            for (std::size_t i = 0; i < kTempTail; ++i)
                random[i] = static_cast<unsigned char>(std::rand());
        }
        created = "." + place.name + std::string(kTempMarker);
        for (unsigned char r : random) created += kLetters[r % (sizeof kLetters - 1)];
        Fd fd(::openat(place.folder.Get(), created.c_str(),
                       O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd) {
            ::flock(fd.Get(), LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return Fd();
}

// Removes the temporary files of saves that never finished, beside the profile and
// under its name: only names of exactly that pattern, only regular files of this user
// with a single link, only when older than kAbandoned and not locked by a save still
// running. Nothing else.
void RemoveLitter(const Place& place) {
    Fd readable(::openat(place.folder.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!readable) return;
    DIR* dir = ::fdopendir(readable.Get());
    if (!dir) return;
    readable.Release();
    const int dirFd = ::dirfd(dir);
    const time_t now = ::time(nullptr);
    while (const dirent* e = ::readdir(dir)) {
        if (!IsTempName(e->d_name, place.name)) continue;
        struct stat st {};
        if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || st.st_nlink != 1 || now - st.st_mtime <= kAbandoned) {
            continue;
        }
        Fd file(::openat(dirFd, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!file)
            file = Fd(::openat(dirFd, e->d_name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened {};
        if (!file || ::fstat(file.Get(), &opened) != 0 || !SameFile(opened, st) ||
            opened.st_nlink != 1 || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) {
            continue;
        }
        ::unlinkat(dirFd, e->d_name, 0);
    }
    ::closedir(dir);
}

bool WriteAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n =
            ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::vector<std::string> AttributeNames(int fd) {
    std::vector<std::string> names;
    std::string list;
    for (int tries = 0; tries < 5; ++tries) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size <= 0) return names;
        list.assign(static_cast<std::size_t>(size), '\0');
        const ssize_t n = ::flistxattr(fd, list.data(), list.size());
        if (n >= 0) {
            list.resize(static_cast<std::size_t>(n));
            break;
        }
        if (errno != ERANGE) return names;
        list.clear();
    }
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find('\0', start), list.size());
        if (end > start) names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// Attributes a save must keep or not save at all: the user's own and the ACL. Others
// (security labels, trusted.*) are copied where the system lets us.
bool MustKeep(std::string_view attribute) {
    return attribute.substr(0, 5) == "user." || attribute.substr(0, 17) == "system.posix_acl_";
}

// Gives `to` the extended attributes of `from` (the access ACL is one) and drops those
// `to` got that `from` has not (an ACL inherited from the folder's default).
std::optional<std::string> CopyAttributes(int from, int to) {
    const std::vector<std::string> names = AttributeNames(from);
    for (const std::string& name : names) {
        std::string value;
        ssize_t n = -1;
        for (int tries = 0; tries < 5 && n < 0; ++tries) {
            const ssize_t size = ::fgetxattr(from, name.c_str(), nullptr, 0);
            if (size < 0) break;
            value.assign(static_cast<std::size_t>(size), '\0');
            n = ::fgetxattr(from, name.c_str(), value.data(), value.size());
            if (n < 0 && errno != ERANGE) break;
        }
        const bool copied = n >= 0 && ::fsetxattr(to, name.c_str(), value.data(),
                                                  static_cast<std::size_t>(n), 0) == 0;
        if (!copied && MustKeep(name))
            return "its attribute " + Quoted(name) + " cannot be kept: " + Why(errno);
    }
    for (const std::string& name : AttributeNames(to)) {
        if (!MustKeep(name) || std::find(names.begin(), names.end(), name) != names.end()) continue;
        if (::fremovexattr(to, name.c_str()) != 0 && errno != ENODATA)
            return "the attribute " + Quoted(name) +
                   " its folder gives cannot be removed: " + Why(errno);
    }
    return std::nullopt;
}

// Renames the file `old` describes to "<name>.not-read" (or "-2", ...), never over
// another name.
std::optional<std::string> KeepAside(const Place& place) {
    for (int n = 1; n <= kAsideNames; ++n) {
        const std::string aside =
            place.name + ".not-read" + (n == 1 ? "" : "-" + std::to_string(n));
        const int folder = place.folder.Get();
        if (::renameat2(folder, place.name.c_str(), folder, aside.c_str(), RENAME_NOREPLACE) == 0)
            return std::nullopt;
        if (errno == EINVAL || errno == ENOSYS) {  // no such rename here: link, then unlink
            if (::linkat(folder, place.name.c_str(), folder, aside.c_str(), 0) == 0) {
                if (::unlinkat(folder, place.name.c_str(), 0) == 0) return std::nullopt;
                const int error = errno;
                ::unlinkat(folder, aside.c_str(), 0);
                errno = error;
            }
        }
        if (errno != EEXIST) return "it is no text profile and cannot be kept aside: " + Why(errno);
    }
    return "it is no text profile and no free '.not-read' name is left to keep it under";
}

// Whether `size` bytes can be written to the file `fd` without running out of space:
// reserved now, or within the blocks the file has, or free on its file system.
bool RoomFor(int fd, const struct stat& st, std::size_t size) {
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return true;
    if (errno != EOPNOTSUPP && errno != ENOSYS) return false;
    const unsigned long long have = static_cast<unsigned long long>(st.st_blocks) * 512;
    if (size <= have) return true;
    struct statvfs fs {};
    if (::fstatvfs(fd, &fs) != 0) return false;
    // Twice what is missing: room for the file system's own blocks as well.
    const unsigned long long free = (::geteuid() == 0 ? fs.f_bfree : fs.f_bavail) * fs.f_frsize;
    return free / 2 > size - have;
}

// Rewrites a file with several names in place, so that every name sees the new
// settings: only where the space is known to be there, and with the old text put back
// when a write fails all the same. What others append meanwhile is kept after it.
SaveResult WriteInPlace(const Snapshot& old, const std::string& text,
                        const std::function<void()>& beforeReplace, bool& changed) {
    if (!old.writable) return NotSaved("it cannot be written: " + Why(EACCES));
    const Fd& fd = old.fd;
    if (beforeReplace) beforeReplace();
    // No one else may have it open while it is rewritten: whoever opens it meanwhile
    // waits, and appends after the new text.
    struct Lease {
        int fd;
        bool held;
        ~Lease() {
            if (held) GiveBack(fd);
        }
    } lease{fd.Get(), TakeLease(fd.Get(), true)};
    struct stat now {};
    if (::fstat(fd.Get(), &now) != 0 || !Unchanged(now, old.st)) {
        changed = true;
        return NotSaved("it was changed while it was saved");
    }
    if (!RoomFor(fd.Get(), now, std::max(text.size(), old.raw.size())))
        return NotSaved("there is no room to rewrite it in place: " +
                        Why(errno == EOPNOTSUPP || errno == 0 ? ENOSPC : errno));
    const std::size_t oldSize = old.raw.size();
    // The last look, just before the first byte changes.
    if (::fstat(fd.Get(), &now) != 0 || now.st_size != old.st.st_size) {
        changed = true;
        return NotSaved("it was changed while it was saved");
    }
    // A write that fails puts the old text back; it fits where it stood.
    const auto restore = [&](int error) {
        if (WriteAll(fd.Get(), old.raw) &&
            ::ftruncate(fd.Get(), static_cast<off_t>(oldSize)) == 0) {
            ::fsync(fd.Get());
            return NotSaved("writing it failed: " + Why(error));
        }
        return NotSaved("writing it failed (" + Why(error) +
                        "), and so did putting the old text back: " + Why(errno));
    };
    struct stat after {};
    if (!WriteAll(fd.Get(), text) || ::fstat(fd.Get(), &after) != 0) return restore(errno);
    // Bytes beyond both texts were appended while this wrote. Behind a longer new text
    // they already follow it, though what came first may have been written over; behind
    // a shorter one they are moved up to follow it.
    const std::size_t size = static_cast<std::size_t>(after.st_size);
    std::size_t keep = text.size();
    bool lost = false;
    if (size > std::max(text.size(), oldSize)) {
        if (text.size() >= oldSize) {
            keep = size;
            lost = true;
        } else {
            std::string appended(size - oldSize, '\0');
            const ssize_t n =
                ::pread(fd.Get(), appended.data(), appended.size(), static_cast<off_t>(oldSize));
            appended.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
            if (::pwrite(fd.Get(), appended.data(), appended.size(),
                         static_cast<off_t>(text.size())) ==
                static_cast<ssize_t>(appended.size())) {
                keep += appended.size();
            } else {
                lost = true;
            }
        }
    }
    if (::ftruncate(fd.Get(), static_cast<off_t>(keep)) != 0 || ::fsync(fd.Get()) != 0)
        return restore(errno);
    SaveResult done{true, {}, {}};
    if (lost) done.warning = kMayBeLost;
    return done;
}

// One try of a save of `text`. Sets `changed`, and writes nothing, when the file is no
// longer the one `old` describes.
SaveResult WriteOnce(const Place& place, const Snapshot& old, const std::string& text,
                     const std::function<void()>& beforeReplace, bool& changed) {
    if (old.state == Snapshot::kText && old.st.st_nlink > 1)
        return WriteInPlace(old, text, beforeReplace, changed);

    // Otherwise a complete new file replaces the old one in one rename. A new profile
    // gets 0666 less the umask (or the folder's default ACL), by the kernel; a
    // replacement is private until it has the old file's owner, attributes and mode.
    const bool existing = static_cast<bool>(old.fd);
    std::string temp;
    Fd fd = CreateTemp(place, existing ? 0600 : 0666, temp);
    if (!fd)
        return NotSaved("no file can be made in the folder " + Quoted(place.FolderShown()) + ": " +
                        Why(errno));
    const auto discard = [&](std::string reason) {
        ::unlinkat(place.folder.Get(), temp.c_str(), 0);
        return NotSaved(std::move(reason));
    };
    if (!WriteAll(fd.Get(), text)) return discard("writing it failed: " + Why(errno));
    if (existing) {
        struct stat mine {};
        if (::fstat(fd.Get(), &mine) != 0) return discard("writing it failed: " + Why(errno));
        if ((mine.st_uid != old.st.st_uid || mine.st_gid != old.st.st_gid) &&
            ::fchown(fd.Get(), old.st.st_uid, old.st.st_gid) != 0) {
            return discard("its owner and group cannot be kept: " + Why(errno));
        }
        // Setting the access ACL moves the group bits to its mask; the mode set after
        // it moves the mask back to the old group bits, which were the old mask.
        if (auto failed = CopyAttributes(old.fd.Get(), fd.Get())) return discard(*failed);
        if (::fchmod(fd.Get(), old.st.st_mode & 07777) != 0)
            return discard("its mode cannot be kept: " + Why(errno));
    }
    if (::fsync(fd.Get()) != 0) return discard("writing it failed: " + Why(errno));

    if (beforeReplace) beforeReplace();
    // The last look: the name must still be the file that was read (or still be free).
    struct stat now {};
    const int folder = place.folder.Get();
    const bool present = ::fstatat(folder, place.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    if (existing ? !present || !Unchanged(now, old.st) : present) {
        changed = true;
        return discard("it was changed while it was saved");
    }
    if (old.state == Snapshot::kNotText) {
        if (auto failed = KeepAside(place)) return discard(*failed);
    }
    if (old.state == Snapshot::kText) {
        if (::renameat(folder, temp.c_str(), folder, place.name.c_str()) != 0)
            return discard("it cannot be replaced: " + Why(errno));
        return {true, {}, {}};
    }
    // The name is free: take it only while it still is.
    if (::renameat2(folder, temp.c_str(), folder, place.name.c_str(), RENAME_NOREPLACE) == 0)
        return {true, {}, {}};
    if (errno == EINVAL || errno == ENOSYS) {
        if (::linkat(folder, temp.c_str(), folder, place.name.c_str(), 0) == 0) {
            ::unlinkat(folder, temp.c_str(), 0);
            return {true, {}, {}};
        }
    }
    changed = errno == EEXIST;
    return discard("it cannot be written: " + Why(errno));
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
    // Read as a save would write: a link the save would not follow is not read either.
    Place place;
    if (Locate(m_path, false, place) || !place.folder) return;
    Snapshot content = Inspect(place, false);
    if (content.state == Snapshot::kText && (!place.viaLink || content.st.st_uid == ::geteuid()))
        m_lines = std::move(content.lines);
}

int Profile::GetInt(std::string_view section, std::string_view key, int fallback) const {
    return IniInt(m_lines, section, key, fallback);
}

SaveResult Profile::WriteInts(std::string_view section,
                              const std::vector<std::pair<std::string, int>>& values) {
    const uid_t me = ::geteuid();
    bool litterRemoved = false;
    SaveResult result;
    std::string appended;  // what others appended to a replaced file during its save
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
        Place place;
        if (auto refused = Locate(m_path, true, place)) return NotSaved(*refused);
        Snapshot old = Inspect(place, true);
        if (old.state == Snapshot::kMoved) {
            result = NotSaved("it was changed while it was saved");
            continue;
        }
        if (old.state == Snapshot::kUnreadable && old.error == EWOULDBLOCK)
            return NotSaved("another save kept it locked");
        if (place.viaLink) {
            if (old.state != Snapshot::kMissing &&
                (!S_ISREG(old.st.st_mode) || old.st.st_uid != me))
                return NotSaved("it is a link to " + Quoted(place.Shown()) +
                                ", which is not a file of yours");
            if (old.state == Snapshot::kMissing && place.folderStat.st_uid != me)
                return NotSaved("it is a link into " + Quoted(place.FolderShown()) +
                                ", a folder that is not yours");
        }
        const uid_t entryOwner = old.state == Snapshot::kMissing ? me : old.st.st_uid;
        if (auto refused = Untrusted(place.folder.Get(), place.folderShown, entryOwner))
            return NotSaved(*refused);
        switch (old.state) {
            case Snapshot::kFolder: return NotSaved("a folder stands in its place");
            case Snapshot::kNotAFile: return NotSaved("it is not a regular file");
            case Snapshot::kUnreadable: return NotSaved("it cannot be read: " + Why(old.error));
            default: break;
        }
        // Root may write anything; a file without any write bit is read-only all the same.
        if (old.state != Snapshot::kMissing &&
            ((old.st.st_mode & 0222) == 0 ||
             ::faccessat(place.folder.Get(), place.name.c_str(), W_OK,
                         AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)) {
            return NotSaved("it is read-only");
        }
        if (old.state != Snapshot::kMissing && old.st.st_uid != me)
            return NotSaved("it belongs to another user");
        if (!litterRemoved) RemoveLitter(place);
        litterRemoved = true;

        const bool text = old.state == Snapshot::kText;
        const std::string read = old.raw;  // what the file held, as the last look sees it
        const bool adding = !appended.empty();
        if (text && adding) {
            // The previous try replaced a file that was appended to meanwhile: add that.
            if (!Parse(old.raw + appended, old)) return NotSaved(kMayBeLost);
            appended.clear();
        }
        IniText merged{text && old.bom, text && old.crlf,
                       MergeIniInts(text ? old.lines : std::vector<std::string>{}, section, values,
                                    text && old.crlf)};
        const std::string content = IniBytes(merged);
        if (content.size() > kMaxProfileSize)
            return NotSaved("it would grow beyond " + std::to_string(kMaxProfileSize >> 10) +
                            " KiB, more than is read as a profile");

        bool changed = false;
        result = WriteOnce(place, old, content, m_beforeReplace, changed);
        if (result) m_lines = std::move(merged.lines);
        if (result && m_afterReplace) m_afterReplace();
        // A try that adds what was appended and fails leaves the settings saved before.
        if (!result && adding) return {true, {}, kMayBeLost};
        if (result && adding && !text) result.warning = kMayBeLost;
        if (result && text && old.st.st_nlink == 1) {
            // A writer that still had the replaced file open may have added to it since
            // it was read: once more, with that added.
            // First a moment for a writer that still has it open to finish.
            [[maybe_unused]] const bool quiet = TakeLease(old.fd.Get(), false);
            std::string now;
            if (!ReadAll(old.fd.Get(), now) || now.compare(0, read.size(), read) != 0) {
                result.warning = kMayBeLost;
                return result;
            }
            if (now.size() == read.size()) return result;
            appended = now.substr(read.size());
            result.warning = kMayBeLost;  // unless the next try adds it
            continue;
        }
        if (!changed) return result;
    }
    if (result) return result;
    // Whatever keeps changing it wins: writing over its changes would lose them.
    return NotSaved("it kept changing while it was saved");
}

}  // namespace tevrimo
