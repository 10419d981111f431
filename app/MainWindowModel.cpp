#include "app/MainWindowModel.h"

#include "app/BackgroundMenu.h"
#include "app/ChoiceChecks.h"
#include "app/DeviceMessages.h"
#include "app/FileMenu.h"
#include "app/HelpMenu.h"
#include "app/PlayModeMenu.h"
#include "app/ViewMenu.h"

MainWindowModel::MainWindowModel(PlatformPorts ports, MidiOut& out, PlaybackTimer& timer, TickPoster& ticks,
                                 CanvasSource& canvases, ShortMessageFailures& failures)
    : ports_(ports),
      failures_(failures),
      engine_(out, timer, ticks, *this, failures),
      skin_(ports.files, ports.window),
      painter_(skin_.face(), skin_.buttonSheet(), face_, engine_.controls(), engine_.sequencer(),
               engine_.player(), canvases),
      controls_(face_, engine_, painter_, [](int) {}),
      songs_(ports, engine_, face_, painter_) {
    areas_.push_back(std::make_unique<FileMenu>(songs_, engine_.player(), ports.window));
    areas_.push_back(std::make_unique<PlayModeMenu>(engine_.player(), ports.window));
    areas_.push_back(std::make_unique<ViewMenu>(face_, songs_, ports.window));
    areas_.push_back(std::make_unique<ChoiceChecks>(engine_.effect(), face_));
    if (ports.background) {
        background_ =
            std::make_unique<BackgroundChange>(*ports.background, skin_, ports.files, ports.window, songs_);
        areas_.push_back(std::make_unique<BackgroundMenu>(*background_, engine_.player()));
    }
    if (ports.help) areas_.push_back(std::make_unique<HelpMenu>(*ports.help, ports.window));
}

void MainWindowModel::onTick() {
    const TickUpdate update = engine_.player().onTick();
    painter_.displayTick(update.redraw);
    reportDeviceFailures();
}

void MainWindowModel::reportDeviceFailures() {
    if (showingFailure_) return;
    const std::optional<DeviceError> failure = failures_.takeFailure();
    if (!failure) return;
    showingFailure_ = true;
    ports_.window.showMessage(playbackFailureText(*failure));
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
    reportDeviceFailures();
    return area != nullptr;
}

MenuItemState MainWindowModel::menuItemState(int id) const {
    const MenuArea* area = areaFor(id);
    return area ? area->state(id) : MenuItemState{};
}

bool MainWindowModel::afterFaceControl(bool passOn) {
    reportDeviceFailures();  // a face control may just have sent to a lost device
    return passOn;
}

bool MainWindowModel::leftButtonDown(int x, int y) {
    return afterFaceControl(controls_.leftButtonDown(x, y));
}

bool MainWindowModel::leftButtonUp() {
    return afterFaceControl(controls_.leftButtonUp());
}

bool MainWindowModel::mouseMove(int x, int y) {
    return afterFaceControl(controls_.mouseMove(x, y));
}

bool MainWindowModel::rightButtonDown(int x, int y) {
    return afterFaceControl(controls_.rightButtonDown(x, y));
}

bool MainWindowModel::captionDoubleClick() {
    return afterFaceControl(controls_.captionDoubleClick());
}

bool MainWindowModel::captionRightButton(bool onCaption) {
    return afterFaceControl(controls_.captionRightButton(onCaption));
}

bool MainWindowModel::holdsMouse() const {
    return face_.pressedButton != FaceState::noButton || engine_.sequencer().fastForwarding();
}

bool MainWindowModel::prepareToClose() {
    onDestroy();
    if (background_) background_->offerToSave();
    return true;
}

void MainWindowModel::onDestroy() {
    if (engine_.player().playing()) engine_.player().stopPlayback(Player::userStop);
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
}

void MainWindowModel::timerFailed() {
    ports_.window.showMessage("タイマーを起動できませんでした");
    ports_.window.postClose();
}
