// SPDX-License-Identifier: MIT
// tevrimo-cli pumpdown: three of pump capacity, pump-down time, vessel volume and final
// pressure give the fourth. Each is given in the formula's unit (l/min, min, litres,
// mbar) or with the other unit of its pair on the vacuum page (m³/h, s, m³, Torr).
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "command_line.h"
#include "exact_ratio.h"
#include "failure.h"
#include "number_text.h"
#include "output.h"
#include "pumpdown.h"
#include "unit_names.h"
#include "user_text.h"

namespace tevrimo::cli {

namespace {

struct PumpDownOptions {
    std::optional<std::string_view> capacity, time, volume, pressure, lang;
};

// The row of the vacuum page's pair `rows` that `unit` names, or -1.
int RowOfUnit(std::string_view unit, const pumpdown::QuantityRows& rows) {
    const CategoryTable& table = pumpdown::Table();
    int row = FindUnit(table, unit, kEnglish);
    if (row < 0) row = FindUnitAnyCase(table, unit);
    return row == rows.first || row == rows.second ? row : -1;
}

// `text` without the blanks around it.
std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// Why the text given to pump-down option `name` for `quantity` cannot be used, or
// nothing, with its value in the formula's unit in `value`. It must be a number and
// nothing else, or a number and a unit of the quantity as the vacuum page's rows name it
// ("10m3/h", "30 s", "1e-2Torr"); finite and positive; a final pressure must lie below
// the start pressure.
std::optional<std::string> PumpDownRefusal(std::string_view name, pumpdown::Quantity quantity,
                                           std::string_view text, double& value) {
    const std::string option = std::string(name) + ": ";
    const pumpdown::QuantityRows rows = pumpdown::Rows(quantity);
    const CategoryTable& table = pumpdown::Table();
    const std::string_view given = Trimmed(text);
    // The longest number at the start that leaves a unit of the quantity, or nothing.
    int row = rows.formula;
    std::size_t cut = given.size();
    for (; cut > 0; --cut) {
        if (!ParseWholeNumber(given.substr(0, cut), value)) continue;
        const std::string_view unit = Trimmed(given.substr(cut));
        if (unit.empty()) break;
        if ((row = RowOfUnit(unit, rows)) >= 0) break;
    }
    if (cut == 0) {
        double number = 0;
        for (std::size_t n = given.size(); n > 0; --n) {
            if (ParseWholeNumber(given.substr(0, n), number)) {
                return option + Quoted(text) + " has no unit of its quantity (" +
                       std::string(table.Caption(rows.first, kEnglish)) + " or " +
                       std::string(table.Caption(rows.second, kEnglish)) + ")";
            }
        }
        return option + Quoted(text) + " is not a number";
    }
    if (row != rows.formula) {
        const UnitRow& unit = table.rows[static_cast<std::size_t>(row)];
        const UnitRow& formula = table.rows[static_cast<std::size_t>(rows.formula)];
        value *= (ExactRatio::FromText(unit.exactSize) / ExactRatio::FromText(formula.exactSize))
                     .Rounded(17);
    }
    const std::string number(given);
    if (!std::isfinite(value)) return option + number + " is not a finite number";
    if (!(value > 0)) return option + number + " is not a positive number";
    if (quantity == pumpdown::Quantity::kPressure && value >= pumpdown::kStartPressure) {
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
    using pumpdown::Quantity;
    for (const auto& [name, quantity, text, value] :
         {std::tuple{"--capacity", Quantity::kCapacity, options.capacity, &inputs.capacity},
          {"--time", Quantity::kTime, options.time, &inputs.time},
          {"--volume", Quantity::kVolume, options.volume, &inputs.volume},
          {"--pressure", Quantity::kPressure, options.pressure, &inputs.pressure}}) {
        if (!text) continue;
        if (const auto refusal = PumpDownRefusal(name, quantity, *text, *value)) {
            throw Failure(kFailedStatus, *refusal);
        }
    }
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
