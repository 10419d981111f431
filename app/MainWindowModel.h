#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/BackgroundChange.h"
#include "app/Canvas.h"
#include "app/Dialogs.h"
#include "app/FaceControls.h"
#include "app/FacePainter.h"
#include "app/FaceState.h"
#include "app/HistoryMenu.h"
#include "app/LyricsWindow.h"
#include "app/MenuArea.h"
#include "app/MenuAreaOf.h"
#include "app/Messages.h"
#include "app/MidiInputMenu.h"
#include "app/MidiOutMenu.h"
#include "app/PlayingSettings.h"
#include "app/SettingsMenu.h"
#include "app/SettingsSession.h"
#include "app/Skin.h"
#include "app/SongListMenu.h"
#include "app/SongListWindow.h"
#include "app/SongOpener.h"
#include "app/Window.h"
#include "effects/EffectHost.h"
#include "effects/EffectMenu.h"
#include "effects/PlaybackEngine.h"
#include "generators/PseudoRandom.h"
#include "platform/Files.h"

// The main window's state, playback and window as the effect menu sees them.
class WindowEffectHost : public EffectHost {
  public:
    WindowEffectHost(PlaybackEngine& engine, FaceState& face, Window& window)
        : engine_(engine), face_(face), window_(window) {}

    bool playing() const override { return engine_.player().playing(); }
    bool songLoaded() const override { return face_.songLoaded; }
    EffectSettings& effectSettings() override { return engine_.effect(); }
    // A try during play stops as the user's stop does, so it also ends repeating and a loop over the list.
    void stopPlayback() override { engine_.player().stopPlayback(Player::userStop); }
    void startPlayback() override { engine_.player().startPlayback(); }
    void effectDialogOpen(bool open) override { face_.effectDialogOpen = open; }
    bool effectDialogOpen() const override { return face_.effectDialogOpen; }
    void setWaitCursor(bool waiting) override { window_.setWaitCursor(waiting); }
    void enableCloseCommand(bool enabled) override { window_.enableCloseCommand(enabled); }

  private:
    PlaybackEngine& engine_;
    FaceState& face_;
    Window& window_;
};

// What the main window's rules run on: the platform's services, the settings store (the registry in the
// program), and where the platform has them the choice of the MIDI devices and the song list's window.
struct WindowPlatform {
    Window& window;
    Files& files;
    Dialogs& dialogs;
    Clock& clock;
    SettingsStore& settings;
    Pictures* pictures = nullptr;    // none: no background change (and closing asks nothing)
    MidiOutPort* midiOut = nullptr;  // "MIDI出力"; without it the window plays to the output it was given
    MidiInputPort* midiInput = nullptr;      // "MIDI入力"; without it no keyboard reaches the engine
    SongListWindowPort* songList = nullptr;  // "曲目一覧…"; without it the song list is not shown
    LyricsWindowPort* lyrics = nullptr;      // "歌詞…"; without it the words are not shown
};

// The main window without Windows: it builds the engine, the skin, the face's painter and controls, the
// song opener and the menu areas, hands each the services it uses, and passes the window's messages on to
// them. The Win32 window turns its messages into the calls below; it never reaches into the parts.
class MainWindowModel : private PlayerHost, private HistoryMenuHost, private SongListMenuHost {
  public:
    MainWindowModel(WindowPlatform platform, MidiOut& out, PlaybackTimer& timer, CanvasSource& canvases,
                    ShortMessageFailures& failures);

    // Start-up, in two halves around the opening of the MIDI output (see Skin).
    bool loadSprites() { return skin_.loadSprites(); }
    bool loadFace() { return skin_.loadFace(); }
    // Between the two halves: never ends the start, since what cannot be read takes its default.
    void loadSettings();

    void paint(Canvas& canvas) { painter_.paint(canvas); }
    void onTick();
    // The window's idle clock: while no song plays, the meters and lamps follow what a keyboard plays.
    void liveMetersTick();
    // A menu command; false for ids no menu area handles.
    bool onCommand(int id);
    MenuItemState menuItemState(int id) const;

    // The mouse on the face and on the caption; each shows a failure of the device the control may just
    // have met.
    void leftButtonDown(int x, int y);
    void leftButtonUp();
    void mouseMove(int x, int y);
    void rightButtonDown(int x, int y);
    void captionDoubleClick();
    void captionRightButton(bool onCaption);
    // An arrow button or fast forward is held down: its release must reach the face wherever it happens.
    bool holdsMouse() const;

