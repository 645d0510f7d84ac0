// SPDX-License-Identifier: MIT
// Text that comes from the user or from a file: UTF-8 decoding, and showing such text
// safely inside a one-line message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tevrimo {

// The length of the well-formed UTF-8 sequence at the start of `s`, with its code point
// in `cp`; 0 when `s` is empty or does not start with one (overlong forms, surrogates
// and code points beyond U+10FFFF are not well-formed).
std::size_t Utf8Sequence(std::string_view s, char32_t& cp);

// Whether all of `s` is well-formed UTF-8.
bool IsUtf8(std::string_view s);

// Characters that would change how a message looks: C0 and C1 controls, DEL, and the
// controls of bidirectional text (U+061C, U+200E, U+200F, U+202A..U+202E,
// U+2066..U+2069), and the line and paragraph separators.
bool IsHiddenControl(char32_t cp);

// `text` in single quotes for a message on one line. Hidden controls and bytes that are
// not UTF-8 are written as escapes ("\n", "\t", "\r", "\\", "\x1B", "\u009B", "\u202E");
// everything else stands as it is.
std::string Quoted(std::string_view text);

}  // namespace tevrimo
