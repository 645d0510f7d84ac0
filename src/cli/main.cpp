// tevrimo-cli: the converter's pages on the command line.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "categories.h"
#include "page_session.h"
#include "pumpdown.h"
#include "replay_tokens.h"

#ifndef TEVRIMO_VERSION
#define TEVRIMO_VERSION "1.0.0"
#endif

namespace tevrimo {
namespace {

constexpr const char* kProgram = "tevrimo-cli";

constexpr const char* kUsage =
    "Usage: tevrimo-cli COMMAND [ARGUMENTS]\n"
    "Converts physical units the way the Tevrimo pages do: six significant digits.\n"
    "\n"
    "Commands:\n"
    "  categories                      list the categories in tab order\n"
    "  units CATEGORY [--lang L]       list the units of a category (row, caption)\n"
    "  convert CATEGORY UNIT [VALUE] [--lang L] [--to UNIT]\n"
    "                                  convert VALUE typed in UNIT into every unit of the\n"
    "                                  category; without VALUE, convert each line of\n"
    "                                  standard input\n"
    "  replay CATEGORY [--lang L] [--captions] TOKEN...\n"
    "                                  play keys and clicks on a fresh page and print its\n"
    "                                  fourteen value boxes\n"
    "  pumpdown [--capacity L/MIN] [--time MIN] [--volume LITRES] [--pressure MBAR]\n"
    "                                  give three, get the fourth\n"
    "\n"
    "CATEGORY: length area volume mass force pressure temperature time speed density\n"
    "          energy data vacuum, a tab index 0..12, or the Turkish tab caption.\n"
    "UNIT:     a row number 0..13, or a unit caption in any language.\n"
    "L:        tr, en, de or fr (default en).\n"
    "TOKEN:    0-9 num0-num9 add sub mul div decimal minus plus period comma slash\n"
    "          backslash enter esc back up down left right home end tab shift+tab f1-f24\n"
    "          space del a-z ctrl+c ctrl+v vk:0xNN focus:R button:R flag:K lang:L\n"
    "          background\n"
    "\n"
    "Options:\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

struct UsageError {
    std::string message;
};

[[noreturn]] void Fail(const std::string& message) {
    throw UsageError{message};
}

// Output through one large buffer: streaming writes millions of short lines.
class Output {
  public:
    ~Output() { Flush(); }
    void Write(std::string_view text) {
        if (m_size + text.size() > sizeof m_buffer) {
            Flush();
            if (text.size() > sizeof m_buffer) {
                WriteAll(text.data(), text.size());
                return;
            }
        }
        std::memcpy(m_buffer + m_size, text.data(), text.size());
        m_size += text.size();
    }
    void Put(char c) {
        if (m_size == sizeof m_buffer) Flush();
        m_buffer[m_size++] = c;
    }
    void Flush() {
        WriteAll(m_buffer, m_size);
        m_size = 0;
    }

