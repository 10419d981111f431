#pragma once
#include <string>
#include <string_view>

// The case of the ASCII letters only, as Windows matches extensions, switches and file names; every other
// byte (UTF-8 and Shift-JIS included) passes unchanged.
std::string lowerAscii(std::string_view text);
std::string upperAscii(std::string_view text);
