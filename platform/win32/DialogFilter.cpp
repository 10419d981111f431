#include "platform/win32/DialogFilter.h"

#include "platform/win32/WideText.h"

std::wstring dialogFilter(const std::string& filter) {
    std::wstring result = widen(filter);
    for (wchar_t& c : result)
        if (c == L'|') c = L'\0';
    result.push_back(L'\0');
    return result;
}
