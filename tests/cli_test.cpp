// SPDX-License-Identifier: MIT
// tevrimo-cli end to end: arguments, output and exit codes.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "categories.h"
#include "commands.h"
#include "completion.h"
#include "json_reader.h"
#include "number_text.h"
#include "pumpdown.h"
#include "replay_tokens.h"
#include "unit_names.h"
#include "user_text.h"

namespace tevrimo {
namespace {

struct Result {
    std::string out;
    int status;
};

std::string TempFile(const std::string& content) {
    std::string path = ::testing::TempDir() + "/cli_test_XXXXXX";
    close(mkstemp(path.data()));
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

// The program under test: the build's own, or another build of it (the WebAssembly one
// under node) named by TEVRIMO_CLI.
std::string Cli() {
    const char* other = std::getenv("TEVRIMO_CLI");
    return other && *other ? other : TEVRIMO_CLI;
}

// Runs the program with `args` in bash syntax; `input` goes to its standard input.
std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

Result RunCli(const std::string& args, const std::string& input = "") {
    // Tests run in parallel: each run has its own files.
    const std::string inputFile = TempFile(input);
    const std::string script = TempFile(Cli() + " " + args + " < " + inputFile + " 2>&1\n");
    FILE* pipe = popen(("bash " + script).c_str(), "r");
    Result r{"", -1};
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::remove(inputFile.c_str());
    std::remove(script.c_str());
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
    EXPECT_EQ(RunCli("convert length 0 - --to 0 --as-typed").out, "-\n");
    EXPECT_EQ(RunCli("convert data 8 3 --to 0").status, 2);  // a cleared row is no unit
    EXPECT_EQ(RunCli("convert time year 2.5 --to day").out, "913.125\n");
    const Result de = RunCli("convert temperature 1 100 --lang de");
    EXPECT_EQ(de.out,
              "Kelvin\t373.15\nGradcelcius\t100\nFahrenheit\t212\nRankine\t671.67\nRéaumur\t80\n");
}

TEST(Cli, StreamsOneLinePerInputLine) {
    EXPECT_EQ(RunCli("convert length foot --to meter --as-typed", "1\n2\r\n\n-\nabc\n1e400\n3").out,
              "0.3048\n0.6096\n0\n0\n0\nINF\n0.9144\n");
    EXPECT_EQ(RunCli("convert time 0", "60\n").out,
              "60\t0.000694444\t0.0166667\t1\t1.90129E-006\n");
    EXPECT_EQ(RunCli("convert length foot --to meter", "").out, "");
    const std::string junk("\x00\xff\xfe\n\x80\n", 6);
    EXPECT_EQ(RunCli("convert length foot --to meter --as-typed", junk).out, "0\n0\n");
}

// A vacuum value converts into the other unit of its quantity and nowhere else; the
// pump-down computation belongs to `pumpdown`.
TEST(Cli, VacuumConvertsWithinEachPair) {
    const struct {
        const char* from;
        const char* value;
        const char* to;
        const char* out;
    } cases[] = {
        {"l/min", "500", "m³/h", "30\n"},
        {"m³/h", "30", "l/min", "500\n"},
        {"s", "100", "min", "1.66667\n"},
        {"min", "10", "s", "600\n"},
        {"liter", "1000", "m³", "1\n"},
        {"m³", "1", "liter", "1000\n"},
        {"mbar", "1013.25", "Torr", "760.002\n"},
        {"Torr", "760", "mbar", "1013.25\n"},
        {"s", "100", "s", "100\n"},
        {"s", "100", "mbar", "\n"},
        {"Torr", "7", "l/min", "\n"},
    };
    for (const auto& c : cases) {
        const std::string args = std::string("convert vacuum '") + c.from + "' --to '" + c.to + "'";
        EXPECT_EQ(RunCli(args + " " + c.value).out, c.out) << args;
        EXPECT_EQ(RunCli(args, std::string(c.value) + "\n").out, c.out) << args << " (stream)";
    }
    // The fields scripts have read from the start stay as they were; what follows them is
    // checked in ConvertJsonShape.
    const std::string results =
        "{\"category\":\"vacuum\",\"unit\":\"s\",\"value\":\"100\",\"results\":{\"l/min\":"
        "\"\",\"m³/h\":\"\",\"s\":\"100\",\"min\":\"1.66667\",\"liter\":\"\",\"m³\":\"\","
        "\"mbar\":\"\",\"Torr\":\"\"},";
    EXPECT_EQ(RunCli("convert vacuum s 100 --format json").out.substr(0, results.size()), results);
    EXPECT_EQ(RunCli("convert vacuum 7", "760\n").out, "\t\t\t\t\t\t1013.25\t760\n");
}

TEST(Cli, SameResultsWhateverTheLocale) {
    for (const char* locale : {"de_DE.UTF-8", "tr_TR.UTF-8"}) {
        const std::string env = std::string("LC_ALL=") + locale + " ";
        const std::string args = "convert length foot 1.5 --to inch";
        FILE* pipe = popen((env + Cli() + " " + args).c_str(), "r");
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
    EXPECT_EQ(RunCli("pumpdown --capacity ' 500 ' --volume 1000 --pressure 1013.2").out,
              "s\t0.00769819\nmin\t0.000128303\n");
    EXPECT_EQ(RunCli("pumpdown --capacity 500 --volume 1000 --pressure 5e-306").out,
              "s\t110745\nmin\t1845.75\n");
}

// Values the computation cannot take: one line naming the option, exit 1.
TEST(Cli, PumpDownRefusesNonsense) {
    const struct {
        const char* args;
        const char* message;
    } cases[] = {
        {"--capacity 500 --volume 1000 --pressure 2000",
         "--pressure: 2000 is not below the start pressure 1013.25 mbar"},
        {"--capacity 500 --time 10 --pressure 1013.25",
         "--pressure: 1013.25 is not below the start pressure 1013.25 mbar"},
        {"--capacity 30kg --time 10 --pressure 10",
         "--capacity: '30kg' has no unit of its quantity (l/min or m³/h)"},
        {"--capacity 30m3 --time 10 --pressure 10",
         "--capacity: '30m3' has no unit of its quantity (l/min or m³/h)"},
        {"--capacity 500 --time '' --pressure 10", "--time: '' is not a number"},
        {"--capacity 500 --time $'1\\e[0m' --pressure 10",
         "--time: '1\\x1B[0m' has no unit of its quantity (s or min)"},
        {"--capacity 500 --time $'\\e[0m' --pressure 10", "--time: '\\x1B[0m' is not a number"},
        {"--capacity 500 --time 10 --pressure 800Torr",
         "--pressure: 800Torr is not below the start pressure 1013.25 mbar"},
        {"--capacity 500 --time 10 --volume 0", "--volume: 0 is not a positive number"},
        {"--capacity 500 --time 10 --volume -0", "--volume: -0 is not a positive number"},
        {"--capacity 500 --time 10 --pressure -5", "--pressure: -5 is not a positive number"},
        {"--capacity 1e400 --time 10 --volume 1", "--capacity: 1e400 is not a finite number"},
        {"--time ' nan' --volume 1 --pressure 10", "--time: nan is not a finite number"},
        {"--capacity 1e-300 --volume 1e300 --pressure 10",
         "the pump-down time these values give is beyond the largest number"},
        {"--time 1e-300 --volume 1e300 --pressure 1e-300",
         "the pump capacity these values give is beyond the largest number"},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(std::string("pumpdown ") + c.args);
        EXPECT_EQ(r.out, std::string("tevrimo-cli: ") + c.message + "\n") << c.args;
        EXPECT_EQ(r.status, 1) << c.args;
    }
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
                         "units nowhere",
                         "units length extra",
                         "--bogus 5 psi",
                         "5 parsec",
                         "1 a --category length",
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
    const Result version = RunCli("--version");
    EXPECT_EQ(version.out.substr(0, version.out.find('\n')), "tevrimo-cli 1.0.0");
    EXPECT_NE(version.out.find("MIT licence"), std::string::npos);
    const Result c = RunCli("categories");
    EXPECT_EQ(c.out.substr(0, 17), "0\tlength\tUzunluk\n");
    EXPECT_NE(c.out.find("12\tvacuum\tVakum\n"), std::string::npos);
    EXPECT_EQ(
        RunCli("units time").out,
        "0\tsecond\ts,sec,secs,seconds,secondes,Sekunden,sn\ts\n1\tday\td,days,jours,Tage\td\n"
        "2\thour\th,hr,hrs,hours,heures,Stunden,sa\th\n"
        "3\tminute\tmin,mins,minutes,Minuten,dk\tmin\n"
        "4\tyear\tyr,yrs,a,years,ans,années,année,Jahre,sene\tyr\n");
}

// What scripts rely on: names people type, strict numbers, formats, "--", exit codes.
TEST(Cli, ScriptableEdges) {
    const struct {
        const char* args;
        const char* input;
        const char* out;  // standard output and error together
        int status;
    } cases[] = {
        {"convert length ft 1 --to m", "", "0.3048\n", 0},
        {"convert length ft 1 --to m --format tsv", "", "0.3048\n", 0},
        {"convert length feet 2 --to millimeter", "", "609.6\n", 0},
        {"convert temperature degC 100 --to °F", "", "212\n", 0},
        {"convert pressure psi 1 --to kPa", "", "6.89474\n", 0},
        {"convert length foot -- -5 --to inch", "", "tevrimo-cli: unexpected argument '--to'\n", 2},
        {"convert length foot --to inch -- -5", "", "-60\n", 0},
        {"convert length fot 1", "",
         "tevrimo-cli: unknown unit 'fot' in category 'length'; did you mean 'foot'?\n", 2},
        {"convert lenght foot 1", "",
         "tevrimo-cli: unknown category 'lenght'; did you mean 'length'?\n", 2},
        {"convert pressure mPa 1", "",
         "tevrimo-cli: unknown unit 'mPa' in category 'pressure'; did you mean 'MPa', 'kPa' or "
         "'hPa'?\n",
         2},
        {"convert length foot abc --strict", "", "tevrimo-cli: invalid number 'abc'\n", 1},
        {"convert length foot ' 1.5 ' --strict --to inch", "", "18\n", 0},
        {"convert length foot abc --to meter", "", "tevrimo-cli: invalid number 'abc'\n", 1},
        {"convert length foot abc --to meter --as-typed", "", "0\n", 0},  // as the page reads it
        {"convert length foot '12 kg' --to meter --as-typed", "", "3.6576\n", 0},
        {"convert length foot --to meter", "1,5\n12 kg\n\n2\n",
         "tevrimo-cli: line 1: invalid number '1,5' (use '.' as the decimal point)\n\n"
         "tevrimo-cli: line 2: invalid number '12 kg'\n\ntevrimo-cli: line 3: invalid number "
         "''\n\n0.6096\n",
         1},
        {"convert length foot --to meter --strict", "1\r\nabc\r\n\r\n2\n",
         "0.3048\ntevrimo-cli: line 2: invalid number 'abc'\n\n"
         "tevrimo-cli: line 3: invalid number ''\n\n0.6096\n",
         1},
        {"convert volume 2 1 --to 0 --format json", "",
         "{\"category\":\"volume\",\"unit\":\"cm³ (=ml)\",\"value\":\"1\",\"results\":"
         "{\"m³\":\"1E-006\"},\"source\":{\"row\":2,\"key\":\"ml\",\"caption\":\"cm³ (=ml)\","
         "\"text\":\"1\",\"value\":1},\"rows\":[{\"row\":0,\"key\":\"m3\",\"caption\":\"m³\","
         "\"text\":\"1E-006\",\"value\":1e-06}]}\n",
         0},
        {"convert length 0 --to 1 --format json --strict", "\"x\\\n",
         "tevrimo-cli: line 1: invalid number '\"x\\\\'\n{\"category\":\"length\",\"unit\":"
         "\"meter\",\"value\":\"\\\"x\\\\\",\"error\":\"invalid number\",\"source\":{\"row\":0,"
         "\"key\":\"m\",\"caption\":\"meter\",\"text\":\"\\\"x\\\\\",\"value\":null}}\n",
         1},
        {"convert temperature 1 --format csv --header", "100\n",
         "kelvin,celcius,fahrenheit,rankine,réaumur\r\n373.15,100,212,671.67,80\r\n", 0},
        {"convert length 0 --to 0 --format csv --as-typed", "1,5\n", "\"1,5\"\r\n", 0},
        {"units data --format csv --header", "",
         "row,caption,aliases,key\r\n0,bit,\"b,bits\",bit\r\n1,Byte,\"B,byte,bytes,octet,octets\","
         "B\r\n"
         "2,kByte,\"kB,KB,KiB,kilobyte,kilobytes,kibibyte,kibibytes\",kB\r\n"
         "3,MByte,\"MB,MiB,megabyte,megabytes,mebibyte,mebibytes\",MB\r\n"
         "4,GByte,\"GB,GiB,gigabyte,gigabytes,gibibyte,gibibytes\",GB\r\n"
         "5,TByte,\"TB,TiB,terabyte,terabytes,tebibyte,tebibytes\",TB\r\n",
         0},
        {"categories --format csv --header", "",
         "index,key,caption\r\n0,length,Uzunluk\r\n1,area,Alan\r\n2,volume,Hacim\r\n"
         "3,mass,Ağırlık\r\n4,force,Kuvvet\r\n5,pressure,Basınç\r\n6,temperature,Sıcaklık\r\n"
         "7,time,Zaman\r\n8,speed,Hız\r\n9,density,Yoğunluk\r\n10,energy,Enerji\r\n"
         "11,data,Bilgisayar\r\n12,vacuum,Vakum\r\n",
         0},
        {"units $'\\e]2;X\\a'", "", "tevrimo-cli: unknown category '\\x1B]2;X\\x07'\n", 2},
        {"units length --lang $'en\\n'", "",
         "tevrimo-cli: unknown language 'en\\n' (use tr, en, de or fr)\n", 2},
        {"convert length foot 1 --format xml", "",
         "tevrimo-cli: unknown format 'xml' (use tsv, csv or json)\n", 2},
        // A TSV field never holds a tab, CR or LF, whichever way the entry gets there.
        {"convert time 0 --as-typed", "60\t1\n",
         "60\\t1\t0.000694444\t0.0166667\t1\t1.90129E-006\n", 0},
        {"convert length 0 --to 0 --as-typed", "1\t2\n3\\4\r\r\n\\5\n", "1\\t2\n3\\\\4\\r\n\\\\5\n",
         0},
        {"convert time 0 $'60\\n\\\\' --header --to 0 --as-typed", "", "second\n60\\n\\\\\n", 0},
        {"convert length 0 --to 0 --format csv --as-typed", "1\t2\n", "1\t2\r\n", 0},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.args, c.input);
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_EQ(r.status, c.status) << c.args;
    }
}

// A conversion asked as people ask it, read as the desktop's search reads it, the
// category from the unit; pump-down values with their units; every unit at once.
TEST(Cli, PhrasesPumpDownUnitsAndEveryUnit) {
    const struct {
        const char* args;
        const char* out;  // standard output and error together
        int status;
    } cases[] = {
        {"5 psi bar", "0.344737\n", 0},
        {"5 psi to bar", "0.344737\n", 0},
        {"'5 psi in bar'", "0.344737\n", 0},
        {"72 F C", "22.2222\n", 0},
        {"-- -40 °F to °C", "-40\n", 0},
        {"12 fuß in m --format csv --header", "meter\r\n3.6576\r\n", 0},
        {"3 gb mb", "3072\n", 0},
        {"12psi to kPa --lang de", "82.7369\n", 0},
        {"1 a --category time --header --to", "tevrimo-cli: unknown option '--to'\n", 2},
        {"1 a to m2", "100\n", 0},
        {"1 a to day", "365.25\n", 0},
        {"1 a", "", 0},  // checked below: area first, time named on standard error
        {"1,5 bar", "tevrimo-cli: invalid number '1,5' (use '.' as the decimal point)\n", 1},
        {"5 parsec",
         "tevrimo-cli: no unit to read in '5 parsec' (a phrase is VALUE UNIT [to UNIT]; "
         "'tevrimo-cli units' lists the units)\n",
         2},
        {"psi 5", "tevrimo-cli: unknown command 'psi' (try 'tevrimo-cli --help')\n", 2},
        {"convert 5 psi bar",
         "tevrimo-cli: invalid number 'bar'; did you mean 'tevrimo-cli 5 psi bar'?\n", 1},
        {"pumpdown --capacity 10m3/h --time 10 --volume 200", "mbar\t1.66639\nTorr\t1.2499\n", 0},
        {"pumpdown --capacity '600 l/min' --time 30s --volume 0.2m3",
         "mbar\t319.601\nTorr\t239.721\n", 0},
        {"pumpdown --capacity 600 --time 0.5 --volume 200", "mbar\t319.601\nTorr\t239.721\n", 0},
        {"pumpdown --capacity 500 --time 10 --pressure 1e-2TORR", "liter\t342.23\nm³\t0.34223\n",
         0},
        {"pumpdown --capacity 500 --time 10 --pressure 0.0133322", "liter\t342.23\nm³\t0.34223\n",
         0},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.args);
        if (*c.out) {
            EXPECT_EQ(r.out, c.out) << c.args;
        }
        EXPECT_EQ(r.status, c.status) << c.args;
    }
    const Result are = RunCli("1 a");
    EXPECT_EQ(are.out.rfind("tevrimo-cli: read in category area; also time (choose with "
                            "--category)\nmeter²\t100\n",
                            0),
              0u);
    // Every unit of every category, its category key first, as `units CATEGORY` has it.
    const Result all = RunCli("units --header");
    std::size_t rows = 0;
    for (int tab = 0; tab < kCategoryCount; ++tab) {
        for (int row = 0; row < kRowCount; ++row) rows += Category(tab).IsUnitRow(row);
    }
    EXPECT_EQ(static_cast<std::size_t>(std::count(all.out.begin(), all.out.end(), '\n')), rows + 1);
    EXPECT_EQ(all.out.substr(0, all.out.find('\n')), "category\trow\tcaption\taliases\tkey");
    EXPECT_NE(all.out.find("\npressure\t" + RunCli("units pressure").out.substr(0, 10)),
              std::string::npos);
    const std::string json = RunCli("units --format json").out;
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), kCategoryCount);
}