  private:
    static void WriteAll(const char* data, std::size_t size) {
        while (size > 0) {
            const ssize_t n = ::write(STDOUT_FILENO, data, size);
            if (n <= 0) return;  // a closed pipe ends the output quietly
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }
    char m_buffer[1 << 16];
    std::size_t m_size = 0;
};

// Arguments split into options and positional words. Only the named options are
// options: "-", "-5" and the like stay positional.
struct Arguments {
    std::vector<std::string_view> words;
    std::optional<std::string_view> lang, to, capacity, time, volume, pressure;
    bool captions = false;
};

Arguments SplitArguments(int argc, char** argv, int first,
                         std::initializer_list<std::string_view> allowed) {
    Arguments a;
    const auto allowedOption = [&](std::string_view name) {
        for (std::string_view n : allowed) {
            if (n == name) return true;
        }
        return false;
    };
    bool optionsEnded = false;
    for (int i = first; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 3 || arg.substr(0, 2) != "--" ||
            (arg[2] >= '0' && arg[2] <= '9') || arg[2] == '.') {
            a.words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        if (!allowedOption(name)) Fail("unknown option '" + std::string(name) + "'");
        if (name == "--captions") {
            if (inlineValue) Fail("option '--captions' takes no value");
            a.captions = true;
            continue;
        }
        std::string_view value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            Fail("option '" + std::string(name) + "' needs a value");
        }
        if (name == "--lang") a.lang = value;
        if (name == "--to") a.to = value;
        if (name == "--capacity") a.capacity = value;
        if (name == "--time") a.time = value;
        if (name == "--volume") a.volume = value;
        if (name == "--pressure") a.pressure = value;
    }
    return a;
}

const CategoryTable& RequireCategory(std::string_view name) {
    const CategoryTable* table = FindCategory(name);
    if (!table) Fail("unknown category '" + std::string(name) + "'");
    return *table;
}

int RequireLanguage(const std::optional<std::string_view>& lang) {
    if (!lang) return kEnglish;
    const auto l = ParseLanguage(*lang, false);
    if (!l) Fail("unknown language '" + std::string(*lang) + "' (use tr, en, de or fr)");
    return *l;
}

bool IsUnitRow(const CategoryTable& table, int row) {
    return row < table.rowCount && table.rows[static_cast<std::size_t>(row)].HasUnit();
}

// A row number, or a caption in the chosen language first, then in any language.
int RequireUnit(const CategoryTable& table, std::string_view name, int language) {
    int row = -1;
    if (!name.empty() && name.size() <= 2 && name.find_first_not_of("0123456789") == name.npos) {
        row = std::stoi(std::string(name));
        if (row >= kRowCount) row = -1;
    }
    const int order[] = {language, kEnglish, kTurkish, kGerman, kFrench};
    for (int l : order) {
        for (int r = 0; r < kRowCount && row < 0; ++r) {
            if (IsUnitRow(table, r) && SameCaption(table.Caption(r, l), name)) row = r;
        }
    }
    if (row < 0) {
        Fail("unknown unit '" + std::string(name) + "' in category '" + std::string(table.key) +
             "'");
    }
    if (!IsUnitRow(table, row)) {
        Fail("row " + std::to_string(row) + " of category '" + std::string(table.key) +
             "' has no unit");
    }
    return row;
}

int Categories(const Arguments& args) {
    if (!args.words.empty()) Fail("unexpected argument '" + std::string(args.words[0]) + "'");
    Output out;
    for (int i = 0; i < kCategoryCount; ++i) {
        const CategoryTable& t = Category(i);
        out.Write(std::to_string(i));
        out.Put('\t');
        out.Write(t.key);
        out.Put('\t');
        out.Write(t.tabCaption);
        out.Put('\n');
    }
    return 0;
}

int Units(const Arguments& args) {
    if (args.words.empty()) Fail("missing CATEGORY");
    if (args.words.size() > 1) Fail("unexpected argument '" + std::string(args.words[1]) + "'");
    const CategoryTable& table = RequireCategory(args.words[0]);
    const int language = RequireLanguage(args.lang);
    Output out;
    for (int r = 0; r < kRowCount; ++r) {
        if (!IsUnitRow(table, r)) continue;
        out.Write(std::to_string(r));
        out.Put('\t');
        out.Write(table.Caption(r, language));
        out.Put('\n');
    }
    return 0;
}

// Converts entries typed into one source row.
class Converter {
  public:
    Converter(const CategoryTable& table, int source, std::optional<int> target)
        : m_table(table), m_source(source), m_target(target) {}

