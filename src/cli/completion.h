// SPDX-License-Identifier: MIT
// Shell completion scripts written from the command table. The scripts in
// res/completion/ are their output (`cmake --build build --target completions` writes
// them again); a test checks that they still match the table.
#pragma once

#include <span>
#include <string>

#include "commands.h"

namespace tevrimo::cli {

// The bash completion script for `commands`. Throws std::logic_error for a table the
// script cannot serve: a unit to complete where the category is not the first word, or
// one option name with two meanings.
[[nodiscard]] std::string BashCompletion(std::span<const Command> commands);

}  // namespace tevrimo::cli
