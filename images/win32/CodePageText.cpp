#include "images/win32/CodePageText.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace {
constexpr UINT japaneseCodePage = 932;

std::wstring wideFrom(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}
}  // namespace

std::string utf8FromCodePage932(const std::string& text) {
    return narrow(wideFrom(japaneseCodePage, text));
}

std::optional<std::string> codePage932FromWide(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    BOOL replaced = FALSE;
    const int length = WideCharToMultiByte(japaneseCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           int(wide.size()), nullptr, 0, nullptr, &replaced);
    if (length <= 0 || replaced) return std::nullopt;
    std::string text(size_t(length), '\0');
    WideCharToMultiByte(japaneseCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), text.data(),
                        length, nullptr, nullptr);
    return text;
}
