// SPDX-License-Identifier: MIT
#include "profile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

namespace tevrimo {
namespace {

class ProfileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/tevrimo-profile-XXXXXX";
        m_dir = mkdtemp(pattern);
        m_path = m_dir + "/tevrimo.INI";
    }
    void TearDown() override {
        [[maybe_unused]] const int status =
            std::system(("chmod -R u+w " + m_dir + "; rm -rf " + m_dir).c_str());
    }
    void Write(const std::string& text) { std::ofstream(m_path, std::ios::binary) << text; }
    // Gives the profile the second name `other` (a hard link), or takes it away.
    bool SecondName(const std::string& other, bool linked) const {
        ::unlink(other.c_str());
        return !linked || ::link(m_path.c_str(), other.c_str()) == 0;
    }
    std::string Read() const {
        std::ifstream in(m_path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string m_dir, m_path;
};

TEST_F(ProfileTest, ReadsIntegersLikeTheProfileFunctions) {
    Write(
        "; comment\n[settings]\n XPOS = 120 \nypos=-80\ncurtab=7tabs\ncurlang=\ncurtab=9\n"
        "big=99999999999999\nsmall=-99999999999999\n[Other]\ncurlang=3\n");
    Profile p(m_path);
    EXPECT_EQ(p.GetInt("Settings", "xpos", 0), 120);
    EXPECT_EQ(p.GetInt("Settings", "ypos", 0), -80);
    EXPECT_EQ(p.GetInt("Settings", "curtab", 0), 7);   // trailing text ignored, first key wins
    EXPECT_EQ(p.GetInt("Settings", "curlang", 5), 0);  // present but empty
    EXPECT_EQ(p.GetInt("Settings", "missing", 5), 5);
    EXPECT_EQ(p.GetInt("Settings", "big", 0), INT_MAX);
    EXPECT_EQ(p.GetInt("Settings", "small", 0), INT_MIN);
    EXPECT_EQ(p.GetInt("Nowhere", "xpos", 4), 4);
}

TEST_F(ProfileTest, MissingOrBinaryFilesGiveDefaults) {
    EXPECT_EQ(Profile(m_path).GetInt("Settings", "curtab", 3), 3);
    Write(std::string("[Settings]\ncurtab=2\n\0\xff", 22));
    EXPECT_EQ(Profile(m_path).GetInt("Settings", "curtab", 3), 3);
}

TEST_F(ProfileTest, WritesInOrderAndKeepsOtherEntries) {
    Write("[Other]\nkeep=me\n[Settings]\nypos=1\nextra=x\r\n[Last]\nz=1");
    Profile p(m_path);
    ASSERT_TRUE(
        p.WriteInts("Settings", {{"xpos", 10}, {"ypos", 20}, {"curtab", 3}, {"curlang", 2}}));
    EXPECT_EQ(Read(),
              "[Other]\nkeep=me\n[Settings]\nypos=20\nextra=x\r\nxpos=10\ncurtab=3\ncurlang=2\n"
              "[Last]\nz=1\n");
    EXPECT_EQ(Profile(m_path).GetInt("Settings", "curlang", 0), 2);
}

TEST_F(ProfileTest, FirstWriteCreatesFolderFileAndSection) {
    const std::string nested = m_dir + "/a/b/tevrimo.INI";
    Profile p(nested);
    ASSERT_TRUE(
        p.WriteInts("Settings", {{"xpos", 0}, {"ypos", -3}, {"curtab", 12}, {"curlang", 0}}));
    std::ifstream in(nested);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str(), "[Settings]\nxpos=0\nypos=-3\ncurtab=12\ncurlang=0\n");
    const mode_t umask = ::umask(0);
    ::umask(umask);
    for (const char* folder : {"/a", "/a/b"}) {  // private: 0700 less the umask
        struct stat st {};
        ASSERT_EQ(::stat((m_dir + folder).c_str(), &st), 0) << folder;
        EXPECT_EQ(st.st_mode & 07777, 0700u & ~umask) << folder;
    }
}

TEST_F(ProfileTest, FailedWriteLeavesTheOldFileAndNoLitter) {
    Write("[Settings]\ncurtab=4\n");
    const std::string blockedPath = m_dir + "/blocked";
    ::mkdir(blockedPath.c_str(), 0700);  // a folder stands where the file would go
    Profile blocked(blockedPath);
    EXPECT_FALSE(blocked.WriteInts("Settings", {{"curtab", 1}}));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_dir)) ++entries;
    EXPECT_EQ(entries, 2);  // tevrimo.INI and the folder: no temporary file left behind
    EXPECT_EQ(Read(), "[Settings]\ncurtab=4\n");
}

