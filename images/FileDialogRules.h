#pragma once
#include <string>

// Which caller has the open dialog: the background change (pictures, previewed) or opening a song (MIDI
// files, listened to).
enum class FileDialogMode { background, midi };

// The check box of each mode ("プレビュー", "音楽を聴く"): off at start-up, then kept from one dialog to
// the next until the program ends.
struct PreviewChecks {
    bool picturePreview = false;
    bool listen = false;

    bool& of(FileDialogMode mode) { return mode == FileDialogMode::background ? picturePreview : listen; }
};

// What a path names: only a file can be previewed or chosen.
enum class PathKind { missing, file, folder };

// What the dialog's rules ask of the dialog on the screen.
class PreviewPane {
  public:
    virtual ~PreviewPane() = default;
    virtual PathKind pathKind(const std::string& path) = 0;
    // Reads the file into the preview: the picture (background) or the song to listen to (MIDI). A failure
    // has been shown to the user.
    virtual bool loadPreview(const std::string& path) = 0;
    // Shows what was loaded: the picture with its size, or the song playing.
    virtual void drawPreview() = 0;
    // The preview area grey and the size text blank, or the song stopped.
    virtual void clearPreview() = 0;
    virtual void setCheck(bool checked) = 0;
    // The user confirmed a path that names nothing: says so.
    virtual void refuseMissingFile(const std::string& path) = 0;
    // Background mode, at the confirmation: turns the loaded picture into the window's face. false keeps
    // the dialog open (the failure has been shown).
    virtual bool acceptPicture() = 0;
};

// The rules of the open dialog with a preview, one instance a dialog. Paths are those the dialog reports
// for its selection, in UTF-8.
class FileDialogRules {
  public:
    FileDialogRules(FileDialogMode mode, PreviewChecks& checks, PreviewPane& pane);

    FileDialogMode mode() const { return mode_; }
    // The dialog appears: the check box shows this mode's remembered state.
    void shown();
    void checkClicked(const std::string& selection);
    void selectionChanged(const std::string& selection);
    // Entering a folder leaves the dialog's name field as it was, and the dialog may report that name in the
    // new folder as a selection: it is not the user's pick, and is treated as nothing selected until the
    // user picks another name.
    void folderChanged();
    // The user confirms path. Returns whether the dialog may close with it.
    bool fileNameOk(const std::string& path);
    // The dialog closes, whatever the answer: a song still playing stops.
    void closing();

    bool previewShown() const { return previewShown_; }

  private:
    void updatePreview(const std::string& selection);
    void clearPreview();
    bool load(const std::string& path);
    std::string userPick(const std::string& selection) const;

    FileDialogMode mode_;
    PreviewChecks& checks_;
    PreviewPane& pane_;
    bool previewShown_ = false;
    std::string lastSelection_;
    std::string nameLeftInField_;  // the name the field held when the folder changed, until another is picked
    std::string lastPreviewed_;    // the file the preview (shown or failed) belongs to
    std::string lastLoaded_;       // the file the loaded picture came from; empty when the last load failed
};
