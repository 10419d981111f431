#include "app/MainWindowModel.h"

#include "app/DroppedFiles.h"
#include "app/FaceLayout.h"
#include "app/FileMenu.h"
#include "app/GeneratorMenu.h"
#include "app/HotKeys.h"
#include "app/JumpCommands.h"
#include "app/MasterVolume.h"
#include "app/MenuAreaOf.h"
#include "app/Messages.h"
#include "app/MidiOutMenu.h"
#include "app/PlaySaveMenu.h"
#include "app/SongStepMenu.h"
#include "app/ViewMenu.h"
#include "resources/CommandIds.h"
#include "tones/SoundModuleMenu.h"
#include "tones/ToneChanger.h"

namespace {
// "トピックの検索" (57667).
class HelpMenu : public MenuArea {
  public:
    HelpMenu(Dialogs& dialogs, Window& window) : dialogs_(dialogs), window_(window) {}
    bool handles(int id) const override { return id == IDM_HELP_SEARCH; }
    void run(int) override {
        if (!dialogs_.openHelpSearch()) window_.showMessage(helpUnavailableText);
    }
    MenuItemState state(int) const override { return {}; }

  private:
    Dialogs& dialogs_;
    Window& window_;
};
}  // namespace

MainWindowModel::MainWindowModel(WindowPlatform platform, MidiOut& out, PlaybackTimer& timer,
                                 CanvasSource& canvases, ShortMessageFailures& failures)
    : window_(platform.window),
      dialogs_(platform.dialogs),
      failures_(failures),
      engine_(out, timer, platform.window, *this, failures),
      player_(engine_.player()),
      skin_(platform.files, platform.window),
      painter_(skin_.face(), skin_.buttonSheet(), face_, engine_.controls(), engine_.sequencer(), player_,
               canvases),
      controls_(face_, engine_, painter_, [this](int channel) { changeChannelTone(channel); }),
      settings_(platform.settings, platform.files, platform.window),
      history_(settings_.history(), *this),
      songs_(engine_, face_, painter_, history_, settings_, platform.dialogs, platform.files,
             platform.window) {
    Window& window = platform.window;
    areas_.push_back(std::make_unique<FileMenu>(songs_, player_, window));
    areas_.push_back(std::make_unique<MenuAreaOf<SongListMenu>>(
        engine_.selection(), static_cast<SongListMenuHost&>(*this), window));
    const auto loadedPath = [this] { return face_.songLoaded ? songs_.currentPath() : std::string(); };
    areas_.push_back(std::make_unique<MenuAreaOf<SongStepMenu>>(
        engine_.selection(), static_cast<SongListMenuHost&>(*this), window, player_, loadedPath));
    if (platform.songList) {
        auto songListWindow = std::make_unique<MenuAreaOf<SongListWindow>>(
            *platform.songList, engine_.selection(), static_cast<SongListMenuHost&>(*this), player_,
            loadedPath);
        songListWindow_ = songListWindow.get();
        areas_.push_back(std::move(songListWindow));
    }
    if (platform.lyrics) {
        auto lyricsWindow = std::make_unique<MenuAreaOf<LyricsWindow>>(*platform.lyrics, player_,
                                                                       engine_.sequencer().lyrics());
        lyricsWindow_ = lyricsWindow.get();
        areas_.push_back(std::move(lyricsWindow));
        songs_.onEachLoad([this] { lyricsWindow_->menu().reset(); });
    }
    // The opener notes opened files in the same history menu, so the area holds it by reference.
    areas_.push_back(std::make_unique<MenuAreaOf<HistoryMenu&>>(history_));
    areas_.push_back(
        std::make_unique<MenuAreaOf<SettingsMenu>>(platform.settings, settings_.settings(), window));
    areas_.push_back(std::make_unique<ViewMenu>(face_, songs_, window));
    areas_.push_back(std::make_unique<MenuAreaOf<EffectMenu&>>(effectMenu_));
    songs_.onEachLoad([this] { effectMenu_.resetForSong(); });
    areas_.push_back(std::make_unique<GeneratorMenu>(songs_, player_, random_, platform.dialogs,
                                                     platform.clock, platform.files, window));
    areas_.push_back(std::make_unique<JumpCommands>(
        player_, engine_.clock(), face_,
        [this](const EffectTimeQuestion& question) { return dialogs_.askEffectTime(question); }));
    areas_.push_back(
        std::make_unique<HotKeyArea>(controls_, face_, player_, [this](int command) { onCommand(command); }));
    areas_.push_back(std::make_unique<MenuAreaOf<SoundModuleMenu>>(face_.soundModule,
                                                                   [this] { return player_.playing(); }));
    if (platform.pictures) {
        background_ = std::make_unique<BackgroundChange>(platform.dialogs, *platform.pictures, platform.files,
                                                         window, skin_, songs_, settings_);
        areas_.push_back(std::make_unique<BackgroundMenu>(*background_, player_));
    }
    if (platform.midiOut) {
        auto midiOutMenu = std::make_unique<MenuAreaOf<MidiOutMenu>>(
            *platform.midiOut, window, settings_.settings().midiOut, [this] { return player_.playing(); });
        midiOutMenu_ = midiOutMenu.get();
        areas_.push_back(std::move(midiOutMenu));
    }
    if (platform.midiInput) {
        auto midiInputMenu = std::make_unique<MenuAreaOf<MidiInputMenu>>(
            *platform.midiInput, engine_.liveInput(), window, settings_.settings().midiIn);
        midiInputMenu_ = midiInputMenu.get();
        areas_.push_back(std::move(midiInputMenu));
    }
    areas_.push_back(std::make_unique<HelpMenu>(platform.dialogs, window));
    areas_.push_back(std::make_unique<PlaySaveMenu>(engine_, face_, settings_.settings(), platform.dialogs,
                                                    platform.files, window));
}

