#include "app/win32/CMainApp.h"

#include <vector>

#include "app/CommandLine.h"
#include "app/HotKeys.h"
#include "app/Messages.h"
#include "app/win32/CMainWnd.h"
#include "app/win32/ProgramOutput.h"
#include "platform/win32/DialogPlumbing.h"
#include "platform/win32/Win32Files.h"
#include "playback/InputReplay.h"

int CMainApp::run(HINSTANCE instance, int showCommand, const std::vector<std::string>& arguments) {
    const CommandLineResult commandLine = parseCommandLine(arguments);
    if (commandLine.endProgram()) {
        showMessage(nullptr, commandLine.message);
        return badCommandLineExitCode;
    }
    const std::string& replayPath = commandLine.line.replayPath;
    if (!replayPath.empty()) {
        if (const std::optional<long> bad = InputReplay::firstBadLine(replayPath)) {
            showMessage(nullptr, replayRefusedMessage(replayPath, *bad));
            return badCommandLineExitCode;
        }
    }
    if (!CMainWnd::registerClass(instance)) return 1;
    // Before the window makes the folder of MIDI files current.
    const std::string songPath =
        commandLine.line.songPath.empty() ? std::string() : fullPathOf(commandLine.line.songPath);
    ProgramOutput output(commandLine.line.output, commandLine.line.recordPath);
    HACCEL hotKeys = createHotKeyTable();
    std::optional<InputReplay> replay;
    int exitCode = 1;
    {
        Win32Files files;
        Win32Dialogs dialogs(instance);
        CMainWnd window(
            instance, files, dialogs, output.out(), [&] { return output.open(); }, output.timer(),
            output.failures(), [&](int device) { return output.reopen(device); });
        if (window.create(showCommand)) {
            if (commandLine.problem != CommandLineResult::none) window.showMessage(commandLine.message);
            if (!songPath.empty()) window.model().openStartSong(songPath, commandLine.line.play);
            if (!replayPath.empty()) {
                replay.emplace(replayPath);
                replay->start(window.model().liveInput(), output.inputOrigin());
            }
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                if (window.takeDialogMessage(message)) continue;
                if (window.handle() && TranslateAcceleratorW(window.handle(), hotKeys, &message)) continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = 0;
        }
        if (replay) replay->stop();
        // Nothing may still play what is freed: the timer goes first, then the device is reset and its
        // SysEx buffers unprepared; the song goes with the window, and the device is closed last.
        output.stopAndReset();
    }
    DestroyAcceleratorTable(hotKeys);
    if (!output.close()) exitCode = 1;
    return exitCode;
}

HACCEL createHotKeyTable() {
    std::vector<ACCEL> entries;
    for (const HotKeyBinding& binding : hotKeyBindings) {
        const BYTE flags = BYTE(FVIRTKEY | (binding.control ? FCONTROL : 0));
        entries.push_back(ACCEL{flags, WORD(binding.virtualKey), WORD(binding.commandId)});
    }
    return CreateAcceleratorTableW(entries.data(), int(entries.size()));
}
