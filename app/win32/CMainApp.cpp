#include "app/win32/CMainApp.h"

#include "app/win32/CMainWnd.h"
#include "app/win32/MessageBoxes.h"
#include "playback/win32/MultimediaTimer.h"
#include "playback/win32/WinmmMidiOut.h"

int CMainApp::run(HINSTANCE instance, int showCommand) {
    if (!CMainWnd::registerClass(instance)) return 1;
    ShortMessageFailures failures;
    WinmmMidiOut midiOut(failures);
    MultimediaTimer timer;
    int exitCode = 1;
    {
        CMainWnd window(
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
