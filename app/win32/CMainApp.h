#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The application: reads the command line, registers the main window's class, creates the window with
// the MIDI output and timer the command line chose, opens the song it names, runs the message loop with
// the hot keys, and closes the device at the end. Returns the exit code: 1 when the start-up failed, 2 for
// a command line that was not understood.
class CMainApp {
  public:
    // arguments: the command line without the program's name, in UTF-8.
    int run(HINSTANCE instance, int showCommand, const std::vector<std::string>& arguments);
};

// The accelerator table of the hot keys, built from hotKeyBindings so the keys and their commands are
// written down once. The caller destroys it with DestroyAcceleratorTable.
HACCEL createHotKeyTable();
