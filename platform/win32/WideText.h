#pragma once
#include <string>

// The program keeps its text in UTF-8 and talks to Windows in UTF-16; these convert at that boundary.
std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);
