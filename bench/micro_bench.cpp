// SPDX-License-Identifier: MIT
// Micro-benchmarks of the conversion core: reading, writing, a whole page refresh and a
// key on a page.
#include <benchmark/benchmark.h>

#include <iterator>
#include <string>
#include <vector>

#include "categories.h"
#include "page_session.h"

namespace tevrimo {
namespace {

const std::vector<std::string>& Entries() {
    static const std::vector<std::string> entries = {
        "1",         "12.5",    "0.000976563", "-273.15", "1E+010",
        "123456789", "3.14159", "-",           "86400",   "0.5"};
    return entries;
}

void BM_Parse(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseNumber(Entries()[i++ % Entries().size()]));
    }
}
BENCHMARK(BM_Parse);

void BM_Format(benchmark::State& state) {
    // Plain, exponent and exact-tie values.
    const double values[] = {1.0,      3.2808399, 1e10,     2.38846e-8,  1.0 / 1024,
                             999999.5, -273.15,   123456.5, 0.000621371, 6.336e7};
    char buffer[kFormatBufferSize];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(values[i++ % 10], buffer));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Format);

// One refresh of a whole page: parse the entry, convert and format every row, write
// the boxes.
void BM_PageRefresh(benchmark::State& state) {
    const CategoryTable& table = Category(static_cast<int>(state.range(0)));
    PageSession session(table);
    session.ClickBox(0);
    std::size_t i = 0;
    for (auto _ : state) session.Page().ShowEntry(Entries()[i++ % Entries().size()]);
    state.SetLabel(std::string(table.key));
}
BENCHMARK(BM_PageRefresh)->DenseRange(0, kCategoryCount - 1);

// One key on a page, from the key-down to the picture, in a cycle a person might type:
// digits, the point, an operation and its result, Up and Down, the sign, Backspace and
// Esc twice (which brings the page back to where the cycle started).
void BM_PageKey(benchmark::State& state) {
    static constexpr int kKeys[] = {vk::k0 + 1,  vk::k0 + 2,    vk::kDecimal,  vk::k0 + 5,
                                    vk::kAdd,    vk::k0 + 3,    vk::kReturn,   vk::kUp,
                                    vk::kDown,   vk::kOemMinus, vk::kMultiply, vk::k0 + 7,
                                    vk::kReturn, vk::kBack,     vk::kEscape,   vk::kEscape};
    const CategoryTable& table = Category(static_cast<int>(state.range(0)));
    PageSession session(table);
    session.ClickBox(0);
    std::size_t i = 0;
    for (auto _ : state) session.Press(kKeys[i++ % std::size(kKeys)]);
    state.SetLabel(std::string(table.key));
}
BENCHMARK(BM_PageKey)->DenseRange(0, kCategoryCount - 1);

}  // namespace
}  // namespace tevrimo

BENCHMARK_MAIN();