void MainWindowModel::onTick() {
    const TickUpdate update = player_.onTick();
    painter_.displayTick(update.redraw);
    if (lyricsWindow_) lyricsWindow_->menu().tick();
    if (update.stopped) songListMayHaveChanged();  // loop play has moved on
    reportDeviceFailures();
}

void MainWindowModel::liveMetersTick() {
    if (player_.playing() || !engine_.liveInput().heard()) return;
    TickReport report;
    report.metersLive = true;
    painter_.displayTick(report);
}

void MainWindowModel::reportDeviceFailures() {
    if (showingFailure_) return;
    const std::optional<DeviceError> failure = failures_.takeFailure();
    if (!failure) return;
    showingFailure_ = true;
    window_.showMessage(playbackFailureText(*failure));
    showingFailure_ = false;
}

MenuArea* MainWindowModel::areaFor(int id) const {
    for (const std::unique_ptr<MenuArea>& area : areas_)
        if (area->handles(id)) return area.get();
    return nullptr;
}

bool MainWindowModel::onCommand(int id) {
    MenuArea* area = areaFor(id);
    if (area) area->run(id);
    engine_.effectChanged();  // the effect menu's commands write the settings the live input copies
    songListMayHaveChanged();
    reportDeviceFailures();
    return area != nullptr;
}

MenuItemState MainWindowModel::menuItemState(int id) const {
    const MenuArea* area = areaFor(id);
    return area ? area->state(id) : MenuItemState{};
}

void MainWindowModel::changeChannelTone(int channel) {
    // A channel whose note read-out is still blank has not sounded since playback started.
    const bool sounded = engine_.controls().channelPitchClass[channel].load(std::memory_order_relaxed) !=
                         LiveControls::notSounded;
    ToneChanger(engine_.tones(), engine_.out(), dialogs_)
        .changeChannelTone(channel, face_.soundModule, engine_.sequencer().gmSystemOnSeen(), sounded);
}

void MainWindowModel::leftButtonDown(int x, int y) {
    if (face_.largeView && face::timeReadoutHot.contains(x, y) && player_.playing())
        onCommand(IDM_JUMP_TO);
    else
        controls_.leftButtonDown(x, y);
    reportDeviceFailures();  // a face control may just have sent to a lost device
}

void MainWindowModel::leftButtonUp() {
    controls_.leftButtonUp();
    reportDeviceFailures();
}

void MainWindowModel::mouseMove(int x, int y) {
    controls_.mouseMove(x, y);
    reportDeviceFailures();
}

void MainWindowModel::rightButtonDown(int x, int y) {
    controls_.rightButtonDown(x, y);
    reportDeviceFailures();
}

void MainWindowModel::captionDoubleClick() {
    controls_.captionDoubleClick();
    reportDeviceFailures();
}

void MainWindowModel::captionRightButton(bool onCaption) {
    controls_.captionRightButton(onCaption);
    reportDeviceFailures();
}

