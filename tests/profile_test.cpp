// SPDX-License-Identifier: MIT
#include "profile.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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
              "[Other]\nkeep=me\n[Settings]\nypos=20\nextra=x\nxpos=10\ncurtab=3\ncurlang=2\n[Last]"
              "\nz=1\n");
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

TEST_F(ProfileTest, DefaultPathFollowsXdgConfigHome) {
    ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(Profile::DefaultPath("/usr/bin/tevrimo"), "/somewhere/config/tevrimo.INI");
    EXPECT_EQ(Profile::DefaultPath("./build/other.bin"), "/somewhere/config/other.INI");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // only absolute paths count
    ::setenv("HOME", "/home/user", 1);
    EXPECT_EQ(Profile::DefaultPath("tevrimo"), "/home/user/.config/tevrimo.INI");
    ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace tevrimo
