// SPDX-License-Identifier: MIT
// The desktop program's command line: --help and --version answered without a display,
// Qt's own options passed on, anything else refused.
#pragma once

#include <optional>
#include <string>

namespace tevrimo {

// Where the window opens (--category, --unit, --value): a page, the box of one of its
// units, and a value typed there. Without them the window opens as it was left.
struct StartPoint {
    int tab = -1;  // -1: the saved tab
    int row = -1;  // -1: the box the page puts the focus in
    std::optional<std::string> value;
};

struct StartRequest {
    enum class Kind { kRun, kHelp, kVersion, kError };
    Kind kind = Kind::kRun;
    std::string error;           // for kError: one line naming the argument
    bool platformGiven = false;  // -platform NAME: Qt opens what it names, not $DISPLAY
    StartPoint start{};
};

[[nodiscard]] StartRequest ReadArguments(int argc, const char* const* argv);

// The texts of --help and --version.
std::string HelpText();
std::string VersionText();

}  // namespace tevrimo
