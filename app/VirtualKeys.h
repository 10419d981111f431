#pragma once

// Windows' virtual-key codes of the keys the window's rules know, for the code that does not see Windows.
namespace virtualKey {
constexpr int enter = 0x0D, space = 0x20, pageUp = 0x21, pageDown = 0x22, home = 0x24, left = 0x25, up = 0x26,
              right = 0x27, down = 0x28, deleteKey = 0x2E, letterO = 0x4F;
}  // namespace virtualKey
