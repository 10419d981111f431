#include <gtest/gtest.h>

#include <deque>

#include "effects/EffectMenu.h"
#include "resources/CommandIds.h"

namespace {
// The main window as the effect menu sees it, recording what it is asked to do.
class ScriptedHost : public EffectHost, public EffectDialogPort {
  public:
    bool playing() const override { return isPlaying; }
    bool songLoaded() const override { return hasSong; }
    EffectSettings& effectSettings() override { return settings; }
    void stopPlayback() override {
        isPlaying = false;
        calls.push_back("stop");
    }
    void startPlayback() override {
        isPlaying = true;
        calls.push_back("start " + std::to_string(int(settings.type)));
    }
    void effectDialogOpen(bool open) override { calls.push_back(open ? "dialog open" : "dialog closed"); }
    void showRefusal(EffectTimeRefusal refusal) override {
        calls.push_back(refusal == EffectTimeRefusal::noEffectChosen ? "no effect" : "end not after start");
    }
    void setWaitCursor(bool waiting) override { calls.push_back(waiting ? "wait" : "arrow"); }
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion& question) override {
        questions.push_back(question);
        const std::optional<int32_t> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void openKeySignatureDialog(const KeySignature& initial) override {
        calls.push_back("key signature " + std::to_string(initial.sign) + "/" +
                        std::to_string(initial.count));
    }
    void openPitchDialog(const PitchMap& initial) override {
        calls.push_back("pitch " + std::to_string(initial.entries[0]));
    }
    void enableCloseCommand(bool enabled) override { calls.push_back(enabled ? "close on" : "close off"); }

    bool isPlaying = false;
    bool hasSong = true;
    EffectSettings settings;
    std::vector<std::string> calls;
    std::deque<std::optional<int32_t>> answers;
    std::vector<EffectTimeQuestion> questions;
};

class EffectMenuTest : public testing::Test {
  protected:
    std::vector<int> checkedItems() const {
        std::vector<int> result;
        for (int id : allItems)
            if (menu.checked(id)) result.push_back(id);
        return result;
    }

    static constexpr int allItems[] = {IDM_EFFECT_FOLK,          IDM_EFFECT_JAPANESE,  IDM_EFFECT_OKINAWAN,
                                       IDM_EFFECT_SUSPENSE,      IDM_EFFECT_IMAGE1,    IDM_EFFECT_IMAGE2,
                                       IDM_EFFECT_IMAGE3,        IDM_EFFECT_IMAGE4,    IDM_EFFECT_IMAGE5,
                                       IDM_EFFECT_KEY_SIGNATURE, IDM_EFFECT_PITCH_MAP, IDM_EFFECT_NONE,
                                       IDM_EFFECT_TIME};
    ScriptedHost host;
    EffectMenu menu{host, host};
};

TEST_F(EffectMenuTest, EachStyleAndImageItemChoosesItsEffectAndCarriesTheOnlyMarkUntilASongLoad) {
    const struct {
        int id;
        EffectType type;
        uint32_t bit;
    } cases[] = {{IDM_EFFECT_FOLK, EffectType::folk, 0x0001},
                 {IDM_EFFECT_JAPANESE, EffectType::japanese, 0x0002},
                 {IDM_EFFECT_OKINAWAN, EffectType::okinawan, 0x0004},
                 {IDM_EFFECT_SUSPENSE, EffectType::suspense, 0x0100},
                 {IDM_EFFECT_IMAGE1, EffectType::image1, 0x0008},
                 {IDM_EFFECT_IMAGE2, EffectType::image2, 0x0010},
                 {IDM_EFFECT_IMAGE3, EffectType::image3, 0x0020},
                 {IDM_EFFECT_IMAGE4, EffectType::mirror, 0x0040},
                 {IDM_EFFECT_IMAGE5, EffectType::image5, 0x0080},
                 {IDM_EFFECT_NONE, EffectType::none, 0x2000}};
    EXPECT_EQ(checkedItems(), std::vector<int>{IDM_EFFECT_NONE});
    for (const auto& c : cases) {
        menu.run(c.id);
        EXPECT_EQ(host.settings.type, c.type);
        EXPECT_EQ(menu.checkMask(), c.bit);
        EXPECT_EQ(checkedItems(), std::vector<int>{c.id});
    }
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(menu.handles(IDM_FILE_OPEN));
    menu.run(IDM_EFFECT_IMAGE3);
    menu.resetForSong();
    EXPECT_EQ(checkedItems(), std::vector<int>{IDM_EFFECT_NONE});
}

TEST_F(EffectMenuTest, EveryCommandIsIgnoredWhilePlayingOrBeforeASongIsLoaded) {
    menu.run(IDM_EFFECT_FOLK);
    host.settings.window = {5, 50};
    const struct { bool playing, songLoaded; } refusals[] = {{true, true}, {false, false}};
    for (const auto& refusal : refusals) {
        host.isPlaying = refusal.playing;
        host.hasSong = refusal.songLoaded;
        for (int id : allItems) menu.run(id);
        EXPECT_EQ(host.settings.type, EffectType::folk);
        EXPECT_EQ(host.settings.window.start, 5);
        EXPECT_EQ(checkedItems(), std::vector<int>{IDM_EFFECT_FOLK});
        EXPECT_TRUE(host.calls.empty());
    }
}

// The end question starts from the start just chosen, so that its dialog can refuse an end not after it; a
// cancel in either question gives the whole song.
TEST_F(EffectMenuTest, EffectTimeNeedsAnEffectThenAsksForTheStartThenTheEnd) {
    menu.run(IDM_EFFECT_TIME);
    EXPECT_EQ(host.calls, std::vector<std::string>{"no effect"});
    EXPECT_TRUE(host.questions.empty());

    menu.run(IDM_EFFECT_JAPANESE);
    host.settings.window = {3, 40};
    host.answers = {10, 11};
    menu.run(IDM_EFFECT_TIME);
    ASSERT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(host.questions[0].mode(), EffectTimeQuestion::askStart);
    EXPECT_EQ(host.questions[0].value(), 3);
    EXPECT_EQ(host.questions[1].mode(), EffectTimeQuestion::askEnd);
    EXPECT_EQ(host.questions[1].value(), 40);
    EXPECT_EQ(host.questions[1].start(), 10);
    EXPECT_EQ(host.settings.window.end, 11);

    using Answers = std::deque<std::optional<int32_t>>;
    for (const Answers& answers : {Answers{std::nullopt}, Answers{20, std::nullopt}}) {
        host.settings.window = {3, 40};
        host.answers = answers;
        menu.run(IDM_EFFECT_TIME);
        EXPECT_EQ(host.settings.window.start, 0);
        EXPECT_EQ(host.settings.window.end, 3599);
    }
}

TEST_F(EffectMenuTest, OneEffectDialogAtATimeWithTheCloseCommandGreyedMeanwhile) {
    host.settings.keySignature = {-1, 2};
    host.settings.pitchMap.entries[0] = 7;
    menu.run(IDM_EFFECT_KEY_SIGNATURE);
    menu.run(IDM_EFFECT_PITCH_MAP);
    menu.run(IDM_EFFECT_KEY_SIGNATURE);
    EXPECT_FALSE(menu.dialogs().transportAllowed());
    menu.dialogs().dialogClosing();
    EXPECT_TRUE(menu.dialogs().transportAllowed());
    menu.run(IDM_EFFECT_PITCH_MAP);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"close off", "dialog open", "key signature -1/2", "dialog closed",
                                        "close on", "close off", "dialog open", "pitch 7"}));
}