// A program started with standard input closed gets descriptor 0 for the first file
// it opens; the profile works with that as with any other.
TEST_F(ProfileTest, WorksWithoutStandardInput) {
    Write("[Settings]\ncurtab=4\n");
    const int saved = ::dup(STDIN_FILENO);
    ASSERT_GE(saved, 0);
    ::close(STDIN_FILENO);
    int read = -1;
    SaveResult result;
    {
        Profile p(m_path);
        read = p.GetInt("Settings", "curtab", 0);
        result = p.WriteInts("Settings", {{"curtab", 9}});
    }
    const bool leftOpen = ::fcntl(STDIN_FILENO, F_GETFD) != -1;
    ::dup2(saved, STDIN_FILENO);
    ::close(saved);
    EXPECT_EQ(read, 4);
    EXPECT_TRUE(result) << result.reason;
    EXPECT_FALSE(leftOpen);  // every descriptor it opened is closed again
    EXPECT_EQ(Read(), "[Settings]\ncurtab=9\n");
}

// Symbolic links on the way are followed as the kernel follows them: forty at most.
TEST_F(ProfileTest, FollowsFortyLinksAtMost) {
    Write("[Settings]\n");
    for (const int links : {40, 41}) {
        std::string target = "tevrimo.INI";
        for (int i = 1; i <= links; ++i) {
            const std::string name = "chain" + std::to_string(links) + "-" + std::to_string(i);
            ASSERT_EQ(::symlink(target.c_str(), (m_dir + "/" + name).c_str()), 0);
            target = name;
        }
        Profile p(m_dir + "/" + target);
        const SaveResult result = p.WriteInts("Settings", {{"curtab", links}});
        EXPECT_EQ(static_cast<bool>(result), links == 40) << result.reason;
        if (links == 41) {
            EXPECT_NE(result.reason.find(std::strerror(ELOOP)), std::string::npos);
        }
    }
    EXPECT_EQ(Read(), "[Settings]\ncurtab=40\n");
}

TEST_F(ProfileTest, KeepsLineEndsAndByteOrderMark) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        // Each line keeps its end; added lines end as the first line does.
        {"\xEF\xBB\xBF[A]\r\nx=1\n[Settings]\r\ncurtab=1\r\nlast=2",
         "\xEF\xBB\xBF[A]\r\nx=1\n[Settings]\r\ncurtab=5\r\nlast=2\r\ncurlang=1\r\n"},
        {"[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n[Settings]\r\ncurtab=5\r\ncurlang=1\r\n"},
        {"[Settings]\ncurtab=1\r\n", "[Settings]\ncurtab=5\r\ncurlang=1\n"},
    };
    for (const auto& c : cases) {
        Write(c.before);
        Profile p(m_path);
        ASSERT_TRUE(p.WriteInts("Settings", {{"curtab", 5}, {"curlang", 1}}));
        EXPECT_EQ(Read(), c.after) << c.before;
    }
}

// A write the file-size limit cuts short: the save fails with the system's reason and
// leaves the old file as it was, without litter.
TEST_F(ProfileTest, WriteCutShortFailsWithItsReason) {
    Write("[Settings]\ncurtab=4\n");
    struct rlimit limit {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit oneByte = limit;
    oneByte.rlim_cur = 1;  // the first write takes one byte, the next none
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &oneByte), 0);
    const SaveResult result = Profile(m_path).WriteInts("Settings", {{"curtab", 9}});
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, std::string("writing it failed: ") + std::strerror(EFBIG));
    EXPECT_EQ(Read(), "[Settings]\ncurtab=4\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_dir)) ++entries;
    EXPECT_EQ(entries, 1);
}

// What a refused save leaves: every file as it was, one reason.
TEST_F(ProfileTest, RefusedSavesSayWhyAndTouchNothing) {
    const struct {
        const char* setup;  // shell commands in the profile's folder
        const char* reason;
    } cases[] = {
        {"printf '[Settings]\\ncurtab=1\\n' > tevrimo.INI; chmod 444 tevrimo.INI",
         "it is read-only"},
        {"mkdir tevrimo.INI", "a folder stands in its place"},
        {"printf 'x\\0' > tevrimo.INI; for i in '' $(seq -s ' ' -f -%g 2 99); do : > "
         "tevrimo.INI.not-read$i; done",
         "it is no text profile and no free '.not-read' name is left to keep it under"},
        {"head -c $((1028 * 1024 - 20)) /dev/zero | tr '\\0' x > tevrimo.INI",
         "it would grow beyond 1028 KiB, more than is read as a profile"},
    };
    const auto listing = [this] {
        std::string out;
        FILE* pipe = ::popen(("cd " + m_dir +
                              " && find . -mindepth 1 -printf '%p %m %s %T@\\n' | sort; cat "
                              "tevrimo.INI 2>/dev/null | sha256sum")
                                 .c_str(),
                             "r");
        for (int c; pipe && (c = std::fgetc(pipe)) != EOF;) out += static_cast<char>(c);
        if (pipe) ::pclose(pipe);
        return out;
    };
    for (const auto& c : cases) {
        [[maybe_unused]] const int status =
            std::system(("cd " + m_dir + " && rm -rf ./* && " + c.setup).c_str());
        const std::string before = listing();
        Profile p(m_path);
        const SaveResult result = p.WriteInts("Settings", {{"curtab", 1}});
        EXPECT_FALSE(result) << c.setup;
        EXPECT_EQ(result.reason, c.reason);
        EXPECT_EQ(listing(), before) << c.setup;
    }
}

