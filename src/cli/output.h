// SPDX-License-Identifier: MIT
// Standard output through one large buffer, for millions of short lines, and standard
// input line by line with a bound on the length of a line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tevrimo::cli {

class Output {
  public:
    Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void Write(std::string_view text);
    void Put(char c) {
        if (m_size == sizeof m_buffer) Flush();
        m_buffer[m_size++] = c;
    }
    // Writes what is buffered, waiting on a non-blocking descriptor that is not ready.
    // A failed write (disk full, descriptor closed, ...) throws a Failure naming it; a
    // reader that has gone away (a closed pipe) ends the program quietly, as SIGPIPE does.
    void Flush();

  private:
    char m_buffer[1 << 16];
    std::size_t m_size = 0;
};

// Whether standard input is a terminal (someone typing).
[[nodiscard]] bool InputIsTerminal();

// The lines of standard input. CR-LF ends a line as LF does; a last line without a
// newline still counts. Whatever is buffered in `out` is written before a read that
// would wait, so a slow producer sees each answer at once.
class LineReader {
  public:
    enum class Result { kLine, kTooLong, kEnd };

    LineReader(Output& out, std::size_t maxLength) : m_out(out), m_maxLength(maxLength) {}

    // The next line in `line` (valid until the next call). kTooLong: the line has more
    // than maxLength bytes, not counting its LF or CR-LF; the rest of it is skipped. Waits on a
    // non-blocking descriptor that has nothing yet. A failed read (a directory, a closed
    // descriptor, an I/O error) throws a Failure naming it.
    [[nodiscard]] Result Next(std::string_view& line);

  private:
    bool Fill();  // false at the end of input
    // `line` without the CR of a CR-LF end; kTooLong when it is still too long.
    Result Ended(std::string_view& line) const;

    Output& m_out;
    std::size_t m_maxLength;
    char m_chunk[1 << 16];
    std::size_t m_begin = 0, m_end = 0;
    std::string m_carry;
    bool m_skipping = false;  // inside the rest of a line that was too long
    bool m_ended = false;
};

}  // namespace tevrimo::cli
