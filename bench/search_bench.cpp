// SPDX-License-Identifier: MIT
// search_bench STARTS CALLS
// Times tevrimo-search on the session bus it runs on (one that can start the service):
// STARTS times from a call that makes the bus start the service to its answer, the
// service ended before each; then CALLS rounds of calls to the running service. Prints
// "figure median_us" lines.
#include <signal.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kName[] = "example.tevrimo.converter.SearchProvider";
constexpr char kPath[] = "/example/tevrimo/converter/SearchProvider";
constexpr char kShell[] = "org.gnome.Shell.SearchProvider2";
constexpr char kRunner[] = "org.kde.krunner1";

sd_bus* g_bus = nullptr;

[[noreturn]] void Fail(const char* what, int r) {
    std::fprintf(stderr, "search_bench: %s: %s\n", what, std::strerror(-r));
    std::exit(1);
}

double Micros(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - since)
        .count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

bool Running() {
    sd_bus_message* reply = nullptr;
    int owned = 0;
    const int r =
        sd_bus_call_method(g_bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus", "NameHasOwner", nullptr, &reply, "s", kName);
    if (r < 0) Fail("NameHasOwner", r);
    sd_bus_message_read(reply, "b", &owned);
    sd_bus_message_unref(reply);
    return owned;
}

// Ends the running service and waits until the bus has let its name go.
void Stop() {
    if (!Running()) return;
    sd_bus_message* reply = nullptr;
    std::uint32_t pid = 0;
    const int r = sd_bus_call_method(g_bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                     "org.freedesktop.DBus", "GetConnectionUnixProcessID", nullptr,
                                     &reply, "s", kName);
    if (r < 0) Fail("GetConnectionUnixProcessID", r);
    sd_bus_message_read(reply, "u", &pid);
    sd_bus_message_unref(reply);
    kill(static_cast<pid_t>(pid), SIGTERM);
    while (Running()) usleep(1000);
}

enum class Args { kNone, kStrings, kString };

// One call with no argument, a string array ("as") or a string ("s"); the reply is
// received whole, as a client would.
void Call(const char* interface, const char* method, Args args,
          const std::vector<std::string>& terms = {}) {
    sd_bus_message* call = nullptr;
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_call(g_bus, &call, kName, kPath, interface, method);
    if (r >= 0 && args == Args::kStrings) {
        r = sd_bus_message_open_container(call, 'a', "s");
        for (const std::string& t : terms) {
            if (r >= 0) r = sd_bus_message_append_basic(call, 's', t.c_str());
        }
        if (r >= 0) r = sd_bus_message_close_container(call);
    } else if (r >= 0 && args == Args::kString) {
        r = sd_bus_message_append_basic(call, 's', terms.front().c_str());
    }
    if (r >= 0) r = sd_bus_call(g_bus, call, 5'000'000, nullptr, &reply);
    if (r < 0) Fail(method, r);
    sd_bus_message_unref(call);
    sd_bus_message_unref(reply);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: search_bench STARTS CALLS\n");
        return 2;
    }
    const int starts = std::atoi(argv[1]);
    const int calls = std::atoi(argv[2]);
    if (const int r = sd_bus_open_user(&g_bus); r < 0) Fail("session bus", r);

    std::vector<double> activation;
    for (int i = 0; i < starts; ++i) {
        Stop();
        const auto t0 = std::chrono::steady_clock::now();
        Call(kShell, "GetInitialResultSet", Args::kStrings, {"12", "psi"});
        activation.push_back(Micros(t0));
    }

    const std::vector<std::vector<std::string>> queries = {
        {"12", "psi"}, {"5", "ft", "to", "m"}, {"100", "°F"}, {"1", "a"}, {"3", "Liter"}};
    const std::vector<std::string> ids = {"v:pressure:psi:12:bar", "v:pressure:psi:12:kPa",
                                          "o:pressure:psi:12"};
    std::vector<double> initial, metas, match, none, ping;
    for (int i = 0; i < calls; ++i) {
        auto t = std::chrono::steady_clock::now();
        Call("org.freedesktop.DBus.Peer", "Ping", Args::kNone);
        ping.push_back(Micros(t));
        t = std::chrono::steady_clock::now();
        Call(kShell, "GetInitialResultSet", Args::kStrings,
             queries[static_cast<std::size_t>(i) % queries.size()]);
        initial.push_back(Micros(t));
        t = std::chrono::steady_clock::now();
        Call(kShell, "GetResultMetas", Args::kStrings, ids);
        metas.push_back(Micros(t));
        t = std::chrono::steady_clock::now();
        Call(kRunner, "Match", Args::kString, {"12 psi to bar"});
        match.push_back(Micros(t));
        t = std::chrono::steady_clock::now();
        Call(kRunner, "Match", Args::kString, {"firefox"});
        none.push_back(Micros(t));
    }
    std::printf("activation %.0f\n", Median(activation));
    std::printf("ping %.1f\n", Median(ping));
    std::printf("initial %.1f\n", Median(initial));
    std::printf("metas %.1f\n", Median(metas));
    std::printf("match %.1f\n", Median(match));
    std::printf("none %.1f\n", Median(none));
    Stop();
    sd_bus_flush_close_unref(g_bus);
    return 0;
}
