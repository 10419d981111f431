// velmira-showcase: the real main window playing a song through a silent MIDI output, for screenshots on
// machines without a MIDI device. It opens the song given on its command line (or a built-in one),
// starts it, and after a moment sets a few cells and toggles as a user would, with clicks. With a second
// argument, "key-signature" or "pitch-map", it opens that effect dialog instead, works a few of its
// controls and tries them, which plays the song.
#include <windows.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include <fstream>

#include "app/win32/CMainWnd.h"
#include "effects/win32/EffectDialogIds.h"
#include "platform/win32/WideText.h"
#include "playback/SilentMidiOut.h"
#include "playback/win32/MultimediaTimer.h"
#include "resources/CommandIds.h"
#include "tools/demo/DemoSong.h"

namespace {
class ShowcaseWindow : public CMainWnd {
  public:
    using CMainWnd::CMainWnd;
    std::optional<std::string> chooseSongFile(const std::string&) override { return songPath; }
    std::string songPath;
};

void click(HWND window, int x, int y, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
    SendMessageW(window, down, MK_LBUTTON, MAKELPARAM(x, y));
    if (up) SendMessageW(window, up, 0, MAKELPARAM(x, y));
}

std::string writeDemoSong() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"velmira-demo.mid";
    const std::vector<uint8_t> song = demoSong();
    std::ofstream(path.c_str(), std::ios::binary)
        .write(reinterpret_cast<const char*>(song.data()), long(song.size()));
    return narrow(path);
}

void clickButton(HWND dialog, int id) {
    SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
}

// Opens an effect dialog over the stopped window and tries a choice: two sharps, or a drawing in which E
// rests and D sounds as the C above (its label coloured for the octave above).
void showEffectDialog(CMainWnd& window, const std::wstring& which) {
    const bool keySignature = which == L"key-signature";
    SendMessageW(window.handle(), WM_COMMAND, keySignature ? IDM_EFFECT_KEY_SIGNATURE : IDM_EFFECT_PITCH_MAP,
                 0);
    HWND dialog = window.effectDialog();
    if (!dialog) return;
    if (keySignature) {
        clickButton(dialog, IDC_KEY_SHARPS);
        clickButton(dialog, IDC_KEY_COUNT_FIRST + 1);
        clickButton(dialog, IDC_KEY_TRY);
        return;
    }
    auto scroll = [&](int barId, int code, int times) {
        for (int i = 0; i < times; ++i)
            SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(code, 0), LPARAM(GetDlgItem(dialog, barId)));
    };
    scroll(IDC_PITCH_BAR_FIRST + 4, SB_LINERIGHT, 1);  // E
    clickButton(dialog, IDC_PITCH_REST);
    scroll(IDC_PITCH_BAR_FIRST + 2, SB_LINERIGHT, 10);  // D
    clickButton(dialog, IDC_PITCH_TRY);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    int argumentCount = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &argumentCount);
    const std::string songPath = argumentCount > 1 && *arguments[1] ? narrow(arguments[1]) : writeDemoSong();
    const std::wstring effectDialog = argumentCount > 2 ? arguments[2] : L"";
    LocalFree(arguments);

    if (!CMainWnd::registerClass(instance)) return 1;
    SilentMidiOut silent;
    MultimediaTimer timer;
    ShortMessageFailures failures;
    ShowcaseWindow window(
        instance, silent, [] { return std::optional<std::string>(); }, timer, failures);
    window.songPath = songPath;
    if (!window.create(showCommand)) return 1;
    const HWND handle = window.handle();
    SendMessageW(handle, WM_COMMAND, IDM_FILE_OPEN, 0);
    if (!effectDialog.empty()) {
        showEffectDialog(window, effectDialog);
    } else {
        click(handle, 80, 460);  // play
        SetTimer(handle, 1, 1500, nullptr);
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.takeDialogMessage(message)) continue;
        if (message.message == WM_TIMER && message.hwnd == handle && message.wParam == 1) {
            KillTimer(handle, 1);
            click(handle, 297 + 35 * 1, 36 + 32 * 1);  // channel 2: reverb cell up, three times
            click(handle, 297 + 35 * 1, 36 + 32 * 1);
            click(handle, 297 + 35 * 1, 36 + 32 * 1);
            click(handle, 297 + 35 * 4, 36 + 32 * 4);  // channel 5: auto-pan
            click(handle, 297 + 35 * 0, 36 + 32 * 3);  // channel 4: volume down (right button)
            click(handle, 297 + 35 * 0, 36 + 32 * 3, WM_RBUTTONDOWN, 0);
            click(handle, 665 + 35 * 2, 32 + 32 * 2);  // channel 3: octave doubling
            click(handle, 665 + 35 * 1, 32 + 32 * 9);  // channel 10: mute
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    timer.stop();
    return 0;
}
