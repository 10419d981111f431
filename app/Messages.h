#pragma once
#include <string>

#include "effects/EffectTimeQuestion.h"
#include "generators/GeneratorError.h"
#include "images/FileDialogFailure.h"
#include "images/ImageError.h"
#include "images/PluginResult.h"
#include "platform/Files.h"
#include "playback/DeviceError.h"

// The program's texts for what it refuses and what went wrong, shown by the window and printed by
// velmira-render: each written once, here, as the user has always read it. A text that depends on a value
// is a function of it; empty where the failure is silent.

// The window's title before any song, and the window's name.
constexpr const char* programTitle = "Velmira";
// The page's one line for a first visit, in both the program's language and the browser's lingua franca.
constexpr const char* dropHintText = "MIDIファイルをここにドロップ / Drop a MIDI file here";

// What the window says when a song cannot be read; nothing for ok.
std::string songReadFailureText(FileData::Status status);

// The MIDI output. A send failing while a song plays (shown once per playback):
std::string playbackFailureText(DeviceError error);
// The output could not be opened at start-up; platformText is Windows' own description.
std::string openFailureText(DeviceError error, const std::string& platformText);
// A failure while closing the device at the end (caption "Error"); empty for failures not reported.
std::string closeFailureText(const CloseFailure& failure);

// "効果時間" refused.
std::string effectTimeRefusalText(EffectTimeRefusal refusal);

// Pictures that cannot be read or composed, and a composition's progress while it runs.
std::string previewFailureText(ImageError error);
std::string composeFailureText(ImageError error);
std::string conversionProgressText(int percent);
// An image plug-in gave no picture: the published GetPicture codes -1 to 8 each have their own text, every
// other value "不明なエラー".
std::string pluginFailureText(const PluginResult& result);

// A sound generator made no song.
std::string generatorFailureText(GeneratorError error);

// The open dialog's message boxes; handed to the dialog as its FileDialogWording.
std::string fileDialogFailureText(const FileDialogFailure& failure);
// A file the user named is not there.
std::string missingFileText(const std::string& path);

// The MIDI devices: a saved output that gives way to the mapper, an input that cannot be opened.
std::string midiOutFallbackText(const std::string& name);
std::string midiInputFailureText(const std::string& systemText);
// The page's "MIDI入力" without a device to choose: none, or the browser lets the page use none.
constexpr const char* midiInputUnavailableText =
    "MIDI入力に使える機器がありません（ブラウザが許可しないか、つながっていません）";
// The page's output: the browser lets it use no MIDI device, so its own synthesizer is all there is.
constexpr const char* midiAccessRefusedText =
    "MIDI機器の使用がブラウザに許可されていません（内蔵音源で演奏します）";

// The skin at start-up: its pictures missing or unreadable, the chosen face given up for the program's own,
// and that one missing too (the program ends).
constexpr const char* buttonSheetMissingText = "Ｂｕｔｔｏｎ．ｂｍｐが見つかりません";
constexpr const char* buttonSheetUnreadableText = "Ｂｕｔｔｏｎ．ｂｍｐ読み込みエラー";
constexpr const char* maskMissingText = "Ｍａｓｋ．ｂｍｐが見つかりません";
constexpr const char* maskUnreadableText = "Ｍａｓｋ．ｂｍｐ読み込みエラー";
constexpr const char* faceUnreadableText = "背景画像の読み込みに失敗しました";
std::string chosenFaceMissingText(const std::string& path);
std::string ownFaceMissingText(const std::string& path);

// Deleting the settings failed: where they could be reached, and where they could not.
constexpr const char* settingsDeleteFailedText = "レジストリの削除に失敗しました。手動で行って下さい";
constexpr const char* settingsUnreachableText = "レジストリへアクセスできません。手動で行って下さい";