// At a terminal, `convert` without a value says what it waits for; through a pipe it
// says nothing. The terminal is a pseudo-terminal that `script` gives it.
TEST(Cli, TerminalIsToldWhatConvertWaitsFor) {
    const std::string input = TempFile("5\n\x04");
    const std::string command =
        "script -qec '" + Cli() + " convert pressure psi --to bar' /dev/null < " + input + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    Result tty{"", -1};
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) tty.out.append(buffer, n);
    tty.status = pclose(pipe);
    std::remove(input.c_str());
    EXPECT_NE(tty.out.find("type a value in 'PSI (=lbf/in²)' and press Enter, one a line; Ctrl+D "
                           "ends"),
              std::string::npos)
        << tty.out;
    EXPECT_NE(tty.out.find("0.344737"), std::string::npos) << tty.out;
    EXPECT_EQ(RunCli("convert pressure psi --to bar", "5\n").out, "0.344737\n");
}

// User text in a message is escaped wherever it comes from: no control, bidirectional
// control or stray byte reaches the terminal raw.
TEST(Cli, MessagesShowNoRawUserBytes) {
    const std::string word = "$'x\\e[2J\\xe2\\x80\\xae\\xc2\\x9b\\x7f\\t\\r\\n\\xff'";
    const std::string line = "x\x1b[2J\xe2\x80\xae\xc2\x9b\x7f\t\r\xff\n";
    const struct {
        std::string args, input;
    } cases[] = {
        {word, ""},
        {"convert " + word + " foot 1", ""},
        {"convert length " + word + " 1", ""},
        {"convert length foot 1 --to " + word, ""},
        {"convert length foot 1 --lang " + word, ""},
        {"convert length foot 1 --format " + word, ""},
        {"convert length foot 1 --" + word + "=1", ""},
        {"convert length foot " + word + " --strict", ""},
        {"convert length foot --strict", line},
        {"units length " + word, ""},
        {"replay length 1 " + word, ""},
        {"replay length --lang " + word, ""},
        {"pumpdown --capacity " + word + " --time 1 --volume 1", ""},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.args, c.input);
        EXPECT_NE(r.status, 0) << c.args;
        std::string_view rest = r.out;
        while (!rest.empty()) {
            char32_t cp = 0;
            const std::size_t n = Utf8Sequence(rest, cp);
            if (n == 0 || (cp != '\n' && IsHiddenControl(cp))) {
                ADD_FAILURE() << c.args << ": raw byte at " << r.out.size() - rest.size() << " in "
                              << r.out;
                break;
            }
            rest.remove_prefix(n);
        }
    }
}

