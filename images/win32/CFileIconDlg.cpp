#include "images/win32/CFileIconDlg.h"

#include <commdlg.h>

#include "images/PreviewBmp.h"
#include "images/PreviewGeometry.h"
#include "images/win32/FileDialogIds.h"
#include "images/win32/SusiePlugins.h"
#include "platform/win32/DialogFilter.h"
#include "platform/win32/DialogLayout.h"
#include "platform/win32/MessageBoxes.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "playback/SongBuffer.h"

namespace {
std::wstring currentFolder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? folder : L"";
}

// After the last dot of the file name, without the dot; empty when the name has none.
std::wstring extensionOf(const std::wstring& path) {
    const size_t dot = path.find_last_of(L'.');
    const size_t slash = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return {};
    return path.substr(dot + 1);
}

// The wait cursor while it lives.
class WaitCursor {
  public:
    WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }

  private:
    HCURSOR previous_;
};
}  // namespace

CFileIconDlg::CFileIconDlg(const FileDialogSetup& setup)
    : setup_(setup), rules_(setup.mode, *setup.checks, *this) {
    if (setup.mode == FileDialogMode::midi)
        player_.emplace(*setup.out, *setup.previewTimer, static_cast<PreviewEndPoster&>(*this));
}

std::optional<ChosenFile> CFileIconDlg::run(HWND owner, const FileDialogSetup& setup) {
    CFileIconDlg dialog(setup);
    const std::wstring filter = dialogFilter(setup.filter);
    std::wstring startFolder = widen(setup.startFolder);
    if (!isExistingFolder(startFolder)) startFolder = currentFolder();
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = owner;
    open.hInstance = GetModuleHandleW(nullptr);
    open.lpstrFilter = filter.c_str();
    open.lpstrFile = path;
    open.nMaxFile = MAX_PATH;
    open.lpstrInitialDir = startFolder.c_str();
    open.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    open.lpTemplateName = MAKEINTRESOURCEW(IDD_FILE_PREVIEW);
    open.lpfnHook = &CFileIconDlg::hookProc;
    open.lCustData = LPARAM(&dialog);
    if (!GetOpenFileNameW(&open) || path[0] == L'\0') return std::nullopt;
    return ChosenFile{narrow(path)};
}

UINT_PTR CALLBACK CFileIconDlg::hookProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CFileIconDlg*>(reinterpret_cast<OPENFILENAMEW*>(lParam)->lCustData);
        SetWindowLongPtrW(panel, DWLP_USER, LONG_PTR(self));
        self->panel_ = panel;
        return self->onInitDialog();
    }
    auto* self = reinterpret_cast<CFileIconDlg*>(GetWindowLongPtrW(panel, DWLP_USER));
    return self ? self->handleMessage(message, wParam, lParam) : 0;
}

INT_PTR CFileIconDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY:
            return onNotify(*reinterpret_cast<const OFNOTIFYW*>(lParam));
        case WM_COMMAND:
            return onCommand(wParam);
        case WM_DRAWITEM:
            return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case previewEndedMessage:
            player_->finishIfEnded();
            return TRUE;
        case WM_DESTROY:
            return onDestroy();
        default:
            return FALSE;
    }
}

INT_PTR CFileIconDlg::onInitDialog() {
    if (setup_.mode == FileDialogMode::midi) {
        SetDlgItemTextW(panel_, IDC_PREVIEW_CHECK, L"音楽を聴く");
        EnableWindow(GetDlgItem(panel_, IDC_PREVIEW_AREA), FALSE);
        ShowWindow(GetDlgItem(panel_, IDC_PREVIEW_AREA), SW_HIDE);
        ShowWindow(GetDlgItem(panel_, IDC_PREVIEW_SIZE), SW_HIDE);
    }
    rules_.shown();
    return TRUE;
}

