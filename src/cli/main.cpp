// SPDX-License-Identifier: MIT
// tevrimo-cli: the converter's pages on the command line.
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "categories.h"
#include "output.h"
#include "page_session.h"
#include "pumpdown.h"
#include "records.h"
#include "replay_tokens.h"
#include "tevrimo_version.h"
#include "unit_names.h"

namespace tevrimo::cli {
namespace {

constexpr const char* kProgram = "tevrimo-cli";
constexpr std::size_t kMaxLineLength = 1 << 20;  // longer input lines are not values

// `text` folded into lines of at most 80 columns, each after the first indented to the
// column where `label` ends.
std::string Wrapped(std::string_view label, std::string_view text) {
    constexpr std::size_t kWidth = 80;
    std::string out(label);
    std::size_t column = label.size();
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        if (column > label.size() && column + 1 + word.size() > kWidth) {
            out += "\n" + std::string(label.size(), ' ');
            column = label.size();
        } else if (column > label.size()) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
    }
    return out + "\n";
}

std::string Usage() {
    std::string categories;
    for (int i = 0; i < kCategoryCount; ++i) categories.append(CategoryKey(i)).append(" ");
    return "Usage: tevrimo-cli COMMAND [ARGUMENTS]\n"
           "Converts physical units the way the Tevrimo pages do: six significant digits.\n"
           "\n"
           "Commands:\n"
           "  categories [--format F] [--header]\n"
           "                                  list the categories in tab order\n"
           "  units CATEGORY [--lang L] [--format F] [--header]\n"
           "                                  list the units of a category: row, caption and\n"
           "                                  the other names it answers to\n"
           "  convert CATEGORY UNIT [VALUE] [--lang L] [--to UNIT] [--strict] [--format F]\n"
           "          [--header]\n"
           "                                  convert VALUE typed in UNIT into every unit of the\n"
           "                                  category; without VALUE, convert each line of\n"
           "                                  standard input, one output line per input line\n"
           "  replay CATEGORY [--lang L] [--captions] TOKEN...\n"
           "                                  play keys and clicks on a fresh page and print its\n"
           "                                  fourteen value boxes\n"
           "  pumpdown [--capacity L/MIN] [--time MIN] [--volume LITRES] [--pressure MBAR]\n"
           "                                  give three, get the fourth; each a positive\n"
           "                                  number, the pressure below " +
           FormatNumber(pumpdown::kStartPressure) +
           " mbar\n"
           "\n" +
           Wrapped("CATEGORY: ",
                   categories + "(or a tab index 0..12, or the Turkish tab caption)") +
           "UNIT:     a row number 0..13, a unit caption in any language, or a symbol or\n"
           "          English name ('units CATEGORY' lists them).\n"
           "VALUE:    read as the pages read it: '.' is the decimal point, text after the\n"
           "          number is ignored, no number reads as 0. Put '--' before a negative\n"
           "          value that could look like an option.\n"
           "L:        tr, en, de or fr (default en).\n"
           "F:        tsv (default), csv or json (JSON Lines when streaming). A tab, CR, LF\n"
           "          or backslash inside a tsv field is written as \\t, \\r, \\n or \\\\.\n" +
           Wrapped("TOKEN:    ", ReplayTokenHelp()) +
           "\n"
           "Options:\n"
           "  --strict   a VALUE or input line that is not entirely a number is an error\n"
           "  --header   a first line naming the columns (tsv and csv)\n"
           "  --         end of the options: what follows is taken as it stands\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "\n"
           "Exit status: 0 on success, 1 when an input line or a pumpdown value was refused\n"
           "or a read or write failed, 2 for bad usage.\n";
}

struct UsageError {
    std::string message;
};

[[noreturn]] void Fail(const std::string& message) {
    throw UsageError{message};
}

// Arguments split into options and positional words. Only the named options are
// options: "-", "-5" and the like stay positional, and "--" ends the options.
struct Arguments {
    std::vector<std::string_view> words;
    std::optional<std::string_view> lang, to, format, capacity, time, volume, pressure;
    bool captions = false, strict = false, header = false;
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
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || arg.size() < 3 || arg.substr(0, 2) != "--" ||
            (arg[2] >= '0' && arg[2] <= '9') || arg[2] == '.') {
            a.words.push_back(arg);
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        if (!allowedOption(name)) Fail("unknown option " + Quoted(name));
        bool* flag = name == "--captions" ? &a.captions
                     : name == "--strict" ? &a.strict
                     : name == "--header" ? &a.header
                                          : nullptr;
        if (flag) {
            if (inlineValue) Fail("option " + Quoted(name) + " takes no value");
            *flag = true;
            continue;
        }
        std::string_view value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            Fail("option " + Quoted(name) + " needs a value");
        }
        if (name == "--lang") a.lang = value;
        if (name == "--to") a.to = value;
        if (name == "--format") a.format = value;
        if (name == "--capacity") a.capacity = value;
        if (name == "--time") a.time = value;
        if (name == "--volume") a.volume = value;
        if (name == "--pressure") a.pressure = value;
    }
    return a;
}

