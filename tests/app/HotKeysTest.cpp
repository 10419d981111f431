// The hot keys: each does what a click on its face button does, and none works beside an effect dialog.
#include "app/HotKeys.h"
#include "tests/app/FaceControlsFixture.h"

namespace {
// One face with its player, driven either by keys or by clicks, so the two can be compared.
class FacePanel : public FaceControlsTest {
  public:
    void TestBody() override {}
    FaceAction press(HotKey key) { return pressHotKey(key, controls, face, rig.player.playing()); }
    void clickAndRelease(const face::Rect& button) {
        click(button);
        controls.leftButtonUp();
    }
    // Everything a control can change or send.
    std::string outcome() const {
        std::string text = "playing " + std::to_string(rig.player.playing()) + ", volume " +
                           std::to_string(face.masterVolume) + ", shift " +
                           std::to_string(rig.controls.keyShift.load()) + ", tempo " +
                           std::to_string(rig.sequencer.displayTempo()) + ", pressed " +
                           std::to_string(face.pressedButton) + "\n";
        for (const std::string& line : sent()) text += line + "\n";
        for (const std::string& request : drawing.requests) text += request + "\n";
        return text;
    }
};
}  // namespace

TEST(HotKeysTest, EachArrowKeyDoesWhatItsFaceButtonDoesIncludingItsLimits) {
    const struct {
        HotKey key;
        FaceAction action;
        face::Rect button;
    } arrowKeys[] = {
        {HotKey::up, FaceAction::transposeUp, face::transposeField.up.hot},
        {HotKey::down, FaceAction::transposeDown, face::transposeField.down.hot},
        {HotKey::left, FaceAction::tempoDown, face::tempoField.down.hot},
        {HotKey::right, FaceAction::tempoUp, face::tempoField.up.hot},
        {HotKey::pageUp, FaceAction::volumeUp, face::volumeField.up.hot},
        {HotKey::pageDown, FaceAction::volumeDown, face::volumeField.down.hot},
    };
    for (const auto& entry : arrowKeys) {
        SCOPED_TRACE(int(entry.key));
        FacePanel byKey, byClick;
        byKey.play();
        byClick.play();
        for (int step = 0; step < 16; ++step) {  // far enough to reach every field's limit
            EXPECT_EQ(byKey.press(entry.key), entry.action);
            byClick.clickAndRelease(entry.button);
            ASSERT_EQ(byKey.outcome(), byClick.outcome()) << "step " << step;
            byKey.forget();
            byClick.forget();
        }
    }
}

// Ctrl+O is the window's to carry out.
TEST(HotKeysTest, SpacePlaysWhenStoppedAndStopsWhenPlayingEvenInTheCompactView) {
    FacePanel panel;
    EXPECT_EQ(panel.press(HotKey::ctrlO), FaceAction::openSong);
    panel.face.largeView = false;
    panel.load();
    EXPECT_EQ(panel.press(HotKey::space), FaceAction::play);
    EXPECT_TRUE(panel.rig.player.playing());
    EXPECT_EQ(panel.press(HotKey::space), FaceAction::stop);
    EXPECT_FALSE(panel.rig.player.playing());
}

TEST(HotKeysTest, NoKeyWorksWhileAnEffectDialogIsOpen) {
    FacePanel panel;
    panel.play();
    panel.face.effectDialogOpen = true;
    const std::string before = panel.outcome();
    for (const HotKeyBinding& binding : hotKeyBindings) {
        EXPECT_EQ(panel.press(binding.key), FaceAction::none);
        EXPECT_EQ(faceActionForKey(binding.key, panel.face, false), FaceAction::none);
    }
    EXPECT_EQ(panel.outcome(), before);
}