// The save reads and merges again when the file changes between its read and its
// replace, whether it replaces the file or, for a file of several names, writes in place.
TEST_F(ProfileTest, MergesAgainWhenTheFileChangesDuringTheSave) {
    for (const bool hardLinked : {false, true}) {
        Write("[Settings]\ncurtab=1\n");
        const std::string other = m_dir + "/other.ini";
        ASSERT_TRUE(SecondName(other, hardLinked));
        Profile p(m_path);
        int calls = 0;
        p.SetBeforeReplace([&] {
            if (++calls <= 2) std::ofstream(m_path, std::ios::app) << "late" << calls << "=1\n";
        });
        ASSERT_TRUE(p.WriteInts("Settings", {{"curtab", 5}}));
        const std::string merged = "[Settings]\ncurtab=5\nlate1=1\nlate2=1\n";
        EXPECT_EQ(Read(), merged);
        struct stat a {
        }, b{};
        EXPECT_EQ(hardLinked, ::stat(m_path.c_str(), &a) == 0 && ::stat(other.c_str(), &b) == 0 &&
                                  a.st_ino == b.st_ino);

        // A file that never stops changing is left to its writer.
        p.SetBeforeReplace([&] { std::ofstream(m_path, std::ios::app) << "more=1\n"; });
        const SaveResult result = p.WriteInts("Settings", {{"curtab", 7}});
        EXPECT_FALSE(result);
        EXPECT_EQ(result.reason, "it kept changing while it was saved");
        std::string expected = merged;
        for (int i = 0; i < 5; ++i) expected += "more=1\n";
        EXPECT_EQ(Read(), expected);
    }
}

// A writer that still has the replaced file open adds to it just after the replace: one
// more save adds that; a change that is no append is reported. A save that another
// holds the lock of waits, then gives up without writing.
TEST_F(ProfileTest, NoChangeIsLostWithoutAWord) {
    Write("[Settings]\ncurtab=1\n");
    Profile p(m_path);
    int fd = -1;
    int calls = 0;
    p.SetBeforeReplace([&] {
        if (fd < 0) fd = ::open(m_path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    });
    p.SetAfterReplace([&] {
        if (++calls == 1) {
            EXPECT_EQ(::write(fd, "late=1\n", 7), 7);
        }
    });
    SaveResult result = p.WriteInts("Settings", {{"curtab", 5}});
    EXPECT_TRUE(result);
    EXPECT_EQ(result.warning, "");
    EXPECT_EQ(Read(), "[Settings]\ncurtab=5\nlate=1\n");
    ::close(fd);

    fd = -1;
    calls = 0;
    p.SetBeforeReplace([&] {
        if (fd < 0) fd = ::open(m_path.c_str(), O_RDWR | O_CLOEXEC);
    });
    p.SetAfterReplace([&] {
        if (++calls == 1) {
            EXPECT_EQ(::pwrite(fd, "#", 1, 0), 1);
        }
    });
    result = p.WriteInts("Settings", {{"curtab", 6}});
    EXPECT_TRUE(result);
    EXPECT_EQ(result.warning, "a change made to it while it was saved may be lost");
    EXPECT_EQ(Read(), "[Settings]\ncurtab=6\nlate=1\n");
    ::close(fd);

    p.SetBeforeReplace(nullptr);
    p.SetAfterReplace(nullptr);
    const int holder = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    result = p.WriteInts("Settings", {{"curtab", 7}});
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, "another save kept it locked");
    EXPECT_EQ(Read(), "[Settings]\ncurtab=6\nlate=1\n");
    ::close(holder);
}

