#pragma once
#include "app/DialogPort.h"
#include "app/FilePort.h"
#include "app/WindowPort.h"
#include "effects/EffectHost.h"

class SettingsStore;  // app/SettingsStore.h

// Everything the main window's rules ask of the platform, one port per concern.
struct PlatformPorts {
    WindowPort& window;
    FilePort& files;
    DialogPort& dialogs;
    EffectDialogPort& effectDialogs;
    SettingsStore* settings = nullptr;  // the registry; none until settings are kept
};