    // Writes the texts for `entry`: the target's text, or every unit row's text
    // joined by TAB (with the captions when `withCaptions`).
    void Convert(std::string_view entry, Output& out, int language, bool withCaptions) {
        if (m_table.tabIndex == kVacuumTab) {
            ConvertOnPage(entry, out, language, withCaptions);
            return;
        }
        if (m_target) {
            const PairRule& rule = m_table.Pair(m_source, *m_target);
            switch (rule.kind) {
                case PairRule::Kind::kEntry: out.Write(entry); break;
                case PairRule::Kind::kSteps: {
                    char buffer[kFormatBufferSize];
                    out.Write({buffer, FormatNumber(rule.Apply(ParseNumber(entry)), buffer)});
                    break;
                }
                case PairRule::Kind::kClear:
                case PairRule::Kind::kSkip: break;
            }
            out.Put('\n');
            return;
        }
        m_table.Refresh(entry, ParseNumber(entry), m_source, m_writes);
        std::array<std::string_view, kRowCount> texts{};
        for (const RowWrites::Write& w : m_writes) {
            texts[static_cast<std::size_t>(w.boxId - kFirstBoxId)] = w.text;
        }
        WriteRows(texts, out, language, withCaptions);
    }

  private:
    void WriteRows(const std::array<std::string_view, kRowCount>& texts, Output& out, int language,
                   bool withCaptions) {
        bool first = true;
        for (int r = 0; r < kRowCount; ++r) {
            if (!IsUnitRow(m_table, r)) continue;
            if (withCaptions) {
                out.Write(m_table.Caption(r, language));
                out.Put('\t');
                out.Write(texts[static_cast<std::size_t>(r)]);
                out.Put('\n');
            } else {
                if (!first) out.Put('\t');
                out.Write(texts[static_cast<std::size_t>(r)]);
            }
            first = false;
        }
        if (!withCaptions) out.Put('\n');
    }

    // The vacuum page also computes; each entry goes to a fresh page.
    void ConvertOnPage(std::string_view entry, Output& out, int language, bool withCaptions) {
        PageSession session(m_table);
        session.ClickBox(m_source);
        session.Page().ShowEntry(entry);
        const MemoryWindow& window = session.Window();
        if (m_target) {
            out.Write(window.Text(*m_target));
            out.Put('\n');
            return;
        }
        std::array<std::string_view, kRowCount> texts{};
        for (int r = 0; r < kRowCount; ++r) texts[static_cast<std::size_t>(r)] = window.Text(r);
        WriteRows(texts, out, language, withCaptions);
    }

    const CategoryTable& m_table;
    int m_source;
    std::optional<int> m_target;
    RowWrites m_writes;
};

// Feeds each line of standard input to `converter`. CR-LF line ends are line ends; a
// last line without a newline still counts.
void ConvertStream(Converter& converter, Output& out, int language) {
    static char chunk[1 << 16];
    std::string carry;
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        const char* p = chunk;
        const char* end = chunk + n;
        while (p < end) {
            const char* nl =
                static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            if (!nl) {
                carry.append(p, end);
                break;
            }
            std::string_view line;
            if (carry.empty()) {
                line = std::string_view(p, static_cast<std::size_t>(nl - p));
            } else {
                carry.append(p, nl);
                line = carry;
            }
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            converter.Convert(line, out, language, false);
            carry.clear();
            p = nl + 1;
        }
        if (carry.capacity() > (1u << 20) && carry.empty()) std::string().swap(carry);
    }
    if (!carry.empty()) {
        std::string_view line = carry;
        if (line.back() == '\r') line.remove_suffix(1);
        converter.Convert(line, out, language, false);
    }
}

int Convert(const Arguments& args) {
    if (args.words.empty()) Fail("missing CATEGORY");
    const CategoryTable& table = RequireCategory(args.words[0]);
    const int language = RequireLanguage(args.lang);
    if (args.words.size() < 2) Fail("missing UNIT");
    if (args.words.size() > 3) Fail("unexpected argument '" + std::string(args.words[3]) + "'");
    const int source = RequireUnit(table, args.words[1], language);
    std::optional<int> target;
    if (args.to) target = RequireUnit(table, *args.to, language);
    Converter converter(table, source, target);
    Output out;
    if (args.words.size() == 3) {
        converter.Convert(args.words[2], out, language, true);
    } else {
        ConvertStream(converter, out, language);
    }
    return 0;
}

int Replay(const Arguments& args) {
    if (args.words.empty()) Fail("missing CATEGORY");
    const CategoryTable& table = RequireCategory(args.words[0]);
    std::vector<PageAction> actions;
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        const auto action = ParseReplayToken(args.words[i]);
        if (!action) Fail("unknown token '" + std::string(args.words[i]) + "'");
        actions.push_back(*action);
    }
    std::optional<int> language;
    if (args.lang) {
        language = ParseLanguage(*args.lang, true);
        if (!language) Fail("unknown language '" + std::string(*args.lang) + "'");
    }