void NoMoreWords(const Arguments& args, std::size_t count) {
    if (args.words.size() > count) Fail("unexpected argument " + Quoted(args.words[count]));
}

std::string DidYouMean(const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::string out = "; did you mean ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? " or " : ", ";
        out += Quoted(names[i]);
    }
    return out + "?";
}

const CategoryTable& RequireCategory(std::string_view name) {
    const CategoryTable* table = FindCategory(name);
    if (!table) Fail("unknown category " + Quoted(name) + DidYouMean(SuggestCategories(name)));
    return *table;
}

int RequireLanguage(const std::optional<std::string_view>& lang) {
    if (!lang) return kEnglish;
    const auto l = ParseLanguage(*lang, false);
    if (!l) Fail("unknown language " + Quoted(*lang) + " (use tr, en, de or fr)");
    return *l;
}

Format RequireFormat(const std::optional<std::string_view>& format) {
    if (!format) return Format::kTsv;
    const auto f = ParseFormat(*format);
    if (!f) Fail("unknown format " + Quoted(*format) + " (use tsv, csv or json)");
    return *f;
}

int RequireUnit(const CategoryTable& table, std::string_view name, int language) {
    const int row = FindUnit(table, name, language);
    if (row < 0) {
        Fail("unknown unit " + Quoted(name) + " in category " + Quoted(table.key) +
             DidYouMean(SuggestUnits(table, name, language)));
    }
    if (!table.IsUnitRow(row)) {
        Fail("row " + std::to_string(row) + " of category " + Quoted(table.key) + " has no unit");
    }
    return row;
}

int Categories(const Arguments& args) {
    NoMoreWords(args, 0);
    const Format format = RequireFormat(args.format);
    Output out;
    if (format == Format::kJson) {
        out.Write("{\"categories\":[");
        for (int i = 0; i < kCategoryCount; ++i) {
            out.Write(i == 0 ? "{\"index\":" : ",{\"index\":");
            out.Write(std::to_string(i));
            out.Write(",\"key\":");
            WriteJsonString(out, CategoryKey(i));
            out.Write(",\"caption\":");
            WriteJsonString(out, CategoryTabCaption(i));
            out.Put('}');
        }
        out.Write("]}\n");
    } else {
        RecordWriter record(out, format);
        if (args.header) {
            for (std::string_view h : {"index", "key", "caption"}) record.Field(h);
            record.End();
        }
        for (int i = 0; i < kCategoryCount; ++i) {
            record.Field(std::to_string(i));
            record.Field(CategoryKey(i));
            record.Field(CategoryTabCaption(i));
            record.End();
        }
    }
    out.Flush();
    return 0;
}

int Units(const Arguments& args) {
    if (args.words.empty()) Fail("missing CATEGORY");
    NoMoreWords(args, 1);
    const CategoryTable& table = RequireCategory(args.words[0]);
    const int language = RequireLanguage(args.lang);
    const Format format = RequireFormat(args.format);
    Output out;
    if (format == Format::kJson) {
        out.Write("{\"category\":");
        WriteJsonString(out, table.key);
        out.Write(",\"units\":[");
        bool first = true;
        for (int r = 0; r < kRowCount; ++r) {
            if (!table.IsUnitRow(r)) continue;
            out.Write(first ? "{\"row\":" : ",{\"row\":");
            first = false;
            out.Write(std::to_string(r));
            out.Write(",\"caption\":");
            WriteJsonString(out, table.Caption(r, language));
            out.Write(",\"aliases\":[");
            bool firstAlias = true;
            for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) {
                if (!firstAlias) out.Put(',');
                firstAlias = false;
                WriteJsonString(out, a.text);
            }
            out.Write("]}");
        }
        out.Write("]}\n");
    } else {
        RecordWriter record(out, format);
        if (args.header) {
            for (std::string_view h : {"row", "caption", "aliases"}) record.Field(h);
            record.End();
        }
        for (int r = 0; r < kRowCount; ++r) {
            if (!table.IsUnitRow(r)) continue;
            std::string aliases;
            for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) {
                if (!aliases.empty()) aliases += ',';
                aliases += a.text;
            }
            record.Field(std::to_string(r));
            record.Field(table.Caption(r, language));
            record.Field(aliases);
            record.End();
        }
    }
    out.Flush();
    return 0;
}

