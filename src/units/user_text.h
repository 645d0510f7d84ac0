// SPDX-License-Identifier: MIT
// Text that comes from the user or from a file: UTF-8 decoding, ASCII case, and showing
// such text safely inside a one-line message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tevrimo {

// The length of the well-formed UTF-8 sequence at the start of `s`, with its code point
// in `cp`; 0 when `s` is empty or does not start with one (overlong forms, surrogates
// and code points beyond U+10FFFF are not well-formed).
[[nodiscard]] std::size_t Utf8Sequence(std::string_view s, char32_t& cp);

// Whether all of `s` is well-formed UTF-8.
[[nodiscard]] bool IsUtf8(std::string_view s);

// The code point that starts at byte `i` of `s` (`i` < s.size()), with `i` moved past
// it, for text that is only compared, never passed on: a lead byte with enough bytes
// after it is decoded without checking them, and any other byte stands for itself, so
// this never fails.
[[nodiscard]] char32_t Utf8NextLoose(std::string_view s, std::size_t& i);

// `c` in lower case when it is an ASCII capital; anything else as it is.
template <typename Char>
[[nodiscard]] constexpr Char AsciiLower(Char c) {
    return c >= Char{'A'} && c <= Char{'Z'} ? static_cast<Char>(c + (Char{'a'} - Char{'A'})) : c;
}

// `text` with its ASCII capitals in lower case.
[[nodiscard]] std::string AsciiLowered(std::string_view text);

// Whether `a` and `b` are equal once their ASCII capitals are in lower case.
[[nodiscard]] bool SameIgnoringAsciiCase(std::string_view a, std::string_view b);

// Characters that would change how a message looks: C0 and C1 controls, DEL, and the
// controls of bidirectional text (U+061C, U+200E, U+200F, U+202A..U+202E,
// U+2066..U+2069), and the line and paragraph separators.
[[nodiscard]] bool IsHiddenControl(char32_t cp);

// `text` in single quotes for a message on one line. Hidden controls and bytes that are
// not UTF-8 are written as escapes ("\n", "\t", "\r", "\\", "\x1B", "\u009B", "\u202E");
// everything else stands as it is.
[[nodiscard]] std::string Quoted(std::string_view text);

}  // namespace tevrimo
