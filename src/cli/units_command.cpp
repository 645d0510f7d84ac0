// SPDX-License-Identifier: MIT
// tevrimo-cli units: the unit rows of a category (or of every category), their
// captions, other names and keys.
#include <optional>
#include <string>
#include <string_view>

#include "categories.h"
#include "command_line.h"
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
        out.Write("{\"category\":");
        WriteJsonString(out, table.key);
        out.Write(",\"units\":[");
        bool first = true;
        for (int r = 0; r < kRowCount; ++r) {
            if (!table.IsUnitRow(r)) continue;
            out.Write(first ? "{\"row\":" : ",{\"row\":");
            first = false;
            out.Write(std::to_string(r));
            out.Write(",\"key\":");
            WriteJsonString(out, table.rows[static_cast<std::size_t>(r)].key);
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
