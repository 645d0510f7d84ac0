// SPDX-License-Identifier: MIT
// tevrimo-cli pumpdown: three of pump capacity, pump-down time, vessel volume and final
// pressure give the fourth.
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "command_line.h"
#include "failure.h"
#include "number_text.h"
#include "output.h"
#include "pumpdown.h"
#include "user_text.h"

namespace tevrimo::cli {

namespace {

struct PumpDownOptions {
    std::optional<std::string_view> capacity, time, volume, pressure, lang;
};

// Why the text given to pump-down option `name` cannot be used, or nothing, with its
// value in `value`. It must be a number and nothing else, as --strict reads it, finite
// and positive; a final pressure must lie below the start pressure.
std::optional<std::string> PumpDownRefusal(std::string_view name, std::string_view text,
                                           double& value) {
    const std::string option = std::string(name) + ": ";
    if (!ParseWholeNumber(text, value)) return option + Quoted(text) + " is not a number";
    // A whole number: without the blanks around it, nothing but the number's own characters.
    const std::size_t first = text.find_first_not_of(" \t");
    const std::string number(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
    if (!std::isfinite(value)) return option + number + " is not a finite number";
    if (!(value > 0)) return option + number + " is not a positive number";
    if (name == "--pressure" && value >= pumpdown::kStartPressure) {
        return option + number + " is not below the start pressure " +
               FormatNumber(pumpdown::kStartPressure) + " mbar";
    }
    return std::nullopt;
}

}  // namespace

int RunPumpDown(const Arguments& arguments) {
    const PumpDownOptions options{arguments.Value("--capacity"), arguments.Value("--time"),
                                  arguments.Value("--volume"), arguments.Value("--pressure"),
                                  arguments.Value("--lang")};
    arguments.NoMoreWords();
    const int language = RequireLanguage(options.lang);
    const int given = !!options.capacity + !!options.time + !!options.volume + !!options.pressure;
    if (given != 3) {
        FailUsage("give exactly three of --capacity, --time, --volume and --pressure (" +
                  std::to_string(given) + " given)");
    }
    pumpdown::Inputs inputs;
    for (const auto& [name, text, value] :
         {std::tuple{"--capacity", options.capacity, &inputs.capacity},
          {"--time", options.time, &inputs.time},
          {"--volume", options.volume, &inputs.volume},
          {"--pressure", options.pressure, &inputs.pressure}}) {
        if (!text) continue;
        if (const auto refusal = PumpDownRefusal(name, *text, *value)) {
            throw Failure(kFailedStatus, *refusal);
        }
    }
    using pumpdown::Quantity;
    const Quantity computed = !options.capacity ? Quantity::kCapacity
                              : !options.time   ? Quantity::kTime
                              : !options.volume ? Quantity::kVolume
                                                : Quantity::kPressure;
    const pumpdown::Values values = pumpdown::Compute(computed, inputs);
    const pumpdown::QuantityRows rows = pumpdown::Rows(computed);
    const CategoryTable& table = pumpdown::Table();
    // Extreme but accepted values can still carry a result past the largest number.
    if (!std::isfinite(values.first) || !std::isfinite(values.second)) {
        const char* name = computed == Quantity::kCapacity ? "pump capacity"
                           : computed == Quantity::kTime   ? "pump-down time"
                           : computed == Quantity::kVolume ? "vessel volume"
                                                           : "final pressure";
        throw Failure(kFailedStatus, std::string("the ") + name +
                                         " these values give is beyond the largest number");
    }
    Output out;
    for (const auto& [row, v] :
         {std::pair{rows.first, values.first}, {rows.second, values.second}}) {
        out.Write(table.Caption(row, language));
        out.Put('\t');
        out.Write(FormatNumber(v));
        out.Put('\n');
    }
    out.Flush();
    return 0;
}

}  // namespace tevrimo::cli
