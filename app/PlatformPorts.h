#pragma once
#include "app/DialogPort.h"
#include "app/FilePort.h"
#include "app/GeneratorPort.h"
#include "app/WindowPort.h"
#include "effects/EffectHost.h"

class SettingsPort;    // app/SettingsPort.h
class SettingsStore;   // app/SettingsStore.h
class ToneDialogPort;  // tones/ToneChanger.h

class BackgroundPort;      // app/BackgroundPort.h
class HelpPort;            // app/HelpMenu.h
class PlaySavePort;        // app/PlaySaveMenu.h
class MidiOutPort;         // app/MidiOutMenu.h
class MidiInputPort;       // app/MidiInputMenu.h
class SongListWindowPort;  // app/SongListWindow.h

// Everything the main window's rules ask of the platform, one port per concern.
struct PlatformPorts {
    WindowPort& window;
    FilePort& files;
    DialogPort& dialogs;
    EffectDialogPort& effectDialogs;
    SettingsStore& settings;  // the registry in the program
    SettingsPort& settingsWindow;
    // The sound generators' file choice and clock; none: the window has no "別領域" commands.
    GeneratorPort* generators = nullptr;
    ToneDialogPort* toneDialogs = nullptr;  // the tone dialog; without it the tone column opens nothing
    // Without these the window has no background change (and closing asks nothing) and no help.
    BackgroundPort* background = nullptr;
    HelpPort* help = nullptr;
    PlaySavePort* playSave = nullptr;  // "演奏を保存"; without it the window cannot save the song as played
    MidiInputPort* midiInput = nullptr;  // "MIDI入力"; without it no keyboard reaches the engine
    MidiOutPort* midiOut = nullptr;  // "MIDI出力"; without it the window plays to the output it was given
    SongListWindowPort* songList = nullptr;  // "曲目一覧…"; without it the song list is not shown
};
