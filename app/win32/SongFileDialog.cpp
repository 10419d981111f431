#include "app/win32/SongFileDialog.h"

#include "app/FileDialogMessages.h"

std::optional<ChosenFile> chooseSongWithPreview(HWND owner, const std::string& filter, MidiOut& out,
                                                PlaybackTimer& previewTimer, PreviewChecks& checks) {
    FileDialogSetup setup;
    setup.mode = FileDialogMode::midi;
    setup.filter = filter;
    setup.checks = &checks;
    setup.wording = &fileDialogFailureText;
    setup.out = &out;
    setup.previewTimer = &previewTimer;
    return CFileIconDlg::run(owner, setup);
}