using cli::Command;
using cli::Commands;
using cli::Option;
using cli::Positional;

// Every command refuses, with status 2 and one line, a word beyond its arguments, an
// option it does not take, a value given to a flag and an option left without its value.
TEST(CommandTable, EveryCommandRefusesWhatItDoesNotTake) {
    const std::map<std::string_view, std::string> sample = {
        {"CATEGORY", "length"}, {"UNIT", "foot"}, {"VALUE", "1"}, {"TOKEN", "1"}};
    std::set<std::string_view> everyOption;
    for (const Command& c : Commands()) {
        for (const Option& o : c.options) everyOption.insert(o.name);
    }
    for (const Command& c : Commands()) {
        std::string words(c.name);
        bool repeats = false;
        for (const Positional& p : c.positionals) {
            ASSERT_TRUE(sample.count(p.name)) << "no sample for " << p.name;
            words += " " + sample.at(p.name);
            repeats = repeats || p.count == Positional::Count::kAny;
        }
        std::vector<std::pair<std::string, std::string>> cases = {
            {words + " extra", repeats ? "unknown token 'extra'" : "unexpected argument 'extra'"},
            {words + " --bogus", "unknown option '--bogus'"},
        };
        for (std::string_view name : everyOption) {
            const auto own = std::find_if(c.options.begin(), c.options.end(),
                                          [name](const Option& o) { return o.name == name; });
            const std::string n(name);
            if (own == c.options.end()) {
                cases.push_back({words + " " + n + "=1", "unknown option '" + n + "'"});
            } else if (own->TakesValue()) {
                cases.push_back({words + " " + n, "option '" + n + "' needs a value"});
            } else {
                cases.push_back({words + " " + n + "=1", "option '" + n + "' takes no value"});
            }
        }
        for (const auto& [args, message] : cases) {
            const Result r = RunCli(args);
            EXPECT_EQ(r.out, "tevrimo-cli: " + message + "\n") << args;
            EXPECT_EQ(r.status, 2) << args;
        }
    }
}

