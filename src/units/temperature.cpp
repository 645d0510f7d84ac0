// SPDX-License-Identifier: MIT
// Temperature: five scales related by affine maps. The shortened constants
// (0.5555555555555, 0.4444444444444, 14.22222222222, 255.372) are the ones the page
// has always used and are kept as they stand.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

CategoryTable BuildTemperature() {
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kStepList,
                     .buttonWidth = 70,
                     .units = {
                         {"Kelvin", "kelvin", "Kelvin", "Kelvin", "", "K", "kelvins|degK"},
                         {"Derece", "celcius", "Gradcelcius", "degré celcius", "", "",
                          "celsius|°C|degC|C|deg C|degree celsius|degrees celsius|centigrade"},
                         {"Fahrenheit", "fahrenheit", "Fahrenheit", "Fahrenheit", "", "",
                          "°F|degF|F|deg F|degree fahrenheit|degrees fahrenheit"},
                         {"Rankine", "rankine", "Rankine", "Rankine", "", "",
                          "°R|degR|R|deg R|degree rankine|degrees rankine"},
                         {"Réaumur", "réaumur", "Réaumur", "Réaumur", "", "",
                          "°Ré|°Re|degRe|Re|reaumur|degree réaumur|degrees réaumur|degree "
                          "reaumur|degrees reaumur"},
                     }});
    t.templateCaptions = {"Kelvine", "Celsius", "Fahrenheit", "Rankine", "Reaumur", " ", " ",
                          " ",       " ",       " ",          " ",       " ",       " ", " "};

    constexpr auto mul = StepOp::kMultiply;
    constexpr auto add = StepOp::kAdd;
    const auto steps = [](std::initializer_list<ConversionStep> s) { return PairRule::Steps(s); };
    const PairRule e = PairRule::Entry();
    // Source scale down, target scale across, in row order.
    const PairRule rules[5][5] = {
        // Kelvin
        {e, steps({{add, -273.15}}), steps({{mul, 1.8}, {add, -459.67}}), steps({{mul, 1.8}}),
         steps({{mul, 0.8}, {add, -218.52}})},
        // Celsius
        {steps({{add, 273.15}}), e, steps({{mul, 1.8}, {add, 32}}),
         steps({{mul, 1.8}, {add, 491.67}}), steps({{mul, 0.8}})},
        // Fahrenheit
        {steps({{mul, 0.5555555555555}, {add, 255.372}}),
         steps({{StepOp::kSubtract, 32}, {mul, 5}, {StepOp::kDivide, 9}}), e,
         steps({{add, 459.67}}), steps({{mul, 0.4444444444444}, {add, -14.22222222222}})},
        // Rankine
        {steps({{mul, 0.5555555555555}}), steps({{mul, 0.5555555555555}, {add, -273.15}}),
         steps({{add, -459.67}}), e, steps({{mul, 0.4444444444444}, {add, -218.52}})},
        // Réaumur
        {steps({{mul, 1.25}, {add, 273.15}}), steps({{mul, 1.25}}), steps({{mul, 2.25}, {add, 32}}),
         steps({{mul, 2.25}, {add, 491.67}}), e},
    };
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) Rule(t, i, j) = rules[i][j];
    }
    return t;
}

}  // namespace tevrimo
