#pragma once
#include <optional>
#include <string>

// Plug-ins speak the ANSI code page of Japanese Windows (932) whatever the system's own; the program
// keeps its text in UTF-8 (platform/win32/WideText.h converts that to and from UTF-16).
std::string utf8FromCodePage932(const std::string& text);
// Nothing when some character has no code in 932: a plug-in given a stand-in would open another file.
std::optional<std::string> codePage932FromWide(const std::wstring& wide);
