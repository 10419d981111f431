// The open dialog's rules with a scripted pane: when a selection is loaded and shown, what a folder or a
// missing file does, what the check box remembers, and which file the confirmation takes.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "images/FileDialogRules.h"

namespace {
class ScriptedPane : public PreviewPane {
  public:
    PathKind pathKind(const std::string& path) override {
        if (folders.count(path)) return PathKind::folder;
        return files.count(path) ? PathKind::file : PathKind::missing;
    }
    bool loadPreview(const std::string& path) override {
        calls.push_back("load " + path);
        const bool loaded = !unreadable.count(path);
        if (loaded) held = path;  // a failed read leaves what was held before
        return loaded;
    }
    void drawPreview() override { calls.push_back("draw " + held); }
    void clearPreview() override { calls.push_back("clear"); }
    void setCheck(bool checked) override { calls.push_back(checked ? "check on" : "check off"); }
    void refuseMissingFile(const std::string& path) override { calls.push_back("missing " + path); }
    bool acceptPicture() override {
        calls.push_back("accept " + held);
        return acceptAnswer;
    }

    std::vector<std::string> takeCalls() { return std::exchange(calls, {}); }

    std::set<std::string> files{"a.bmp", "b.bmp", "bad.bmp", "song.mid"};
    std::set<std::string> folders{"pictures"};
    std::set<std::string> unreadable{"bad.bmp"};
    std::string held;
    bool acceptAnswer = true;
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

class FileDialogRulesTest : public testing::Test {
  protected:
    FileDialogRules dialog(FileDialogMode mode) { return FileDialogRules(mode, checks, pane); }

