// SPDX-License-Identifier: MIT
// A stand-in for the desktop's clipboard manager on a test's private session bus: it
// owns its bus name and appends every text handed to setClipboardContents, one per
// line, to the file named on its command line. With --never-answer it takes every
// call and answers none, as a manager that hangs. It ends with the bus.
#include <systemd/sd-bus.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const char* g_output = nullptr;
bool g_neverAnswer = false;

int SetClipboardContents(sd_bus_message* m, void*, sd_bus_error*) {
    if (g_neverAnswer) {
        sd_bus_message_ref(m);  // kept, unanswered, until the end
        return 1;
    }
    const char* text = nullptr;
    if (const int r = sd_bus_message_read(m, "s", &text); r < 0) return r;
    if (std::FILE* out = std::fopen(g_output, "a")) {
        std::fprintf(out, "%s\n", text);
        std::fclose(out);
    }
    return sd_bus_reply_method_return(m, "");
}

const sd_bus_vtable kVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("setClipboardContents", "s", "", SetClipboardContents, 0),
    SD_BUS_VTABLE_END,
};

}  // namespace

int main(int argc, char** argv) {
    g_neverAnswer = argc == 3 && std::strcmp(argv[2], "--never-answer") == 0;
    if (argc != 2 && !g_neverAnswer) {
        std::fprintf(stderr, "usage: %s OUTPUT-FILE [--never-answer]\n", argv[0]);
        return 2;
    }
    g_output = argv[1];
    sd_bus* bus = nullptr;
    int r = sd_bus_open_user(&bus);
    if (r >= 0) {
        r = sd_bus_add_object_vtable(bus, nullptr, "/klipper", "org.kde.klipper.klipper", kVtable,
                                     nullptr);
    }
    if (r >= 0) r = sd_bus_request_name(bus, "org.kde.klipper", 0);
    while (r >= 0) {
        r = sd_bus_process(bus, nullptr);
        if (r == 0) r = sd_bus_wait(bus, UINT64_MAX);
    }
    sd_bus_flush_close_unref(bus);
    if (r == -ECONNRESET || r == -ENOTCONN) return 0;
    std::fprintf(stderr, "fake clipboard manager: %s\n", std::strerror(-r));
    return 1;
}
