// SPDX-License-Identifier: MIT
// tevrimo-cli categories: the categories in tab order.
#include <optional>
#include <string>
#include <string_view>

#include "categories.h"
#include "command_line.h"
#include "json_writer.h"
#include "output.h"
#include "records.h"

namespace tevrimo::cli {

namespace {

struct CategoriesOptions {
    std::optional<std::string_view> format;
    bool header = false;
};

}  // namespace

int RunCategories(const Arguments& arguments) {
    const CategoriesOptions options{arguments.Value("--format"), arguments.Flag("--header")};
    arguments.NoMoreWords();
    const Format format = RequireFormat(options.format);
    Output out;
    if (format == Format::kJson) {
        JsonWriter json(out);
        json.BeginObject().Key("categories").BeginArray();
        for (int i = 0; i < kCategoryCount; ++i) {
            json.BeginObject().Key("index").Int(i);
            json.Key("key").String(CategoryKey(i)).Key("caption").String(CategoryTabCaption(i));
            json.EndObject();
        }
        json.EndArray().EndObject();
        out.Put('\n');
    } else {
        RecordWriter record(out, format);
        if (options.header) {
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

}  // namespace tevrimo::cli
