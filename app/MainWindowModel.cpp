#include "app/MainWindowModel.h"

#include <cstdio>
#include <sstream>

#include "app/CommandIds.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
const char* const midiFileFilter = "ＭＩＤＩファイル(*.mid)|*.mid|";
const char* const defaultBackground = "Main.bmp";
}  // namespace

MainWindowModel::MainWindowModel(WindowPort& port, MidiOut& out, PlaybackTimer& timer, TickPoster& ticks,
                                 CanvasSource& canvases, ShortMessageFailures& failures)
    : port_(port),
      out_(out),
      failures_(failures),
      sequencer_(song_, out, filter_, liveControls_, ticks),
      filter_(out, liveControls_, effect_, tones_, sequencer_.playSeconds()),
      player_(song_, sequencer_, out, timer, *this, failures),
      painter_(faceImage_, buttonSheet_, face_, liveControls_, sequencer_, player_, canvases),
      controls_(face_, liveControls_, sequencer_, player_, song_, out, painter_, [](int, int) {}) {}

MainWindowModel::SkinRead MainWindowModel::readSkinPicture(const std::string& name,
                                                           bool (*reader)(std::istream&, DibImage&),
                                                           DibImage& into) {
    const std::optional<std::string> path = port_.findSkinFile(name);
    if (!path) return SkinRead::notFound;
    FileData file = port_.readFile(*path);
    if (file.status == FileData::notFound) return SkinRead::notFound;
    std::istringstream bytes(std::string(file.bytes.begin(), file.bytes.end()));
    if (file.status != FileData::ok || !reader(bytes, into)) return SkinRead::unreadable;
    return SkinRead::ok;
}

bool MainWindowModel::loadSprites() {
    switch (readSkinPicture("Button.bmp", readButtonBmp, buttonSheet_)) {
        case SkinRead::notFound:
            port_.showMessage("Ｂｕｔｔｏｎ．ｂｍｐが見つかりません");
            return false;
        case SkinRead::unreadable:
            port_.showMessage("Ｂｕｔｔｏｎ．ｂｍｐ読み込みエラー");
            return false;
        case SkinRead::ok:
            break;
    }
    DibImage mask;
    switch (readSkinPicture("Mask.bmp", readFaceBmp, mask)) {
        case SkinRead::notFound:
            port_.showMessage("Ｍａｓｋ．ｂｍｐが見つかりません");
            return false;
        case SkinRead::unreadable:
            port_.showMessage("Ｍａｓｋ．ｂｍｐ読み込みエラー");
            return false;
        case SkinRead::ok:
            break;
    }
    maskGrid_ = makeMaskGrid(mask);
    if (!maskGrid_) {
        port_.showMessage("Ｍａｓｋ．ｂｍｐ読み込みエラー");
        return false;
    }
    return true;
}

bool MainWindowModel::loadFace() {
    SkinRead read = readSkinPicture(backgroundPath_, readFaceBmp, faceImage_);
    if (read == SkinRead::notFound) {
        port_.showMessage(backgroundPath_ + " が見つかりません\n初期の画像に戻します");
    } else if (read == SkinRead::unreadable && backgroundPath_ != defaultBackground) {
        // A chosen background that has become unreadable would otherwise end every later start, since
        // the setting keeps naming it: it is treated like a missing one.
        port_.showMessage("背景画像の読み込みに失敗しました");
    }
    if (read != SkinRead::ok && backgroundPath_ != defaultBackground) {
        backgroundPath_ = defaultBackground;
        read = readSkinPicture(backgroundPath_, readFaceBmp, faceImage_);
    }
    if (read == SkinRead::notFound) {
        port_.showMessage(backgroundPath_ + " が見つかりません。終了します");
        return false;
    }
    if (read == SkinRead::unreadable) {
        port_.showMessage("背景画像の読み込みに失敗しました");
        return false;
    }
    return true;
}

std::string MainWindowModel::windowTitle() const {
    if (!face_.songLoaded) return programTitle;
    return face_.largeView ? currentPath_ + detailsText_ : currentPath_;
}

void MainWindowModel::openSong(bool prebuilt) {
    const std::string remembered = face_.songLoaded ? currentPath_ : std::string();
    auto cancel = [&] {
        if (face_.songLoaded) currentPath_ = remembered;
    };

    FileData file;
    if (!prebuilt) {
        std::string path;
        if (player_.songListMode != Player::noSongList) {
            path = songList_.at(songList_.index);
        } else {
            currentPath_.clear();
            const std::optional<std::string> chosen = port_.chooseSongFile(midiFileFilter);
            if (!chosen || chosen->empty()) return cancel();
            songList_.append(*chosen);
            path = *chosen;
        }
        currentPath_ = path;
        port_.setWaitCursor(true);
        file = port_.readFile(path);
        if (file.status != FileData::ok) {
            port_.setWaitCursor(false);
            port_.showMessage(file.status == FileData::notFound ? "ファイルが見つかりません"
                                                                : "File Read Error");
            return cancel();
        }
        player_.loadSong(std::move(file.bytes));
    } else {
        port_.setWaitCursor(true);
        player_.loadSong(song_.image());
    }

    resetSongSettings();
    if (!prebuilt) {
        char details[256];
        std::snprintf(details, sizeof details, "  (%ld バイト:フォーマット=%d:トラック数=%d)",
                      long(song_.size()), song_.songFormat(), song_.trackCount());
        detailsText_ = details;
    }
    resetChannelState();
    face_.songLoaded = true;
    if (!prebuilt) port_.setTitle(windowTitle());
    port_.setWaitCursor(false);
}

