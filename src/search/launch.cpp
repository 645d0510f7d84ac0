// SPDX-License-Identifier: MIT
#include "launch.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern char** environ;

namespace tevrimo::search {

namespace {

// Variables the bus set for this service alone; a program started from here is not
// started by the bus.
bool IsStarterVariable(std::string_view entry) {
    return entry.starts_with("DBUS_STARTER_ADDRESS=") ||
           entry.starts_with("DBUS_STARTER_BUS_TYPE=");
}

void CloseFrom(int first, int keep) {
    const auto closeRange = [](int from, int to) {
        if (from > to) return;
        if (::close_range(static_cast<unsigned>(from), static_cast<unsigned>(to), 0) == 0) return;
        const long most = std::min(::sysconf(_SC_OPEN_MAX), 65536L);
        for (long fd = from; fd <= to && fd < most; ++fd) ::close(static_cast<int>(fd));
    };
    closeRange(first, keep - 1);
    closeRange(keep + 1, 0x7fffffff);
}

// Runs in the started program's process, between fork and exec: only calls that are
// safe there.
[[noreturn]] void Become(const char* path, char* const* argv, char* const* envp, int input,
                         int report) {
    ::setsid();
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int s : {SIGPIPE, SIGCHLD, SIGTERM, SIGINT, SIGHUP}) ::signal(s, SIG_DFL);
    const int in = input >= 0 ? input : ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    // dup2 onto itself would keep the close-on-exec flag.
    const bool ready = in == STDIN_FILENO ? ::fcntl(in, F_SETFD, 0) == 0
                                          : in >= 0 && ::dup2(in, STDIN_FILENO) >= 0;
    if (!ready) {
        const int error = errno;
        [[maybe_unused]] const ssize_t n = ::write(report, &error, sizeof error);
        ::_exit(127);
    }
    CloseFrom(STDERR_FILENO + 1, report);
    ::execve(path, argv, envp);
    const int error = errno;
    [[maybe_unused]] const ssize_t n = ::write(report, &error, sizeof error);
    ::_exit(127);
}

bool IsProgram(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string* input) {
    // Everything the new process needs is made before the fork.
    std::vector<std::string> argvText{program};
    argvText.insert(argvText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : argvText) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** e = environ; e && *e; ++e) {
        if (!IsStarterVariable(*e)) envp.push_back(*e);
    }
    envp.push_back(nullptr);

    int inputPipe[2] = {-1, -1};
    if (input) {
        // The text waits in the pipe; the tool reads it when it likes.
        if (::pipe2(inputPipe, O_CLOEXEC) != 0) return std::strerror(errno);
        if (static_cast<long>(input->size()) >= ::fcntl(inputPipe[1], F_GETPIPE_SZ) ||
            ::write(inputPipe[1], input->data(), input->size()) !=
                static_cast<ssize_t>(input->size())) {
            ::close(inputPipe[0]);
            ::close(inputPipe[1]);
            return "the text does not fit the pipe";
        }
        ::close(inputPipe[1]);
    }
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        const int error = errno;
        if (inputPipe[0] >= 0) ::close(inputPipe[0]);
        return std::strerror(error);
    }

    // Fork twice: the child that starts the program ends at once, so the program is
    // nobody's child here and leaves no zombie behind.
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        const pid_t grandchild = ::fork();
        if (grandchild == 0)
            Become(program.c_str(), argv.data(), envp.data(), inputPipe[0], report[1]);
        if (grandchild < 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t n = ::write(report[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    const int forkError = errno;
    ::close(report[1]);
    if (inputPipe[0] >= 0) ::close(inputPipe[0]);
    if (child < 0) {
        ::close(report[0]);
        return std::strerror(forkError);
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    // The report pipe closes when the program has started (close on exec) or failed.
    int error = 0;
    ssize_t n;
    while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return n == static_cast<ssize_t>(sizeof error) ? std::strerror(error) : std::string();
}

std::string DesktopProgram() {
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        std::string dir(self, static_cast<std::size_t>(n));
        dir.resize(dir.rfind('/') + 1);
        // Installed: bin/ of the same prefix. In the build folder: beside it.
        for (const char* place : {TEVRIMO_BINDIR_FROM_LIBEXECDIR "/tevrimo", "tevrimo"}) {
            std::string program = dir + place;
            if (IsProgram(program)) return program;
        }
    }
    return TEVRIMO_FULL_BINDIR "/tevrimo";
}

std::string FindInPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string_view list = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = list.find(':');
        const std::string_view dir = list.substr(0, colon);
        if (!dir.empty()) {
            std::string candidate = std::string(dir) + "/" + name;
            if (IsProgram(candidate)) return candidate;
        }
        if (colon == std::string_view::npos) return {};
        list.remove_prefix(colon + 1);
    }
}

}  // namespace tevrimo::search
