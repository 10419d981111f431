#include "images/win32/CFileIconDlg.h"

#include "platform/win32/DialogPlumbing.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "resources/DialogIds.h"

CFileIconDlg::CFileIconDlg(const FileDialogSetup& setup, FilePreview& preview)
    : setup_(setup), preview_(preview), rules_(preview.mode(), *setup.checks, *this) {}

std::optional<ChosenFile> CFileIconDlg::run(HWND owner, const FileDialogSetup& setup, FilePreview& preview) {
    CFileIconDlg dialog(setup, preview);
    const std::wstring filter = dialogFilter(setup.filter);
    std::wstring startFolder = widen(setup.startFolder);
    if (!isExistingFolder(startFolder)) startFolder = currentFolder();
    std::wstring path = filePathRoom();
    OPENFILENAMEW open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = owner;
    open.hInstance = GetModuleHandleW(nullptr);
    open.lpstrFilter = filter.c_str();
    open.lpstrFile = path.data();
    open.nMaxFile = DWORD(path.size());
    open.lpstrInitialDir = startFolder.c_str();
    open.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    open.lpTemplateName = MAKEINTRESOURCEW(IDD_FILE_PREVIEW);
    open.lpfnHook = &DialogPlumbing::hookProc<CFileIconDlg>;
    open.lCustData = LPARAM(&dialog);
    if (!GetOpenFileNameW(&open) || path[0] == L'\0') return std::nullopt;
    return ChosenFile{narrow(path.c_str())};
}

INT_PTR CFileIconDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            preview_.attach(dialog_, setup_.wording);
            rules_.shown();
            return TRUE;
        case WM_NOTIFY:
            return onNotify(*reinterpret_cast<const OFNOTIFYW*>(lParam));
        case WM_COMMAND:
            return onCommand(wParam);
        case WM_DESTROY:
            rules_.closing();
            return FALSE;
        default:
            return preview_.handleMessage(message, wParam, lParam);
    }
}

INT_PTR CFileIconDlg::onNotify(const OFNOTIFYW& notify) {
    switch (notify.hdr.code) {
        case CDN_SELCHANGE:
            rules_.selectionChanged(selectedPath());
            return TRUE;
        case CDN_FOLDERCHANGE:
            rules_.folderChanged();
            return TRUE;
        case CDN_INITDONE:
            centreFileDialog(dialog_);
            return TRUE;
        case CDN_FILEOK: {
            const bool accepted = rules_.fileNameOk(narrow(notify.lpOFN->lpstrFile));
            // A non-zero result keeps the dialog open.
            SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, accepted ? 0 : 1);
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

std::string CFileIconDlg::selectedPath() const {
    std::wstring path = filePathRoom();
    const LRESULT length =
        SendMessageW(GetParent(dialog_), CDM_GETFILEPATH, WPARAM(path.size()), LPARAM(path.data()));
    return length > 0 && size_t(length) <= path.size() ? narrow(path.c_str()) : std::string();
}

PathKind CFileIconDlg::pathKind(const std::string& path) {
    const std::wstring widePath = widen(path);
    if (isExistingFile(widePath)) return PathKind::file;
    return isExistingFolder(widePath) ? PathKind::folder : PathKind::missing;
}

bool CFileIconDlg::loadPreview(const std::string& path) {
    WaitCursor wait;
    return preview_.load(path);
}

void CFileIconDlg::setCheck(bool checked) {
    CheckDlgButton(dialog_, IDC_PREVIEW_CHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CFileIconDlg::refuseMissingFile(const std::string& path) {
    FileDialogFailure failure;
    failure.path = path;
    MessageBoxW(GetParent(dialog_), widen(setup_.wording(failure)).c_str(), programBaseName().c_str(),
                MB_OK | MB_ICONQUESTION);
}
