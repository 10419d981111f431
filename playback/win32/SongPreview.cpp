#include "playback/win32/SongPreview.h"

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "playback/SongBuffer.h"
#include "resources/DialogIds.h"

void SongPreview::setUp() {
    SetDlgItemTextW(panel_, IDC_PREVIEW_CHECK, L"音楽を聴く");
    EnableWindow(GetDlgItem(panel_, IDC_PREVIEW_AREA), FALSE);
    ShowWindow(GetDlgItem(panel_, IDC_PREVIEW_AREA), SW_HIDE);
    ShowWindow(GetDlgItem(panel_, IDC_PREVIEW_SIZE), SW_HIDE);
}

bool SongPreview::load(const std::string& path) {
    FileData file = readFileBytes(widen(path), uint64_t(SongBuffer::maxFileSize));
    if (file.status != FileData::ok) {
        player_.stop();
        showFailure({file.status == FileData::notFound ? FileDialogFailure::songNotFound
                                                       : FileDialogFailure::unreadable});
        return false;
    }
    player_.load(std::move(file.bytes));
    return true;
}

void SongPreview::show() {
    WaitCursor wait;
    if (player_.start() == PreviewPlayer::StartResult::timerFailed)
        showFailure({FileDialogFailure::timerRefused});
}

INT_PTR SongPreview::handleMessage(UINT message, WPARAM, LPARAM) {
    if (message != endedMessage) return FALSE;
    player_.finishIfEnded();
    return TRUE;
}
