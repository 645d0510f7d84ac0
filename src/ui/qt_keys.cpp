// SPDX-License-Identifier: MIT
#include "qt_keys.h"

#include <QKeyEvent>

#include "keys.h"

namespace tevrimo {

namespace {

struct KeyCode {
    int qtKey;
    int code;
};

// Keys of the main keyboard and the editing block. The page's key table was made for the
// Turkish keyboard, where the key that types "." is 0xBF and the one that types "," is
// 0xDC, both decimal points. Qt names the character a key types, so "." and "," are the
// decimal point in every layout, as "/" and "\" are; other shifted symbols go to the
// key that carries them on a US keyboard (the digit row's are taken by place first).
constexpr KeyCode kMainKeys[] = {
    {Qt::Key_Escape, vk::kEscape},
    {Qt::Key_Backspace, vk::kBack},
    {Qt::Key_Return, vk::kReturn},
    {Qt::Key_Enter, vk::kReturn},
    {Qt::Key_Tab, vk::kTab},
    {Qt::Key_Backtab, vk::kTab},
    {Qt::Key_Up, vk::kUp},
    {Qt::Key_Down, vk::kDown},
    {Qt::Key_Left, vk::kLeft},
    {Qt::Key_Right, vk::kRight},
    {Qt::Key_Home, vk::kHome},
    {Qt::Key_End, vk::kEnd},
    {Qt::Key_PageUp, vk::kPrior},
    {Qt::Key_PageDown, vk::kNext},
    {Qt::Key_Insert, vk::kInsert},
    {Qt::Key_Delete, vk::kDelete},
    {Qt::Key_Shift, vk::kShift},
    {Qt::Key_Control, vk::kControl},
    {Qt::Key_Alt, vk::kMenu},
    {Qt::Key_Space, vk::kSpace},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_Meta, 0x5B},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Minus, vk::kOemMinus},
    {Qt::Key_Underscore, vk::kOemMinus},
    {Qt::Key_Equal, vk::kOemPlus},
    {Qt::Key_Plus, vk::kOemPlus},
    {Qt::Key_Comma, vk::kOem5},
    {Qt::Key_Less, vk::kOemComma},
    {Qt::Key_Period, vk::kOem2},
    {Qt::Key_Greater, vk::kOemPeriod},
    {Qt::Key_Slash, vk::kOem2},
    {Qt::Key_Question, vk::kOem2},
    {Qt::Key_Backslash, vk::kOem5},
    {Qt::Key_Bar, vk::kOem5},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// The numeric keypad with Num Lock on.
constexpr KeyCode kKeypadKeys[] = {
    {Qt::Key_Plus, vk::kAdd},     {Qt::Key_Minus, vk::kSubtract}, {Qt::Key_Asterisk, vk::kMultiply},
    {Qt::Key_Slash, vk::kDivide}, {Qt::Key_Period, vk::kDecimal}, {Qt::Key_Comma, vk::kDecimal},
    {Qt::Key_Enter, vk::kReturn}, {Qt::Key_Return, vk::kReturn},
};

// The digit row by its place: xkb numbers its keys 10 ("1") to 19 ("0") in every layout
// (X11, Wayland and the Linux console alike). The table's digit codes stand for these
// keys, whatever they type: the French row types "&é\"'(-è_çà" without Shift, the German
// one "&" with Shift+6. Zero when the key is elsewhere or its place is not known.
int DigitRowKey(const QKeyEvent& event) {
    const quint32 place = event.nativeScanCode();
    if (place < 10 || place > 19) return 0;
    return place == 19 ? vk::k0 : vk::k0 + static_cast<int>(place - 9);
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == 0 || key == Qt::Key_unknown) return event.text().isEmpty() ? 0 : kOtherKey;
    if (event.modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::kNumpad0 + (key - Qt::Key_0);
        for (const KeyCode& k : kKeypadKeys) {
            if (k.qtKey == key) return k.code;
        }
    }
    if (const int digit = DigitRowKey(event)) return digit;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::k0 + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return vk::kA + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::kF1 + (key - Qt::Key_F1);
    for (const KeyCode& k : kMainKeys) {
        if (k.qtKey == key) return k.code;
    }
    return kOtherKey;  // letters of other layouts and the like
}

Modifiers ModifiersOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return {.shift = (m & Qt::ShiftModifier) != 0,
            .ctrl = (m & Qt::ControlModifier) != 0,
            .alt = (m & Qt::AltModifier) != 0};
}

bool IsSystemKey(const QKeyEvent& event) {
    return (event.modifiers() & Qt::AltModifier) || event.key() == Qt::Key_F10 ||
           event.key() == Qt::Key_Alt || event.key() == Qt::Key_AltGr;
}

}  // namespace tevrimo