void MainWindowModel::resetSongSettings() {
    liveControls_.keyShift.store(0, relaxed);
    liveControls_.keyShiftActive.store(false, relaxed);
    face_.masterVolume = 100;
    liveControls_.volumeAllFixed.store(false, relaxed);
    painter_.drawReadout(FaceDrawing::allReadouts);
    effect_.resetForSong();
    effectCheckMask_ = effectNoneBit;
    for (int channel = 0; channel < LiveControls::channelCount; ++channel) {
        liveControls_.volumeValue[channel].store(100, relaxed);
        face_.volumeBase[size_t(channel)] = 100;
    }
}

void MainWindowModel::resetChannelState() {
    for (int channel = 0; channel < FaceState::channelCount; ++channel)
        for (int toggle = 0; toggle < FaceState::toggleColumns; ++toggle)
            if (face_.channelToggles[size_t(channel)][size_t(toggle)]) {
                face_.channelToggles[size_t(channel)][size_t(toggle)] = false;
                painter_.drawToggle(channel, toggle);
            }
    for (int channel = 0; channel < FaceState::channelCount; ++channel)
        liveControls_.channelMuted[channel].store(false, relaxed);
    liveControls_.soloChannel.store(LiveControls::noChannel, relaxed);
    liveControls_.octaveDoubleChannel.store(LiveControls::noChannel, relaxed);
    liveControls_.autoPanChannel.store(LiveControls::noChannel, relaxed);
    tones_.reset();

    for (int channel = 0; channel < FaceState::channelCount; ++channel) {
        liveControls_.modulationFixed[channel].store(false, relaxed);
        liveControls_.chorusFixed[channel].store(false, relaxed);
        liveControls_.volumeFixed[channel].store(false, relaxed);
        liveControls_.reverbFixed[channel].store(false, relaxed);
        auto& cells = face_.channelCells[size_t(channel)];
        const uint8_t control = uint8_t(0xB0 | channel);
        auto resetCell = [&](int column, int value) {
            if (cells[size_t(column)] == value) return false;
            cells[size_t(column)] = value;
            return true;
        };
        if (resetCell(FaceState::volumeCell, 10)) painter_.drawCell(channel, FaceState::volumeCell);
        if (resetCell(FaceState::reverbCell, 0)) {
            out_.sendShortMessage(control, 91, 40);
            painter_.drawCell(channel, FaceState::reverbCell);
        }
        if (resetCell(FaceState::chorusCell, 0)) {
            out_.sendShortMessage(control, 93, 0);
            painter_.drawCell(channel, FaceState::chorusCell);
        }
        if (resetCell(FaceState::modulationCell, 0)) painter_.drawCell(channel, FaceState::modulationCell);
        if (resetCell(FaceState::autoPanCell, 0)) {
            liveControls_.autoPanSpeed[channel].store(0, relaxed);
            out_.sendShortMessage(control, 10, 64);
            painter_.drawCell(channel, FaceState::autoPanCell);
        }
    }
}

void MainWindowModel::onTick() {
    const TickUpdate update = player_.onTick();
    painter_.displayTick(update.redraw);
    reportDeviceFailures();
}

void MainWindowModel::reportDeviceFailures() {
    if (showingFailure_) return;
    const std::string failure = failures_.takeMessage();
    if (failure.empty()) return;
    showingFailure_ = true;
    port_.showMessage(failure);
    showingFailure_ = false;
}

bool MainWindowModel::onCommand(int id) {
    const bool known = runCommand(id);
    reportDeviceFailures();
    return known;
}

bool MainWindowModel::runCommand(int id) {
    switch (id) {
        case IDM_FILE_OPEN:
            if (player_.playing()) return true;
            historySelection_ = -1;
            openSong(false);
            return true;
        case IDM_APP_EXIT:
            port_.postClose();
            return true;
        case IDM_PLAY_ONCE:
            if (player_.songListMode == Player::loopSongs)
                port_.showMessage("循環再生中は使用できません");
            else
                player_.playOnce = !player_.playOnce;
            return true;
        case IDM_LARGE_VIEW:
            toggleView();
            return true;
        default:
            return false;
    }
}

MainWindowModel::MenuItemState MainWindowModel::menuItemState(int id) const {
    MenuItemState state;
    switch (id) {
        case IDM_PLAY_ONCE:
            state.checked = player_.playOnce;
            break;
        case IDM_LARGE_VIEW:
            state.checked = face_.largeView;
            break;
        case IDM_EFFECT_NONE:
            state.checked = effectCheckMask_ & effectNoneBit;
            break;
        case IDM_MODULE_SC88:
            state.checked = face_.soundModule == FaceState::sc88;
            break;
        case IDM_MODULE_SC55:
            state.checked = face_.soundModule == FaceState::sc55;
            break;
        case IDM_MODULE_SB16:
            state.checked = face_.soundModule == FaceState::sb16;
            break;
        case IDM_HISTORY_CLEAR:
            state.enabled = false;
            break;  // the history is empty
        default:
            break;
    }
    return state;
}

void MainWindowModel::toggleView() {
    face_.largeView = !face_.largeView;
    port_.resizeForView(face_.largeView);
    if (face_.songLoaded) port_.setTitle(windowTitle());
    if (face_.largeView) port_.invalidateFace();
}

bool MainWindowModel::prepareToClose() {
    if (player_.playing()) player_.stopPlayback(Player::userStop);
    return true;
}

void MainWindowModel::resetForPlayback() {
    filter_.resetForPlayback();
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
}

void MainWindowModel::timerFailed() {
    port_.showMessage("タイマーを起動できませんでした");
    port_.postClose();
}

void MainWindowModel::openNextSongListEntry() {
    if (songList_.count() == 0) return;
    songList_.index = (songList_.index + 1) % songList_.count();
    openSong(false);
}
