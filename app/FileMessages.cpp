#include "app/SongOpener.h"

std::string songReadFailureText(FileData::Status status) {
    switch (status) {
        case FileData::ok:
            return {};
        case FileData::notFound:
            return "ファイルが見つかりません";
        case FileData::readError:
            return "File Read Error";
        case FileData::tooLarge:
            return "ファイルサイズが大きすぎます";
        case FileData::noMemory:
            return "メモリ確保に失敗しました";
    }
    return {};
}
