#include "app/win32/MidiOutChoice.h"

#include <mmsystem.h>

#include "platform/win32/WideText.h"
#include "resources/CommandIds.h"

namespace {
constexpr int soundModuleMenuPosition = 5;  // "音源" on the menu bar
}  // namespace

std::vector<std::string> MidiOutChoice::outputDevices() {
    std::vector<std::string> names;
    const UINT count = midiOutGetNumDevs();
    for (UINT device = 0; device < count; ++device) {
        MIDIOUTCAPSW caps = {};
        // A device that cannot describe itself still holds its place, so indexes stay the system's.
        if (midiOutGetDevCapsW(device, &caps, sizeof caps) != MMSYSERR_NOERROR) caps.szPname[0] = L'\0';
        caps.szPname[MAXPNAMELEN - 1] = L'\0';
        names.push_back(narrow(caps.szPname));
    }
    return names;
}

void MidiOutChoice::showMidiOutItems(const std::vector<std::string>& labels) {
    HMENU modules = GetSubMenu(GetMenu(window_), soundModuleMenuPosition);
    if (!modules) return;
    HMENU items = CreatePopupMenu();
    for (size_t i = 0; i < labels.size(); ++i)
        AppendMenuW(items, MF_STRING, UINT_PTR(IDM_MIDI_OUT_MAPPER + i), widen(labels[i]).c_str());
    AppendMenuW(modules, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(modules, MF_POPUP, UINT_PTR(items), L"MIDI出力");
    DrawMenuBar(window_);
}
