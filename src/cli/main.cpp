// SPDX-License-Identifier: MIT
// tevrimo-cli: the converter's pages on the command line. Whatever ends the program
// early ends it with one line on standard error and the documented exit status.
#include <cstdio>
#include <exception>
#include <new>

#include "commands.h"
#include "failure.h"

namespace {

int Report(const char* message, int status) {
    std::fprintf(stderr, "%s: %s\n", tevrimo::cli::kProgram, message);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tevrimo::cli;
    try {
        return RunCommandLine(argc, argv);
    } catch (const Failure& e) {
        return Report(e.what(), e.Status());
    } catch (const std::bad_alloc&) {
        return Report("out of memory", kFailedStatus);
    } catch (const std::exception& e) {
        return Report(e.what(), kFailedStatus);
    } catch (...) {
        return Report("unexpected failure", kFailedStatus);
    }
}
