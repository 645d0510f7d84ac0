// SPDX-License-Identifier: MIT
// Shell completion scripts written from the command table. The scripts in
// res/completion/ are their output (`cmake --build build --target completions` writes
// them again); a test checks that they still match the table.
#pragma once

#include <span>
#include <string>

#include "commands.h"

namespace tevrimo::cli {

// The completion scripts for bash, zsh and fish for `commands`. Each throws
// std::logic_error for a table the scripts cannot serve: a unit to complete where the
// category is not the first word, or one option name with two meanings.
[[nodiscard]] std::string BashCompletion(std::span<const Command> commands);
[[nodiscard]] std::string ZshCompletion(std::span<const Command> commands);
[[nodiscard]] std::string FishCompletion(std::span<const Command> commands);

}  // namespace tevrimo::cli
