#include <gtest/gtest.h>

#include <cstdio>
#include <deque>

#include "effects/EffectMenu.h"
#include "resources/CommandIds.h"
#include "tests/support/Steps.h"

namespace {

const std::pair<const char*, int> items[] = {
    {"folk", IDM_EFFECT_FOLK},           {"japanese", IDM_EFFECT_JAPANESE},
    {"okinawan", IDM_EFFECT_OKINAWAN},   {"suspense", IDM_EFFECT_SUSPENSE},
    {"image 1", IDM_EFFECT_IMAGE1},      {"image 2", IDM_EFFECT_IMAGE2},
    {"image 3", IDM_EFFECT_IMAGE3},      {"image 4", IDM_EFFECT_IMAGE4},
    {"image 5", IDM_EFFECT_IMAGE5},      {"key signature", IDM_EFFECT_KEY_SIGNATURE},
    {"pitch map", IDM_EFFECT_PITCH_MAP}, {"none", IDM_EFFECT_NONE},
    {"time", IDM_EFFECT_TIME},
};

// The main window as the effect menu sees it, recording what it is asked to do.
class ScriptedHost : public EffectHost, public EffectDialogPort {
  public:
    bool playing() const override { return isPlaying; }
    bool songLoaded() const override { return true; }
    EffectSettings& effectSettings() override { return settings; }
    void stopPlayback() override { isPlaying = false, calls.push_back("stop"); }
    void startPlayback() override {
        isPlaying = true, calls.push_back("start " + std::to_string(int(settings.type)));
    }
    void effectDialogOpen(bool open) override {
        calls.push_back((dialogOpen = open) ? "dialog open" : "dialog closed");
    }
    bool effectDialogOpen() const override { return dialogOpen; }
    void showRefusal(EffectTimeRefusal refusal) override {
        calls.push_back(refusal == EffectTimeRefusal::noEffectChosen ? "no effect" : "end not after start");
    }
    void setWaitCursor(bool waiting) override { calls.push_back(waiting ? "wait" : "arrow"); }
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion& question) override {
        calls.push_back(question.mode() == EffectTimeQuestion::askStart
                            ? "ask start " + std::to_string(question.value())
                            : "ask end " + std::to_string(question.value()) + " after " +
                                  std::to_string(question.start()));
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
    bool dialogOpen = false;
    EffectSettings settings;
    Lines calls;
    std::deque<std::optional<int32_t>> answers;
};

// A menu on a window with a song loaded, stopped.
struct MenuScript {
    // Runs the menu items named and these actions: "playing", "stopped", "answer N" or "answer
    // cancel" (for the effect-time dialog), "try SIGN/COUNT" (the key signature dialog's try) and "try pitch"
    // (the pitch dialog's, with C moved to 113), "close" (the open dialog closes), and "|",
    // which forgets what was recorded so far. Returns what the host was asked, with the checked items and the
    // effect after "mark?", the effect, its window and C's entry after "effect?", and whether the transport
    // is allowed and which dialog is open after "transport?".
    Lines run(const Lines& actions) {
        host.settings.window = {3, 40};
        int sign = 0, count = 0;
        for (const std::string& action : actions) {
            for (const auto& [name, id] : items)
                if (action == name) menu.run(id);
            if (action == "playing" || action == "stopped") host.isPlaying = action == "playing";
            if (action == "answer cancel") host.answers.push_back(std::nullopt);
            if (std::sscanf(action.c_str(), "answer %d", &count) == 1) host.answers.push_back(count);
            if (std::sscanf(action.c_str(), "try %d/%d", &sign, &count) == 2)
                menu.dialogs().tryKeySignature(KeySignature{sign, count});
            if (action == "try pitch") menu.dialogs().tryPitchMap(PitchMap{{{113}}});
            if (action == "close") menu.dialogs().dialogClosing();
            if (action == "|") host.calls.clear();
            if (action == "transport?")
                host.calls.push_back((menu.dialogs().transportAllowed() ? "free " : "held ") +
                                     std::to_string(int(menu.dialogs().openDialog())));
            if (action == "effect?")
                host.calls.push_back("effect " + std::to_string(int(host.settings.type)) + " " +
                                     std::to_string(host.settings.window.start) + "-" +
                                     std::to_string(host.settings.window.end) + " C " +
                                     std::to_string(host.settings.pitchMap.entries[0]));
            if (action == "mark?")
                for (const auto& [name, id] : items)
                    if (menu.checked(id))
                        host.calls.push_back("marked " + std::string(name) + " " +
                                             std::to_string(int(host.settings.type)));
        }
        return host.calls;
    }

    ScriptedHost host;
    EffectMenu menu{host, host};
};

// Each item chooses its effect and carries the only mark. The end question starts from the start just chosen,
// so that its dialog can refuse an end not after it; a cancel in either question gives the whole song.
// Meanwhile only one effect dialog is open, with the close command greyed, and a try stops, stores the effect
// and plays from the beginning.
TEST(EffectMenu, CommandsChooseAskAndTryAsTheUserChose) {
    const struct {
        const char *why, *actions, *calls;
    } cases[] = {
        {"each style and image item",
         "folk; mark?; japanese; mark?; okinawan; mark?; suspense; mark?; image 1; mark?; image 2; mark?; "
         "image 3; mark?; image 4; mark?; image 5; mark?; none; mark?",
         "marked folk 1; marked japanese 2; marked okinawan 3; marked suspense 9; marked image 1 4; "
         "marked image 2 5; marked image 3 6; marked image 4 7; marked image 5 8; marked none 0"},
        {"ignored while playing",
         "folk; playing; japanese; key signature; pitch map; time; none; mark?; effect?",
         "marked folk 1; effect 1 3-40 C 0"},
        {"no effect to time", "time; effect?", "no effect; effect 0 3-40 C 0"},
        {"effect time", "japanese; answer 10; answer 11; time; effect?",
         "ask start 3; ask end 40 after 10; effect 2 10-11 C 0"},
        {"start cancelled, then the end",
         "japanese; answer cancel; time; answer 20; answer cancel; time; effect?",
         "ask start 3; ask start 0; ask end 3599 after 20; effect 2 0-3599 C 0"},
        {"one dialog at a time, opened on the effect's values",
         "pitch map; try pitch; key signature; try -1/2; stopped; close; |; key signature; pitch map; "
         "key signature; transport?; close; transport?; pitch map; transport?",
         "close off; dialog open; key signature -1/2; held 1; dialog closed; close on; free 0; close off; "
         "dialog open; pitch 113; held 2"},
        {"tries, the mark waiting for the close",
         "key signature; |; playing; try 1/2; stopped; try 0/0; try pitch; mark?; close; mark?; effect?",
         "wait; stop; arrow; start 12; wait; arrow; start 0; wait; stop; arrow; start 13; marked none 13; "
         "dialog closed; close on; marked pitch map 13; effect 13 3-40 C 113"},
    };
    for (const auto& c : cases) EXPECT_EQ(MenuScript().run(steps(c.actions)), steps(c.calls)) << c.why;
    EXPECT_TRUE(!MenuScript().menu.handles(IDM_FILE_OPEN) && MenuScript().menu.handles(IDM_EFFECT_TIME));
    EffectCheckMark mark;
    for (const auto& [id, type] : {std::pair{IDM_EFFECT_KEY_SIGNATURE, EffectType::keySignature},
                                   {IDM_EFFECT_PITCH_MAP, EffectType::customMap}})
        EXPECT_TRUE((mark.show(type), mark.checked(id))) << id;
}
}  // namespace
