#include "app/win32/SongFileDialog.h"

#include "app/Messages.h"
#include "images/win32/PicturePreview.h"
#include "playback/win32/SongPreview.h"

std::optional<ChosenFile> chooseSongWithPreview(HWND owner, const std::string& filter,
                                                const std::string& folder, MidiOut& out,
                                                PlaybackTimer& previewTimer, PreviewChecks& checks) {
    SongPreview preview(out, previewTimer);
    return CFileIconDlg::run(owner, {filter, folder, &checks, &fileDialogFailureText}, preview);
}

std::optional<ChosenFile> choosePictureWithPreview(HWND owner, const SusiePlugins& plugins,
                                                   const std::string& folder, PreviewChecks& checks) {
    PicturePreview preview(plugins);
    return CFileIconDlg::run(owner, {plugins.imageFilter(), folder, &checks, &fileDialogFailureText},
                             preview);
}