// Converts entries typed into one source row and writes the results in one format.
class Converter {
  public:
    Converter(const CategoryTable& table, int source, std::optional<int> target, int language,
              Format format, Output& out)
        : m_table(table),
          m_source(source),
          m_target(target),
          m_language(language),
          m_format(format),
          m_out(out) {}

    // One value given on the command line: a line per unit ("caption TAB text"), or
    // the target's text alone.
    void ConvertOne(std::string_view entry, bool header) {
        if (m_format == Format::kJson) {
            WriteJson(entry, Compute(entry));
            return;
        }
        RecordWriter record(m_out, m_format);
        const Texts texts = Compute(entry);
        if (m_target) {
            if (header) Header(record);
            record.Field(texts[static_cast<std::size_t>(*m_target)]);
            record.End();
            return;
        }
        if (header) {
            record.Field("unit");
            record.Field("value");
            record.End();
        }
        for (int r = 0; r < kRowCount; ++r) {
            if (!m_table.IsUnitRow(r)) continue;
            record.Field(m_table.Caption(r, m_language));
            record.Field(texts[static_cast<std::size_t>(r)]);
            record.End();
        }
    }

    // One line of standard input: the texts of every unit joined on one line, or the
    // target's text alone.
    void ConvertLine(std::string_view entry) {
        if (m_format == Format::kJson) {
            WriteJson(entry, Compute(entry));
            return;
        }
        if (m_target && m_format == Format::kTsv) {
            // The fast path of a long stream: one pair rule, no page.
            const PairRule& rule = m_table.Pair(m_source, *m_target);
            switch (rule.kind) {
                case PairRule::Kind::kEntry: WriteTsvField(m_out, entry); break;
                case PairRule::Kind::kSteps: {
                    char buffer[kFormatBufferSize];
                    m_out.Write({buffer, FormatNumber(rule.Apply(ParseNumber(entry)), buffer)});
                    break;
                }
                case PairRule::Kind::kClear:
                case PairRule::Kind::kSkip: break;
            }
            m_out.Put('\n');
            return;
        }
        RecordWriter record(m_out, m_format);
        const Texts texts = Compute(entry);
        for (int r = 0; r < kRowCount; ++r) {
            if (!Shown(r)) continue;
            // Only the entry itself is user text; every other text is a formatted number.
            const std::string_view text = texts[static_cast<std::size_t>(r)];
            if (m_table.Pair(m_source, r).kind == PairRule::Kind::kEntry) {
                record.Field(text);
            } else {
                record.OwnField(text);
            }
        }
        record.End();
    }

    // An input line that gives no value: an empty line (TSV, CSV), or an object that
    // says why (JSON).
    void Failed(std::string_view entry, std::string_view error) {
        if (m_format != Format::kJson) {
            RecordWriter(m_out, m_format).End();
            return;
        }
        WriteJsonHead(entry);
        m_out.Write(",\"error\":");
        WriteJsonString(m_out, error);
        m_out.Write("}\n");
    }

    // The names of the columns ConvertLine writes.
    void WriteStreamHeader() {
        if (m_format == Format::kJson) return;
        RecordWriter record(m_out, m_format);
        Header(record);
    }

  private:
    using Texts = std::array<std::string_view, kRowCount>;

    // Whether row `r` is a column of the output: the target, or every unit.
    bool Shown(int r) const { return m_target ? r == *m_target : m_table.IsUnitRow(r); }

    void Header(RecordWriter& record) {
        for (int r = 0; r < kRowCount; ++r) {
            if (Shown(r)) {
                record.Field(m_table.Caption(r, m_language));
            }
        }
        record.End();
    }

