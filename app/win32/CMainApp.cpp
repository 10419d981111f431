#include "app/win32/CMainApp.h"

#include "app/DeviceMessages.h"
#include "app/win32/CMainWnd.h"
#include "platform/win32/MessageBoxes.h"
#include "playback/win32/MultimediaTimer.h"
#include "playback/win32/WinmmMidiOut.h"

int CMainApp::run(HINSTANCE instance, int showCommand) {
    if (!CMainWnd::registerClass(instance)) return 1;
    ShortMessageFailures failures;
    WinmmMidiOut midiOut(failures);
    MultimediaTimer timer;
    int exitCode = 1;
    {
        auto openOutput = [&]() -> std::optional<std::string> {
            const DeviceError error = midiOut.openMidiOut();
            if (error == DeviceError::none) return std::nullopt;
            return openFailureText(error, midiOut.openFailureText());
        };
        CMainWnd window(instance, midiOut, openOutput, timer, failures);
        if (window.create(showCommand)) {
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                if (window.takeDialogMessage(message)) continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = 0;
        }
    }
    timer.stop();
    for (const CloseFailure& failure : midiOut.closeMidiOut()) {
        const std::string text = closeFailureText(failure);
        if (!text.empty()) showMessage(nullptr, text, "Error");
    }
    return exitCode;
}
