#include "images/win32/PicturePreview.h"

#include "images/PreviewBmp.h"
#include "images/PreviewGeometry.h"
#include "images/win32/SusiePlugins.h"
#include "platform/Paths.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "resources/DialogIds.h"

bool PicturePreview::load(const std::string& path) {
    const std::wstring widePath = widen(path);
    const std::wstring extension = widen(extensionOf(path));
    if (extension == L"bmp" || extension == L"BMP") {
        // The reader takes the header first and only the rows it says there are.
        const std::unique_ptr<std::istream> in = openFileStream(widePath);
        if (!in) {
            showFailure({FileDialogFailure::unreadable});
            return false;
        }
        const ImageError error = readPreviewBmp(*in, picture_);
        if (error == ImageError::none) return true;
        FileDialogFailure failure{FileDialogFailure::pictureRefused};
        failure.pictureError = error;
        showFailure(failure);
        return false;
    }
    const PluginResult result = plugins_.decode(widePath, extension, picture_);
    if (result.succeeded()) return true;
    FileDialogFailure failure{FileDialogFailure::pluginRefused};
    failure.pluginResult = result;
    showFailure(failure);
    return false;
}

void PicturePreview::show() {
    shown_ = !picture_.empty();
    showArea(previewSizeText(picture_.width(), picture_.height()));
}

void PicturePreview::clear() {
    shown_ = false;
    showArea(previewBlankSizeText);
}

void PicturePreview::showArea(const std::string& sizeText) {
    setItemText(panel_, IDC_PREVIEW_SIZE, sizeText);
    RedrawWindow(GetDlgItem(panel_, IDC_PREVIEW_AREA), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

INT_PTR PicturePreview::handleMessage(UINT message, WPARAM, LPARAM lParam) {
    return message == WM_DRAWITEM ? draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) : FALSE;
}

// The preview area paints itself through here: the picture scaled into a white area with a one-pixel
// frame, or light grey when no picture is shown.
INT_PTR PicturePreview::draw(const DRAWITEMSTRUCT& item) const {
    if (item.CtlID != IDC_PREVIEW_AREA) return FALSE;
    const RECT& area = item.rcItem;
    if (!shown_ || picture_.empty()) {  // a failed read may have released the picture shown
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
