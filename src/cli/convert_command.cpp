// SPDX-License-Identifier: MIT
// tevrimo-cli convert: a value, or every line of standard input, typed into one unit
// and shown in every unit of its category (or in one). A value must be a number and
// nothing else, unless --as-typed asks for the pages' reading.

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "category_table.h"
#include "command_line.h"
#include "failure.h"
#include "json_writer.h"
#include "number_text.h"
#include "output.h"
#include "records.h"
#include "unit_names.h"
#include "user_text.h"

namespace tevrimo::cli {

namespace {

constexpr std::size_t kMaxLineLength = 1 << 20;  // longer input lines are not values

struct ConvertOptions {
    std::optional<std::string_view> lang, to, format;
    bool asTyped = false, header = false;
};

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
          m_out(out),
          m_streamRule(target && format == Format::kTsv ? &table.Pair(source, *target) : nullptr) {}

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
        if (m_streamRule) {
            // The fast path of a long stream: one pair rule, no page.
            const PairRule& rule = *m_streamRule;
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
        JsonWriter json(m_out);
        WriteJsonHead(json, entry);
        json.Key("error").String(error).Key("source");
        WriteJsonRow(json, m_source, entry, false);
        json.EndObject();
        m_out.Put('\n');
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
            texts[static_cast<std::size_t>(w.row)] = w.text;
        }
        return texts;
    }

    // The object's first members, left open.
    void WriteJsonHead(JsonWriter<Output>& json, std::string_view entry) {
        json.BeginObject().Key("category").String(m_table.key);
        json.Key("unit").String(m_table.Caption(m_source, m_language));
        json.Key("value").String(entry);
    }

    // The object of one conversion: what scripts have always read ("results", by
    // caption), then the same for machines: the source and every row shown, each with its
    // key, caption, text and number.
    void WriteJson(std::string_view entry, const Texts& texts) {
        JsonWriter json(m_out);
        WriteJsonHead(json, entry);
        json.Key("results").BeginObject();
        for (int r = 0; r < kRowCount; ++r) {
            if (Shown(r)) {
                json.Key(m_table.Caption(r, m_language)).String(texts[static_cast<std::size_t>(r)]);
            }
        }
        json.EndObject().Key("source");
        WriteJsonRow(json, m_source, entry, true);
        json.Key("rows").BeginArray();
        for (int r = 0; r < kRowCount; ++r) {
            if (Shown(r)) WriteJsonRow(json, r, texts[static_cast<std::size_t>(r)], true);
        }
        json.EndArray().EndObject();
        m_out.Put('\n');
    }

    // {"row":R,"key":K,"caption":C,"text":T,"value":V}: V is the number the text stands for
    // as the page reads it, null for an empty text (a row left alone), INF and NaN, or
    // when `read` is false.
    void WriteJsonRow(JsonWriter<Output>& json, int r, std::string_view text, bool read) {
        json.BeginObject().Key("row").Int(r);
        json.Key("key").String(m_table.rows[static_cast<std::size_t>(r)].key);
        json.Key("caption").String(m_table.Caption(r, m_language));
        json.Key("text").String(text).Key("value");
        if (read && !text.empty()) {
            json.Number(ParseNumber(text));
        } else {
            json.Null();
        }
        json.EndObject();
    }

    const CategoryTable& m_table;
    int m_source;
    std::optional<int> m_target;
    int m_language;
    Format m_format;
    Output& m_out;
    // The one rule a TSV stream into one target needs, looked up once.
    const PairRule* m_streamRule;
    RowWrites m_writes;
};

// Whether `entry` is a number and nothing else, blanks around it allowed.
bool IsWholeNumber(std::string_view entry) {
    double value;
    return ParseWholeNumber(entry, value);
}

// Why `entry` is refused: "invalid number '1,5' (use '.' as the decimal point)".
std::string Refusal(std::string_view entry) {
    double value;
    const bool comma = ParseWholeNumber(entry, value, DecimalMark::kPointOrComma);
    return "invalid number " + Quoted(entry) + (comma ? " (use '.' as the decimal point)" : "");
}

// Converts every line of standard input. Returns the exit status: 1 when a line was
// refused (too long, or not a number unless read as typed).
int ConvertStream(Converter& converter, Output& out, bool asTyped) {
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
        } else if (!asTyped && !IsWholeNumber(line)) {
            out.Flush();
            std::fprintf(stderr, "%s: line %zu: %s\n", kProgram, number, Refusal(line).c_str());
            converter.Failed(line, "invalid number");
            status = 1;
        } else {
            converter.ConvertLine(line);
        }
    }
    return status;
}

}  // namespace

int ConvertValue(const CategoryTable& table, int source, std::optional<int> target, int language,
                 Format format, bool header, std::string_view value) {
    if (!IsWholeNumber(value)) throw Failure(kFailedStatus, Refusal(value));
    Output out;
    Converter converter(table, source, target, language, format, out);
    converter.ConvertOne(value, header);
    out.Flush();
    return 0;
}

int RunConvert(const Arguments& arguments) {
    const ConvertOptions options{arguments.Value("--lang"), arguments.Value("--to"),
                                 arguments.Value("--format"), arguments.Flag("--as-typed"),
                                 arguments.Flag("--header")};
    const CategoryTable& table = RequireCategory(arguments.Required(0));
    const int language = RequireLanguage(options.lang);
    const Format format = RequireFormat(options.format);
    const std::string_view unit = arguments.Required(1);
    arguments.NoMoreWords();
    const int source = RequireUnit(table, unit, language);
    std::optional<int> target;
    if (options.to) target = RequireUnit(table, *options.to, language);
    if (arguments.Words().size() == 3 && !options.asTyped) {
        // "convert 5 psi bar" meant as a phrase: the tab index 5, psi, and a unit where
        // the value goes.
        const std::string_view value = arguments.Words()[2];
        if (!IsWholeNumber(value) && table.IsUnitRow(FindUnit(table, value, language))) {
            const std::string phrase = std::string(arguments.Words()[0]) + " " + std::string(unit) +
                                       " " + std::string(value);
            throw Failure(kFailedStatus, Refusal(value) + DidYouMean({"tevrimo-cli " + phrase}));
        }
        return ConvertValue(table, source, target, language, format, options.header,
                            arguments.Words()[2]);
    }
    Output out;
    Converter converter(table, source, target, language, format, out);
    int status = 0;
    if (arguments.Words().size() == 3) {
        converter.ConvertOne(arguments.Words()[2], options.header);
    } else {
        // Someone at a terminal is told what the program waits for.
        if (InputIsTerminal()) {
            std::fprintf(stderr,
                         "%s: type a value in %s and press Enter, one a line; Ctrl+D ends\n",
                         kProgram, Quoted(table.Caption(source, language)).c_str());
        }
        if (options.header) converter.WriteStreamHeader();
        status = ConvertStream(converter, out, options.asTyped);
    }
    out.Flush();
    return status;
}

}  // namespace tevrimo::cli
