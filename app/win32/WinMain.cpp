// CMainApp: registers the window class, creates the main window and runs the message loop.
#include <windows.h>

#include "app/win32/MainWindow.h"
#include "app/win32/MessageBoxes.h"
#include "playback/win32/MultimediaTimer.h"
#include "playback/win32/WinmmMidiOut.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (!MainWindow::registerClass(instance)) return 1;
    ShortMessageFailures failures;
    WinmmMidiOut midiOut(failures);
    MultimediaTimer timer;
    int exitCode = 1;
    {
        MainWindow window(
            instance, midiOut, [&](std::string& error) { return midiOut.openMidiOut(error); }, timer,
            failures);
        if (window.create(showCommand)) {
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = 0;
        }
    }
    timer.stop();
    for (const std::string& error : midiOut.closeMidiOut()) showMessage(nullptr, error, "Error");
    return exitCode;
}
