#pragma once
#include <memory>
#include <string>

#include "app/Canvas.h"
#include "app/FaceControls.h"
#include "app/FacePainter.h"
#include "app/FaceState.h"
#include "app/WindowPort.h"
#include "effects/EffectSettings.h"
#include "effects/EventFilter.h"
#include "effects/LiveControls.h"
#include "images/SkinBmp.h"
#include "playback/Player.h"
#include "playback/SongList.h"
#include "tones/ChannelTone.h"

// The rules of the main window, without Windows: start-up, commands, opening a song, the view, the tick,
// closing. The Win32 window turns its messages into calls here and carries out what the port asks.
class MainWindowModel : public PlayerHost {
  public:
    static constexpr const char* programTitle = "Velmira";
    static constexpr uint32_t effectNoneBit = 0x2000;

    MainWindowModel(WindowPort& port, MidiOut& out, PlaybackTimer& timer, TickPoster& ticks,
                    CanvasSource& canvases, ShortMessageFailures& failures);

    // Start-up, in two halves around the opening of the MIDI output: the sprite sheet and the mask, then
    // the face. Each shows its message and returns false on a failure that ends the program.
    bool loadSprites();
    bool loadFace();

    void paint(Canvas& canvas) { painter_.paint(canvas); }
    void onTick();
    // A menu command; false for ids the window does not know.
    bool onCommand(int id);
    struct MenuItemState {
        bool checked = false;
        bool enabled = true;
    };
    MenuItemState menuItemState(int id) const;
    // The close request: stops playback first. Returns whether the window may be destroyed.
    bool prepareToClose();
    // Shows a failure of the device noted since the last look (once per playback). The window calls it
    // after each message that may have sent something; the tick and the commands call it themselves.
    void reportDeviceFailures();

    void openSong(bool prebuilt);

    FaceControls& controls() { return controls_; }
    // An arrow button or fast forward is held down: its release must reach the face wherever it happens.
    bool holdsMouse() const {
        return face_.pressedButton != FaceState::noButton || sequencer_.fastForwarding();
    }
    Player& player() { return player_; }
    const FaceState& face() const { return face_; }
    const std::string& currentPath() const { return currentPath_; }
    const std::string& backgroundPath() const { return backgroundPath_; }
    // The background named by the settings, read at start-up instead of "Main.bmp".
    void setBackgroundPath(const std::string& path) { backgroundPath_ = path; }
    uint32_t effectCheckMask() const { return effectCheckMask_; }
    std::string windowTitle() const;

  private:
    // PlayerHost
    void resetForPlayback() override;
    void drawPlayButton(bool lit) override;
    void drawFastForwardButton(bool lit) override;
    void blankMetersAndLamps() override;
    void timerFailed() override;
    void openNextSongListEntry() override;

    // Reads a skin picture found by name with the given reader; false when it is missing or unreadable.
    enum class SkinRead { ok, notFound, unreadable };
    SkinRead readSkinPicture(const std::string& name, bool (*reader)(std::istream&, DibImage&),
                             DibImage& into);
    void resetSongSettings();
    void resetChannelState();
    void toggleView();
    bool runCommand(int id);

    WindowPort& port_;
    MidiOut& out_;
    ShortMessageFailures& failures_;

    SongBuffer song_;
    LiveControls liveControls_;
    EffectSettings effect_;
    ChannelTones tones_;
    FaceState face_;
    SongList songList_;
    Sequencer sequencer_;
    EventFilter filter_;
    Player player_;

    DibImage faceImage_;
    DibImage buttonSheet_;
    std::optional<MaskGrid> maskGrid_;
    FacePainter painter_;
    FaceControls controls_;

    std::string currentPath_;
    std::string detailsText_;
    std::string backgroundPath_ = "Main.bmp";
    uint32_t effectCheckMask_ = effectNoneBit;
    int historySelection_ = -1;
    bool showingFailure_ = false;  // a failure's message box is open (its modal loop goes on ticking)
};
