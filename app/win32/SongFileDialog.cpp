#include "app/win32/SongFileDialog.h"

#include "app/Messages.h"

std::optional<ChosenFile> chooseSongWithPreview(HWND owner, const std::string& filter,
                                                const std::string& folder, MidiOut& out,
                                                PlaybackTimer& previewTimer, PreviewChecks& checks) {
    FileDialogSetup setup;
    setup.mode = FileDialogMode::midi;
    setup.filter = filter;
    setup.startFolder = folder;
    setup.checks = &checks;
    setup.wording = &fileDialogFailureText;
    setup.out = &out;
    setup.previewTimer = &previewTimer;
    return CFileIconDlg::run(owner, setup);
}

std::optional<ChosenFile> choosePictureWithPreview(HWND owner, const SusiePlugins& plugins,
                                                   const std::string& folder, PreviewChecks& checks) {
    FileDialogSetup setup;
    setup.mode = FileDialogMode::background;
    setup.filter = plugins.imageFilter();
    setup.startFolder = folder;
    setup.checks = &checks;
    setup.wording = &fileDialogFailureText;
    setup.plugins = &plugins;
    setup.acceptPicture = [](const DibImage&) { return true; };
    return CFileIconDlg::run(owner, setup);
}
