#include "app/win32/CMainWnd.h"

#include <commdlg.h>
#include <windowsx.h>

#include "app/win32/MessageBoxes.h"
#include "app/win32/WideText.h"

namespace {
constexpr int compactWidth = 400;
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int historyPlaceholderFirst = 2;
constexpr int historyPlaceholderLast = 7;

std::wstring folderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// "description|pattern|" becomes the dialog's "description\0pattern\0\0".
std::wstring dialogFilter(const std::string& filter) {
    std::wstring result = widen(filter);
    for (wchar_t& c : result)
        if (c == L'|') c = L'\0';
    result.push_back(L'\0');
    return result;
}
}  // namespace

CMainWnd::CMainWnd(HINSTANCE instance, MidiOut& out, OutputOpener openOutput, PlaybackTimer& timer,
                   ShortMessageFailures& failures)
    : instance_(instance),
      openOutput_(std::move(openOutput)),
      model_(*this, out, timer, *this, *this, failures) {}

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
    window_ = CreateWindowExW(0, className, widen(MainWindowModel::programTitle).c_str(), windowStyle, 0, 0,
                              largeWidth_, largeHeight_, nullptr, menu, instance_, this);
    if (!window_) return false;

    std::string error;
    const bool started =
        model_.loadSprites() && (openOutput_(error) || (showMessage(error), false)) && model_.loadFace();
    if (!started) {
        DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    removeHistoryPlaceholders();
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    return true;
}

void CMainWnd::removeHistoryPlaceholders() {
    HMENU fileMenu = GetSubMenu(GetMenu(window_), 0);
    for (int position = historyPlaceholderLast; position >= historyPlaceholderFirst; --position)
        DeleteMenu(fileMenu, UINT(position), MF_BYPOSITION);
    DrawMenuBar(window_);
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

LRESULT CMainWnd::finishFaceMessage(bool passOn, UINT message, WPARAM wParam, LPARAM lParam) {
    model_.reportDeviceFailures();  // a face control may just have sent to a lost device
    return passOn ? defaultHandling(message, wParam, lParam) : 0;
}

LRESULT CMainWnd::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    FaceControls& controls = model_.controls();
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paintStruct;
            paint(BeginPaint(window_, &paintStruct));
            EndPaint(window_, &paintStruct);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(HDC(wParam));
            return 0;
        case tickMessage:
            model_.onTick();
            return 0;
        case WM_COMMAND:
            if (model_.onCommand(LOWORD(wParam))) return 0;
            break;
        case WM_INITMENUPOPUP:
            updateMenuChecks(HMENU(wParam));
            return 0;
        case WM_LBUTTONDOWN: {
            const bool passOn = controls.leftButtonDown(x, y);
            // A held arrow or fast forward must hear of the release even when it happens outside.
            if (model_.holdsMouse()) SetCapture(window_);
            return finishFaceMessage(passOn, message, wParam, lParam);
        }
        case WM_LBUTTONUP: {
            const bool passOn = controls.leftButtonUp();
            if (GetCapture() == window_) ReleaseCapture();
            return finishFaceMessage(passOn, message, wParam, lParam);
        }
        case WM_CAPTURECHANGED:
            if (HWND(lParam) != window_) controls.leftButtonUp();
            return finishFaceMessage(true, message, wParam, lParam);
        case WM_MOUSEMOVE:
            return finishFaceMessage(controls.mouseMove(x, y), message, wParam, lParam);
        case WM_RBUTTONDOWN:
            return finishFaceMessage(controls.rightButtonDown(x, y), message, wParam, lParam);
        case WM_NCLBUTTONDBLCLK:
            if (wParam == HTCAPTION && !controls.captionDoubleClick()) return 0;
            break;
        case WM_NCRBUTTONDOWN:
            // Never passed on, so the caption's system menu does not pop up on a right click.
            controls.captionRightButton(wParam == HTCAPTION);
            return 0;
        case WM_CLOSE:
            if (model_.prepareToClose()) DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            if (model_.player().playing()) model_.player().stopPlayback(Player::userStop);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            break;
        default:
            break;
    }
    return defaultHandling(message, wParam, lParam);
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
        const MainWindowModel::MenuItemState state = model_.menuItemState(int(id));
        CheckMenuItem(popup, id, MF_BYCOMMAND | (state.checked ? MF_CHECKED : MF_UNCHECKED));
        EnableMenuItem(popup, id, MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
    }
}

void CMainWnd::showMessage(const std::string& text) {
    ::showMessage(window_, text);
}

std::optional<std::string> CMainWnd::chooseSongFile(const std::string& filter) {
    const std::wstring filterText = dialogFilter(filter);
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return narrow(path);
}

FileData CMainWnd::readFile(const std::string& path) {
    FileData file;
    const std::wstring widePath = widen(path);
    if (!fileExists(widePath)) return file;
    file.status = FileData::readError;
    HANDLE handle = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return file;
    LARGE_INTEGER size = {};
    // A song or picture of a gigabyte is no song or picture; refuse rather than try to hold it.
    if (GetFileSizeEx(handle, &size) && size.QuadPart < (LONGLONG(1) << 30)) {
        file.bytes.resize(size_t(size.QuadPart));
        DWORD read = 0;
        if (file.bytes.empty() ||
            (ReadFile(handle, file.bytes.data(), DWORD(file.bytes.size()), &read, nullptr) &&
             read == file.bytes.size()))
            file.status = FileData::ok;
    }
    CloseHandle(handle);
    if (file.status != FileData::ok) file.bytes.clear();
    return file;
}

std::optional<std::string> CMainWnd::findSkinFile(const std::string& name) {
    const std::wstring wideName = widen(name);
    if (wideName.find_first_of(L"\\/:") != std::wstring::npos)
        return fileExists(wideName) ? std::optional<std::string>(name) : std::nullopt;
    wchar_t buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    const std::wstring besideProgram = folderOf(buffer) + L"\\" + wideName;
    if (fileExists(besideProgram)) return narrow(besideProgram);
    GetCurrentDirectoryW(MAX_PATH, buffer);
    const std::wstring inCurrentFolder = std::wstring(buffer) + L"\\" + wideName;
    if (fileExists(inCurrentFolder)) return narrow(inCurrentFolder);
    return std::nullopt;
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

void CMainWnd::postTick() {
    PostMessageW(window_, tickMessage, 0, 0);
}