// The manual's synopsis shows each command as the table and the help do, and every
// option the manual names is one the program takes.
TEST(CommandTable, ManualMatchesTheTable) {
    const std::string manual = ReadFile(TEVRIMO_MANUAL);
    const std::size_t begin = manual.find(".SH SYNOPSIS\n"), end = manual.find("\n.SH ", begin + 1);
    ASSERT_NE(end, std::string::npos);
    // The synopsis without its markup, one command a line: "tevrimo-cli units CATEGORY
    // [--lang L] ...".
    std::vector<std::string> synopsis;
    std::istringstream lines(manual.substr(begin, end - begin));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        if (line == ".br") continue;
        std::string text = line.substr(line.find(' ') + 1);
        for (std::size_t at; (at = text.find("\\-")) != std::string::npos;) text.erase(at, 1);
        if (line.rfind(".B tevrimo-cli ", 0) == 0 || line == ".B tevrimo-cli") {
            synopsis.push_back(text);
            continue;
        }
        ASSERT_FALSE(synopsis.empty()) << line;
        synopsis.back() += " " + text;
        for (const char* joined : {" ]", " ..."}) {
            for (std::size_t at; (at = synopsis.back().find(joined)) != std::string::npos;) {
                synopsis.back().erase(at, 1);
            }
        }
        for (std::size_t at; (at = synopsis.back().find("[ ")) != std::string::npos;) {
            synopsis.back().erase(at + 1, 1);
        }
    }
    std::vector<std::string> expected = {"tevrimo-cli " + cli::PhraseSynopsis()};
    for (const Command& c : Commands()) {
        expected.push_back("tevrimo-cli " + std::string(c.name) + " " + cli::Synopsis(c));
        EXPECT_NE(manual.find(".TP\n.B " + std::string(c.name) + "\n"), std::string::npos)
            << c.name << " is not described";
    }
    EXPECT_EQ(synopsis, expected);

    std::set<std::string> known = {"--"};
    for (std::string_view o : cli::kGeneralOptions) known.emplace(o);
    for (const Command& c : Commands()) {
        for (const Option& o : c.options) known.emplace(o.name);
    }
    for (const Option& o : cli::PhraseCommand().options) known.emplace(o.name);
    for (std::size_t at = manual.find("\\-\\-"); at != std::string::npos;
         at = manual.find("\\-\\-", at + 1)) {
        // Letters, and "\-" between them ("\-\-as\-typed").
        std::string option = "--";
        for (std::size_t i = at + 4; i < manual.size(); ++i) {
            if (std::islower(static_cast<unsigned char>(manual[i]))) {
                option += manual[i];
            } else if (manual.compare(i, 2, "\\-") == 0 && i + 2 < manual.size() &&
                       std::islower(static_cast<unsigned char>(manual[i + 2]))) {
                option += '-';
                ++i;
            } else {
                break;
            }
        }
        EXPECT_TRUE(known.count(option)) << option << " in the manual is no option";
    }
}

