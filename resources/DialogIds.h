#pragma once

// Resource and control ids of the program's dialogs. The dialog resources (resources/*.rc) use them too, so
// this header holds nothing but #defines (the resource compiler reads it).

// The panel under the open dialog.
#define IDD_FILE_PREVIEW 101
#define IDC_PREVIEW_AREA 1035
#define IDC_PREVIEW_SIZE 1005
#define IDC_PREVIEW_CHECK 1014
// stc32: where the open dialog puts its own controls beside the panel.
#define IDC_STANDARD_CONTROLS 1119

// The tone dialog.
#define IDD_TONE_DIALOG 102
#define IDC_TONE_LIST 1001
#define IDC_TONE_LABEL 1002

// The effect dialogs.
#define IDD_KEY_SIGNATURE 103
#define IDD_PITCH_MAP 104
#define IDD_EFFECT_TIME 105

// Key-signature dialog.
#define IDC_KEY_LABEL 1011
#define IDC_KEY_COUNT_FIRST 1013  // "１".."７": 1013-1019
#define IDC_KEY_COUNT_LAST 1019
#define IDC_KEY_SHARPS 1020
#define IDC_KEY_NONE 1021
#define IDC_KEY_FLATS 1022
#define IDC_KEY_TRY 1060

// Pitch dialog. The bars of rows 0-9 are 1019-1028, those of rows 10 and 11 are 1053 and 1054.
#define IDC_PITCH_BAR_FIRST 1019
#define IDC_PITCH_BAR_TENTH 1028
#define IDC_PITCH_BAR_ELEVENTH 1053
#define IDC_PITCH_BAR_TWELFTH 1054
#define IDC_PITCH_NEW_FIRST 1029     // new-note labels 1029-1040
#define IDC_PITCH_SOURCE_FIRST 1041  // source labels 1041-1052
#define IDC_PITCH_RESET 1060
#define IDC_PITCH_REMOVE_SEMITONES 1061
#define IDC_PITCH_REST 1062
#define IDC_PITCH_RIGHT 1063
#define IDC_PITCH_LEFT 1064
#define IDC_PITCH_MIRROR 1065
#define IDC_PITCH_UP 1066
#define IDC_PITCH_DOWN 1067
#define IDC_PITCH_REVERSE 1068
#define IDC_PITCH_TRY 1069

// Effect-time dialog.
#define IDC_TIME_PROMPT 1014
#define IDC_TIME_BAR 1019
#define IDC_TIME_READOUT 1020

// The "曲目一覧" window.
#define IDD_SONG_LIST 106
#define IDC_SONG_LIST 1101
#define IDC_SONG_LIST_KEYS 1102

// The "歌詞" window.
#define IDD_LYRICS 107