    // The MIDI inputs changed: listed afresh for "MIDI入力", which opens the saved one if it came.
    void midiInputsChanged();
    // A song named on the command line, opened once the window shows, as if picked; play starts it.
    void openStartSong(const std::string& path, bool play);
    // Files dropped on the window (see DroppedFiles).
    void dropFiles(const std::vector<std::string>& paths);

    // The close request: stops playback first, then offers to save a changed face. Returns whether the
    // window may be destroyed.
    bool prepareToClose();
    // The window is going: playback stops and the settings are written back.
    void onDestroy();
    // Shows a failure of the device noted since the last look (once per playback).
    void reportDeviceFailures();
    // What the loaded song is played with (no song: an empty path), and the same set again on the song just
    // loaded afresh, stopped, as the face and the effect menu would set it.
    PlayingSettings playingSettings() const;
    void restorePlaying(const PlayingSettings& playing);
    // An action in the "曲目一覧" window on one of its rows; returns the row to select afterwards.
    int songListAction(SongListWindow::Action action, int row);
    // The "歌詞" window's place as the last run left it (none: its own default), and as it is now.
    const std::optional<WindowPlace>& keptLyricsWindow() { return settings_.settings().lyricsWindow; }
    void lyricsWindowPlaced(const WindowPlace& place) { settings_.keepLyricsWindow(place); }

    bool playing() const override { return player_.playing(); }
    // The one way to the device, for whoever else sends to it (the open dialog's preview, a change of
    // device), and the engine's input, for a keyboard played in.
    MidiDevice& device() { return engine_.out(); }
    LiveInput& liveInput() { return engine_.liveInput(); }
    // The rest of playback, for the tests to look at.
    PlaybackEngine& engine() { return engine_; }
    SongOpener& songs() { return songs_; }
    // The open effect dialog's tries and closing (the dialog's messages to the window).
    EffectDialogSession& effectDialogs() { return effectMenu_.dialogs(); }
    Skin& skin() { return skin_; }
    SettingsSession& settings() { return settings_; }
    // Whether the settings could be read, so that their keys may be looked at.
    bool settingsUsable() const { return settings_.usable(); }
    // The background change; none where the platform decodes no pictures.
    BackgroundChange* background() { return background_.get(); }
    const FaceState& face() const { return face_; }
    std::string windowTitle() const { return songs_.windowTitle(); }

  private:
    // PlayerHost
    void resetForPlayback() override;
    void drawPlayButton(bool lit) override;
    void drawFastForwardButton(bool lit) override;
    void blankMetersAndLamps() override;
    void timerFailed() override;
    bool openNextSongListEntry() override { return songs_.openNextSongListEntry(); }
    // HistoryMenuHost, SongListMenuHost
    void openHistoryFile(const std::string& path) override { songs_.openHistoryFile(path); }
    void historyItemsChanged() override { settings_.historyChanged(); }
    bool effectDialogOpen() const override { return face_.effectDialogOpen; }
    bool openSongListEntry(int direction) override { return songs_.openSongListEntry(direction); }
    void startPlayback() override { player_.startPlayback(); }

    MenuArea* areaFor(int id) const;
    void changeChannelTone(int channel);
    // The song list or the loaded song may have changed: its window follows, and the list is kept.
    void songListMayHaveChanged();

    Window& window_;
    Dialogs& dialogs_;
    ShortMessageFailures& failures_;
    FaceState face_;
    PlaybackEngine engine_;
    Player& player_;  // the engine's, which the window and most menu areas drive
    Skin skin_;
    FacePainter painter_;
    FaceControls controls_;
    SettingsSession settings_;
    HistoryMenu history_;
    SongOpener songs_;
    PseudoRandom random_;  // the program's one random source, for every generated song
    std::vector<std::unique_ptr<MenuArea>> areas_;
    WindowEffectHost effectHost_{engine_, face_, window_};
    // The effect dialogs' messages reach the menu's dialog session, so an area holds it by reference.
    EffectMenu effectMenu_{effectHost_, dialogs_};
    MenuAreaOf<MidiOutMenu>* midiOutMenu_ = nullptr;  // one of areas_, when the platform offers the choice
    MenuAreaOf<MidiInputMenu>* midiInputMenu_ = nullptr;    // one of areas_, where the platform has it
    MenuAreaOf<SongListWindow>* songListWindow_ = nullptr;  // one of areas_, where the platform has it
    MenuAreaOf<LyricsWindow>* lyricsWindow_ = nullptr;      // one of areas_, where the platform has it
    std::unique_ptr<BackgroundChange> background_;
    bool showingFailure_ = false;  // a failure's message box is open (its modal loop goes on ticking)
};
