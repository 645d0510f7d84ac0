// SPDX-License-Identifier: MIT
// Qt key events as the virtual-key codes of the page's key table, by the character a
// key types: "." and "," of the main keyboard are the decimal point in every layout.
#pragma once

#include "key_characters.h"
#include "keys.h"

class QKeyEvent;

namespace tevrimo {

// The virtual-key code of a key press; 0 for presses that carry no key.
int VirtualKeyOf(const QKeyEvent& event);

// The modifier keys held with a key press.
Modifiers ModifiersOf(const QKeyEvent& event);

// Alt combinations and F10 are system keys: the page never examines them.
bool IsSystemKey(const QKeyEvent& event);

}  // namespace tevrimo