    // The text of every row for `entry` typed into the source row, by the table's pair
    // rules: a row the rules leave alone stays empty (on the vacuum page, every row
    // outside the source's pair; the pump-down itself is `pumpdown`'s job). Views into
    // this object, valid until the next call.
    Texts Compute(std::string_view entry) {
        Texts texts{};
        m_table.Refresh(entry, ParseNumber(entry), m_source, m_writes);
        for (const RowWrites::Write& w : m_writes) {
            texts[static_cast<std::size_t>(BoxRow(w.boxId))] = w.text;
        }
        return texts;
    }

    void WriteJsonHead(std::string_view entry) {
        m_out.Write("{\"category\":");
        WriteJsonString(m_out, m_table.key);
        m_out.Write(",\"unit\":");
        WriteJsonString(m_out, m_table.Caption(m_source, m_language));
        m_out.Write(",\"value\":");
        WriteJsonString(m_out, entry);
    }

    void WriteJson(std::string_view entry, const Texts& texts) {
        WriteJsonHead(entry);
        m_out.Write(",\"results\":{");
        bool first = true;
        for (int r = 0; r < kRowCount; ++r) {
            if (!Shown(r)) continue;
            if (!first) m_out.Put(',');
            first = false;
            WriteJsonString(m_out, m_table.Caption(r, m_language));
            m_out.Put(':');
            WriteJsonString(m_out, texts[static_cast<std::size_t>(r)]);
        }
        m_out.Write("}}\n");
    }

    const CategoryTable& m_table;
    int m_source;
    std::optional<int> m_target;
    int m_language;
    Format m_format;
    Output& m_out;
    RowWrites m_writes;
};

// Whether `entry` is a number and nothing else, blanks around it allowed.
bool IsWholeNumber(std::string_view entry) {
    double value;
    return ParseWholeNumber(entry, value);
}

// Converts every line of standard input. Returns the exit status: 1 when a line was
// refused (too long, or not a number under --strict).
int ConvertStream(Converter& converter, Output& out, bool strict) {
    LineReader reader(out, kMaxLineLength);
    int status = 0;
    std::string_view line;
    for (std::size_t number = 1;; ++number) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::kEnd) break;
        if (result == LineReader::Result::kTooLong) {
            out.Flush();  // the message comes after the lines before it
            std::fprintf(stderr, "%s: line %zu: longer than %zu bytes, not converted\n", kProgram,
                         number, kMaxLineLength);
            converter.Failed({}, "line too long");
            status = 1;
        } else if (strict && !IsWholeNumber(line)) {
            out.Flush();
            std::fprintf(stderr, "%s: line %zu: invalid number %s\n", kProgram, number,
                         Quoted(line).c_str());
            converter.Failed(line, "invalid number");
            status = 1;
        } else {
            converter.ConvertLine(line);
        }
    }
    return status;
}

int Convert(const Arguments& args) {
    if (args.words.empty()) Fail("missing CATEGORY");
    const CategoryTable& table = RequireCategory(args.words[0]);
    const int language = RequireLanguage(args.lang);
    const Format format = RequireFormat(args.format);
    if (args.words.size() < 2) Fail("missing UNIT");
    NoMoreWords(args, 3);
    const int source = RequireUnit(table, args.words[1], language);
    std::optional<int> target;
    if (args.to) target = RequireUnit(table, *args.to, language);
    Output out;
    Converter converter(table, source, target, language, format, out);
    int status = 0;
    if (args.words.size() == 3) {
        const std::string_view value = args.words[2];
        if (args.strict && !IsWholeNumber(value)) Fail("invalid number " + Quoted(value));
        converter.ConvertOne(value, args.header);
    } else {
        if (args.header) converter.WriteStreamHeader();
        status = ConvertStream(converter, out, args.strict);
    }
    out.Flush();
    return status;
}

int Replay(const Arguments& args) {
    if (args.words.empty()) Fail("missing CATEGORY");
    const CategoryTable& table = RequireCategory(args.words[0]);
    std::vector<PageAction> actions;
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        const auto action = ParseReplayToken(args.words[i]);
        if (!action) Fail("unknown token " + Quoted(args.words[i]));
        actions.push_back(*action);
    }
    std::optional<int> language;
    if (args.lang) {
        language = ParseLanguage(*args.lang, true);
        if (!language) Fail("unknown language " + Quoted(*args.lang));
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
    out.Flush();
    return 0;
}

