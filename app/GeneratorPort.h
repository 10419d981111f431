#pragma once
#include <cstdint>
#include <optional>
#include <string>

// What the sound generators of "別領域" ask of the platform: the choice of a source file and the clock
// the random sound is seeded from. The Win32 window implements it; tests answer it themselves.
class GeneratorPort {
  public:
    virtual ~GeneratorPort() = default;
    // The platform's plain open dialog (not the song dialog with its preview) for a file that must exist,
    // with a filter in the "description|pattern||" form. Nothing when it was cancelled.
    virtual std::optional<std::string> chooseSourceFile(const std::string& filter) = 0;
    // The calendar time in whole seconds since 1 January 1970, UTC.
    virtual uint32_t clockSeconds() = 0;
};
