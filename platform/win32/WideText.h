#pragma once
#include <string>

// The program keeps its text in UTF-8 and talks to Windows in UTF-16; these convert at that boundary.
// |codePage| 65001 is UTF-8 (CP_UTF8); the plug-ins' text comes in another.
std::wstring widen(const std::string& text, unsigned codePage = 65001);
std::string narrow(const std::wstring& wide);
