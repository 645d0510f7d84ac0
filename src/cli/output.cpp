// SPDX-License-Identifier: MIT
#include "output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "failure.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// Under node the descriptors are node's own (NODERAWFS), which the C library's poll and
// terminal query do not see through: node answers for them.
// clang-format off
EM_JS(int, NodeIsTerminal, (int fd), { return require("tty").isatty(fd) ? 1 : 0; });
EM_JS(void, NodePause, (), { Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 1); });
// clang-format on
#endif

namespace tevrimo::cli {

namespace {

[[noreturn]] void WriteFailed(int error) {
    throw Failure(kFailedStatus,
                  std::string("cannot write to standard output: ") + std::strerror(error));
}

[[noreturn]] void ReadFailed(int error) {
    throw Failure(kFailedStatus,
                  std::string("cannot read standard input: ") + std::strerror(error));
}

// Whether the call on `fd` failed only because the descriptor is non-blocking and not
// ready yet; if so, waits until it is. Calls `fail` when the wait itself fails.
bool WaitedUntilReady(int fd, short events, void (*fail)(int error)) {
    if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
#ifdef __EMSCRIPTEN__
    // No poll there: try again after a millisecond.
    static_cast<void>(fd);
    static_cast<void>(events);
    static_cast<void>(fail);
    NodePause();
    return true;
#endif
    pollfd p{fd, events, 0};
    while (::poll(&p, 1, -1) < 0) {
        if (errno != EINTR) fail(errno);
    }
    return true;
}

void WriteAll(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && WaitedUntilReady(STDOUT_FILENO, POLLOUT, WriteFailed)) continue;
        if (n < 0 && errno == EPIPE) {
            // Nobody reads any more (SIGPIPE was ignored, or we would not be here): end
            // as the default SIGPIPE does, without a word and without unwinding into
            // code that would try to write again. Should the signal be blocked, the
            // status is still the one a shell reports for it.
            std::signal(SIGPIPE, SIG_DFL);
            std::raise(SIGPIPE);
            _exit(128 + SIGPIPE);
        }
        if (n <= 0) WriteFailed(n < 0 ? errno : EIO);
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

// True when a read of standard input would not wait.
bool InputReady() {
#ifdef __EMSCRIPTEN__
    return false;  // unknown under node: flush before every read
#endif
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    return ::poll(&fd, 1, 0) != 0;
}

}  // namespace

bool InputIsTerminal() {
#ifdef __EMSCRIPTEN__
    return NodeIsTerminal(STDIN_FILENO) != 0;
#else
    return isatty(STDIN_FILENO) != 0;
#endif
}

void Output::Write(std::string_view text) {
    if (text.empty()) return;  // may be a view of nothing, with no data at all
    if (m_size + text.size() > sizeof m_buffer) {
        Flush();
        if (text.size() > sizeof m_buffer) {
            WriteAll(text.data(), text.size());
            return;
        }
    }
    std::memcpy(m_buffer + m_size, text.data(), text.size());
    m_size += text.size();
}

void Output::Flush() {
    const std::size_t size = m_size;
    m_size = 0;
    WriteAll(m_buffer, size);
}

bool LineReader::Fill() {
    if (m_ended) return false;
    if (!InputReady()) m_out.Flush();
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, m_chunk, sizeof m_chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && WaitedUntilReady(STDIN_FILENO, POLLIN, ReadFailed)) continue;
        if (n < 0) ReadFailed(errno);
        m_begin = 0;
        m_end = static_cast<std::size_t>(n);
        m_ended = n == 0;
        return n > 0;
    }
}

LineReader::Result LineReader::Next(std::string_view& line) {
    m_carry.clear();
    for (;;) {
        if (m_begin == m_end && !Fill()) {
            // The end of input ends a last line without a newline.
            if (m_skipping || m_carry.empty()) {
                m_skipping = false;
                return Result::kEnd;
            }
            line = m_carry;
            return Ended(line);
        }
        const char* start = m_chunk + m_begin;
        const std::size_t available = m_end - m_begin;
        const auto* nl = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length = nl ? static_cast<std::size_t>(nl - start) : available;
        m_begin += nl ? length + 1 : length;
        if (m_skipping) {
            if (nl) m_skipping = false;
            continue;
        }
        // A line may hold one byte beyond the limit until its end shows whether that
        // byte is the CR of a CR-LF.
        if (m_carry.size() + length > m_maxLength + 1) {
            m_skipping = nl == nullptr;
            m_carry.clear();
            return Result::kTooLong;
        }
        if (nl && m_carry.empty()) {
            line = std::string_view(start, length);
        } else {
            m_carry.append(start, length);
            if (!nl) continue;
            line = m_carry;
        }
        return Ended(line);
    }
}

LineReader::Result LineReader::Ended(std::string_view& line) const {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line.size() > m_maxLength ? Result::kTooLong : Result::kLine;
}

}  // namespace tevrimo::cli
