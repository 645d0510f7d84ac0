// SPDX-License-Identifier: MIT
// Data storage: bits and five byte multiples with 1024 between neighbours. Towards a
// larger unit the page divides step by step, towards a smaller one it multiplies once
// by the exact ratio. Rows 6 to 12 hold no unit and are emptied by every refresh. Size
// texts are in bytes; those of the multiples say that they are binary, since a reader of
// "3 GB" may expect 3000 MB.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row { kBit, kByte };
constexpr int kUnits = 6;
constexpr int kClearedEnd = 13;

// Size of the unit of row `row` in bits.
double Bits(int row) {
    return row == 0 ? 1.0 : 8.0 * static_cast<double>(1ull << (10 * (row - 1)));
}
}  // namespace

CategoryTable BuildDataStorage() {
    // Exact sizes in bits.
    const std::initializer_list<UnitDef> units = {
        {.key = "bit",
         .caption = {"bit", "bit", "bit", "bit"},
         .fullName = {"bit", "bit", "Bit", "bit"},
         .exactSize = "1",
         .symbols = "b",
         .names = "bits"},
        {.key = "B",
         .caption = {"Byte", "Byte", "Byte", "Byte"},
         .fullName = {"bayt", "byte", "Byte", "octet"},
         .exactSize = "8",
         .sizeIn = kBit,
         .symbols = "B",
         .names = "byte|bytes|octet|octets"},
        {.key = "kB",
         .caption = {"kByte", "kByte", "kByte", "kByte"},
         .fullName = {"kilobayt (kibibayt, KiB)", "kilobyte (kibibyte, KiB)",
                      "Kilobyte (Kibibyte, KiB)", "kilooctet (kibioctet, Kio)"},
         .exactSize = "8192",
         .sizeText = {"1 kByte = 1024 Byte (ikili)", "1 kByte = 1024 Byte (binary)",
                      "1 kByte = 1024 Byte (binär)", "1 kByte = 1024 Byte (binaire)"},
         .symbols = "kB|KB|KiB",
         .names = "kilobyte|kilobytes|kibibyte|kibibytes"},
        {.key = "MB",
         .caption = {"MByte", "MByte", "MByte", "MByte"},
         .fullName = {"megabayt (mebibayt, MiB)", "megabyte (mebibyte, MiB)",
                      "Megabyte (Mebibyte, MiB)", "mégaoctet (mébioctet, Mio)"},
         .exactSize = "8388608",
         .sizeText = {"1 MByte = 1048576 Byte = 1024 kByte (ikili)",
                      "1 MByte = 1048576 Byte = 1024 kByte (binary)",
                      "1 MByte = 1048576 Byte = 1024 kByte (binär)",
                      "1 MByte = 1048576 Byte = 1024 kByte (binaire)"},
         .symbols = "MB|MiB",
         .names = "megabyte|megabytes|mebibyte|mebibytes"},
        {.key = "GB",
         .caption = {"GByte", "GByte", "GByte", "GByte"},
         .fullName = {"gigabayt (gibibayt, GiB)", "gigabyte (gibibyte, GiB)",
                      "Gigabyte (Gibibyte, GiB)", "gigaoctet (gibioctet, Gio)"},
         .exactSize = "8589934592",
         .sizeText = {"1 GByte = 1073741824 Byte = 1024 MByte (ikili)",
                      "1 GByte = 1073741824 Byte = 1024 MByte (binary)",
                      "1 GByte = 1073741824 Byte = 1024 MByte (binär)",
                      "1 GByte = 1073741824 Byte = 1024 MByte (binaire)"},
         .symbols = "GB|GiB",
         .names = "gigabyte|gigabytes|gibibyte|gibibytes"},
        {.key = "TB",
         .caption = {"TByte", "TByte", "TByte", "TByte"},
         .fullName = {"terabayt (tebibayt, TiB)", "terabyte (tebibyte, TiB)",
                      "Terabyte (Tebibyte, TiB)", "téraoctet (tébioctet, Tio)"},
         .exactSize = "8796093022208",
         .sizeText = {"1 TByte = 1099511627776 Byte = 1024 GByte (ikili)",
                      "1 TByte = 1099511627776 Byte = 1024 GByte (binary)",
                      "1 TByte = 1099511627776 Byte = 1024 GByte (binär)",
                      "1 TByte = 1099511627776 Byte = 1024 GByte (binaire)"},
         .symbols = "TB|TiB",
         .names = "terabyte|terabytes|tebibyte|tebibytes"},
    };
    CategoryTable t = NewCategory(
        {.name = {"Veri depolama", "Data storage", "Datenspeicher", "Stockage de données"},
         .kind = CategoryKind::kStepList,
         .buttonWidth = 70,
         .sizeUnit = kByte,
         .commonUnits = "MB|GB|kB|B|TB",
         .units = units,
         .rowCount = kClearedEnd});
    for (int r = kUnits; r < kClearedEnd; ++r) t.templateCaptions[static_cast<std::size_t>(r)] = "";
    for (int i = 0; i < kClearedEnd; ++i) {
        for (int j = 0; j < kClearedEnd; ++j) {
            PairRule& rule = Rule(t, i, j);
            if (i >= kUnits || j >= kUnits) {
                rule = PairRule::Clear();
            } else if (j > i) {
                rule = PairRule::Steps({});
                for (int k = i + 1; k <= j; ++k) {
                    rule.AddStep({StepOp::kDivide, k == 1 ? 8.0 : 1024.0});
                }
            } else if (j < i) {
                rule = PairRule::Step(StepOp::kMultiply, Bits(i) / Bits(j));
            }
        }
    }
    return t;
}

}  // namespace tevrimo