// Each shell's completion is the script written from the table.
TEST(CommandTable, CompletionsAreWrittenFromIt) {
    const struct {
        const char* shell;
        std::string (*write)(std::span<const Command>);
    } shells[] = {
        {"bash", cli::BashCompletion}, {"zsh", cli::ZshCompletion}, {"fish", cli::FishCompletion}};
    for (const auto& s : shells) {
        const std::string file = std::string(TEVRIMO_COMPLETIONS) + "/tevrimo-cli." + s.shell;
        EXPECT_EQ(ReadFile(file.c_str()), s.write(Commands()))
            << file << ": the command table changed: cmake --build build --target completions";
    }
}

// The help shows each command with its synopsis and help, every category and every
// replay token, wherever its lines break; "-h" and "--help" after a command show it too.
TEST(CommandTable, HelpShowsTheTable) {
    const auto words = [](const std::string& text) {
        std::istringstream in(text);
        std::string word, out;
        while (in >> word) out += word + " ";
        return out;
    };
    const Result r = RunCli("--help");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(RunCli("-h").out, r.out);
    EXPECT_EQ(RunCli("units length --help").out, r.out);
    const std::string help = words(r.out);
    for (const Command& c : Commands()) {
        const std::string shown =
            std::string(c.name) + " " + cli::Synopsis(c) + " " + std::string(c.help);
        EXPECT_NE(help.find(words(shown)), std::string::npos) << c.name;
    }
    std::string keys;
    for (int i = 0; i < kCategoryCount; ++i) keys += std::string(CategoryKey(i)) + " ";
    EXPECT_NE(help.find("CATEGORY: " + keys + "(or a tab index"), std::string::npos) << help;
    EXPECT_NE(help.find("TOKEN: " + words(ReplayTokenHelp())), std::string::npos) << help;
}

