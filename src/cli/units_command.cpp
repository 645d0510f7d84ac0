// SPDX-License-Identifier: MIT
// tevrimo-cli units: the unit rows of a category (or of every category), their
// captions, other names and keys.
#include <optional>
#include <string>
#include <string_view>

#include "categories.h"
#include "command_line.h"
#include "json_writer.h"
#include "output.h"
#include "records.h"
#include "unit_names.h"

namespace tevrimo::cli {

namespace {

struct UnitsOptions {
    std::optional<std::string_view> lang, format;
    bool header = false;
};

// The units of `table`: one JSON object, or a record per unit, led by the category
// key when `withKey`.
void WriteUnits(const CategoryTable& table, int language, Format format, bool withKey,
                Output& out) {
    if (format == Format::kJson) {
        JsonWriter json(out);
        json.BeginObject().Key("category").String(table.key).Key("units").BeginArray();
        for (int r = 0; r < kRowCount; ++r) {
            if (!table.IsUnitRow(r)) continue;
            json.BeginObject().Key("row").Int(r);
            json.Key("key").String(table.rows[static_cast<std::size_t>(r)].key);
            json.Key("caption").String(table.Caption(r, language));
            json.Key("aliases").BeginArray();
            for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) {
                json.String(a.text);
            }
            json.EndArray().EndObject();
        }
        json.EndArray().EndObject();
        out.Put('\n');
        return;
    }
    RecordWriter record(out, format);
    for (int r = 0; r < kRowCount; ++r) {
        if (!table.IsUnitRow(r)) continue;
        std::string aliases;
        for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) {
            if (!aliases.empty()) aliases += ',';
            aliases += a.text;
        }
        if (withKey) record.Field(table.key);
        record.Field(std::to_string(r));
        record.Field(table.Caption(r, language));
        record.Field(aliases);
        record.Field(table.rows[static_cast<std::size_t>(r)].key);
        record.End();
    }
}

}  // namespace

int RunUnits(const Arguments& arguments) {
    const UnitsOptions options{arguments.Value("--lang"), arguments.Value("--format"),
                               arguments.Flag("--header")};
    arguments.NoMoreWords();
    // Without a category, every unit of every category, each line led by its category's
    // key (JSON: one object per category, one a line).
    const bool all = arguments.Words().empty();
    const CategoryTable* one = all ? nullptr : &RequireCategory(arguments.Words()[0]);
    const int language = RequireLanguage(options.lang);
    const Format format = RequireFormat(options.format);
    Output out;
    if (options.header && format != Format::kJson) {
        RecordWriter record(out, format);
        if (all) record.Field("category");
        // The key came last, so that the columns before it stay where they were.
        for (std::string_view h : {"row", "caption", "aliases", "key"}) record.Field(h);
        record.End();
    }
    if (one) {
        WriteUnits(*one, language, format, false, out);
    } else {
        for (int tab = 0; tab < kCategoryCount; ++tab) {
            WriteUnits(Category(tab), language, format, true, out);
        }
    }
    out.Flush();
    return 0;
}

}  // namespace tevrimo::cli
