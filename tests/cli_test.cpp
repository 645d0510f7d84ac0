// tevrimo-cli end to end: arguments, output and exit codes.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "replay_tokens.h"

namespace tevrimo {
namespace {

struct Result {
    std::string out;
    int status;
};

// Runs the program through the shell; `input` goes to its standard input.
Result RunCli(const std::string& args, const std::string& input = "") {
    // Tests run in parallel: each run has its own input file.
    std::string inputFile = ::testing::TempDir() + "/cli_input_XXXXXX";
    const int fd = mkstemp(inputFile.data());
    close(fd);
    std::ofstream(inputFile, std::ios::binary) << input;
    const std::string command = std::string(TEVRIMO_CLI) + " " + args + " < " + inputFile + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    Result r{"", -1};
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::remove(inputFile.c_str());
    return r;
}

TEST(Cli, ConvertPrintsEveryUnitRow) {
    const Result r = RunCli("convert length foot 1");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "meter\t0.3048\nangstrom\t3.048E+009\ncentimeter\t30.48\nfoot\t1\ninch\t12\n"
              "kilometer\t0.0003048\nmicrometer\t304800\nmile\t0.000189394\nmilimeter\t304.8\n"
              "nautical mile\t0.000164579\nthou\t12000\nyard\t0.333333\n");
}

TEST(Cli, ConvertUnitsByCaptionRowAndLanguage) {
    EXPECT_EQ(RunCli("convert mass kg 1 --to 'slug'").out, "0.0685218\n");
    EXPECT_EQ(RunCli("convert speed 8 86400 --to 7").out, "75079.6\n");
    EXPECT_EQ(RunCli("convert UZUNLUK FUß 1 --to ZOLL").out, "12\n");
    EXPECT_EQ(RunCli("convert 0 fit 1 --lang tr --to inç").out, "12\n");
    EXPECT_EQ(RunCli("convert length 0 -5 --to 2").out, "-500\n");
    EXPECT_EQ(RunCli("convert length 0 - --to 0").out, "-\n");
    EXPECT_EQ(RunCli("convert data 8 3 --to 0").status, 2);  // a cleared row is no unit
    EXPECT_EQ(RunCli("convert time year 2.5 --to day").out, "913.125\n");
    const Result de = RunCli("convert temperature 1 100 --lang de");
    EXPECT_EQ(de.out,
              "Kelvin\t373.15\nGradcelcius\t100\nFahrenheit\t212\nRankine\t671.67\nRéaumur\t80\n");
}

TEST(Cli, StreamsOneLinePerInputLine) {
    EXPECT_EQ(RunCli("convert length foot --to meter", "1\n2\r\n\n-\nabc\n1e400\n3").out,
              "0.3048\n0.6096\n0\n0\n0\nINF\n0.9144\n");
    EXPECT_EQ(RunCli("convert time 0", "60\n").out,
              "60\t0.000694444\t0.0166667\t1\t1.90129E-006\n");
    EXPECT_EQ(RunCli("convert length foot --to meter", "").out, "");
    const std::string junk("\x00\xff\xfe\n\x80\n", 6);
    EXPECT_EQ(RunCli("convert length foot --to meter", junk).out, "0\n0\n");
}

TEST(Cli, SameResultsWhateverTheLocale) {
    for (const char* locale : {"de_DE.UTF-8", "tr_TR.UTF-8"}) {
        const std::string env = std::string("LC_ALL=") + locale + " ";
        const std::string args = "convert length foot 1.5 --to inch";
        FILE* pipe = popen((env + TEVRIMO_CLI + " " + args).c_str(), "r");
        char line[64] = {};
        ASSERT_NE(fgets(line, sizeof line, pipe), nullptr);
        pclose(pipe);
        EXPECT_STREQ(line, "18\n") << locale;
    }
}

TEST(Cli, ReplayPlaysKeysOnAFreshPage) {
    const Result r = RunCli("replay length 1 div 3 enter mul 3 enter");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "0\t0.999999");
    EXPECT_NE(RunCli("replay data 1 focus:8 3").out.find("0\t\n1\t\n2\t\n"), std::string::npos);
    const Result v = RunCli("replay vacuum button:0 focus:3 esc 1 0");
    EXPECT_EQ(v.out.substr(0, 18), "0\t600.383\n1\t36.023");
    const Result c = RunCli("replay time --lang de --captions flag:3 5");
    EXPECT_NE(c.out.find("caption 0\tseconde\n"), std::string::npos);
    EXPECT_NE(c.out.find("caption 5\t\n"), std::string::npos);
    const Result t = RunCli("replay time --captions");
    EXPECT_NE(t.out.find("caption 5\t \n"), std::string::npos);
}

