// Qt key events as the platform's virtual-key codes, the codes that the
// board's key-down handler works with (Escape 27, arrows 37 to 40, letters
// 65 to 90, ...). Qt's own key values must never reach the game unmapped:
// some collide with those codes (Qt::Key_Percent is 37, the left arrow's).
#pragma once

#include <Qt>

namespace zupi {

// The code for a key that has no virtual-key code of its own.
inline constexpr int kUnmappedKey = 0xFF;

// The virtual-key code of a pressed key. Shifted symbols give the code of
// the key that carries them on a US keyboard ('%' gives '5', 53); keypad
// digits and operators give the keypad's own codes.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace zupi
