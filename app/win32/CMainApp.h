#pragma once
#include <windows.h>

// The application: registers the main window's class, creates the window with the program's MIDI output
// and timer, runs the message loop, and closes the device at the end. Returns the exit code: 1 when the
// start-up failed.
class CMainApp {
  public:
    int run(HINSTANCE instance, int showCommand);
};
