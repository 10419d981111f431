#pragma once

// The sizes of the skin pictures: the face (the window's client area in the large view) and the sprite
// sheet "Button.bmp".
constexpr int faceWidth = 788;
constexpr int faceHeight = 540;
constexpr int buttonSheetWidth = 116;
constexpr int buttonSheetHeight = 213;
