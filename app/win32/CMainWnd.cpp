#include "app/win32/CMainWnd.h"

#include <windowsx.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include "app/win32/HelpViewer.h"
#include "effects/win32/EffectDialogCommon.h"
#include "platform/win32/DialogPlumbing.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"
#include "resources/CommandIds.h"

namespace {
constexpr int compactWidth = 400;
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int firstHistoryPosition = 2;  // in the file menu, after "ファイルを開く" and a separator

// The paths of the files of a WM_DROPFILES, in UTF-8 and in the order Windows gives them. The caller
// still owns the drop (DragFinish).
std::vector<std::string> droppedFilePaths(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        const UINT length = DragQueryFileW(drop, index, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, index, path.data(), length + 1);
        path.resize(copied);
        if (!path.empty()) paths.push_back(narrow(path));
    }
    return paths;
}
}  // namespace

CMainWnd::CMainWnd(HINSTANCE instance, Files& files, Win32Dialogs& dialogs, MidiOut& out,
                   OutputOpener openOutput, PlaybackTimer& timer, ShortMessageFailures& failures,
                   MidiOutChoice::Reopener reopenOutput)
    : instance_(instance),
      files_(files),
      dialogs_(dialogs),
      openOutput_(std::move(openOutput)),
      midiOutChoice_(reopenOutput ? std::make_unique<MidiOutChoice>(underOwner(std::move(reopenOutput)))
                                  : nullptr),
      songList_(instance, [this](SongListWindow::Action action,
                                 int row) { return model_.songListAction(action, row); }),
      lyrics_(instance, [this](const WindowPlace& place) { model_.lyricsWindowPlaced(place); }),
      model_(platform(), out, timer, *this, failures) {}

// The device changes under its owner, so that no sender meanwhile reaches a closed one. The model is built
// after the choice, but the choice calls this only once the window runs.
MidiOutChoice::Reopener CMainWnd::underOwner(MidiOutChoice::Reopener reopen) {
    return [this, reopen = std::move(reopen)](int device) {
        return model_.device().change([&] { return reopen(device); });
    };
}

WindowPlatform CMainWnd::platform() {
    Pictures& pictures = dialogs_;  // the plug-ins the dialogs own decode the background's pictures
    return {*this,        files_,     dialogs_, clock_, registry_, &pictures, midiOutChoice_.get(),
            &midiInputs_, &songList_, &lyrics_};
}

CMainWnd::~CMainWnd() {
    if (window_) DestroyWindow(window_);
}

bool CMainWnd::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &CMainWnd::windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(101));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CMainWnd::create(int showCommand) {
    // The size is worked out for a sizable frame while the window has a thin one, so the client area
    // comes out a little larger than the face; the face is drawn at 0, 0 regardless.
    RECT outer = {0, 0, faceWidth, faceHeight};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, TRUE);
    largeWidth_ = outer.right - outer.left;
    largeHeight_ = outer.bottom - outer.top;
    HMENU menu = LoadMenuW(instance_, L"IDR_MENU1");
    window_ = CreateWindowExW(0, className, widen(programTitle).c_str(), windowStyle, 0, 0, largeWidth_,
                              largeHeight_, nullptr, menu, instance_, this);
    if (!window_) return false;
    if (midiOutChoice_) midiOutChoice_->attach(window_);
    dialogs_.attach(window_, *this, model_.device());
    songList_.attach(window_);
    lyrics_.attach(window_);

    auto outputOpened = [&] {
        const std::optional<std::string> failure = openOutput_();
        if (failure) showMessage(*failure);
        return !failure;
    };
    bool started = model_.loadSprites() && outputOpened();
    if (started) {
        model_.loadSettings();
        started = model_.loadFace();
    }
    if (!started) {
        DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    DragAcceptFiles(window_, TRUE);
    dialogs_.loadPlugins(model_.settingsUsable());
    SetTimer(window_, liveMetersTimer, liveMetersPeriodMs, nullptr);
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    if (const std::optional<WindowPlace>& place = model_.keptLyricsWindow()) lyrics_.restore(*place);
    return true;
}

