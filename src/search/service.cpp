// SPDX-License-Identifier: MIT
// tevrimo-search: answers the desktop's search on the session bus. The bus starts it
// when a search first asks; it leaves after ten seconds without a call. One object
// serves both the shell's search provider and the runner interface.
#include <systemd/sd-bus.h>
#include <time.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "launch.h"
#include "query.h"
#include "results.h"

namespace {

using namespace tevrimo::search;

constexpr char kProgram[] = "tevrimo-search";
constexpr char kBusName[] = "example.tevrimo.converter.SearchProvider";
constexpr char kObjectPath[] = "/example/tevrimo/converter/SearchProvider";
constexpr char kIcon[] = "example.tevrimo.converter";
constexpr char kOpenAction[] = "open";
constexpr std::uint64_t kIdleMicroseconds = 10'000'000;
constexpr std::uint64_t kClipboardTimeout = 2'000'000;
// What a call may hand over, checked element by element before any other work: the
// shell's terms as many words and characters as a query may have, and the result ids
// of a few screens of results.
constexpr std::size_t kMaxTerms = 12;
constexpr std::size_t kMaxTermsLength = 200;
constexpr std::size_t kMaxIds = 256;

struct Service {
    sd_bus* bus = nullptr;
    int language = tevrimo::kEnglish;
    std::uint64_t lastCall = 0;
    int copying = 0;  // copies still waiting for the clipboard manager
};

std::uint64_t Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 1'000'000 +
           static_cast<std::uint64_t>(ts.tv_nsec) / 1000;
}

void Log(const std::string& line) {
    std::fprintf(stderr, "%s: %s\n", kProgram, line.c_str());
    std::fflush(stderr);
}

using Handler = int (*)(sd_bus_message*, Service&, sd_bus_error*);

// A method of the service: nothing thrown leaves it (the bus library is C), and the
// idle time counts from its end.
template <Handler method>
int Method(sd_bus_message* m, void* userdata, sd_bus_error* error) {
    Service& service = *static_cast<Service*>(userdata);
    int r = -ENOMEM;
    try {
        r = method(m, service, error);
    } catch (const std::exception& e) {
        Log(std::string("a call failed: ") + e.what());
    }
    service.lastCall = Now();
    return r;
}

// Reads an array of strings one by one, each handed to `take` until it returns false;
// then leaves the rest of the array unread. Returns what the bus library says.
template <typename Take>
int ReadStrings(sd_bus_message* m, Take take) {
    int r = sd_bus_message_enter_container(m, 'a', "s");
    if (r < 0) return r;
    const char* item = nullptr;
    while ((r = sd_bus_message_read_basic(m, 's', &item)) > 0) {
        if (!take(std::string_view(item))) return 0;
    }
    if (r < 0) return r;
    return sd_bus_message_exit_container(m);
}

// The search terms of the shell, one query with a blank between them; an empty query
// when there are more of them than any query has.
int ReadTerms(sd_bus_message* m, std::string& query) {
    query.clear();
    std::size_t count = 0;
    bool tooMany = false;
    const int r = ReadStrings(m, [&](std::string_view term) {
        const std::size_t length = query.size() + (query.empty() ? 0 : 1) + term.size();
        tooMany = ++count > kMaxTerms || length > kMaxTermsLength;
        if (tooMany) return false;
        if (!query.empty()) query += ' ';
        query += term;
        return true;
    });
    if (tooMany) query.clear();
    return r < 0 ? r : 0;
}

