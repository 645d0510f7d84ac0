// SPDX-License-Identifier: MIT
#include "arguments.h"

#include <string_view>
#include <utility>
#include <vector>

#include "categories.h"
#include "number_text.h"
#include "pumpdown.h"
#include "tevrimo_version.h"
#include "unit_names.h"
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

// The texts of --category, --unit and --value, as given.
struct StartTexts {
    std::optional<std::string_view> category, unit, value;

    std::optional<std::string_view>* Option(std::string_view name) {
        return name == "category" ? &category
               : name == "unit"   ? &unit
               : name == "value"  ? &value
                                  : nullptr;
    }
};

std::string DidYouMean(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        out += i == 0 ? "; did you mean " : i + 1 == names.size() ? " or " : ", ";
        out += Quoted(names[i]);
    }
    return names.empty() ? out : out + "?";
}

// The start point the texts name, found as tevrimo-cli finds categories, units and
// values; the reason in one line when they name none.
std::string ReadStartPoint(const StartTexts& texts, StartPoint& start) {
    if (texts.unit && !texts.category) return "--unit needs --category";
    if (texts.value && !texts.unit) return "--value needs --unit";
    if (!texts.category) return {};
    const CategoryTable* table = FindCategory(*texts.category);
    if (!table) {
        return "unknown category " + Quoted(*texts.category) +
               DidYouMean(SuggestCategories(*texts.category));
    }
    start.tab = table->tabIndex;
    if (!texts.unit) return {};
    start.row = FindUnit(*table, *texts.unit, kEnglish);
    if (start.row < 0) {
        return "unknown unit " + Quoted(*texts.unit) + " in category " + Quoted(table->key) +
               DidYouMean(SuggestUnits(*table, *texts.unit, kEnglish));
    }
    if (!table->IsUnitRow(start.row)) {
        return "row " + std::to_string(start.row) + " of category " + Quoted(table->key) +
               " has no unit";
    }
    if (!texts.value) return {};
    if (pumpdown::ComputedAtStart(start.tab, start.row)) {
        return "unit " + Quoted(*texts.unit) + " of category " + Quoted(table->key) +
               " is computed from the others and takes no --value";
    }
    double number = 0;
    if (!ParseWholeNumber(*texts.value, number)) return "invalid number " + Quoted(*texts.value);
    const std::size_t first = texts.value->find_first_not_of(" \t");
    start.value = texts.value->substr(first, texts.value->find_last_not_of(" \t") + 1 - first);
    return {};
}

}  // namespace

StartRequest ReadArguments(int argc, const char* const* argv) {
    StartRequest request;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return {StartRequest::Kind::kHelp, {}};
        if (arg == "--version" || arg == "-v") return {StartRequest::Kind::kVersion, {}};
    }
    StartTexts start;
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
        if (auto* option = arg.starts_with("--") ? start.Option(name) : nullptr) {
            if (inlineValue) {
                *option = arg.substr(arg.find('=') + 1);
            } else if (++i < argc) {
                *option = argv[i];
            } else {
                return {StartRequest::Kind::kError, "option " + Quoted(arg) + " needs a value"};
            }
            continue;
        }
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
    if (std::string error = ReadStartPoint(start, request.start); !error.empty()) {
        return {StartRequest::Kind::kError, std::move(error)};
    }
    return request;
}

std::string HelpText() {
    return "Usage: tevrimo [--category CATEGORY [--unit UNIT [--value VALUE]]] [QT-OPTION]...\n"
           "Tevrimo: type a number once and read it in every unit of its category, with six\n"
           "significant digits, in Turkish, English, German or French; and a vacuum pump-down\n"
           "calculator.\n"
           "\n"
           "Options:\n"
           "  --category CATEGORY  open at this tab instead of the saved one\n"
           "  --unit UNIT          put the focus in this unit's box\n"
           "  --value VALUE        and type this number there\n"
           "  --help               show this help and exit\n"
           "  --version            show the version and exit\n"
           "CATEGORY, UNIT and VALUE are given as tevrimo-cli takes them: 'pressure', 'psi',\n"
           "'12'. The page shows the saved language.\n"
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
