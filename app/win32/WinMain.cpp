#include <windows.h>

#include "app/win32/MessageBoxes.h"
#include "playback/win32/WinmmMidiOut.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ShortMessageFailures failures;
    WinmmMidiOut midiOut(failures);
    std::string error;
    if (!midiOut.openMidiOut(error)) {
        showMessage(nullptr, error);
        return 1;
    }
    for (const std::string& closeError : midiOut.closeMidiOut()) showMessage(nullptr, closeError, "Error");
    return 0;
}