    PageSession session(table);
    if (language) session.HandLanguage(*language);
    for (const PageAction& a : actions) session.Do(a);
    const MemoryWindow& window = session.Window();
    Output out;
    for (int r = 0; r < kRowCount; ++r) {
        out.Write(std::to_string(r));
        out.Put('\t');
        out.Write(window.Text(r));
        out.Put('\n');
    }
    if (args.captions) {
        for (int r = 0; r < kRowCount; ++r) {
            out.Write("caption ");
            out.Write(std::to_string(r));
            out.Put('\t');
            out.Write(window.Caption(r));
            out.Put('\n');
        }
    }
    return 0;
}

int PumpDown(const Arguments& args) {
    if (!args.words.empty()) Fail("unexpected argument '" + std::string(args.words[0]) + "'");
    const int language = RequireLanguage(args.lang);
    const int given = !!args.capacity + !!args.time + !!args.volume + !!args.pressure;
    if (given != 3) {
        Fail("give exactly three of --capacity, --time, --volume and --pressure (" +
             std::to_string(given) + " given)");
    }
    const auto value = [](const std::optional<std::string_view>& v) {
        return v ? ParseNumber(*v) : 0.0;
    };
    const double s = value(args.capacity), t = value(args.time), v = value(args.volume),
                 p = value(args.pressure);
    using pumpdown::Quantity;
    const Quantity computed = !args.capacity ? Quantity::kCapacity
                              : !args.time   ? Quantity::kTime
                              : !args.volume ? Quantity::kVolume
                                             : Quantity::kPressure;
    const pumpdown::Values values = pumpdown::Compute(computed, {s, t, v, p});
    const pumpdown::QuantityRows rows = pumpdown::Rows(computed);
    const CategoryTable& table = Category(kVacuumTab);
    Output out;
    for (const auto& [row, value] :
         {std::pair{rows.first, values.first}, {rows.second, values.second}}) {
        out.Write(table.Caption(row, language));
        out.Put('\t');
        out.Write(FormatNumber(value));
        out.Put('\n');
    }
    return 0;
}

int Run(int argc, char** argv) {
    if (argc < 2) Fail("missing COMMAND (try 'tevrimo-cli --help')");
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("tevrimo-cli %s\n", TEVRIMO_VERSION);
        return 0;
    }
    for (int i = 2; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    if (command == "categories") return Categories(SplitArguments(argc, argv, 2, {}));
    if (command == "units") return Units(SplitArguments(argc, argv, 2, {"--lang"}));
    if (command == "convert") return Convert(SplitArguments(argc, argv, 2, {"--lang", "--to"}));
    if (command == "replay") return Replay(SplitArguments(argc, argv, 2, {"--lang", "--captions"}));
    if (command == "pumpdown") {
        return PumpDown(SplitArguments(
            argc, argv, 2, {"--lang", "--capacity", "--time", "--volume", "--pressure"}));
    }
    Fail("unknown command '" + std::string(command) + "' (try 'tevrimo-cli --help')");
}

}  // namespace
}  // namespace tevrimo

int main(int argc, char** argv) {
    try {
        return tevrimo::Run(argc, argv);
    } catch (const tevrimo::UsageError& e) {
        std::fprintf(stderr, "%s: %s\n", tevrimo::kProgram, e.message.c_str());
        return 2;
    }
}
