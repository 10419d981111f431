#pragma once
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/BackgroundPort.h"
#include "app/DibCanvas.h"
#include "app/PlatformPorts.h"
#include "app/PlaySaveMenu.h"
#include "app/SettingsMenu.h"
#include "app/SettingsPort.h"
#include "playback/Sequencer.h"
#include "tests/support/MemorySettingsStore.h"

// The main window's platform as the tests script it: what the window is told (messages, titles, questions,
// the cursor, repaints) is recorded, files lie in memory, every dialog gives the answer the test set, and
// the face is painted into a picture in memory. It also stands in for the window as the settings menu's
// host.
class ScriptedPlatform : public WindowPort,
                         public FilePort,
                         public DialogPort,
                         public TickPoster,
                         public EffectDialogPort,
                         public SettingsPort,
                         public GeneratorPort,
                         public BackgroundPort,
                         public PlaySavePort,
                         public SettingsMenuHost {
  public:
    using Lines = std::vector<std::string>;
    // The ports a window may go without; a test names those its window gets.
    enum Optional { generators, background, playSave };

    ScriptedPlatform() = default;
    ScriptedPlatform(const ScriptedPlatform&) = delete;  // the canvases draw on this one's screen
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    PlatformPorts ports(std::initializer_list<Optional> optional = {});
    void addFile(const std::string& path, std::vector<uint8_t> bytes) {
        files[path] = {FileData::ok, std::move(bytes)};
    }
    // Button.bmp, Mask.bmp and Main.bmp of the sizes the skin asks for.
    void addSkinFiles();

    // WindowPort
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setTitle(const std::string& text) override { title = text; }
    void setWaitCursor(bool waiting) override { waitCursor = waiting; }
    void postClose() override { ++closeRequests; }
    void resizeForView(bool) override {}
    void invalidateFace() override { ++faceInvalidations; }
    void invalidate(const face::Rect&) override {}
    // FilePort, DialogPort, TickPoster
    // A file longer than the limit is refused as the Windows half refuses it, unread.
    FileData readFile(const std::string& path, uint64_t limit) override {
        if (!files.count(path)) return FileData{};
        const FileData& file = files.at(path);
        if (file.status == FileData::ok && file.bytes.size() > limit) return {FileData::tooLarge, {}};
        return file;
    }
    FileStream openFile(const std::string& path) override;
    std::optional<std::string> findSkinFile(const std::string& name) override {
        return files.count(name) ? std::optional<std::string>(name) : std::nullopt;
    }
    std::optional<std::string> chooseSongFile(const std::string&, const std::string&) override {
        return nextChoice;
    }
    void postTick() override {}
    // EffectDialogPort: the dialogs' own answers are the effect tests' to make.
    void showRefusal(EffectTimeRefusal) override {}
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion&) override { return std::nullopt; }
    void openKeySignatureDialog(const KeySignature&) override {}
    void openPitchDialog(const PitchMap&) override {}
    void enableCloseCommand(bool) override {}
    // SettingsPort
    std::string currentFolder() override { return folder; }
    bool setCurrentFolder(const std::string& to) override;
    void showHistoryItems(const std::vector<HistoryMenuItem>& items) override { historyItems = items; }
    bool askYesNo(const std::string& question) override {
        questions.push_back(question);
        if (whileAsking) whileAsking();
        return answerYes;
    }
    // GeneratorPort
    std::optional<std::string> chooseSourceFile(const std::string& filter) override {
        sourceFilters.push_back(filter);
        return nextChoice;
    }
    uint32_t clockSeconds() override { return clock; }
    // BackgroundPort
    std::optional<std::string> chooseBackgroundPicture(const std::string& folder) override;
    PluginResult decodeWithPlugins(const std::string& path, const std::string& extension,
                                   DibImage& picture) override;
    void showConversionProgress(const std::string& text) override;
    std::optional<std::string> chooseFaceFileToSave(const std::string& folder,
                                                    const std::string& filter) override;
    // Also PlaySavePort's.
    bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) override;
    // PlaySavePort: answered as the face's save dialog is.
    std::optional<std::string> choosePlayedSongFile(const std::string& folder,
                                                    const std::string& filter) override {
        return chooseFaceFileToSave(folder, filter);
    }

    MemorySettingsStore store;
    std::map<std::string, FileData> files;
    DibImage screen = DibImage::create24(788, 540);
    DibCanvasSource canvases{screen};

    // What the window was told.
    Lines messages;
    std::string title = "Velmira";
    bool waitCursor = false;
    int closeRequests = 0;
    int faceInvalidations = 0;
    std::vector<HistoryMenuItem> historyItems;

    // The open dialogs: both answer nextChoice; the source dialog's filters, in turn.
    std::optional<std::string> nextChoice;
    Lines sourceFilters;
    uint32_t clock = 0;

    // Only the folders listed can be made current.
    std::string folder = "C:\\start";
    std::set<std::string> folders = {"C:\\start"};

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
    bool writeSucceeds = true;
};
