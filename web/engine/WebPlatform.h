#pragma once
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/FlatSettingsStore.h"
#include "app/MainWindowModel.h"
#include "platform/MemoryFiles.h"
#include "playback/PlaybackTimer.h"
#include "playback/Sequencer.h"

// The main window's platform in a web page. The page cannot answer a call of the engine while it runs, so
// everything the engine tells the window is kept here until the page asks for it (messages, the title,
// repaints, the song as played), and every answer the engine asks for was given beforehand (the file the
// user picked or dropped, which the page has put into the in-memory files). The timer fires only when the
// page steps it, from its audio clock.
class WebPlatform : public MemoryFiles,
                    public Window,
                    public Dialogs,
                    public FlatSettingsStore,
                    public PlaybackTimer,
                    public MidiInputPort,
                    public SongListWindowPort,
                    public LyricsWindowPort,
                    public Pictures {
  public:
    WindowPlatform platform() { return {*this, *this, *this, clock, *this, this, nullptr, this, this, this}; }

    // Window
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setTitle(const std::string& text) override { title = text; }
    void setWaitCursor(bool) override {}
    // The page closes by loading itself again (after "レジストリを削除して終了").
    void postClose() override { closeRequested = true; }
    void enableCloseCommand(bool) override {}
    void resizeForView(bool large) override { largeView = large; }
    void invalidateFace() override { faceInvalid = true; }
    void invalidate(const face::Rect&) override { faceInvalid = true; }
    // Dialogs: the file the page chose before it ran the command.
    std::optional<std::string> chooseSongFile(const std::string&, const std::string&) override {
        return takeChoice();
    }
    std::optional<std::string> chooseSourceFile(const std::string&) override { return takeChoice(); }
    // "背景画変更": the picture the page chose (its file, and its pixels where the browser decoded them).
    std::optional<std::string> choosePicture(const std::string&) override;
    // Pictures: what the browser decoded stands in for the plug-ins.
    PluginResult decodeWithPlugins(const std::string& path, const std::string&, DibImage& picture) override;
    // The help opens in a tab of the browser when the page next looks.
    bool openHelpSearch() override { return helpOpening = true; }
    // The page cannot hold the engine's call while the user chooses: the dialog's rules are kept, and the
    // call returns as if the dialog had closed (the window then cancels its own copy, which has done
    // nothing).
    void runToneDialog(ToneDialogModel& dialog) override { toneDialog.emplace(dialog); }
    // SongListWindowPort: the rows the page's list shows next, and whether the user asked to see it.
    void openSongListWindow(const SongListView& view) override { songList = view, songListOpening = true; }
    void showSongList(const SongListView& view) override { songList = view; }
    // LyricsWindowPort: the page's lyrics panel, drawn afresh when the page next looks.
    void showLyricsWindow(bool shown) override { lyricsShown = shown, lyricsChanged = true; }
    bool lyricsWindowShown() const override { return lyricsShown; }
    void showLyrics(const LyricMoment& moment) override { lyrics = moment, lyricsChanged = true; }
    // Window: the timer's tick.
    void postTick() override { tickPosted = true; }
    // The effect time is asked in the page's own modal prompt.
    void showRefusal(EffectTimeRefusal refusal) override;
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion& question) override;
    void openKeySignatureDialog(const KeySignature& initial) override { keySignature = initial; }
    void openPitchDialog(const PitchMap& initial) override { pitchMap = initial; }
    void showHistoryItems(const std::vector<HistoryMenuItem>& items) override { historyItems = items; }
    // Window: the browser's own confirmation.
    bool askYesNo(const std::string& question) override;
    // "演奏を保存": the song as played becomes a download named after the song. A saved face takes the
    // place of the page's own face file and is kept in the browser's storage for the next visits.
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&,
                                                const std::string&) override;
    // Files: the page's files (a file the browser could not read is kept as a read error), the skin among
    // them under its plain names; the song as played is kept aside for its download, a saved face for the
    // page to keep.
    bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) override;
    // MidiInputPort: the browser's MIDI inputs the page listed; the page hands the open one's messages to
    // inputSink.
    std::vector<std::string> inputDeviceNames() override { return inputNames; }
    std::optional<std::string> openInput(int device, MidiInputSink& sink) override {
        return openedInput = device, inputSink = &sink, std::nullopt;
    }
    void closeInput() override { openedInput = -1, inputSink = nullptr; }
    void showInputItems(const std::vector<std::string>&) override {}
    // PlaybackTimer
    bool start(int, TimerClient& client) override { return timerClient = &client, ++timerStarts, true; }
    void stop() override { timerClient = nullptr; }

    SystemClock clock;
    std::optional<std::string> choice;  // the next open dialog's answer
    std::string songName;               // the file last chosen or dropped, for the download's name

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
    std::vector<HistoryMenuItem> historyItems;
    std::vector<std::string> inputNames;
    int openedInput = -1;
    MidiInputSink* inputSink = nullptr;
    bool closeRequested = false;
    std::optional<ToneDialogModel> toneDialog;  // while the tone dialog is open
    SongListView songList;
    bool songListOpening = false;
    LyricMoment lyrics;
    bool lyricsShown = false;
    bool lyricsChanged = false;
    bool helpOpening = false;
    struct DecodedPicture {
        PluginResult result;
        DibImage picture;
    };
    std::map<std::string, DecodedPicture> decodedPictures;  // by file name
    std::vector<uint8_t> keptFace;                          // a face saved since the page last kept one

  private:
    // FlatSettingsStore: the browser's local storage, under the entries' own names.
    bool kept(const std::string& entryName, const std::string* text) override;
    std::optional<std::string> takeChoice();
};
