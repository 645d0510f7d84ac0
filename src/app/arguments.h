// SPDX-License-Identifier: MIT
// The desktop program's command line: --help and --version answered without a display,
// Qt's own options passed on, anything else refused.
#pragma once

#include <string>

namespace tevrimo {

struct StartRequest {
    enum class Kind { kRun, kHelp, kVersion, kError };
    Kind kind = Kind::kRun;
    std::string error;           // for kError: one line naming the argument
    bool platformGiven = false;  // -platform NAME: Qt opens what it names, not $DISPLAY
};

[[nodiscard]] StartRequest ReadArguments(int argc, const char* const* argv);

// The texts of --help and --version.
std::string HelpText();
std::string VersionText();

}  // namespace tevrimo
