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
    // The menu resource holds the submenu with the mapper's item; the devices follow it.
    HMENU modules = GetSubMenu(GetMenu(window_), soundModuleMenuPosition);
    HMENU items = nullptr;
    for (int i = 0; modules && i < GetMenuItemCount(modules) && !items; ++i) {
        HMENU popup = GetSubMenu(modules, i);
        if (popup && GetMenuItemID(popup, 0) == UINT(IDM_MIDI_OUT_MAPPER)) items = popup;
    }
    if (!items) return;
    while (GetMenuItemCount(items) > 1) DeleteMenu(items, 1, MF_BYPOSITION);
    for (size_t i = 1; i < labels.size(); ++i)
        AppendMenuW(items, MF_STRING, UINT_PTR(IDM_MIDI_OUT_MAPPER + i), widen(labels[i]).c_str());
}