    PreviewChecks checks;
    ScriptedPane pane;
};
}  // namespace

TEST_F(FileDialogRulesTest, TheSameFileTwiceIsNotReloadedButComingBackToItIs) {
    checks.picturePreview = true;
    FileDialogRules rules = dialog(FileDialogMode::background);
    rules.selectionChanged("a.bmp");
    rules.selectionChanged("a.bmp");
    rules.selectionChanged("b.bmp");
    rules.selectionChanged("a.bmp");
    EXPECT_EQ(pane.takeCalls(),
              (Calls{"load a.bmp", "draw a.bmp", "load b.bmp", "draw b.bmp", "load a.bmp", "draw a.bmp"}));
    EXPECT_TRUE(rules.previewShown());
}

TEST_F(FileDialogRulesTest, AFolderOrAMissingFileClearsTheShownPreviewWithoutAMessage) {
    checks.picturePreview = true;
    FileDialogRules rules = dialog(FileDialogMode::background);
    rules.selectionChanged("pictures");  // nothing shown yet: nothing to clear
    rules.selectionChanged("a.bmp");
    rules.selectionChanged("pictures");
    rules.selectionChanged("pictures");
    rules.selectionChanged("a.bmp");  // forgotten with the clear, so loaded again
    rules.selectionChanged("gone.bmp");
    rules.selectionChanged("");
    EXPECT_EQ(pane.takeCalls(),
              (Calls{"load a.bmp", "draw a.bmp", "clear", "load a.bmp", "draw a.bmp", "clear"}));
    EXPECT_FALSE(rules.previewShown());
}

TEST_F(FileDialogRulesTest, AnUnreadableSelectionClearsThePreviewAndIsNotRetriedUntilAnotherIsSelected) {
    checks.picturePreview = true;
    FileDialogRules rules = dialog(FileDialogMode::background);
    rules.selectionChanged("a.bmp");
    rules.selectionChanged("bad.bmp");
    rules.selectionChanged("bad.bmp");
    EXPECT_EQ(pane.takeCalls(), (Calls{"load a.bmp", "draw a.bmp", "load bad.bmp", "clear"}));
}

TEST_F(FileDialogRulesTest, TheCheckBoxTogglesItsOwnModesMemoryClearsAndRedrawsTheSelection) {
    {
        FileDialogRules rules = dialog(FileDialogMode::background);
        rules.shown();
        rules.selectionChanged("a.bmp");  // off: nothing loaded
        rules.checkClicked("a.bmp");
        rules.checkClicked("a.bmp");
        rules.checkClicked("a.bmp");  // on again: the path was forgotten with the clear
        EXPECT_EQ(pane.takeCalls(), (Calls{"check off", "check on", "load a.bmp", "draw a.bmp", "check off",
                                           "clear", "check on", "load a.bmp", "draw a.bmp"}));
    }
    EXPECT_TRUE(checks.picturePreview);
    EXPECT_FALSE(checks.listen);
    FileDialogRules midi = dialog(FileDialogMode::midi);
    midi.shown();
    FileDialogRules background = dialog(FileDialogMode::background);
    background.shown();
    EXPECT_EQ(pane.takeCalls(), (Calls{"check off", "check on"}));
}

TEST_F(FileDialogRulesTest, AfterAFolderChangeTheNextSelectionIsLoadedWithoutBeingDrawn) {
    FileDialogRules rules = dialog(FileDialogMode::background);
    rules.folderChanged();  // check box off: not remembered
    rules.checkClicked("");
    rules.folderChanged();
    rules.selectionChanged("a.bmp");
    rules.selectionChanged("b.bmp");
    EXPECT_EQ(pane.takeCalls(), (Calls{"check on", "load a.bmp", "load b.bmp", "draw b.bmp"}));
}

TEST_F(FileDialogRulesTest, OnlyAMissingFileIsRefusedWithAMessageAndAFolderIsOpenedInstead) {
    FileDialogRules rules = dialog(FileDialogMode::midi);
    EXPECT_FALSE(rules.fileNameOk("gone.mid"));
    EXPECT_FALSE(rules.fileNameOk("pictures"));
    EXPECT_TRUE(rules.fileNameOk("song.mid"));
    EXPECT_EQ(pane.takeCalls(), (Calls{"missing gone.mid"}));
}

// The confirmation composes exactly the chosen file: the picture held may be another file's after a failed
// read, a file typed but never previewed, or a preview switched off.
TEST_F(FileDialogRulesTest, ConfirmingLoadsTheChosenFileUnlessItIsExactlyTheOneLoadedLast) {
    const struct {
        const char* name;
        bool preview;
        std::vector<std::string> selections;
        std::string chosen;
        Calls expected;
    } cases[] = {
        {"previewed", true, {"a.bmp"}, "a.bmp", {"load a.bmp", "draw a.bmp", "accept a.bmp"}},
        {"preview off", false, {"a.bmp"}, "a.bmp", {"load a.bmp", "accept a.bmp"}},
        {"typed, never selected",
         true,
         {"a.bmp"},
         "b.bmp",
         {"load a.bmp", "draw a.bmp", "load b.bmp", "draw b.bmp", "accept b.bmp"}},
        {"its read failed after another",
         true,
         {"a.bmp", "bad.bmp"},
         "bad.bmp",
         {"load a.bmp", "draw a.bmp", "load bad.bmp", "clear", "load bad.bmp"}},
        {"back to it after a failed read",
         true,
         {"a.bmp", "bad.bmp"},
         "a.bmp",
         {"load a.bmp", "draw a.bmp", "load bad.bmp", "clear", "load a.bmp", "accept a.bmp"}},
    };
    for (const auto& c : cases) {
        PreviewChecks caseChecks;
        caseChecks.picturePreview = c.preview;
        ScriptedPane casePane;
        FileDialogRules rules(FileDialogMode::background, caseChecks, casePane);
        for (const std::string& selection : c.selections) rules.selectionChanged(selection);
        const bool accepted = rules.fileNameOk(c.chosen);
        EXPECT_EQ(accepted, c.chosen != "bad.bmp") << c.name;
        EXPECT_EQ(casePane.takeCalls(), c.expected) << c.name;
    }
}

TEST_F(FileDialogRulesTest, AFailedCompositionKeepsTheDialogOpenAndTheSameFileNeedsNoSecondRead) {
    FileDialogRules rules = dialog(FileDialogMode::background);
    pane.acceptAnswer = false;
    EXPECT_FALSE(rules.fileNameOk("a.bmp"));
    pane.acceptAnswer = true;
    EXPECT_TRUE(rules.fileNameOk("a.bmp"));
    EXPECT_EQ(pane.takeCalls(), (Calls{"load a.bmp", "accept a.bmp", "accept a.bmp"}));
}

TEST_F(FileDialogRulesTest, InMidiModeListeningStartsAtOnceAndStopsAtTheConfirmationAndTheClose) {
    FileDialogRules rules = dialog(FileDialogMode::midi);
    rules.selectionChanged("song.mid");
    rules.checkClicked("song.mid");
    EXPECT_EQ(pane.takeCalls(), (Calls{"check on", "load song.mid", "draw song.mid"}));
    EXPECT_TRUE(rules.fileNameOk("song.mid"));
    rules.closing();  // already stopped
    EXPECT_EQ(pane.takeCalls(), (Calls{"clear"}));
    EXPECT_TRUE(checks.listen);

    FileDialogRules cancelled = dialog(FileDialogMode::midi);
    cancelled.selectionChanged("song.mid");
    cancelled.closing();
    EXPECT_EQ(pane.takeCalls(), (Calls{"load song.mid", "draw song.mid", "clear"}));
}
