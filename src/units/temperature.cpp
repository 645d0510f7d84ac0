// SPDX-License-Identifier: MIT
// Temperature: five scales related by affine maps. The shortened constants
// (0.5555555555555, 0.4444444444444, 14.22222222222, 255.372) are the ones the page
// has always used and are kept as they stand.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

CategoryTable BuildTemperature() {
    const std::initializer_list<UnitDef> units = {
        {.key = "K",
         .caption = {"Kelvin", "kelvin", "Kelvin", "Kelvin"},
         .fullName = {"kelvin", "kelvin", "Kelvin", "kelvin"},
         .sizeText = AllLanguages("T(K) = T(°C) + 273.15"),
         .symbols = "K",
         .names = "kelvins|degK"},
        {.key = "degC",
         .caption = {"Derece", "celcius", "Gradcelcius", "degré celcius"},
         .fullName = {"Celsius derecesi", "degree Celsius", "Grad Celsius", "degré Celsius"},
         .sizeText = AllLanguages("T(°C) = T(K) - 273.15"),
         .names = "celsius|°C|degC|C|deg C|degree celsius|degrees "
                  "celsius|centigrade|santigrat|Grad Celsius|degré celsius|degrés celsius"},
        {.key = "degF",
         .caption = {"Fahrenheit", "fahrenheit", "Fahrenheit", "Fahrenheit"},
         .fullName = {"Fahrenheit derecesi", "degree Fahrenheit", "Grad Fahrenheit",
                      "degré Fahrenheit"},
         .sizeText = AllLanguages("T(°F) = 1.8 × T(°C) + 32"),
         .names = "°F|degF|F|deg F|degree fahrenheit|degrees fahrenheit|Grad Fahrenheit|degré "
                  "fahrenheit|degrés fahrenheit"},
        {.key = "degR",
         .caption = {"Rankine", "rankine", "Rankine", "Rankine"},
         .fullName = {"Rankine derecesi", "degree Rankine", "Grad Rankine", "degré Rankine"},
         .sizeText = AllLanguages("T(°R) = 1.8 × T(°C) + 491.67"),
         .names = "°R|degR|R|deg R|degree rankine|degrees rankine"},
        {.key = "degRe",
         .caption = {"Réaumur", "réaumur", "Réaumur", "Réaumur"},
         .fullName = {"Réaumur derecesi", "degree Réaumur", "Grad Réaumur", "degré Réaumur"},
         .sizeText = AllLanguages("T(°Ré) = 0.8 × T(°C)"),
         .names = "°Ré|°Re|degRe|Re|reaumur|degree réaumur|degrees réaumur|degree reaumur|degrees "
                  "reaumur"},
    };
    CategoryTable t = NewCategory({.name = {"Sıcaklık", "Temperature", "Temperatur", "Température"},
                                   .kind = CategoryKind::kStepList,
                                   .buttonWidth = 70,
                                   .commonUnits = "degC|degF|K|degR|degRe",
                                   .units = units});
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
