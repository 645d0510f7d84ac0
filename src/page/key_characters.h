// SPDX-License-Identifier: MIT
// Keys by the character they type, for every front end: the page's key table was made
// for the Turkish keyboard, where the key that types "." is 0xBF and the one that types
// "," is 0xDC, both decimal points. A front end that knows the character a key typed (Qt,
// a browser) finds its code here, so "." and "," are the decimal point in every layout,
// as "/" and "\" are; other shifted symbols give the key that carries them on a US
// keyboard. The digit row is known by place before its characters are looked at.
#pragma once

#include "keys.h"

namespace tevrimo {

// A key that gives no code of its own but still reaches the page (a letter of another
// script, a dead key): the page starts again at 0 as for any letter.
inline constexpr int kOtherKey = 0xFE;

// The code of the main keyboard's key that types `c` (a digit, a letter in either case,
// space or an ASCII symbol); kOtherKey for any other character.
[[nodiscard]] int MainKeyOfCharacter(char32_t c);

// The code of the keypad key that types `c` with Num Lock on (a digit, + - * / . ,);
// 0 for any other character.
[[nodiscard]] int KeypadKeyOfCharacter(char32_t c);

// The digit key of the main keyboard's digit row by its place, whatever it types:
// `place` 1..9 for the keys that type "1".."9" in US position, 10 for "0"; 0 for any
// other place.
[[nodiscard]] constexpr int DigitRowKey(int place) {
    if (place < 1 || place > 10) return 0;
    return place == 10 ? vk::k0 : vk::k0 + place;
}

}  // namespace tevrimo
