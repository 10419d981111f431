#pragma once
#include <windows.h>

#include <string>

#include "images/win32/FilePreview.h"
#include "playback/MidiOut.h"
#include "playback/PlaybackTimer.h"
#include "playback/PreviewPlayer.h"

// The open dialog's preview of a song: listening to the selection through the main window's device and
// a timer of the preview's own (PreviewPlayer), from its beginning to its end, which the timer thread
// posts to the panel. The panel keeps only its check box, "音楽を聴く".
class SongPreview : public FilePreview, private PreviewEndPoster {
  public:
    // |out| is never played to by the main player meanwhile: the song dialog opens only while it is stopped.
    SongPreview(MidiOut& out, PlaybackTimer& timer) : player_(out, timer, *this) {}

    FileDialogMode mode() const override { return FileDialogMode::midi; }
    bool load(const std::string& path) override;
    void show() override;
    void clear() override { player_.stop(); }
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Posted by the preview's timer thread when the song has ended.
    static constexpr UINT endedMessage = WM_APP + 0x14;

    void setUp() override;
    void postPreviewEnded() override { PostMessageW(panel_, endedMessage, 0, 0); }

    PreviewPlayer player_;
};
