// The main window's side of the effect dialogs: the modal effect-time dialog, the two modeless dialogs
// opened over the window, their tries and closing, and the close command greyed meanwhile.
#include "app/Messages.h"
#include "app/win32/CMainWnd.h"
#include "effects/win32/CEffectTimeDlg.h"
#include "effects/win32/CKeySigDlg.h"
#include "effects/win32/CPitchDlg.h"

void CMainWnd::showRefusal(EffectTimeRefusal refusal) {
    showMessage(effectTimeRefusalText(refusal));
}

std::optional<int32_t> CMainWnd::askEffectTime(const EffectTimeQuestion& question) {
    CEffectTimeDlg dialog(instance_, effectTimeRefusalText(EffectTimeRefusal::endNotAfterStart));
    return dialog.ask(window_, question);
}

void CMainWnd::openKeySignatureDialog(const KeySignature& initial) {
    keySignatureDialog_ = CKeySigDlg::open(instance_, window_, initial);
    // A dialog that could not be created is closed at once, or the close command would stay grey.
    if (!keySignatureDialog_) onEffectDialogClosing();
}

void CMainWnd::openPitchDialog(const PitchMap& initial) {
    pitchDialog_ = CPitchDlg::open(instance_, window_, initial);
    if (!pitchDialog_) onEffectDialogClosing();
}

void CMainWnd::enableCloseCommand(bool enabled) {
    EnableMenuItem(GetSystemMenu(window_, FALSE), SC_CLOSE,
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

HWND CMainWnd::effectDialog() const {
    // Once the window is gone its dialogs are too (Windows destroys owned windows first), and with them
    // the objects these point at.
    if (!window_) return nullptr;
    if (keySignatureDialog_) return keySignatureDialog_->handle();
    return pitchDialog_ ? pitchDialog_->handle() : nullptr;
}

bool CMainWnd::takeDialogMessage(MSG& message) {
    HWND dialog = effectDialog();
    return (dialog && IsDialogMessageW(dialog, &message)) || songList_.takeMessage(message);
}

LRESULT CMainWnd::onKeySignatureTry() {
    if (keySignatureDialog_) model_.effectDialogs().tryKeySignature(keySignatureDialog_->signature());
    return 0;
}

LRESULT CMainWnd::onPitchMapTry() {
    if (pitchDialog_) model_.effectDialogs().tryPitchMap(pitchDialog_->pitchMap());
    return 0;
}

LRESULT CMainWnd::onEffectDialogClosing() {
    // The dialog destroys its window (and itself) right after this message.
    keySignatureDialog_ = nullptr;
    pitchDialog_ = nullptr;
    model_.effectDialogs().dialogClosing();
    return 0;
}