TEST(CommandTable, HelpGivesTheStartPressure) {
    const Command* pumpdown = cli::FindCommand("pumpdown");
    ASSERT_NE(pumpdown, nullptr);
    EXPECT_NE(pumpdown->help.find(" " + FormatNumber(pumpdown::kStartPressure) + " mbar"),
              std::string::npos);
}

// The JSON of categories and units parses, and holds what the tables hold.
TEST(Cli, CategoriesAndUnitsAsJson) {
    using testing::Json;
    const auto categories = testing::ParseJson(RunCli("categories --format json").out);
    ASSERT_TRUE(categories);
    EXPECT_EQ(categories->order, std::vector<std::string>{"categories"});
    const Json& list = (*categories)["categories"];
    ASSERT_EQ(list.items.size(), std::size_t{kCategoryCount});
    for (int i = 0; i < kCategoryCount; ++i) {
        const Json& c = list.items[static_cast<std::size_t>(i)];
        EXPECT_EQ(c.order, (std::vector<std::string>{"index", "key", "caption"}));
        EXPECT_EQ(c["index"].kind, Json::Kind::kNumber);
        EXPECT_EQ(c["index"].text, std::to_string(i));
        EXPECT_EQ(c["key"].text, CategoryKey(i));
        EXPECT_EQ(c["caption"].text, CategoryTabCaption(i));

        const CategoryTable& table = Category(i);
        const int language = i % kLanguageCount;
        const auto units =
            testing::ParseJson(RunCli("units " + std::to_string(i) + " --format json --lang " +
                                      std::string(kLanguageCodes[language]))
                                   .out);
        ASSERT_TRUE(units) << table.key;
        EXPECT_EQ((*units)["category"].text, table.key);
        std::size_t n = 0;
        for (int r = 0; r < kRowCount; ++r) {
            if (!table.IsUnitRow(r)) continue;
            ASSERT_LT(n, (*units)["units"].items.size()) << table.key;
            const Json& u = (*units)["units"].items[n++];
            EXPECT_EQ(u.order, (std::vector<std::string>{"row", "key", "caption", "aliases"}));
            EXPECT_EQ(u["row"].text, std::to_string(r));
            EXPECT_EQ(u["key"].text, table.rows[static_cast<std::size_t>(r)].key);
            EXPECT_EQ(u["caption"].text, table.Caption(r, language));
            std::vector<std::string> aliases, listed;
            for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) {
                aliases.emplace_back(a.text);
            }
            for (const Json& a : u["aliases"].items) listed.push_back(a.text);
            EXPECT_EQ(listed, aliases) << table.key << " row " << r;
        }
        EXPECT_EQ(n, (*units)["units"].items.size()) << table.key;
    }
}

