// SPDX-License-Identifier: MIT
// Writes the shell completion scripts of tevrimo-cli from its command table:
// `tevrimo-cli-completions bash|zsh|fish FILE`.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string_view>

#include "commands.h"
#include "completion.h"

int main(int argc, char** argv) {
    using namespace tevrimo::cli;
    const std::string_view shell = argc == 3 ? argv[1] : "";
    const auto writer = shell == "bash"   ? BashCompletion
                        : shell == "zsh"  ? ZshCompletion
                        : shell == "fish" ? FishCompletion
                                          : nullptr;
    if (!writer) {
        std::fprintf(stderr, "usage: tevrimo-cli-completions bash|zsh|fish FILE\n");
        return 2;
    }
    try {
        const std::string script = writer(Commands());
        std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
        file << script;
        file.close();
        if (!file) {
            std::fprintf(stderr, "tevrimo-cli-completions: cannot write %s: %s\n", argv[2],
                         std::strerror(errno));
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tevrimo-cli-completions: %s\n", e.what());
        return 1;
    }
    return 0;
}
