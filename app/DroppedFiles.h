#pragma once
#include <string>
#include <vector>

// Files dropped on the window. While stopped, the first one is opened as if it had been picked in the open
// dialog, and every further MIDI file joins the song list, so several dropped songs can be played one after
// another; while playing, a drop does nothing, as "ファイルを開く" does nothing then.
struct DroppedFiles {
    std::string opened;                // empty: the drop is ignored
    std::vector<std::string> joining;  // the further MIDI files, in the order they were dropped
};

DroppedFiles sortDroppedFiles(const std::vector<std::string>& paths, bool playing);

// A name ending in ".mid", ".midi" or ".kar" (a karaoke file), in any case.
bool isMidiFileName(const std::string& path);
