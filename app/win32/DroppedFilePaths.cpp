#include "app/win32/DroppedFilePaths.h"

#include "platform/win32/WideText.h"

std::vector<std::string> droppedFilePaths(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        const UINT length = DragQueryFileW(drop, index, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, index, path.data(), length + 1);
        path.resize(copied);
        if (!path.empty()) paths.push_back(narrow(path));
    }
    return paths;
}