// The JSON of convert, one conversion or a stream, every unit or one, refused lines
// among them: every line parses and has the documented shape. "results" holds the texts
// by caption, as it always has; "source" and "rows" name each unit by its key, with the
// text shown and the number it stands for (null where there is none).
TEST(Cli, ConvertJsonShape) {
    using testing::Json;
    const struct {
        const char* args;
        const char* input;
        const char* category;
        const char* source;  // the key of the source unit
        const char* target;  // the key of the --to unit, or "" for every unit
        int language;
        const char* lines;  // per output line: 'r' results, 'e' refused
    } cases[] = {
        {"convert length ft 1", "", "length", "ft", "", kEnglish, "r"},
        {"convert length ft -2.5e-7 --to yd", "", "length", "ft", "yd", kEnglish, "r"},
        {"convert UZUNLUK inç 1 --lang tr --to ft", "", "length", "in", "ft", kTurkish, "r"},
        {"convert vacuum s 100", "", "vacuum", "s", "", kEnglish, "r"},
        {"convert energy kWh 1e300 --lang fr", "", "energy", "kWh", "", kFrench, "r"},
        {"convert pressure inHg --lang de --as-typed", "1\nabc\n\n1e400\nnan\n", "pressure", "inHg",
         "", kGerman, "rrrrr"},
        {"convert pressure bar --to psi --strict", "1\nabc\n12abc\n-0\n", "pressure", "bar", "psi",
         kEnglish, "reer"},
        {"convert temperature 4 --to degC", "0\n-500\n", "temperature", "degRe", "degC", kEnglish,
         "rr"},
        {"convert data B 8 --to 0", "", "data", "B", "bit", kEnglish, "r"},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(std::string(c.args) + " --format json", c.input);
        const CategoryTable* table = FindCategory(c.category);
        ASSERT_NE(table, nullptr);
        const int source = FindUnit(*table, c.source, kEnglish);
        const int target = *c.target ? FindUnit(*table, c.target, kEnglish) : -1;
        ASSERT_TRUE(source >= 0 && (target >= 0 || !*c.target)) << c.args;
        std::istringstream out(r.out);
        std::string line;
        std::size_t n = 0;
        while (std::getline(out, line)) {
            if (line.rfind("tevrimo-cli: ", 0) == 0) continue;  // a refusal, on stderr
            ASSERT_LT(n, std::strlen(c.lines)) << c.args << ": " << line;
            const bool refused = c.lines[n++] == 'e';
            const auto json = testing::ParseJson(line);
            ASSERT_TRUE(json) << c.args << ": " << line;
            const std::vector<std::string> order =
                refused ? std::vector<std::string>{"category", "unit", "value", "error", "source"}
                        : std::vector<std::string>{"category", "unit",   "value",
                                                   "results",  "source", "rows"};
            ASSERT_EQ(json->order, order) << c.args << ": " << line;
            EXPECT_EQ((*json)["category"].text, table->key);
            EXPECT_EQ((*json)["unit"].text, table->Caption(source, c.language));
            // One unit: its row number, key, caption, text and number.
            const auto checkRow = [&](const Json& row, int expectedRow, bool read) {
                ASSERT_EQ(row.order,
                          (std::vector<std::string>{"row", "key", "caption", "text", "value"}))
                    << line;
                EXPECT_EQ(row["row"].kind, Json::Kind::kNumber) << line;
                for (const char* name : {"key", "caption", "text"}) {
                    EXPECT_EQ(row[name].kind, Json::Kind::kString) << name << " in " << line;
                }
                EXPECT_EQ(row["row"].text, std::to_string(expectedRow)) << line;
                EXPECT_EQ(row["key"].text, table->rows[std::size_t(expectedRow)].key) << line;
                EXPECT_EQ(row["caption"].text, table->Caption(expectedRow, c.language)) << line;
                const std::string& text = row["text"].text;
                const double shown = ParseNumber(text);
                if (!read || text.empty() || !std::isfinite(shown)) {
                    EXPECT_EQ(row["value"].kind, Json::Kind::kNull) << line;
                } else {
                    ASSERT_EQ(row["value"].kind, Json::Kind::kNumber) << line;
                    EXPECT_EQ(std::strtod(row["value"].text.c_str(), nullptr), shown) << line;
                }
            };
            checkRow((*json)["source"], source, !refused);
            EXPECT_EQ((*json)["source"]["text"].text, (*json)["value"].text) << line;
            if (refused) {
                EXPECT_EQ((*json)["error"].kind, Json::Kind::kString) << line;
                continue;
            }
            const Json& results = (*json)["results"];
            const Json& rows = (*json)["rows"];
            std::vector<int> shown;
            for (int row = 0; row < kRowCount; ++row) {
                if (target >= 0 ? row == target : table->IsUnitRow(row)) shown.push_back(row);
            }
            ASSERT_EQ(rows.items.size(), shown.size()) << line;
            ASSERT_EQ(results.order.size(), shown.size()) << line;
            for (std::size_t i = 0; i < shown.size(); ++i) {
                checkRow(rows.items[i], shown[i], true);
                // The same texts as "results", under the same captions.
                EXPECT_EQ(results.order[i], rows.items[i]["caption"].text) << line;
                EXPECT_EQ(results[results.order[i]].text, rows.items[i]["text"].text) << line;
            }
        }
        EXPECT_EQ(n, std::strlen(c.lines)) << c.args;
    }
}

