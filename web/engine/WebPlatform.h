#pragma once
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/PlatformPorts.h"
#include "app/PlaySaveMenu.h"
#include "app/SettingsPort.h"
#include "app/SettingsStore.h"
#include "playback/PlaybackTimer.h"
#include "playback/Sequencer.h"

// The main window's platform in a web page. The page cannot answer a call of the engine while it runs, so
// everything the engine tells the window is kept here until the page asks for it (messages, the title,
// repaints, the song as played), and every answer the engine asks for was given beforehand (the file the
// user picked or dropped, which the page has put into the in-memory files). The timer fires only when the
// page steps it, from its audio clock.
class WebPlatform : public WindowPort,
                    public FilePort,
                    public DialogPort,
                    public TickPoster,
                    public EffectDialogPort,
                    public SettingsStore,
                    public SettingsPort,
                    public GeneratorPort,
                    public PlaySavePort,
                    public PlaybackTimer {
  public:
    PlatformPorts ports();

    // WindowPort
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setTitle(const std::string& text) override { title = text; }
    void setWaitCursor(bool) override {}
    void postClose() override {}
    void resizeForView(bool large) override { largeView = large; }
    void invalidateFace() override { faceInvalid = true; }
    void invalidate(const face::Rect&) override { faceInvalid = true; }
    // FilePort: the page's files; the skin lies there under its plain names.
    FileData readFile(const std::string& path, uint64_t limit) override;
    FileStream openFile(const std::string& path) override;
    std::optional<std::string> findSkinFile(const std::string& name) override;
    // DialogPort and GeneratorPort: the file the page chose before it ran the command.
    std::optional<std::string> chooseSongFile(const std::string&) override { return takeChoice(); }
    std::optional<std::string> chooseSourceFile(const std::string&) override { return takeChoice(); }
    uint32_t clockSeconds() override;
    // TickPoster
    void postTick() override { tickPosted = true; }
    // EffectDialogPort: the effect time is asked in the page's own modal prompt.
    void showRefusal(EffectTimeRefusal refusal) override;
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion& question) override;
    void openKeySignatureDialog(const KeySignature& initial) override { keySignature = initial; }
    void openPitchDialog(const PitchMap& initial) override { pitchMap = initial; }
    void enableCloseCommand(bool) override {}
    // SettingsStore: a page keeps no settings between visits; every value reads as absent.
    Status readString(const std::string&, const std::string&, std::string&) override {
        return Status::absent;
    }
    Status readNumber(const std::string&, const std::string&, uint32_t&) override { return Status::absent; }
    Status writeString(const std::string&, const std::string&, const std::string&) override {
        return Status::ok;
    }
    Status writeNumber(const std::string&, const std::string&, uint32_t) override { return Status::ok; }
    Status deleteKey(const std::string&) override { return Status::absent; }
    // SettingsPort
    std::string currentFolder() override { return ""; }
    bool setCurrentFolder(const std::string&) override { return true; }
    void showHistoryItems(const std::vector<HistoryMenuItem>&) override {}
    bool askYesNo(const std::string&) override { return false; }
    // PlaySavePort: the song as played becomes a download named after the song.
    std::optional<std::string> choosePlayedSongFile(const std::string&, const std::string&) override;
    bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) override;
    // PlaybackTimer
    bool start(int, TimerClient& client) override { return timerClient = &client, ++timerStarts, true; }
    void stop() override { timerClient = nullptr; }

    std::map<std::string, FileData> files;  // a file the browser could not read is kept as a read error
    std::optional<std::string> choice;      // the next open dialog's answer
    std::string songName;                   // the file last chosen or dropped, for the download's name

    std::deque<std::string> messages;
    std::string title = "Velmira";
    bool largeView = true;
    bool faceInvalid = true;
    bool tickPosted = false;
    TimerClient* timerClient = nullptr;
    int timerStarts = 0;
    std::optional<KeySignature> keySignature;  // set when the dialog opens
    std::optional<PitchMap> pitchMap;
    std::pair<std::string, std::vector<uint8_t>> saved;  // the last song as played, not yet downloaded

  private:
    std::optional<std::string> takeChoice();
};