bool MainWindowModel::holdsMouse() const {
    return face_.pressedButton != FaceState::noButton || engine_.sequencer().fastForwarding();
}

void MainWindowModel::openStartSong(const std::string& path, bool play) {
    if (songs_.openStartFile(path) && play) player_.startPlayback();
    songListMayHaveChanged();
    reportDeviceFailures();
}

void MainWindowModel::dropFiles(const std::vector<std::string>& paths) {
    const DroppedFiles drop = sortDroppedFiles(paths, player_.playing());
    if (drop.opened.empty()) return;
    songs_.openPickedFile(drop.opened);
    for (const std::string& path : drop.joining) engine_.selection().songs.append(path);
    songListMayHaveChanged();
    reportDeviceFailures();
}

bool MainWindowModel::prepareToClose() {
    if (player_.playing()) player_.stopPlayback(Player::userStop);
    // Before the settings are kept: a face saved now is the one they name.
    if (background_) background_->offerToSave();
    return true;
}

void MainWindowModel::loadSettings() {
    settings_.load(face_, skin_);
    for (const std::string& path : settings_.settings().songList) engine_.selection().songs.append(path);
    if (midiInputMenu_) midiInputMenu_->menu().restore();
    if (midiOutMenu_) midiOutMenu_->menu().start();
}

void MainWindowModel::midiInputsChanged() {
    if (midiInputMenu_) midiInputMenu_->menu().devicesChanged();
}

void MainWindowModel::onDestroy() {
    if (player_.playing()) player_.stopPlayback(Player::userStop);
    if (midiInputMenu_) midiInputMenu_->menu().close();
    settings_.save(face_, skin_);
}

PlayingSettings MainWindowModel::playingSettings() const {
    const LiveControls& controls = engine_.controls();
    return {face_.songLoaded ? songs_.currentPath() : std::string(),
            controls.keyShift.load(std::memory_order_relaxed), engine_.effect(), face_.masterVolume,
            face_.channelCells};
}

void MainWindowModel::restorePlaying(const PlayingSettings& playing) {
    if (!face_.songLoaded || player_.playing()) return;
    engine_.effect() = playing.effect;
    engine_.effectChanged();
    LiveControls& controls = engine_.controls();
    controls.keyShift.store(playing.transpose, std::memory_order_relaxed);
    controls.keyShiftActive.store(playing.transpose != 0, std::memory_order_relaxed);
    // The cells first: the master volume scales the volume cells' values.
    for (int channel = 0; channel < FaceState::channelCount; ++channel)
        for (int column = 0; column < FaceState::cellColumns; ++column)
            if (face_.channelCells[channel][column] != playing.cells[channel][column])
                controls_.setCell(channel, column, playing.cells[channel][column]);
    if (playing.masterVolume != face_.masterVolume) {
        face_.masterVolume = playing.masterVolume;
        applyMasterVolume(controls, face_.volumeBase, face_.masterVolume, engine_.out());
    }
    painter_.drawReadout(FaceDrawing::allReadouts);
}

int MainWindowModel::songListAction(SongListWindow::Action action, int row) {
    if (!songListWindow_) return -1;
    const int selected = songListWindow_->menu().act(action, row);
    songListMayHaveChanged();
    reportDeviceFailures();
    return selected;
}

void MainWindowModel::songListMayHaveChanged() {
    if (songListWindow_) songListWindow_->menu().refresh();
    const SongList& songs = engine_.selection().songs;
    std::vector<std::string> paths;
    for (int entry = 0; entry < songs.count(); ++entry) paths.push_back(songs.at(entry));
    settings_.keepSongList(std::move(paths));
}

void MainWindowModel::resetForPlayback() {
    painter_.resetMeters();
    face_.pressedButton = FaceState::noButton;
}

void MainWindowModel::drawPlayButton(bool lit) {
    painter_.drawSprite(lit ? face::playLit : face::playNormal);
}

void MainWindowModel::drawFastForwardButton(bool lit) {
    painter_.drawSprite(lit ? face::fastForwardLit : face::fastForwardNormal);
}

void MainWindowModel::blankMetersAndLamps() {
    painter_.blankMetersAndLamps();
    if (lyricsWindow_) lyricsWindow_->menu().reset();
}

void MainWindowModel::timerFailed() {
    window_.showMessage(timerRefusedText);
    window_.postClose();
}
