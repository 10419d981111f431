#include "app/FaceControls.h"

#include <utility>

#include "app/FaceLayout.h"
#include "app/MasterVolume.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;

// The tempo buttons step by 10 beats per minute while the tempo is above 20 (down) or below 400 (up), so
// a song's own tempo of 25 can go down to 15 and one of 395 up to 405.
constexpr int lowestSteppableTempo = 20;
constexpr int highestSteppableTempo = 400;
constexpr int tempoStep = 10;

const face::ArrowButton& arrowButton(int pressed) {
    switch (pressed) {
        case FaceState::tempoDown:
            return face::tempoField.down;
        case FaceState::tempoUp:
            return face::tempoField.up;
        case FaceState::transposeDown:
            return face::transposeField.down;
        case FaceState::transposeUp:
            return face::transposeField.up;
        case FaceState::volumeDown:
            return face::volumeField.down;
        default:
            return face::volumeField.up;
    }
}

bool isArrow(int pressed) {
    return pressed >= FaceState::tempoDown && pressed <= FaceState::volumeUp;
}

bool isDownArrow(int button) {
    return button == FaceState::tempoDown || button == FaceState::transposeDown ||
           button == FaceState::volumeDown;
}
}  // namespace

FaceControls::FaceControls(FaceState& face, PlaybackEngine& engine, FaceDrawing& drawing,
                           ToneChangeHook changeChannelTone)
    : face_(face),
      controls_(engine.controls()),
      autoPan_(engine.autoPan()),
      sequencer_(engine.sequencer()),
      player_(engine.player()),
      out_(engine.out()),
      drawing_(drawing),
      changeChannelTone_(std::move(changeChannelTone)) {}

void FaceControls::leftButtonDown(int x, int y) {
    if (!face_.largeView) return;
    if (transportAllowed() && face_.songLoaded && !player_.playing() && face::playHot.contains(x, y))
        player_.startPlayback();
    if (!player_.playing()) return;

    if (face::cellBand.contains(x)) {
        stepCell(x, y, +1);
        return;
    }
    if (face::toneBand.contains(x)) {
        if (const std::optional<int> channel = face::toneRowAt(x, y)) changeChannelTone_(*channel);
        return;
    }
    if (face::toggleBand.contains(x)) {
        switchToggle(x, y);
        return;
    }
    pressArrow(x, y);
    if (transportAllowed() && face::stopHot.contains(x, y)) {
        player_.stopPlayback(Player::userStop);
        return;
    }
    if (transportAllowed() && face::fastForwardHot.contains(x, y) && sequencer_.pressFastForward())
        drawing_.drawSprite(face::fastForwardLit);
}

// The hot rectangles do not overlap one another nor stop and fast forward, so at most one button matches.
void FaceControls::pressArrow(int x, int y) {
    for (int button : {FaceState::volumeDown, FaceState::volumeUp, FaceState::transposeDown,
                       FaceState::transposeUp, FaceState::tempoDown, FaceState::tempoUp}) {
        const face::ArrowButton& arrow = arrowButton(button);
        if (arrow.hot.contains(x, y) && stepArrowField(button)) {
            drawing_.drawSprite(arrow.pressed);
            face_.pressedButton = button;
        }
    }
}

bool FaceControls::stepArrowField(int button) {
    const bool down = isDownArrow(button);
    switch (button) {
        case FaceState::volumeDown:
        case FaceState::volumeUp: {
            if (down ? face_.masterVolume <= minMasterVolume : face_.masterVolume >= maxMasterVolume)
                return false;
            face_.masterVolume += down ? -masterVolumeStep : masterVolumeStep;
            applyMasterVolume(controls_, face_.volumeBase, face_.masterVolume, out_);
            drawing_.drawReadout(FaceDrawing::volumeReadout);
            return true;
        }
        case FaceState::transposeDown:
        case FaceState::transposeUp: {
            const int shift = controls_.keyShift.load(relaxed);
            if (down ? shift <= -LiveControls::maxKeyShift : shift >= LiveControls::maxKeyShift) return false;
            controls_.keyShift.store(shift + (down ? -1 : 1), relaxed);
            // Notes already sounding would otherwise be ended at the new key and hang.
            for (int channel = 0; channel < LiveControls::channelCount; ++channel) allSoundOff(channel);
            drawing_.drawReadout(FaceDrawing::transposeReadout);
            controls_.keyShiftActive.store(true, relaxed);
            return true;
        }
        default: {
            const int tempo = sequencer_.displayTempo();
            if (down ? tempo <= lowestSteppableTempo : tempo >= highestSteppableTempo) return false;
            const int next = tempo + (down ? -tempoStep : tempoStep);
            sequencer_.setDisplayTempo(next);
            sequencer_.setTempo(true, 60000.0 / next);
            drawing_.drawReadout(FaceDrawing::tempoReadout);
            return true;
        }
    }
}

void FaceControls::leftButtonUp() {
    if (isArrow(face_.pressedButton)) {
        releaseArrow();
        return;
    }
    if (sequencer_.fastForwarding()) endFastForward();
}

void FaceControls::mouseMove(int x, int y) {
    if (isArrow(face_.pressedButton) && !arrowButton(face_.pressedButton).hot.contains(x, y)) {
        releaseArrow();
        return;
    }
    if (sequencer_.fastForwarding() && !face::fastForwardHot.contains(x, y)) endFastForward();
}

void FaceControls::releaseArrow() {
    drawing_.drawSprite(arrowButton(face_.pressedButton).released);
    face_.pressedButton = FaceState::noButton;
}

void FaceControls::endFastForward() {
    sequencer_.releaseFastForward();
    drawing_.drawSprite(face::fastForwardNormal);
}

void FaceControls::rightButtonDown(int x, int y) {
    if (face_.largeView && player_.playing() && face::cellBand.contains(x)) stepCell(x, y, -1);
}

void FaceControls::captionDoubleClick() {
    if (!face_.largeView && transportAllowed() && face_.songLoaded && !player_.playing())
        player_.startPlayback();
}

void FaceControls::captionRightButton(bool onCaption) {
    if (onCaption && !face_.largeView && transportAllowed() && player_.playing())
        player_.stopPlayback(Player::userStop);
}

void FaceControls::allSoundOff(int channel) {
    out_.sendShortMessage(midi::statusOf(midi::controlChange, channel), midi::controller::allSoundOff, 0);
}