// The help and the manual list every named key the replay parser takes.
TEST(ReplayTokens, HelpAndManualListThem) {
    std::ifstream in(TEVRIMO_MANUAL);
    const std::string manual((std::istreambuf_iterator<char>(in)), {});
    const std::string help = ReplayTokenHelp();
    std::istringstream words(help.substr(0, help.find("vk:N")));
    const auto listed = [&manual](const std::string& w) {
        for (std::size_t at = manual.find(w); at != std::string::npos;
             at = manual.find(w, at + 1)) {
            const char before = at == 0 ? ' ' : manual[at - 1];
            const char after = at + w.size() < manual.size() ? manual[at + w.size()] : ' ';
            if (std::isspace(static_cast<unsigned char>(before)) && !std::isalnum(after))
                return true;
        }
        return false;
    };
    std::string word;
    int named = 0;
    while (words >> word) {
        if (word.find('-') != std::string::npos || word == "keys") continue;  // 0-9 and the like
        EXPECT_TRUE(ParseReplayToken(word).has_value()) << word;
        EXPECT_TRUE(listed(word)) << word;
        ++named;
    }
    EXPECT_GT(named, 25);
}

// A completion offers tokens that parse, every named key among them.
TEST(ReplayTokens, SuggestionsParse) {
    const std::span<const std::string_view> suggestions = ReplayTokenSuggestions();
    for (std::string_view token : suggestions) {
        EXPECT_TRUE(ParseReplayToken(token).has_value()) << token;
    }
    const std::string help = ReplayTokenHelp();
    std::istringstream words(help.substr(0, help.find("vk:N")));
    std::string word;
    while (words >> word) {
        if (word.find('-') != std::string::npos || word == "keys") continue;
        if (word == "shift" || word == "ctrl") continue;  // modifiers: shift+tab, ctrl+c
        EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), word), suggestions.end())
            << word;
    }
}

TEST(ReplayTokens, NamesAndCodes) {
    EXPECT_EQ(ParseReplayToken("num7")->value, 0x67);
    EXPECT_EQ(ParseReplayToken("minus")->value, 0xBD);
    EXPECT_EQ(ParseReplayToken("vk:0x41")->value, 0x41);
    EXPECT_EQ(ParseReplayToken("f1")->value, 0x70);
    EXPECT_EQ(ParseReplayToken("f12")->value, 0x7B);
    EXPECT_EQ(ParseReplayToken("f24")->value, 0x87);
    EXPECT_EQ(ParseReplayToken("vk:255")->value, 0xFF);
    EXPECT_TRUE(ParseReplayToken("shift+tab")->modifiers.shift);
    EXPECT_TRUE(ParseReplayToken("ctrl+c")->modifiers.ctrl);
    EXPECT_EQ(ParseReplayToken("focus:13")->kind, PageAction::Kind::kClickBox);
    EXPECT_EQ(ParseReplayToken("lang:fr")->value, 3);
    EXPECT_EQ(ParseReplayToken("Enter")->value, 0x0D);
    EXPECT_EQ(ParseReplayToken("Q")->value, 0x51);
    for (const char* bad : {"", "12", "focus:", "focus:x", "flag:4", "vk:0x100", "vk:0", "ctrl+",
                            "f0", "f25", "num10", ".", "`", "{"}) {
        EXPECT_FALSE(ParseReplayToken(bad).has_value()) << bad;
    }
}

}  // namespace
}  // namespace tevrimo