int ReplyStrings(sd_bus_message* m, const std::vector<std::string>& items) {
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(m, &reply);
    if (r >= 0) r = sd_bus_message_open_container(reply, 'a', "s");
    for (const std::string& s : items) {
        if (r >= 0) r = sd_bus_message_append_basic(reply, 's', s.c_str());
    }
    if (r >= 0) r = sd_bus_message_close_container(reply);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

// Starts the desktop program, at a result's unit when there is one.
void OpenProgram(const std::vector<std::string>& arguments) {
    const std::string program = DesktopProgram();
    const std::string error = StartDetached(program, arguments);
    if (!error.empty()) Log("cannot start " + program + ": " + error);
}

void OpenAt(const std::optional<ResultId>& id) {
    OpenProgram(id ? OpenArguments(*id) : std::vector<std::string>{});
}

// Puts `text` on the clipboard with wl-copy or xclip, when the display has one, else
// not at all (said in the log).
void CopyWithTool(const std::string& text) {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* x11 = std::getenv("DISPLAY");
    std::string tool;
    std::vector<std::string> arguments;
    if (wayland && *wayland) tool = FindInPath("wl-copy");
    if (tool.empty() && x11 && *x11) {
        tool = FindInPath("xclip");
        arguments = {"-selection", "clipboard"};
    }
    if (tool.empty()) {
        Log("nowhere to copy " + text +
            " to: no clipboard manager on the bus, no wl-copy or xclip");
        return;
    }
    // Both read the text from standard input and keep serving it after that.
    const std::string failed = StartDetached(tool, arguments, &text);
    if (!failed.empty()) Log("cannot start " + tool + ": " + failed);
}

// A copy on its way: the bus calls it makes are answered later, so the service answers
// other calls meanwhile. Each step's callback owns it until the last one deletes it.
struct PendingCopy {
    PendingCopy(Service& s, std::string t) : service(s), text(std::move(t)) { ++service.copying; }
    ~PendingCopy() { --service.copying; }
    PendingCopy(const PendingCopy&) = delete;
    PendingCopy& operator=(const PendingCopy&) = delete;

    Service& service;
    std::string text;
};

int ClipboardManagerAnswered(sd_bus_message* reply, void* userdata, sd_bus_error*) {
    PendingCopy* copy = static_cast<PendingCopy*>(userdata);
    if (const sd_bus_error* error = sd_bus_message_get_error(reply)) {
        Log(std::string("the clipboard manager did not take the value: ") +
            (error->message ? error->message : error->name));
        CopyWithTool(copy->text);
    }
    delete copy;
    return 0;
}

int ClipboardManagerLookedUp(sd_bus_message* reply, void* userdata, sd_bus_error*) {
    PendingCopy* copy = static_cast<PendingCopy*>(userdata);
    int owned = 0;
    if (!sd_bus_message_is_method_error(reply, nullptr) &&
        sd_bus_message_read(reply, "b", &owned) < 0) {
        owned = 0;
    }
    if (owned) {
        sd_bus_message* call = nullptr;
        int r =
            sd_bus_message_new_method_call(copy->service.bus, &call, "org.kde.klipper", "/klipper",
                                           "org.kde.klipper.klipper", "setClipboardContents");
        if (r >= 0) r = sd_bus_message_append(call, "s", copy->text.c_str());
        if (r >= 0) {
            r = sd_bus_call_async(copy->service.bus, nullptr, call, ClipboardManagerAnswered, copy,
                                  kClipboardTimeout);
        }
        sd_bus_message_unref(call);
        if (r >= 0) return 0;  // the next step owns it now
    }
    CopyWithTool(copy->text);
    delete copy;
    return 0;
}

// Puts `text` on the clipboard: through the clipboard manager's bus interface when it
// runs, else with wl-copy or xclip. Nothing here waits for an answer: a manager that
// is slow or never answers holds up no other call.
void Copy(Service& service, const std::string& text) {
    auto* copy = new PendingCopy(service, text);
    const int r =
        sd_bus_call_method_async(service.bus, nullptr, "org.freedesktop.DBus",
                                 "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
                                 ClipboardManagerLookedUp, copy, "s", "org.kde.klipper");
    if (r >= 0) return;
    CopyWithTool(text);
    delete copy;
}

// org.gnome.Shell.SearchProvider2

int GetInitialResultSet(sd_bus_message* m, Service& service, sd_bus_error*) {
    std::string query;
    if (const int r = ReadTerms(m, query); r < 0) return r;
    return ReplyStrings(m, ShellResults(query, service.language));
}

int GetSubsearchResultSet(sd_bus_message* m, Service& service, sd_bus_error*) {
    // Every answer is computed afresh: it costs less than checking the earlier one.
    if (const int r = sd_bus_message_skip(m, "as"); r < 0) return r;
    std::string query;
    if (const int r = ReadTerms(m, query); r < 0) return r;
    return ReplyStrings(m, ShellResults(query, service.language));
}

int AppendEntry(sd_bus_message* reply, const char* key, const std::string& value) {
    return sd_bus_message_append(reply, "{sv}", key, "s", value.c_str());
}

int GetResultMetas(sd_bus_message* m, Service& service, sd_bus_error* error) {
    std::vector<std::string> ids;
    int r = ReadStrings(m, [&ids](std::string_view id) {
        ids.emplace_back(id);
        return ids.size() <= kMaxIds;
    });
    if (r < 0) return r;
    if (ids.size() > kMaxIds) {
        return sd_bus_error_setf(error, SD_BUS_ERROR_INVALID_ARGS,
                                 "more than %zu result ids in one call", kMaxIds);
    }
    sd_bus_message* reply = nullptr;
    r = sd_bus_message_new_method_return(m, &reply);
    if (r >= 0) r = sd_bus_message_open_container(reply, 'a', "a{sv}");
    for (const std::string& id : ids) {
        const std::optional<ShellMeta> meta = ShellResultMeta(id, service.language);
        if (!meta || r < 0) continue;  // an id this service never gave has no result
        r = sd_bus_message_open_container(reply, 'a', "{sv}");
        if (r >= 0) r = AppendEntry(reply, "id", meta->id);
        if (r >= 0) r = AppendEntry(reply, "name", meta->name);
        if (r >= 0) r = AppendEntry(reply, "description", meta->description);
        if (r >= 0 && !meta->clipboardText.empty()) {
            r = AppendEntry(reply, "clipboardText", meta->clipboardText);
        }
        if (r >= 0) r = sd_bus_message_close_container(reply);
    }
    if (r >= 0) r = sd_bus_message_close_container(reply);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

int ActivateResult(sd_bus_message* m, Service&, sd_bus_error*) {
    const char* id = nullptr;
    if (const int r = sd_bus_message_read(m, "s", &id); r < 0) return r;
    const std::optional<ResultId> result = DecodeId(id);
    // A value result is copied by the shell itself, from its clipboardText.
    if (result && result->kind == ResultId::Kind::kOpen) OpenAt(result);
    return sd_bus_reply_method_return(m, "");
}

int LaunchSearch(sd_bus_message* m, Service& service, sd_bus_error*) {
    std::string query;
    if (const int r = ReadTerms(m, query); r < 0) return r;
    std::optional<ResultId> at;
    if (const std::optional<Query> q = ParseQuery(query, service.language)) {
        const Reading& r = q->readings.front();
        at = ResultId{ResultId::Kind::kOpen, r.tab, r.source, q->value, -1};
    }
    OpenAt(at);
    return sd_bus_reply_method_return(m, "");
}

// org.kde.krunner1

int Match(sd_bus_message* m, Service& service, sd_bus_error*) {
    const char* query = nullptr;
    int r = sd_bus_message_read(m, "s", &query);
    if (r < 0) return r;
    const std::vector<RunnerMatch> matches = RunnerMatches(query, service.language);
    sd_bus_message* reply = nullptr;
    r = sd_bus_message_new_method_return(m, &reply);
    if (r >= 0) r = sd_bus_message_open_container(reply, 'a', "(sssida{sv})");
    for (const RunnerMatch& match : matches) {
        if (r >= 0) r = sd_bus_message_open_container(reply, 'r', "sssida{sv}");
        if (r >= 0) {
            // 100: the highest relevance of the runner's category of results.
            r = sd_bus_message_append(reply, "sssid", match.id.c_str(), match.text.c_str(), kIcon,
                                      100, match.relevance);
        }
        if (r >= 0) r = sd_bus_message_open_container(reply, 'a', "{sv}");
        if (r >= 0) r = AppendEntry(reply, "subtext", match.subtext);
        if (r >= 0) r = AppendEntry(reply, "category", match.category);
        if (r >= 0) r = sd_bus_message_close_container(reply);
        if (r >= 0) r = sd_bus_message_close_container(reply);
    }
    if (r >= 0) r = sd_bus_message_close_container(reply);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

int Actions(sd_bus_message* m, Service& service, sd_bus_error*) {
    const std::string text(OpenText(service.language));
    return sd_bus_reply_method_return(m, "a(sss)", 1, kOpenAction, text.c_str(), kIcon);
}

int Run(sd_bus_message* m, Service& service, sd_bus_error* error) {
    const char* matchId = nullptr;
    const char* actionId = nullptr;
    if (const int r = sd_bus_message_read(m, "ss", &matchId, &actionId); r < 0) return r;
    const std::optional<ResultId> id = DecodeId(matchId);
    if (!id) {
        return sd_bus_error_setf(error, SD_BUS_ERROR_INVALID_ARGS, "no such match: %s", matchId);
    }
    if (std::strcmp(actionId, kOpenAction) == 0 || id->kind == ResultId::Kind::kOpen) {
        OpenAt(id);
    } else if (*actionId == '\0') {
        if (const std::optional<std::string> text =
                ValueText(id->tab, id->source, id->value, id->target)) {
            Copy(service, *text);
        }
    } else {
        return sd_bus_error_setf(error, SD_BUS_ERROR_INVALID_ARGS, "no such action: %s", actionId);
    }
    return sd_bus_reply_method_return(m, "");
}

int Teardown(sd_bus_message* m, Service&, sd_bus_error*) {
    // Nothing is kept between queries.
    return sd_bus_reply_method_return(m, "");
}

const sd_bus_vtable kShellVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD_WITH_ARGS("GetInitialResultSet", SD_BUS_ARGS("as", terms),
                            SD_BUS_RESULT("as", results), Method<GetInitialResultSet>, 0),
    SD_BUS_METHOD_WITH_ARGS("GetSubsearchResultSet",
                            SD_BUS_ARGS("as", previous_results, "as", terms),
                            SD_BUS_RESULT("as", results), Method<GetSubsearchResultSet>, 0),
    SD_BUS_METHOD_WITH_ARGS("GetResultMetas", SD_BUS_ARGS("as", identifiers),
                            SD_BUS_RESULT("aa{sv}", metas), Method<GetResultMetas>, 0),
    SD_BUS_METHOD_WITH_ARGS("ActivateResult",
                            SD_BUS_ARGS("s", identifier, "as", terms, "u", timestamp),
                            SD_BUS_NO_RESULT, Method<ActivateResult>, 0),
    SD_BUS_METHOD_WITH_ARGS("LaunchSearch", SD_BUS_ARGS("as", terms, "u", timestamp),
                            SD_BUS_NO_RESULT, Method<LaunchSearch>, 0),
    SD_BUS_VTABLE_END,
};

const sd_bus_vtable kRunnerVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD_WITH_ARGS("Match", SD_BUS_ARGS("s", query),
                            SD_BUS_RESULT("a(sssida{sv})", matches), Method<Match>, 0),
    SD_BUS_METHOD_WITH_ARGS("Actions", SD_BUS_NO_ARGS, SD_BUS_RESULT("a(sss)", matches),
                            Method<Actions>, 0),
    SD_BUS_METHOD_WITH_ARGS("Run", SD_BUS_ARGS("s", matchId, "s", actionId), SD_BUS_NO_RESULT,
                            Method<Run>, 0),
    SD_BUS_METHOD_WITH_ARGS("Teardown", SD_BUS_NO_ARGS, SD_BUS_NO_RESULT, Method<Teardown>, 0),
    SD_BUS_VTABLE_END,
};

int Fail(const char* what, int r) {
    Log(std::string(what) + ": " + std::strerror(-r));
    return 1;
}

int Serve(Service& service) {
    sd_bus* bus = service.bus;
    int r = sd_bus_add_object_vtable(bus, nullptr, kObjectPath, "org.gnome.Shell.SearchProvider2",
                                     kShellVtable, &service);
    if (r < 0) return Fail("cannot offer the search provider", r);
    r = sd_bus_add_object_vtable(bus, nullptr, kObjectPath, "org.kde.krunner1", kRunnerVtable,
                                 &service);
    if (r < 0) return Fail("cannot offer the runner", r);
    r = sd_bus_request_name(bus, kBusName, 0);
    if (r < 0) return Fail(r == -EEXIST ? "the bus name is taken" : "cannot own the bus name", r);
    service.lastCall = Now();
    while (true) {
        r = sd_bus_process(bus, nullptr);
        if (r == -ECONNRESET || r == -ENOTCONN) return 0;  // the session is over
        if (r < 0) return Fail("lost the session bus", r);
        if (r > 0) continue;
        const std::uint64_t now = Now();
        const bool idle = now - service.lastCall >= kIdleMicroseconds;
        // A copy still on its way ends, by its answer or its timeout, before the service.
        if (idle && service.copying == 0) break;
        r = sd_bus_wait(bus, idle ? kClipboardTimeout : service.lastCall + kIdleMicroseconds - now);
        if (r < 0 && r != -EINTR) return Fail("lost the session bus", r);
    }
    // Give the name back first: a call from now on starts a new service. Then answer
    // whatever came before that.
    sd_bus_release_name(bus, kBusName);
    while (sd_bus_process(bus, nullptr) > 0) {
    }
    sd_bus_flush(bus);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0;
        std::fprintf(help ? stdout : stderr,
                     "Usage: %s\nAnswers unit conversions to the desktop's search on the "
                     "session bus as %s; the bus starts it when a search asks.\n",
                     kProgram, kBusName);
        return help ? 0 : 2;
    }
    Service service;
    service.language = tevrimo::LanguageFromEnvironment();
    int r = sd_bus_open_user(&service.bus);
    if (r < 0) return Fail("cannot reach the session bus", r);
    const int status = Serve(service);
    sd_bus_flush_close_unref(service.bus);
    return status;
}
