#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/DibCanvas.h"
#include "app/MainWindowModel.h"
#include "platform/MemoryFiles.h"
#include "tests/support/MemorySettingsStore.h"
#include "tests/support/Steps.h"

// The main window's platform as the tests script it: what the window is told (messages, titles, questions,
// the cursor, repaints) is recorded, files lie in memory, every dialog gives the answer the test set, and
// the face is painted into a picture in memory.
class ScriptedPlatform : public MemoryFiles, public Window, public Dialogs, public Clock, public Pictures {
  public:
    ScriptedPlatform() { folders = {folder = "C:\\start"}; }
    ScriptedPlatform(const ScriptedPlatform&) = delete;  // the canvases draw on this one's screen
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    WindowPlatform platform() {
        return {*this, *this, *this, *this, store, this, nullptr, &inputs, &songList, &lyrics};
    }
    // Button.bmp, Mask.bmp and Main.bmp of the sizes the skin asks for.
    void addSkinFiles();

    // Window
    void showMessage(const std::string& text) override {
        messages.push_back(text);
        if (whileShowing) whileShowing();
    }
    void setTitle(const std::string& text) override;
    void setWaitCursor(bool waiting) override { waitCursor = waiting, waitCursorShows += waiting; }
    void postClose() override { ++closeRequests; }
    void enableCloseCommand(bool) override {}
    void resizeForView(bool large) override { largeView = large; }
    void invalidateFace() override { ++faceInvalidations; }
    void invalidate(const face::Rect&) override {}
    void showHistoryItems(const std::vector<HistoryMenuItem>& items) override { historyItems = items; }
    bool askYesNo(const std::string& question) override {
        questions.push_back(question);
        if (whileAsking) whileAsking();
        return answerYes;
    }
    void postTick() override {}
    // Dialogs; the effect and tone dialogs' own answers are their tests' to make.
    std::optional<std::string> chooseSongFile(const std::string&, const std::string&) override {
        return nextChoice;
    }
    std::optional<std::string> choosePicture(const std::string& folder) override;
    std::optional<std::string> chooseSourceFile(const std::string& filter) override {
        sourceFilters.push_back(filter);
        return nextChoice;
    }
    std::optional<std::string> chooseFileToSave(const std::string& folder, const std::string&,
                                                const std::string&) override {
        saveFolders.push_back(folder);
        return saveChoice;
    }
    bool openHelpSearch() override { return false; }
    void showRefusal(EffectTimeRefusal) override {}
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion&) override { return std::nullopt; }
    void openKeySignatureDialog(const KeySignature&) override {}
    void openPitchDialog(const PitchMap&) override {}
    void runToneDialog(ToneDialogModel&) override {}
    // Clock, Pictures
    uint32_t clockSeconds() override { return clock; }
    PluginResult decodeWithPlugins(const std::string&, const std::string&, DibImage&) override {
        return pluginResult;
    }

    MemorySettingsStore store;
    DibImage screen = DibImage::create24(788, 540);
    DibCanvasSource canvases{screen};

    // What the window was told.
    Lines messages;
    std::string title = "Velmira";
    bool waitCursor = false;
    int waitCursorShows = 0;
    std::function<void()> whileShowing;  // what happens behind a message box (the timer ticks on)
    int closeRequests = 0;
    int faceInvalidations = 0;
    bool largeView = true;
    std::vector<HistoryMenuItem> historyItems;

    // The open dialogs: both answer nextChoice; the source dialog's filters, in turn.
    std::optional<std::string> nextChoice;
    Lines sourceFilters;
    uint32_t clock = 0;

    // Every Yes/No question, from the settings or the background, is answered answerYes.
    Lines questions;
    bool answerYes = true;
    std::function<void()> whileAsking;  // what the test looks at while a question is open

    // The background: the pictures chosen in turn (none once they run out), what the plug-ins answer.
    std::deque<std::optional<std::string>> pictureChoices;
    Lines pictureFolders;
    PluginResult pluginResult;
    std::optional<std::string> saveChoice;  // the save dialogs, of the face and of the played song
    Lines saveFolders;

    // The keyboards, of which one will not open.
    struct Inputs : MidiInputPort {
        std::vector<std::string> inputDeviceNames() override { return names; }
        std::optional<std::string> openInput(int device, MidiInputSink&) override {
            opened.push_back(device);
            if (names[size_t(device)] == "broken") return std::string("busy");
            return std::nullopt;
        }
        void closeInput() override { ++closed; }
        void showInputItems(const std::vector<std::string>& items) override { shown = items; }

        Lines names = {"Keys A", "broken", "Keys B"}, shown;
        std::vector<int> opened;
        int closed = 0;
    } inputs;
    // The song list's window: what it shows, and how often it was opened.
    struct SongListShown : SongListWindowPort {
        void openSongListWindow(const SongListView& view) override { shown = view, ++opens; }
        void showSongList(const SongListView& view) override { shown = view; }

        SongListView shown;
        int opens = 0;
    } songList;
    // The lyrics window: whether it is shown, the line it shows and how often it was told.
    struct LyricsShown : LyricsWindowPort {
        void showLyricsWindow(bool show) override { shown = show; }
        bool lyricsWindowShown() const override { return shown; }
        void showLyrics(const LyricMoment& moment) override { line = moment.line, ++shows; }
        bool shown = false;
        std::string line = "-";
        int shows = 0;
    } lyrics;
};
