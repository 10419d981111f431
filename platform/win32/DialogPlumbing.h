#pragma once
#include <windows.h>
// commdlg.h needs windows.h first.
#include <commdlg.h>

#include <string>
#include <utility>
#include <vector>

// What every dialog of the program shares: the window procedure that finds the dialog's object, the
// placing over its owner, the common dialogs' filters, texts in UTF-8, the wait cursor and the message
// boxes.

// The window procedure side of a dialog class, which befriends this. WM_INITDIALOG brings the object in its
// lParam; it is kept with the window from then on, learns its window in `dialog_` and handles every
// message in `handleMessage`. A modeless dialog's object belongs to its window and is deleted with it.
struct DialogPlumbing {
    template <class Dialog, bool ownedByWindow = false>
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            reinterpret_cast<Dialog*>(lParam)->dialog_ = dialog;
        }
        auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!self) return FALSE;
        if (ownedByWindow && message == WM_NCDESTROY) {
            SetWindowLongPtrW(dialog, DWLP_USER, 0);
            delete self;
            return FALSE;
        }
        return self->handleMessage(message, wParam, lParam);
    }

    // The same for the panel a common file dialog shows from a template of the program's: its
    // WM_INITDIALOG brings the dialog's OPENFILENAMEW, whose lCustData is the object.
    template <class Dialog>
    static UINT_PTR CALLBACK hookProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) lParam = reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData;
        return UINT_PTR(dialogProc<Dialog>(panel, message, wParam, lParam));
    }

    // Runs the modal dialog |resource| over |parent| for |self|: what the dialog ended with, or -1 when it
    // could not be created.
    template <class Dialog>
    static INT_PTR runModal(HINSTANCE instance, int resource, HWND parent, Dialog& self) {
        return DialogBoxParamW(instance, MAKEINTRESOURCEW(resource), parent, &dialogProc<Dialog>,
                               LPARAM(&self));
    }

    // Creates the modeless dialog |resource| over |parent| for |self|, which its window owns from then on;
    // nullptr, and |self| deleted, when the window could not be created.
    template <class Dialog>
    static Dialog* openModeless(HINSTANCE instance, int resource, HWND parent, Dialog* self) {
        if (CreateDialogParamW(instance, MAKEINTRESOURCEW(resource), parent, &dialogProc<Dialog, true>,
                               LPARAM(self)))
            return self;
        delete self;
        return nullptr;
    }
};

// Every dialog of the program calls this as it opens. Its texts get the room the font on this system needs:
// where the font that the template names is missing and its stand-in draws a text wider than its control,
// the dialog and all its controls are stretched across by the same factor, so that rows and columns stay
// aligned; where every text fits, as with the named font, nothing moves. Then the dialog is put in the
// middle of |owner|'s window, kept on owner's screen.
// |laterTexts| are texts a control shows later (control id, UTF-8 text), which get their room now too.
using LaterTexts = std::vector<std::pair<int, std::string>>;
void fitAndCentreDialog(HWND dialog, HWND owner, const LaterTexts& laterTexts = {});
// Moves |window| with its top left at |left|, |top| (screen pixels), or as near to there as keeps it
// whole on the work area of the screen that |area| lies on.
void placeOnScreen(HWND window, int left, int top, const RECT& area);
// Left to itself a common file dialog opens at the screen's top-left corner, far from the window that
// asked; like the program's other dialogs it is centred over that window once laid out. For its hook, on
// CDN_INITDONE.
void centreFileDialog(HWND hook);

// A file dialog's filter as the program writes it, "description|pattern|" pairs, in the form the common
// dialogs take: "description\0pattern\0" pairs and a closing "\0".
std::wstring dialogFilter(const std::string& filter);

// A file dialog's room for the path chosen: the longest path Windows takes (32767 characters and the
// closing null), so that a file deep in long folder names is never refused for want of room.
inline std::wstring filePathRoom() {
    return std::wstring(32768, L'\0');
}

void setItemText(HWND dialog, int id, const std::string& utf8);

// The wait cursor while it lives.
class WaitCursor {
  public:
    WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }

  private:
    HCURSOR previous_;
};

// The program's message boxes: an OK button, the exclamation icon, and the program file's base name as
// the caption, as users of this kind of program know them.
void showMessage(HWND owner, const std::string& text);
// The same box with the information icon, for what was done as asked.
void showInformation(HWND owner, const std::string& text);
// A box with its own caption (the device errors at close use "Error").
void showMessage(HWND owner, const std::string& text, const std::string& caption);
