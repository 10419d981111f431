#include "tests/app/win32/TestWindow.h"

#include "resources/CommandIds.h"

TestWindow::TestWindow(MidiOut& out, PlaybackTimer& timer, ShortMessageFailures& failures,
                       MidiOutChoice::Reopener reopenOutput)
    : CMainWnd(
          GetModuleHandleW(nullptr), files, dialogs, out, [] { return std::optional<std::string>(); }, timer,
          failures, std::move(reopenOutput)) {}

void TestWindow::showMessage(const std::string& text) {
    if (messagesFail) ADD_FAILURE() << text;
    messages.push_back(text);
}

bool TestWindow::askYesNo(const std::string& question) {
    questions.push_back(question);
    return true;
}

void WindowTest::pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT || (window && window->takeDialogMessage(message))) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void WindowTest::click(int x, int y) {
    SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    pump();
}

void WindowTest::SetUp() {
    ASSERT_TRUE(CMainWnd::registerClass(GetModuleHandleW(nullptr)));
}

std::unique_ptr<TestWindow> WindowTest::newWindow() {
    auto made = std::make_unique<TestWindow>(out, timer, failures);
    made->messagesFail = messagesFail;
    return made;
}

bool WindowTest::start() {
    window = newWindow();
    const bool started = window->create(SW_SHOWNOACTIVATE);
    pump();
    return started;
}

void WindowTest::command(int id) {
    SendMessageW(hwnd(), WM_COMMAND, WPARAM(id), 0);
    pump();
}

void WindowTest::openSong(std::vector<uint8_t> song, const std::string& name) {
    window->files.addFile(name, std::move(song));
    window->dialogs.nextChoice = name;
    command(IDM_FILE_OPEN);
}

bool WindowTest::menuState(int menuPosition, int id, UINT flag) {
    HMENU popup = GetSubMenu(GetMenu(hwnd()), menuPosition);
    SendMessageW(hwnd(), WM_INITMENUPOPUP, WPARAM(popup), menuPosition);
    return GetMenuState(popup, UINT(id), MF_BYCOMMAND) & flag;
}

void WindowTest::ticks(int count) {
    for (int i = 0; i < count; ++i) {
        timer.tick();
        pump();
    }
}