// The song list ("選曲").
constexpr const char* whilePlayingText = "演奏中は使用できません";
constexpr const char* whileLoopingText = "循環再生中は使用できません";
constexpr const char* playOnceNeededText = "「一度だけ」をチェックしてください";
constexpr const char* songListClearedText = "曲バッファを初期化しました";
// A song-list mode found no entry that leaves a song to play.
constexpr const char* noPlayableSongText = "演奏できる曲がありません";

// Pictures and songs: a face or a song as played not written whole, a picture that could not be read,
// and the question whether to keep a changed face.
constexpr const char* faceWriteFailedText = "ｂｍｐデータの書き込みに失敗しました";
constexpr const char* playedSongWriteFailedText = "ＭＩＤＩデータの書き込みに失敗しました";
constexpr const char* pictureUnreadableText = "ファイルを読み込めませんでした";
constexpr const char* saveFaceQuestion =
    "背景画像が変更されています。保存しますか？\n保存すると次回からその画像を使用します。";

constexpr const char* helpUnavailableText =
    "ヘルプファイル velmira.chm を開けませんでした。\nプログラムと同じフォルダにあるか確認して下さい。";
// Lines short enough that no message box breaks them again, each ending between words.
constexpr const char* deleteSettingsQuestion =
    "この処理は本ソフトで使用している\n"
    "レジストリ情報を全て削除します。\n"
    "終了後、ディレクトリ内の本ソフトに\n"
    "関連するファイルを削除すれば\n"
    "アンインストールは完了です。\n"
    "続行しますか？";

// The file dialogs' filters, in the "description|pattern|" form.
constexpr const char* midiFileFilter = "ＭＩＤＩファイル(*.mid)|*.mid|";
// The open dialog's, which takes karaoke files (.kar, a MIDI file with its words) too.
constexpr const char* songOpenFilter = "ＭＩＤＩファイル(*.mid;*.kar)|*.mid;*.kar|";
constexpr const char* faceFileFilter = "ビットマップ(*.bmp)|*.bmp|";
constexpr const char* textSourceFilter = "テキストファイル(*.txt)|*.txt||";
constexpr const char* pictureSourceFilter = "ビットマップ(*.bmp)|*.bmp||";

// The first output of "MIDI出力", the system's own choice of device.
constexpr const char* midiMapperLabel = "MIDIマッパー";
// The song list's rows: the mark of the entry playing, and a blank as wide, so that the numbers line up.
constexpr const char* playingEntryMark = "♪";
constexpr const char* otherEntryMark = "　";
// The large view's title after the song's path.
std::string songDetailsText(long bytes, int format, int tracks);

// The command line: the usage shown after each refused switch, why it was refused, a named song that is
// not there, a recording that cannot be written and a recorded input that cannot be read (line 0: not at
// all).
constexpr const char* commandLineUsage =
    "使い方: velmira.exe [/play] [/out:null | /out:record=ファイル] [/in:replay=ファイル] [曲.mid]";
constexpr const char* secondSongArgumentText = "曲のファイルは一つだけ指定できます";
constexpr const char* recordNameMissingText = "記録するファイルの名前がありません";
constexpr const char* replayMissingText = "入力の記録が見つかりません";
constexpr const char* badOutputSwitchText = "出力の指定が正しくありません";
constexpr const char* unknownSwitchText = "不明なスイッチです";
std::string songArgumentMissingText(const std::string& path);
std::string recordFileFailedMessage(const std::string& path);
std::string replayRefusedMessage(const std::string& path, long line);

// Texts more than one failure shows.
constexpr const char* readErrorText = "File Read Error";
constexpr const char* fileTooLargeText = "ファイルサイズが大きすぎます";
constexpr const char* noMemoryText = "メモリ確保に失敗しました";

// The timer would not start.
constexpr const char* timerRefusedText = "タイマーを起動できませんでした";
// "次の曲"/"前の曲" and the loop need a list of two songs or more.
constexpr const char* needsTwoSongsText = "２曲以上で使用します";
