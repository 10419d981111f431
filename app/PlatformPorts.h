#pragma once
#include "app/DialogPort.h"
#include "app/FilePort.h"
#include "app/WindowPort.h"

class SettingsStore;  // app/SettingsStore.h

class BackgroundPort;  // app/BackgroundPort.h
class HelpPort;        // app/HelpMenu.h

// Everything the main window's rules ask of the platform, one port per concern.
struct PlatformPorts {
    WindowPort& window;
    FilePort& files;
    DialogPort& dialogs;
    SettingsStore* settings = nullptr;  // the registry; none until settings are kept
    // Without these the window has no background change (and closing asks nothing) and no help.
    BackgroundPort* background = nullptr;
    HelpPort* help = nullptr;
};
