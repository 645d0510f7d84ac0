// SPDX-License-Identifier: MIT
// How tevrimo-cli ends early: one line on standard error and an exit status.
#pragma once

#include <stdexcept>
#include <string>

namespace tevrimo::cli {

inline constexpr const char* kProgram = "tevrimo-cli";

// The exit statuses besides 0: a refused input line or value, or a failed read or write
// (and anything unforeseen); bad usage (an unknown command, option, category, unit,
// language, format or token, a word too many or too few).
inline constexpr int kFailedStatus = 1;
inline constexpr int kUsageStatus = 2;

// Thrown where the program cannot go on; main writes "tevrimo-cli: " and the message as
// one line on standard error and exits with the status.
class Failure : public std::runtime_error {
  public:
    Failure(int status, const std::string& message)
        : std::runtime_error(message), m_status(status) {}
    int Status() const { return m_status; }

  private:
    int m_status;
};

// Bad usage, described by `message`.
[[noreturn]] inline void FailUsage(const std::string& message) {
    throw Failure(kUsageStatus, message);
}

}  // namespace tevrimo::cli
