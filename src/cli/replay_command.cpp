// SPDX-License-Identifier: MIT
// tevrimo-cli replay: keys and clicks played on a fresh page, and what its boxes show.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "failure.h"
#include "output.h"
#include "page_session.h"
#include "replay_tokens.h"
#include "user_text.h"

namespace tevrimo::cli {

namespace {

struct ReplayOptions {
    std::optional<std::string_view> lang;
    bool captions = false;
};

}  // namespace

int RunReplay(const Arguments& arguments) {
    const ReplayOptions options{arguments.Value("--lang"), arguments.Flag("--captions")};
    const CategoryTable& table = RequireCategory(arguments.Required(0));
    std::vector<PageAction> actions;
    for (std::size_t i = 1; i < arguments.Words().size(); ++i) {
        const std::string_view token = arguments.Words()[i];
        const auto action = ParseReplayToken(token);
        if (!action) FailUsage("unknown token " + Quoted(token));
        actions.push_back(*action);
    }
    // The tab control hands a page any number; only 0..3 apply.
    std::optional<int> language;
    if (options.lang) {
        language = ParseLanguage(*options.lang, true);
        if (!language) FailUsage("unknown language " + Quoted(*options.lang));
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
    if (options.captions) {
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

}  // namespace tevrimo::cli
