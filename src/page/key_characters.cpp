// SPDX-License-Identifier: MIT
#include "key_characters.h"

namespace tevrimo {

namespace {

struct CharacterKey {
    char character;
    int code;
};

// The main keyboard's symbols.
constexpr CharacterKey kSymbols[] = {
    {' ', vk::kSpace},    {'-', vk::kOemMinus}, {'_', vk::kOemMinus},
    {'=', vk::kOemPlus},  {'+', vk::kOemPlus},  {',', vk::kOem5},
    {'<', vk::kOemComma}, {'.', vk::kOem2},     {'>', vk::kOemPeriod},
    {'/', vk::kOem2},     {'?', vk::kOem2},     {'\\', vk::kOem5},
    {'|', vk::kOem5},     {';', 0xBA},          {':', 0xBA},
    {'\'', 0xDE},         {'"', 0xDE},          {'[', 0xDB},
    {'{', 0xDB},          {']', 0xDD},          {'}', 0xDD},
    {'`', 0xC0},          {'~', 0xC0},          {'!', '1'},
    {'@', '2'},           {'#', '3'},           {'$', '4'},
    {'%', '5'},           {'^', '6'},           {'&', '7'},
    {'*', '8'},           {'(', '9'},           {')', '0'},
};

constexpr CharacterKey kKeypad[] = {
    {'+', vk::kAdd},    {'-', vk::kSubtract}, {'*', vk::kMultiply},
    {'/', vk::kDivide}, {'.', vk::kDecimal},  {',', vk::kDecimal},
};

}  // namespace

int MainKeyOfCharacter(char32_t c) {
    if (c >= '0' && c <= '9') return vk::k0 + static_cast<int>(c - '0');
    if (c >= 'A' && c <= 'Z') return vk::kA + static_cast<int>(c - 'A');
    if (c >= 'a' && c <= 'z') return vk::kA + static_cast<int>(c - 'a');
    for (const CharacterKey& k : kSymbols) {
        if (c == static_cast<char32_t>(k.character)) return k.code;
    }
    return kOtherKey;
}

int KeypadKeyOfCharacter(char32_t c) {
    if (c >= '0' && c <= '9') return vk::kNumpad0 + static_cast<int>(c - '0');
    for (const CharacterKey& k : kKeypad) {
        if (c == static_cast<char32_t>(k.character)) return k.code;
    }
    return 0;
}

}  // namespace tevrimo
