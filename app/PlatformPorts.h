#pragma once
#include "app/DialogPort.h"
#include "app/FilePort.h"
#include "app/WindowPort.h"

class SettingsStore;   // app/SettingsStore.h
class ToneDialogPort;  // tones/ToneChanger.h

// Everything the main window's rules ask of the platform, one port per concern.
struct PlatformPorts {
    WindowPort& window;
    FilePort& files;
    DialogPort& dialogs;
    SettingsStore* settings = nullptr;      // the registry; none until settings are kept
    ToneDialogPort* toneDialogs = nullptr;  // the tone dialog; without it the tone column opens nothing
};