INT_PTR CFileIconDlg::onNotify(const OFNOTIFYW& notify) {
    switch (notify.hdr.code) {
        case CDN_SELCHANGE:
            rules_.selectionChanged(selectedPath());
            return TRUE;
        case CDN_FOLDERCHANGE:
            rules_.folderChanged();
            return TRUE;
        case CDN_INITDONE: {
            HWND dialog = GetParent(panel_);
            centreDialogOver(dialog, GetWindow(dialog, GW_OWNER));
            return TRUE;
        }
        case CDN_FILEOK: {
            const bool accepted = rules_.fileNameOk(narrow(notify.lpOFN->lpstrFile));
            // A non-zero result keeps the dialog open.
            SetWindowLongPtrW(panel_, DWLP_MSGRESULT, accepted ? 0 : 1);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

INT_PTR CFileIconDlg::onCommand(WPARAM wParam) {
    if (LOWORD(wParam) != IDC_PREVIEW_CHECK || HIWORD(wParam) != BN_CLICKED) return FALSE;
    rules_.checkClicked(selectedPath());
    return TRUE;
}

INT_PTR CFileIconDlg::onDestroy() {
    rules_.closing();
    if (player_) player_->stop();
    return FALSE;
}

std::string CFileIconDlg::selectedPath() const {
    wchar_t path[MAX_PATH] = {};
    const LRESULT length = SendMessageW(GetParent(panel_), CDM_GETFILEPATH, MAX_PATH, LPARAM(path));
    return length > 0 && length <= MAX_PATH ? narrow(path) : std::string();
}

PathKind CFileIconDlg::pathKind(const std::string& path) {
    const std::wstring widePath = widen(path);
    if (isExistingFile(widePath)) return PathKind::file;
    return isExistingFolder(widePath) ? PathKind::folder : PathKind::missing;
}

bool CFileIconDlg::loadPreview(const std::string& path) {
    WaitCursor wait;
    return setup_.mode == FileDialogMode::midi ? loadSong(path) : loadPicture(path);
}

bool CFileIconDlg::loadSong(const std::string& path) {
    FileData file = readFileBytes(widen(path), uint64_t(SongBuffer::maxFileSize));
    if (file.status != FileData::ok) {
        player_->stop();
        showFailure({file.status == FileData::notFound ? FileDialogFailure::songNotFound
                                                       : FileDialogFailure::songUnreadable});
        return false;
    }
    player_->load(std::move(file.bytes));
    return true;
}

bool CFileIconDlg::loadPicture(const std::string& path) {
    const std::wstring widePath = widen(path);
    const std::wstring extension = extensionOf(widePath);
    if (extension == L"bmp" || extension == L"BMP") {
        // The reader takes the header first and only the rows it says there are.
        const std::unique_ptr<std::istream> in = openFileStream(widePath);
        if (!in) return false;
        const ImageError error = readPreviewBmp(*in, picture_);
        if (error == ImageError::none) return true;
        FileDialogFailure failure{FileDialogFailure::pictureRefused};
        failure.pictureError = error;
        showFailure(failure);
        return false;
    }
    const SusiePlugins none;
    const PluginResult result =
        decodeWithPlugin(setup_.plugins ? *setup_.plugins : none, widePath, extension, picture_);
    if (result.succeeded()) return true;
    FileDialogFailure failure{FileDialogFailure::pluginRefused};
    failure.pluginResult = result;
    showFailure(failure);
    return false;
}

void CFileIconDlg::drawPreview() {
    if (setup_.mode == FileDialogMode::midi) {
        WaitCursor wait;
        if (player_->start() == PreviewPlayer::StartResult::timerFailed)
            showFailure({FileDialogFailure::timerRefused});
        return;
    }
    pictureShown_ = !picture_.empty();
    SetDlgItemTextW(panel_, IDC_PREVIEW_SIZE,
                    widen(previewSizeText(picture_.width(), picture_.height())).c_str());
    RedrawWindow(GetDlgItem(panel_, IDC_PREVIEW_AREA), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CFileIconDlg::clearPreview() {
    if (setup_.mode == FileDialogMode::midi) {
        player_->stop();
        return;
    }
    pictureShown_ = false;
    SetDlgItemTextW(panel_, IDC_PREVIEW_SIZE, widen(previewBlankSizeText).c_str());
    RedrawWindow(GetDlgItem(panel_, IDC_PREVIEW_AREA), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// The preview area paints itself through here: the picture scaled into a white area with a one-pixel
// frame, or light grey when no picture is shown.
INT_PTR CFileIconDlg::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_PREVIEW_AREA) return FALSE;
    const RECT& area = item.rcItem;
    if (!pictureShown_ || picture_.empty()) {  // a failed read may have released the picture shown
        FillRect(item.hDC, &area, HBRUSH(GetStockObject(LTGRAY_BRUSH)));
        return TRUE;
    }
    WaitCursor wait;
    FillRect(item.hDC, &area, HBRUSH(GetStockObject(WHITE_BRUSH)));
    const int width = picture_.width();
    const int height = picture_.height();
    const PreviewRect target = previewTarget(width, height, area.right - area.left, area.bottom - area.top);
    const int previousMode = SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchDIBits(item.hDC, area.left + target.x, area.top + target.y, target.width, target.height, 0, 0,
                  width, height, picture_.pixels(),
                  reinterpret_cast<const BITMAPINFO*>(picture_.block().data()), DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(item.hDC, previousMode);
    return TRUE;
}

void CFileIconDlg::setCheck(bool checked) {
    CheckDlgButton(panel_, IDC_PREVIEW_CHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CFileIconDlg::refuseMissingFile(const std::string& path) {
    FileDialogFailure failure;
    failure.path = path;
    MessageBoxW(GetParent(panel_), widen(setup_.wording(failure)).c_str(), programBaseName().c_str(),
                MB_OK | MB_ICONQUESTION);
}

bool CFileIconDlg::acceptPicture() {
    return setup_.acceptPicture && setup_.acceptPicture(picture_);
}

void CFileIconDlg::showFailure(const FileDialogFailure& failure) {
    showMessage(GetParent(panel_), setup_.wording(failure));
}

void CFileIconDlg::postPreviewEnded() {
    PostMessageW(panel_, previewEndedMessage, 0, 0);
}
