#include "app/win32/Win32Dialogs.h"

#include "app/Messages.h"
#include "app/win32/FileDialogs.h"
#include "app/win32/HelpViewer.h"
#include "effects/win32/CEffectTimeDlg.h"
#include "effects/win32/CKeySigDlg.h"
#include "effects/win32/CPitchDlg.h"
#include "effects/win32/EffectDialogCommon.h"
#include "images/win32/CFileIconDlg.h"
#include "images/win32/PicturePreview.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"
#include "playback/win32/SongPreview.h"
#include "tones/win32/CToneDlg.h"

namespace {
std::optional<std::string> pathOf(const std::optional<ChosenFile>& chosen) {
    return chosen ? std::optional<std::string>(chosen->path) : std::nullopt;
}
}  // namespace

Win32Dialogs::~Win32Dialogs() = default;

void Win32Dialogs::attach(HWND owner, Window& window, MidiOut& previewOut) {
    owner_ = owner;
    window_ = &window;
    previewOut_ = &previewOut;
}

void Win32Dialogs::loadPlugins(bool settingsUsable) {
    // The program's own folder stands for the folder it was started in: its own plug-ins lie there, and
    // a program opened through a document starts in that document's folder.
    plugins_ = loadSusiePlugins(settingsUsable, programFolder());
}

// The open dialog in its MIDI mode, where the selected song can be listened to through the main window's
// device. The main player is stopped whenever this runs.
std::optional<std::string> Win32Dialogs::chooseSongFile(const std::string& filter,
                                                        const std::string& folder) {
    SongPreview preview(*previewOut_, previewTimer());
    return pathOf(
        CFileIconDlg::run(owner_, {filter, folder, &previewChecks_, &fileDialogFailureText}, preview));
}

// The open dialog in its background mode, with the picture previewed. The chosen picture is read again
// and composed by the caller, which brings the dialog back on a failure.
std::optional<std::string> Win32Dialogs::choosePicture(const std::string& folder) {
    PicturePreview preview(plugins_);
    return pathOf(CFileIconDlg::run(
        owner_, {plugins_.imageFilter(), folder, &previewChecks_, &fileDialogFailureText}, preview));
}

std::optional<std::string> Win32Dialogs::chooseSourceFile(const std::string& filter) {
    return chooseFileToOpen(owner_, filter, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
}

std::optional<std::string> Win32Dialogs::chooseFileToSave(const std::string& folder,
                                                          const std::string& filter,
                                                          const std::string& extension) {
    return ::chooseFileToSave(owner_, filter, folder, extension);
}

bool Win32Dialogs::openHelpSearch() {
    return ::openHelpSearch(owner_, helpFileBesideProgram());
}

void Win32Dialogs::showRefusal(EffectTimeRefusal refusal) {
    window_->showMessage(effectTimeRefusalText(refusal));
}

std::optional<int32_t> Win32Dialogs::askEffectTime(const EffectTimeQuestion& question) {
    CEffectTimeDlg dialog(instance_, effectTimeRefusalText(EffectTimeRefusal::endNotAfterStart));
    return dialog.ask(owner_, question);
}

void Win32Dialogs::openKeySignatureDialog(const KeySignature& initial) {
    keySignatureDialog_ = CKeySigDlg::open(instance_, owner_, initial);
    if (!keySignatureDialog_) SendMessageW(owner_, effectDialogClosingMessage, 0, 0);
}

void Win32Dialogs::openPitchDialog(const PitchMap& initial) {
    pitchDialog_ = CPitchDlg::open(instance_, owner_, initial);
    if (!pitchDialog_) SendMessageW(owner_, effectDialogClosingMessage, 0, 0);
}

void Win32Dialogs::runToneDialog(ToneDialogModel& dialog) {
    CToneDlg(dialog, owner_).doModal();
}

PluginResult Win32Dialogs::decodeWithPlugins(const std::string& path, const std::string& extension,
                                             DibImage& picture) {
    return plugins_.decode(widen(path), widen(extension), picture);
}

HWND Win32Dialogs::effectDialog() const {
    if (keySignatureDialog_) return keySignatureDialog_->handle();
    return pitchDialog_ ? pitchDialog_->handle() : nullptr;
}

std::optional<KeySignature> Win32Dialogs::keySignatureTried() const {
    if (!keySignatureDialog_) return std::nullopt;
    return keySignatureDialog_->signature();
}

std::optional<PitchMap> Win32Dialogs::pitchMapTried() const {
    if (!pitchDialog_) return std::nullopt;
    return pitchDialog_->pitchMap();
}

void Win32Dialogs::effectDialogClosing() {
    keySignatureDialog_ = nullptr;
    pitchDialog_ = nullptr;
}
