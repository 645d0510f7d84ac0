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

// Keys that type no character. Those that do are found by their character
// (key_characters.h): Qt names a printable ASCII key by its character.
constexpr KeyCode kNamedKeys[] = {
    {Qt::Key_Escape, vk::kEscape}, {Qt::Key_Backspace, vk::kBack}, {Qt::Key_Return, vk::kReturn},
    {Qt::Key_Enter, vk::kReturn},  {Qt::Key_Tab, vk::kTab},        {Qt::Key_Backtab, vk::kTab},
    {Qt::Key_Up, vk::kUp},         {Qt::Key_Down, vk::kDown},      {Qt::Key_Left, vk::kLeft},
    {Qt::Key_Right, vk::kRight},   {Qt::Key_Home, vk::kHome},      {Qt::Key_End, vk::kEnd},
    {Qt::Key_PageUp, vk::kPrior},  {Qt::Key_PageDown, vk::kNext},  {Qt::Key_Insert, vk::kInsert},
    {Qt::Key_Delete, vk::kDelete}, {Qt::Key_Shift, vk::kShift},    {Qt::Key_Control, vk::kControl},
    {Qt::Key_Alt, vk::kMenu},      {Qt::Key_Pause, 0x13},          {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Print, 0x2C},         {Qt::Key_Meta, 0x5B},           {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},       {Qt::Key_ScrollLock, 0x91},
};

// The digit row by its place: xkb numbers its keys 10 ("1") to 19 ("0") in every layout
// (X11, Wayland and the Linux console alike). Zero when the key is elsewhere or its
// place is not known.
int DigitRowKeyOf(const QKeyEvent& event) {
    const quint32 place = event.nativeScanCode();
    if (place < 10 || place > 19) return 0;
    return DigitRowKey(static_cast<int>(place - 9));
}

bool IsPrintableAscii(int key) {
    return key >= 0x20 && key < 0x7F;
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == 0 || key == Qt::Key_unknown) return event.text().isEmpty() ? 0 : kOtherKey;
    if (event.modifiers() & Qt::KeypadModifier) {
        if (key == Qt::Key_Enter || key == Qt::Key_Return) return vk::kReturn;
        if (IsPrintableAscii(key)) {
            if (const int code = KeypadKeyOfCharacter(static_cast<char32_t>(key))) return code;
        }
    }
    if (const int digit = DigitRowKeyOf(event)) return digit;
    if (IsPrintableAscii(key)) return MainKeyOfCharacter(static_cast<char32_t>(key));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::kF1 + (key - Qt::Key_F1);
    for (const KeyCode& k : kNamedKeys) {
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
