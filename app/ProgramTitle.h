#pragma once

// The window's title before any song, and the window's name.
constexpr const char* programTitle = "Velmira";
