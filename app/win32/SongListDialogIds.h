#pragma once

// Resource and control ids of the "曲目一覧" window. resources/song-list-dialog.rc uses them too, so this
// header holds nothing but #defines (the resource compiler reads it).
#define IDD_SONG_LIST 106
#define IDC_SONG_LIST 1101
#define IDC_SONG_LIST_KEYS 1102
