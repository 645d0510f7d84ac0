// SPDX-License-Identifier: MIT
#include "arguments.h"

#include <string_view>

#include "tevrimo_version.h"
#include "user_text.h"

namespace tevrimo {

namespace {

// Options Qt reads itself: those followed by a value, then those without one.
constexpr std::string_view kQtValueOptions[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "geometry",
    "name",
    "title",
    "style",
    "stylesheet",
    "qmljsdebugger",
    "dialogs",
    "fontengine",
    "visual",
    "im",
};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "testability",
                                         "nograb",  "dograb",      "sync"};

template <std::size_t N>
bool Contains(const std::string_view (&list)[N], std::string_view name) {
    for (std::string_view n : list) {
        if (n == name) return true;
    }
    return false;
}

}  // namespace

StartRequest ReadArguments(int argc, const char* const* argv) {
    StartRequest request;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return {StartRequest::Kind::kHelp, {}};
        if (arg == "--version" || arg == "-v") return {StartRequest::Kind::kVersion, {}};
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.size() < 2 || arg[0] != '-') {
            return {StartRequest::Kind::kError,
                    "unexpected argument " + Quoted(arg) + " (try 'tevrimo --help')"};
        }
        // Qt takes "-style fusion", "--style fusion" and "-style=fusion" alike.
        std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
        const std::size_t eq = name.find('=');
        const bool inlineValue = eq != std::string_view::npos;
        name = name.substr(0, eq);
        if (Contains(kQtFlags, name) && !inlineValue) continue;
        if (Contains(kQtValueOptions, name)) {
            request.platformGiven = request.platformGiven || name == "platform";
            if (!inlineValue && ++i >= argc) {
                return {StartRequest::Kind::kError, "option " + Quoted(arg) + " needs a value"};
            }
            continue;
        }
        return {StartRequest::Kind::kError,
                "unknown option " + Quoted(arg) + " (try 'tevrimo --help')"};
    }
    return request;
}

std::string HelpText() {
    return "Usage: tevrimo [QT-OPTION]...\n"
           "Tevrimo: type a number once and read it in every unit of its category, with six\n"
           "significant digits, in Turkish, English, German or French; and a vacuum pump-down\n"
           "calculator.\n"
           "\n"
           "Options:\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "Qt's own options work as in every Qt program: -platform NAME, -style NAME,\n"
           "-reverse, -display HOST:SCREEN, -qwindowgeometry GEOMETRY and the like.\n"
           "\n"
           "The window position, tab and language are kept in $XDG_CONFIG_HOME/tevrimo.INI\n"
           "(else ~/.config/tevrimo.INI). For conversions in scripts, use tevrimo-cli.\n";
}

std::string VersionText() {
    return "tevrimo " TEVRIMO_VERSION "\n" TEVRIMO_LICENCE_NOTICE;
}

}  // namespace tevrimo