// Why the text given to pump-down option `name` cannot be used, or nothing, with its
// value in `value`. It must be a number and nothing else, as --strict reads it, finite
// and positive; a final pressure must lie below the start pressure.
std::optional<std::string> PumpDownRefusal(std::string_view name, std::string_view text,
                                           double& value) {
    const std::string option = std::string(name) + ": ";
    if (!ParseWholeNumber(text, value)) return option + Quoted(text) + " is not a number";
    // A whole number: without the blanks around it, nothing but the number's own characters.
    const std::size_t first = text.find_first_not_of(" \t");
    const std::string number(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
    if (!std::isfinite(value)) return option + number + " is not a finite number";
    if (!(value > 0)) return option + number + " is not a positive number";
    if (name == "--pressure" && value >= pumpdown::kStartPressure) {
        return option + number + " is not below the start pressure " +
               FormatNumber(pumpdown::kStartPressure) + " mbar";
    }
    return std::nullopt;
}

int PumpDown(const Arguments& args) {
    NoMoreWords(args, 0);
    const int language = RequireLanguage(args.lang);
    const int given = !!args.capacity + !!args.time + !!args.volume + !!args.pressure;
    if (given != 3) {
        Fail("give exactly three of --capacity, --time, --volume and --pressure (" +
             std::to_string(given) + " given)");
    }
    pumpdown::Inputs inputs;
    for (const auto& [name, text, value] :
         {std::tuple{"--capacity", args.capacity, &inputs.capacity},
          {"--time", args.time, &inputs.time},
          {"--volume", args.volume, &inputs.volume},
          {"--pressure", args.pressure, &inputs.pressure}}) {
        if (!text) continue;
        if (const auto refusal = PumpDownRefusal(name, *text, *value)) {
            std::fprintf(stderr, "%s: %s\n", kProgram, refusal->c_str());
            return 1;
        }
    }
    using pumpdown::Quantity;
    const Quantity computed = !args.capacity ? Quantity::kCapacity
                              : !args.time   ? Quantity::kTime
                              : !args.volume ? Quantity::kVolume
                                             : Quantity::kPressure;
    const pumpdown::Values values = pumpdown::Compute(computed, inputs);
    const pumpdown::QuantityRows rows = pumpdown::Rows(computed);
    const CategoryTable& table = pumpdown::Table();
    Output out;
    for (const auto& [row, v] :
         {std::pair{rows.first, values.first}, {rows.second, values.second}}) {
        out.Write(table.Caption(row, language));
        out.Put('\t');
        out.Write(FormatNumber(v));
        out.Put('\n');
    }
    out.Flush();
    return 0;
}

int Print(std::string_view text) {
    Output out;
    out.Write(text);
    out.Flush();
    return 0;
}

int Run(int argc, char** argv) {
    if (argc < 2) Fail("missing COMMAND (try 'tevrimo-cli --help')");
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h") return Print(Usage());
    if (command == "--version") {
        return Print(std::string(kProgram) + " " TEVRIMO_VERSION "\n" TEVRIMO_LICENCE_NOTICE);
    }
    for (int i = 2; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        if (std::string_view(argv[i]) == "--help") return Print(Usage());
    }
    if (command == "categories") {
        return Categories(SplitArguments(argc, argv, 2, {"--format", "--header"}));
    }
    if (command == "units") {
        return Units(SplitArguments(argc, argv, 2, {"--lang", "--format", "--header"}));
    }
    if (command == "convert") {
        return Convert(
            SplitArguments(argc, argv, 2, {"--lang", "--to", "--strict", "--format", "--header"}));
    }
    if (command == "replay") return Replay(SplitArguments(argc, argv, 2, {"--lang", "--captions"}));
    if (command == "pumpdown") {
        return PumpDown(SplitArguments(
            argc, argv, 2, {"--lang", "--capacity", "--time", "--volume", "--pressure"}));
    }
    Fail("unknown command " + Quoted(command) + " (try 'tevrimo-cli --help')");
}

}  // namespace
}  // namespace tevrimo::cli

int main(int argc, char** argv) {
    using namespace tevrimo::cli;
    try {
        return Run(argc, argv);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "%s: %s\n", kProgram, e.message.c_str());
        return 2;
    } catch (const WriteFailed& e) {
        std::fprintf(stderr, "%s: cannot write to standard output: %s\n", kProgram,
                     std::strerror(e.error));
        return 1;
    } catch (const ReadFailed& e) {
        std::fprintf(stderr, "%s: cannot read standard input: %s\n", kProgram,
                     std::strerror(e.error));
        return 1;
    }
}