LRESULT CALLBACK CMainWnd::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CMainWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        self->canvases_ = std::make_unique<WindowCanvasSource>(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(self));
    }
    auto* self = reinterpret_cast<CMainWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT CMainWnd::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CMainWnd::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    switch (message) {
        case WM_PAINT:
            return onPaint();
        case WM_PRINTCLIENT:
            return paint(HDC(wParam)), 0;
        case tickMessage:
            return model_.onTick(), 0;
        case WM_TIMER:
            if (wParam == liveMetersTimer) model_.liveMetersTick();
            return 0;
        case WM_COMMAND:
            return onCommand(message, wParam, lParam);
        case WM_INITMENUPOPUP:
            return onInitMenuPopup(message, wParam, lParam);
        case WM_LBUTTONDOWN:
            return onLeftButtonDown(x, y);
        case WM_LBUTTONUP:
            return onLeftButtonUp();
        case WM_CAPTURECHANGED:
            return onCaptureChanged(message, wParam, lParam);
        case WM_MOUSEMOVE:
            return model_.mouseMove(x, y), 0;
        case WM_RBUTTONDOWN:
            return model_.rightButtonDown(x, y), 0;
        case WM_NCLBUTTONDBLCLK:
            return onCaptionDoubleClick(message, wParam, lParam);
        // Never passed on, so the caption's system menu does not pop up on a right click.
        case WM_NCRBUTTONDOWN:
            return model_.captionRightButton(wParam == HTCAPTION), 0;
        case WM_DROPFILES:
            return onDropFiles(wParam);
        case keySignatureTryMessage:
            return onKeySignatureTry();
        case pitchMapTryMessage:
            return onPitchMapTry();
        case effectDialogClosingMessage:
            return onEffectDialogClosing();
        case WM_CLOSE:
            return onClose();
        case WM_DESTROY:
            return onDestroy();
        case WM_NCDESTROY:
            return onNcDestroy(message, wParam, lParam);
        default:
            return defaultHandling(message, wParam, lParam);
    }
}

LRESULT CMainWnd::onPaint() {
    PAINTSTRUCT paintStruct;
    paint(BeginPaint(window_, &paintStruct));
    EndPaint(window_, &paintStruct);
    return 0;
}

LRESULT CMainWnd::onCommand(UINT message, WPARAM wParam, LPARAM lParam) {
    return model_.onCommand(LOWORD(wParam)) ? 0 : defaultHandling(message, wParam, lParam);
}

LRESULT CMainWnd::onInitMenuPopup(UINT message, WPARAM wParam, LPARAM lParam) {
    // The system menu keeps what Windows gives it: enabling its items would let the fixed-size window be
    // maximised or sized.
    if (HIWORD(lParam)) return defaultHandling(message, wParam, lParam);
    updateMenuChecks(HMENU(wParam));
    return 0;
}

LRESULT CMainWnd::onLeftButtonDown(int x, int y) {
    model_.leftButtonDown(x, y);
    // A held arrow or fast forward must hear of the release even when it happens outside.
    if (model_.holdsMouse()) SetCapture(window_);
    return 0;
}

LRESULT CMainWnd::onLeftButtonUp() {
    model_.leftButtonUp();
    if (GetCapture() == window_) ReleaseCapture();
    return 0;
}

LRESULT CMainWnd::onCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HWND(lParam) != window_) model_.leftButtonUp();
    return defaultHandling(message, wParam, lParam);
}

LRESULT CMainWnd::onCaptionDoubleClick(UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam == HTCAPTION) model_.captionDoubleClick();
    return defaultHandling(message, wParam, lParam);
}

LRESULT CMainWnd::onDropFiles(WPARAM drop) {
    const std::vector<std::string> paths = droppedFilePaths(HDROP(drop));
    DragFinish(HDROP(drop));
    model_.dropFiles(paths);
    return 0;
}

LRESULT CMainWnd::onClose() {
    // A modal dialog (or the close question itself) disables the window; a close that still arrives, from
    // the taskbar or another program, would destroy the window under the code waiting on that dialog. The
    // dialog is shown instead, and the close is left to the user once it is answered.
    if (!IsWindowEnabled(window_)) {
        SetForegroundWindow(GetLastActivePopup(window_));
        return 0;
    }
    if (model_.prepareToClose()) DestroyWindow(window_);
    return 0;
}