TEST_F(EffectMenuTest, ATryStopsStoresAndPlaysFromTheBeginning) {
    menu.run(IDM_EFFECT_KEY_SIGNATURE);
    host.calls.clear();
    host.isPlaying = true;  // playing is possible through an earlier try
    menu.dialogs().tryKeySignature(KeySignature{1, 2});
    EXPECT_EQ(host.calls, (std::vector<std::string>{"wait", "stop", "arrow", "start 12"}));
    EXPECT_EQ(host.settings.keySignature.count, 2);

    host.calls.clear();
    host.isPlaying = false;
    menu.dialogs().tryKeySignature(KeySignature{0, 0});  // "なし": no effect at all
    EXPECT_EQ(host.calls, (std::vector<std::string>{"wait", "arrow", "start 0"}));

    PitchMap drawn;
    drawn.entries[4] = 113;
    menu.dialogs().tryPitchMap(drawn);
    EXPECT_EQ(host.settings.type, EffectType::customMap);
    EXPECT_EQ(host.settings.pitchMap.entries[4], 113);
}

// Closed at once with "民謡風" in use, the mark stays on it: it is still the effect in use. An effect chosen
// from the menu while a dialog is open takes the mark at once, and a later try takes it at the closing.
TEST_F(EffectMenuTest, ClosingMarksTheEffectInUseNotTheDialogsLastChoice) {
    const struct {
        int opener;
        bool tries;
        KeySignature signature;
        int marked;
    } cases[] = {{IDM_EFFECT_KEY_SIGNATURE, false, {}, IDM_EFFECT_FOLK},
                 {IDM_EFFECT_KEY_SIGNATURE, true, {-1, 3}, IDM_EFFECT_KEY_SIGNATURE},
                 {IDM_EFFECT_KEY_SIGNATURE, true, {0, 0}, IDM_EFFECT_NONE},
                 {IDM_EFFECT_PITCH_MAP, true, {}, IDM_EFFECT_PITCH_MAP}};
    for (const auto& c : cases) {
        host.isPlaying = false;
        menu.run(c.opener);
        menu.run(IDM_EFFECT_FOLK);
        if (c.tries && c.opener == IDM_EFFECT_PITCH_MAP) menu.dialogs().tryPitchMap(PitchMap{});
        if (c.tries && c.opener == IDM_EFFECT_KEY_SIGNATURE) menu.dialogs().tryKeySignature(c.signature);
        EXPECT_EQ(checkedItems(), std::vector<int>{IDM_EFFECT_FOLK}) << c.opener;
        host.isPlaying = false;
        menu.dialogs().dialogClosing();
        EXPECT_EQ(checkedItems(), std::vector<int>{c.marked}) << c.opener;
    }
}
}  // namespace
