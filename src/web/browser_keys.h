// SPDX-License-Identifier: MIT
// A browser's key events as the virtual-key codes of the page's key table. A browser
// names the key's place (KeyboardEvent.code: "Digit1", "Numpad5", "Period", named as on
// a US keyboard) and what it typed in the user's layout (KeyboardEvent.key: "5", ",",
// "Enter", "ArrowUp"). As on the desktop, the digit row counts by its place and every
// other key by its character, so "." and "," are the decimal point in every layout.
#pragma once

#include <string_view>

namespace tevrimo {

// The code of a key press; 0 for one that carries no key (a phone keyboard's
// "Unidentified", whose text arrives as typed characters instead).
[[nodiscard]] int VirtualKeyOfBrowserKey(std::string_view code, std::string_view key);

}  // namespace tevrimo
