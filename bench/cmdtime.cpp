// SPDX-License-Identifier: MIT
// cmdtime RUNS [--in FILE] -- COMMAND ARGS...
// Runs the command RUNS times (output to /dev/null) and prints
// "median_us min_us max_rss_kb" for the runs.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: cmdtime RUNS [--in FILE] -- COMMAND ARGS...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char* input = "/dev/null";
    int i = 2;
    if (std::strcmp(argv[i], "--in") == 0) {
        input = argv[i + 1];
        i += 2;
    }
    if (std::strcmp(argv[i], "--") != 0) return 2;
    char** command = argv + i + 1;
    std::vector<double> times;
    long maxRss = 0;
    for (int run = 0; run < runs; ++run) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, input, O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        const auto start = std::chrono::steady_clock::now();
        pid_t pid;
        if (posix_spawnp(&pid, command[0], &actions, nullptr, command, environ) != 0) {
            std::perror(command[0]);
            return 1;
        }
        int status;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        const auto end = std::chrono::steady_clock::now();
        posix_spawn_file_actions_destroy(&actions);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "cmdtime: %s failed\n", command[0]);
            return 1;
        }
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        maxRss = std::max(maxRss, usage.ru_maxrss);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f %ld\n", times[times.size() / 2], times.front(), maxRss);
    return 0;
}
