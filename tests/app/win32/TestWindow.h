#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/CMainWnd.h"
#include "platform/MemoryFiles.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/Win32Files.h"
#include "playback/RecordingMidiOut.h"
#include "playback/VirtualTimer.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/DialogScripts.h"
#include "tests/support/PlaybackRig.h"

// The disk's files, but for those the test hands the window, which are read first.
class TestFiles : public Win32Files {
  public:
    FileData readFile(const std::string& path, uint64_t limit) override {
        return handed.files.count(path) ? handed.readFile(path, limit) : Win32Files::readFile(path, limit);
    }
    FileStream openFile(const std::string& path) override {
        return handed.files.count(path) ? handed.openFile(path) : Win32Files::openFile(path);
    }
    void addFile(const std::string& path, std::vector<uint8_t> bytes) {
        handed.addFile(path, std::move(bytes));
    }

  private:
    MemoryFiles handed;
};

// The real dialogs, but for the file dialogs, which give the test's answers: the open dialogs nextChoice
// (or, with realSongDialog, the song's open dialog itself, listening by previewTicks); the picture dialog
// picture, once (a refused choice brings the dialog back, which then is cancelled); the save dialogs saveAs.
class TestDialogs : public Win32Dialogs {
  public:
    TestDialogs() : Win32Dialogs(GetModuleHandleW(nullptr)) {}
    std::optional<std::string> chooseSongFile(const std::string& filter, const std::string& folder) override {
        return realSongDialog ? Win32Dialogs::chooseSongFile(filter, folder) : nextChoice;
    }
    std::optional<std::string> chooseSourceFile(const std::string&) override { return nextChoice; }
    std::optional<std::string> choosePicture(const std::string&) override {
        return std::exchange(picture, std::nullopt);
    }
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&,
                                                const std::string&) override {
        return saveAs;
    }

    std::optional<std::string> nextChoice, picture, saveAs;
    bool realSongDialog = false;
    VirtualTimer previewTicks;

  protected:
    PlaybackTimer& previewTimer() override { return previewTicks; }
};

// Built before the window, which is handed them.
struct TestWindowServices {
    TestFiles files;
    TestDialogs dialogs;
};

// The real main window with the test's files and file dialogs; message boxes and questions are recorded
// (every question answered Yes).
class TestWindow : public TestWindowServices, public CMainWnd {
  public:
    // reopenOutput, when given, offers "MIDI出力".
    TestWindow(MidiOut& out, PlaybackTimer& timer, ShortMessageFailures& failures,
               MidiOutChoice::Reopener reopenOutput = {})
        : CMainWnd(
              GetModuleHandleW(nullptr), files, dialogs, out, [] { return std::optional<std::string>(); },
              timer, failures, std::move(reopenOutput)) {}

    void showMessage(const std::string& text) override {
        if (messagesFail) ADD_FAILURE() << text;
        messages.push_back(text);
    }
    bool askYesNo(const std::string& question) override {
        questions.push_back(question);
        return true;
    }
    bool messagesFail = false;  // a test that expects no message box fails at the first
    Lines messages;
    Lines questions;
};

// A test of one main window, with a recording device and a timer the test ticks.
class WindowTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(CMainWnd::registerClass(GetModuleHandleW(nullptr))); }
    // The window goes first, then the folder the test began in is current again.
    void TearDown() override {
        window.reset();
        SetCurrentDirectoryW(startFolder.c_str());
    }

    // A new window in place of the last; false when it could not be created.
    bool start() {
        window = newWindow();
        const bool started = window->create(SW_SHOWNOACTIVATE);
        pump();
        return started;
    }
    // The window start() creates.
    virtual std::unique_ptr<TestWindow> newWindow() {
        auto made = std::make_unique<TestWindow>(out, timer, failures);
        made->messagesFail = messagesFail;
        return made;
    }
    HWND hwnd() const { return window->handle(); }
    // Dispatches the thread's waiting messages as the program's loop does: the window's open effect dialog
    // takes its keyboard messages first.
    void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT || (window && window->takeDialogMessage(message))) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    void command(int id) {
        SendMessageW(hwnd(), WM_COMMAND, WPARAM(id), 0);
        pump();
    }
    // Opens |song| through the open dialog, as |name|.
    void openSong(std::vector<uint8_t> song, const std::string& name = "song.mid") {
        window->files.addFile(name, std::move(song));
        window->dialogs.nextChoice = name;
        command(IDM_FILE_OPEN);
    }
    // A click of the left button at a point of the client area, and what it posted.
    void click(int x, int y) {
        SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        pump();
    }
    std::string title() const { return windowText(hwnd()); }
    // Whether item |id| of the menu at |menuPosition| shows |flag| when the menu opens.
    bool menuState(int menuPosition, int id, UINT flag) {
        HMENU popup = GetSubMenu(GetMenu(hwnd()), menuPosition);
        SendMessageW(hwnd(), WM_INITMENUPOPUP, WPARAM(popup), menuPosition);
        return GetMenuState(popup, UINT(id), MF_BYCOMMAND) & flag;
    }
    // Timer periods, each followed by what they posted.
    void ticks(int count) {
        for (int i = 0; i < count; ++i) {
            timer.tick();
            pump();
        }
    }

    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    std::unique_ptr<TestWindow> window;
    bool messagesFail = true;  // for each new window: a message box fails the test unless it expects one
    const std::wstring startFolder = currentFolder();
};

// A test of a main window started before it begins.
class StartedWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(start());
    }
};