// A writer appends numbered lines, opening the file anew for each, while saves run one
// after another, with the file as one name and as one of two: every line is still
// there, or a save said that a change may be lost. The writer keeps a few lines ahead
// of the saves, so that it writes while they run.
TEST_F(ProfileTest, LinesAppendedDuringSavesAreKept) {
    constexpr int kSaves = 150, kLinesPerSave = 20;
    for (const bool hardLinked : {false, true}) {
        Write("[Settings]\ncurtab=1\n");
        const std::string other = m_dir + "/other.ini";
        ASSERT_TRUE(SecondName(other, hardLinked));
        std::atomic<int> saves{0}, written{0};
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            while (!stop) {
                const int n = written + 1;
                if (n > kLinesPerSave * (saves + 1)) {
                    std::this_thread::yield();
                    continue;
                }
                const std::string line = "a" + std::to_string(n) + "=1\n";
                const int fd = ::open(m_path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
                if (fd >= 0 &&
                    ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size())) {
                    written = n;
                }
                if (fd >= 0) ::close(fd);
            }
        });
        Profile p(m_path);
        bool warned = false;
        for (; saves < kSaves; ++saves) {
            const SaveResult result = p.WriteInts("Settings", {{"curtab", saves}});
            warned = warned || !result.warning.empty();
            if (!result) {
                EXPECT_EQ(result.reason, "it kept changing while it was saved");
            }
        }
        stop = true;
        writer.join();
        const std::string text = Read();
        int lost = 0;
        for (int n = 1; n <= written; ++n)
            lost += text.find("\na" + std::to_string(n) + "=1\n") == std::string::npos;
        EXPECT_TRUE(lost == 0 || warned) << lost << " of " << written << " lines lost";
        EXPECT_GT(written, kSaves) << "the writer barely ran";
    }
}

// Only temporary files of this profile's save, old and not held by a save that is
// still running, are removed.
TEST_F(ProfileTest, RemovesOnlyAbandonedTemporaryFiles) {
    Write("[Settings]\n");
    const struct {
        const char* name;
        bool old, locked, removed;
    } files[] = {
        {".tevrimo.INI.tevrimo-save-Ab3xY9", true, false, true},
        {".tevrimo.INI.tevrimo-save-Fresh1", false, false, false},
        {".tevrimo.INI.tevrimo-save-Locked", true, true, false},
        {".tevrimo.INI.tevrimo-save-09AZaz", true, false, true},
        {".tevrimo.INI.tevrimo-save-Ab3xY", true, false, false},
        {".tevrimo.INI.tevrimo-save-Ab3xY9z", true, false, false},
        {".tevrimo.INI.tevrimo-save-Ab-xY9", true, false, false},
        {".tevrimo.INI.tevrimo-save-Ab3x:9", true, false, false},  // ':' follows '9'
        {".tevrimo.INI.tevrimo-save-Ab3x@9", true, false, false},  // '@' precedes 'A'
        {".tevrimo.INI.tevrimo-save-Ab3x[9", true, false, false},  // '[' follows 'Z'
        {".tevrimo.INI.tevrimo-save-Ab3x`9", true, false, false},  // '`' precedes 'a'
        {".tevrimo.INI.tevrimo-save-Ab3x{9", true, false, false},  // '{' follows 'z'
        {".tevrimo.INI.tevrimo-sav_-Ab3xY9", true, false, false},
        {"_tevrimo.INI.tevrimo-save-Ab3xY9", true, false, false},
        {".tevrimo.INX.tevrimo-save-Ab3xY9", true, false, false},
        {".other.INI.tevrimo-save-Ab3xY9", true, false, false},
        {"tevrimo.INI.Ab3xY9", true, false, false},
    };
    std::vector<int> locks;
    for (const auto& f : files) {
        const std::string path = m_dir + "/" + f.name;
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        const struct timespec hourAgo[2] = {{::time(nullptr) - 3600, 0},
                                            {::time(nullptr) - 3600, 0}};
        if (f.old) ::futimens(fd, hourAgo);
        if (f.locked) {
            ASSERT_EQ(::flock(fd, LOCK_EX), 0);
        }
        locks.push_back(fd);
    }
    Profile p(m_path);
    ASSERT_TRUE(p.WriteInts("Settings", {{"curtab", 1}}));
    for (const auto& f : files)
        EXPECT_EQ(::access((m_dir + "/" + f.name).c_str(), F_OK) != 0, f.removed) << f.name;
    for (const int fd : locks) ::close(fd);
}

TEST_F(ProfileTest, DefaultPathFollowsXdgConfigHome) {
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(Profile::DefaultPath("/usr/bin/tevrimo"), "/somewhere/config/tevrimo.INI");
    EXPECT_EQ(Profile::DefaultPath("./build/other.bin"), "/somewhere/config/other.INI");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // only absolute paths count
    ::setenv("HOME", "/home/user", 1);
    EXPECT_EQ(Profile::DefaultPath("tevrimo"), "/home/user/.config/tevrimo.INI");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "", 1);  // no home either: the current folder
    EXPECT_EQ(Profile::DefaultPath("tevrimo"), "./tevrimo.INI");
    ::unsetenv("HOME");
    EXPECT_EQ(Profile::DefaultPath("tevrimo"), "./tevrimo.INI");
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
}  // namespace tevrimo
