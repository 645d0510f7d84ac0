// SPDX-License-Identifier: MIT
// Starting other programs from the search service: the desktop program at a unit, and
// the clipboard tools. They run on their own, in a session of their own: the service
// never waits for them, leaves no zombie and hands them none of its descriptors.
#pragma once

#include <string>
#include <vector>

namespace tevrimo::search {

// Starts `program` with `arguments`, its standard input read from `input` (the text is
// handed over whole) or /dev/null when `input` is null. Returns an empty text when the
// program started, else the reason in a few words.
std::string StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string* input = nullptr);

// The desktop program: in the same prefix as this service, where the install puts the
// two (so any prefix works, and a package's), or beside it in the build folder; else
// where the build was configured to install it.
std::string DesktopProgram();

// The first executable `name` in PATH, or an empty text.
std::string FindInPath(const std::string& name);

}  // namespace tevrimo::search
