// The open dialog's rules with a scripted pane: when a selection is loaded and shown, what a folder or a
// missing file does, what the check box remembers, and which file the confirmation takes.
#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "images/FileDialogRules.h"
#include "tests/support/Steps.h"

namespace {
class ScriptedPane : public PreviewPane {
  public:
    PathKind pathKind(const std::string& path) override {
        if (path == "pictures") return PathKind::folder;
        return files.count(path) ? PathKind::file : PathKind::missing;
    }
    bool loadPreview(const std::string& path) override {
        calls.push_back("load " + path);
        const bool loaded = path != "bad.bmp";
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

    const std::set<std::string> files{"a.bmp",    "b.bmp",    "bad.bmp", "song.mid",
                                      "x\\a.bmp", "y\\a.bmp", "y\\b.bmp"};
    std::string held;
    bool acceptAnswer = true;
    Lines calls;
};

// Plays the actions on dialogs sharing one memory of the check boxes ("previewing" turns the picture preview
// on before the first dialog; "composes no" makes the pane fail to compose the face) and returns what the
// pane was asked to do, with the answer of each confirmation ("ok") and of each "shown?" after "=".
Lines transcript(const Lines& actions) {
    PreviewChecks checks;
    ScriptedPane pane;
    std::optional<FileDialogRules> dialog;
    for (const std::string& action : actions) {
        const std::string verb = action.substr(0, action.find(' '));
        const std::string path = action.size() > verb.size() ? action.substr(verb.size() + 1) : "";
        if (verb == "dialog")
            dialog.emplace(path == "midi" ? FileDialogMode::midi : FileDialogMode::background, checks, pane);
        if (verb == "previewing") checks.picturePreview = true;
        if (verb == "composes") pane.acceptAnswer = path == "yes";
        if (verb == "show") dialog->shown();
        if (verb == "select") dialog->selectionChanged(path);
        if (verb == "folder") dialog->folderChanged();
        if (verb == "check") dialog->checkClicked(path);
        if (verb == "close") dialog->closing();
        if (verb == "ok") pane.calls.push_back(dialog->fileNameOk(path) ? "= yes" : "= no");
        if (verb == "shown?") pane.calls.push_back(dialog->previewShown() ? "= shown" : "= none");
    }
    return pane.calls;
}
}  // namespace

TEST(FileDialogRules, LoadShowAndClearThePreviewAsTheSelectionAndTheCheckBoxChange) {
    const struct {
        const char *behaviour, *actions, *expected;
    } cases[] = {
        {"only a missing file is refused with a message; a folder is opened instead",
         "dialog midi; ok gone.mid; ok pictures; ok song.mid", "missing gone.mid; = no; = no; = yes"},
        {"a failed composition keeps the dialog open, and the same file needs no second read",
         "dialog background; composes no; ok a.bmp; composes yes; ok a.bmp",
         "load a.bmp; accept a.bmp; = no; accept a.bmp; = yes"},
        {"switching the preview off clears it",
         "dialog midi; select song.mid; check song.mid; check song.mid",
         "check on; load song.mid; draw song.mid; check off; clear"},
        {"listening starts at once, stops at the confirmation and the close, and is remembered",
         "dialog midi; select song.mid; check song.mid; ok song.mid; close; dialog midi; show; "
         "select song.mid; close",
         "check on; load song.mid; draw song.mid; clear; = yes; check on; load song.mid; draw song.mid; "
         "clear"},
        // The confirmation composes exactly the chosen file: the picture held may be another file's after a
        // failed read or a file typed but never previewed (a preview switched off is the failed
        // composition's).
        {"selected again, not read again, unless a folder came between",
         "previewing; dialog background; select a.bmp; select a.bmp; select pictures; select a.bmp",
         "load a.bmp; draw a.bmp; clear; load a.bmp; draw a.bmp"},
        {"typed, never selected", "previewing; dialog background; select a.bmp; ok b.bmp",
         "load a.bmp; draw a.bmp; load b.bmp; draw b.bmp; accept b.bmp; = yes"},
        {"its read failed after another",
         "previewing; dialog background; select a.bmp; select bad.bmp; ok bad.bmp",
         "load a.bmp; draw a.bmp; load bad.bmp; clear; load bad.bmp; = no"},
        {"back to it after a failed read",
         "previewing; dialog background; select a.bmp; select bad.bmp; ok a.bmp",
         "load a.bmp; draw a.bmp; load bad.bmp; clear; load a.bmp; accept a.bmp; = yes"},
        {"entering a folder leaves the name in the field, which is no pick until another name was picked",
         "previewing; dialog background; select x\\a.bmp; folder; select y\\a.bmp; select y\\a.bmp; "
         "select y\\b.bmp; select y\\a.bmp",
         "load x\\a.bmp; draw x\\a.bmp; clear; load y\\b.bmp; draw y\\b.bmp; load y\\a.bmp; "
         "draw y\\a.bmp"},
    };
    for (const auto& c : cases) EXPECT_EQ(transcript(steps(c.actions)), steps(c.expected)) << c.behaviour;
}
