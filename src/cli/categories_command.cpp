// SPDX-License-Identifier: MIT
// tevrimo-cli categories: the categories in tab order.
#include <optional>
#include <string>
#include <string_view>

#include "categories.h"
#include "command_line.h"
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
