#pragma once

// Texts the picture dialog shows in its OK box when a plug-in cannot give a picture.
namespace susieMessage {
constexpr const char* noLibrary = "該当するライブラリが見つかりません";
constexpr const char* lockFailed = "メモリーロックに失敗しました";
}  // namespace susieMessage

// The text for a non-zero result of a plug-in's GetPicture: the published codes -1 to 8 each have their
// own, every other value "不明なエラー".
const char* getPictureMessage(int result);

// GetPicture's published result codes, for the program's own plug-in and its checks of other plug-ins.
namespace getPictureResult {
constexpr int notImplemented = -1;
constexpr int success = 0;
constexpr int cancelled = 1;
constexpr int unknownFormat = 2;
constexpr int brokenData = 3;
constexpr int noMemory = 4;
constexpr int memoryError = 5;
constexpr int readError = 6;
constexpr int internalError = 8;
}  // namespace getPictureResult