TEST(Cli, PumpDownComputesTheMissingQuantity) {
    EXPECT_EQ(RunCli("pumpdown --capacity 500 --time 10 --pressure 10").out,
              "liter\t832.801\nm³\t0.832801\n");
    EXPECT_EQ(RunCli("pumpdown --capacity 500 --volume 1000 --pressure 10").out,
              "s\t720.46\nmin\t12.0077\n");
    EXPECT_EQ(RunCli("pumpdown --capacity 500 --time 10 --volume 1000").out,
              "mbar\t21.6448\nTorr\t16.235\n");
    EXPECT_EQ(RunCli("pumpdown --time 10 --volume 1000 --pressure 10").out,
              "l/min\t600.383\nm³/h\t36.023\n");
    EXPECT_EQ(RunCli("pumpdown --time 10 --volume 1000").status, 2);
    EXPECT_EQ(RunCli("pumpdown --capacity 1 --time 10 --volume 1000 --pressure 10").status, 2);
}

TEST(Cli, BadUsageIsExitTwoWithOneLine) {
    const char* bad[] = {"",
                         "frobnicate",
                         "convert",
                         "convert nowhere 0 1",
                         "convert length",
                         "convert length parsec 1",
                         "convert length 0 1 2",
                         "convert length 0 1 --to",
                         "convert length 0 1 --lang xx",
                         "convert length 0 1 --colour",
                         "units",
                         "units length extra",
                         "replay length 5 bogus",
                         "replay length focus:14",
                         "categories extra"};
    for (const char* args : bad) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << args << ": " << r.out;
        EXPECT_EQ(r.out.rfind("tevrimo-cli: ", 0), 0u) << args;
    }
}

TEST(Cli, HelpVersionCategoriesUnits) {
    EXPECT_EQ(RunCli("--help").status, 0);
    EXPECT_EQ(RunCli("--version").out, "tevrimo-cli 1.0.0\n");
    const Result c = RunCli("categories");
    EXPECT_EQ(c.out.substr(0, 17), "0\tlength\tUzunluk\n");
    EXPECT_NE(c.out.find("12\tvacuum\tVakum\n"), std::string::npos);
    EXPECT_EQ(RunCli("units data").out,
              "0\tbit\n1\tByte\n2\tkByte\n3\tMByte\n4\tGByte\n5\tTByte\n");
}

TEST(ReplayTokens, NamesAndCodes) {
    EXPECT_EQ(ParseReplayToken("num7")->value, 0x67);
    EXPECT_EQ(ParseReplayToken("minus")->value, 0xBD);
    EXPECT_EQ(ParseReplayToken("vk:0x41")->value, 0x41);
    EXPECT_EQ(ParseReplayToken("f12")->value, 0x7B);
    EXPECT_TRUE(ParseReplayToken("shift+tab")->modifiers.shift);
    EXPECT_TRUE(ParseReplayToken("ctrl+c")->modifiers.ctrl);
    EXPECT_EQ(ParseReplayToken("focus:13")->kind, PageAction::Kind::kClickBox);
    EXPECT_EQ(ParseReplayToken("lang:fr")->value, 3);
    EXPECT_EQ(ParseReplayToken("Enter")->value, 0x0D);
    EXPECT_EQ(ParseReplayToken("Q")->value, 0x51);
    for (const char* bad :
         {"", "12", "focus:", "focus:x", "flag:4", "vk:0x100", "ctrl+", "f25", "num10"}) {
        EXPECT_FALSE(ParseReplayToken(bad).has_value()) << bad;
    }
}

}  // namespace
}  // namespace tevrimo