LRESULT CMainWnd::onDestroy() {
    lyrics_.keepPlace();
    model_.onDestroy();
    closeHelpWindows();
    dialogs_.effectDialogClosing();
    dialogs_.releasePlugins();
    PostQuitMessage(0);
    return 0;
}

LRESULT CMainWnd::onNcDestroy(UINT message, WPARAM wParam, LPARAM lParam) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    const LRESULT result = defaultHandling(message, wParam, lParam);
    window_ = nullptr;
    return result;
}

void CMainWnd::paint(HDC dc) {
    GdiCanvas canvas(dc, canvases_->font());
    model_.paint(canvas);
}

std::unique_ptr<Canvas> CMainWnd::openCanvas() {
    return canvases_->openCanvas();
}

void CMainWnd::updateMenuChecks(HMENU popup) {
    const int count = GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        const UINT id = GetMenuItemID(popup, position);
        if (id == UINT(-1) || id == 0) continue;
        const MenuItemState state = model_.menuItemState(int(id));
        CheckMenuItem(popup, id, MF_BYCOMMAND | (state.checked ? MF_CHECKED : MF_UNCHECKED));
        EnableMenuItem(popup, id, MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
    }
}

void CMainWnd::showMessage(const std::string& text) {
    ::showMessage(window_, text);
}

void CMainWnd::showInformation(const std::string& text) {
    ::showInformation(window_, text);
}

void CMainWnd::setTitle(const std::string& title) {
    SetWindowTextW(window_, widen(title).c_str());
}

void CMainWnd::setWaitCursor(bool waiting) {
    SetCursor(LoadCursorW(nullptr, waiting ? IDC_WAIT : IDC_ARROW));
}

void CMainWnd::postClose() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
}

void CMainWnd::resizeForView(bool large) {
    if (large)
        MoveWindow(window_, 0, 0, largeWidth_, largeHeight_, TRUE);
    else
        MoveWindow(window_, 0, 0, compactWidth,
                   GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) + 4, TRUE);
}

void CMainWnd::invalidateFace() {
    InvalidateRect(window_, nullptr, TRUE);
}

void CMainWnd::invalidate(const face::Rect& area) {
    const RECT rect{area.left, area.top, area.right, area.bottom};
    InvalidateRect(window_, &rect, FALSE);
}

void CMainWnd::postTick() {
    PostMessageW(window_, tickMessage, 0, 0);
}

// The first call also removes the resource's placeholders, which carry the history ids.
void CMainWnd::showHistoryItems(const std::vector<HistoryMenuItem>& items) {
    HMENU fileMenu = GetSubMenu(GetMenu(window_), 0);
    for (int id = IDM_HISTORY_FIRST; id <= IDM_HISTORY_LAST; ++id)
        DeleteMenu(fileMenu, UINT(id), MF_BYCOMMAND);
    UINT position = firstHistoryPosition;
    for (const HistoryMenuItem& item : items)
        InsertMenuW(fileMenu, position++, MF_BYPOSITION | MF_STRING, UINT_PTR(item.id),
                    widen(item.label).c_str());
    DrawMenuBar(window_);
}

bool CMainWnd::askYesNo(const std::string& question) {
    return MessageBoxW(window_, widen(question).c_str(), programBaseName().c_str(),
                       MB_YESNO | MB_ICONINFORMATION) == IDYES;
}

void CMainWnd::enableCloseCommand(bool enabled) {
    EnableMenuItem(GetSystemMenu(window_, FALSE), SC_CLOSE,
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool CMainWnd::takeDialogMessage(MSG& message) {
    HWND dialog = effectDialog();
    return (dialog && IsDialogMessageW(dialog, &message)) || songList_.takeMessage(message) ||
           lyrics_.takeMessage(message);
}

LRESULT CMainWnd::onKeySignatureTry() {
    if (const std::optional<KeySignature> tried = dialogs_.keySignatureTried())
        model_.effectDialogs().tryKeySignature(*tried);
    return 0;
}

LRESULT CMainWnd::onPitchMapTry() {
    if (const std::optional<PitchMap> tried = dialogs_.pitchMapTried())
        model_.effectDialogs().tryPitchMap(*tried);
    return 0;
}

LRESULT CMainWnd::onEffectDialogClosing() {
    dialogs_.effectDialogClosing();
    model_.effectDialogs().dialogClosing();
    return 0;
}
